// The web edition in a real browser: keys clicked on the canvas, the LED
// display read back from its pixels, a listing pasted and run, R/S stopping
// a loop, the program kept over a reload and carried by a Share address,
// and no error in the console. Ends with the counting loop's speed in the
// browser beside the native engine's (printed, not judged).
//
// node page_test.mjs SITE_DIR [NATIVE_BENCH]

import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import { after, before, test } from 'node:test';
import { launchBrowser, openPage, serve } from './harness.mjs';

const [siteDir, nativeBench] = process.argv.slice(2);

// Where the keys named in the cases are: column and row on the keypad.
const kKeys = {
  A: [0, 0], CLR: [4, 1], STO: [1, 3], RCL: [2, 3], 'R/S': [0, 8],
  0: [1, 8], 1: [1, 7], 2: [2, 7], 3: [3, 7], 4: [1, 6], 5: [2, 6], 6: [3, 6], 7: [1, 5], 8: [2, 5], 9: [3, 5],
  '.': [2, 8], '+': [4, 7], '-': [4, 6], '×': [4, 5], '÷': [4, 4], '=': [4, 8],
};

let server;
let chromium;
let page;
let errors;

before(async () => {
  server = await serve(siteDir);
  chromium = await launchBrowser();
  ({ page, errors } = await openPage(chromium.browser, server.url));
});

after(async () => {
  await chromium?.close();
  server?.stop();
});

// The centre of a key, in page pixels, from the geometry the page draws with.
async function keyCentre(name) {
  const [column, row] = kKeys[name];
  return page.evaluate(
    (column, row) => {
      const { client, skin, keys } = window.norvane.engine.geometry;
      const key = keys.find((k) => k.column === column && k.row === row);
      const box = document.getElementById('face').getBoundingClientRect();
      const scale = box.width / client.width;
      return {
        x: box.left + (skin.x + key.x + key.width / 2) * scale,
        y: box.top + (skin.y + key.y + key.height / 2) * scale,
      };
    },
    column,
    row,
  );
}

async function click(...names) {
  for (const name of names) {
    const { x, y } = await keyCentre(name);
    await page.mouse.click(x, y);
  }
}

const calculator = (name) => page.$eval('#calculator', (element, name) => element.dataset[name], name);

async function waitForState(state) {
  await page.waitForFunction((state) => document.getElementById('calculator').dataset.state === state, {}, state);
}

// The LED display read from the canvas: each cell's pixels matched against
// the glyph pictures (and a dark cell), and a point lit after a cell.
function readLed() {
  return page.evaluate(() => {
    const { engine, view } = window.norvane;
    const { client, skin, display, led } = engine.geometry;
    const canvas = document.getElementById('face');
    const k = canvas.width / client.width;
    const top = skin.y + display.y;
    const context = canvas.getContext('2d', { willReadFrequently: true });
    const scratch = new OffscreenCanvas(Math.ceil(led.glyphWidth * k), Math.ceil(display.height * k));
    const drawn = scratch.getContext('2d', { willReadFrequently: true });
    const size = (width) => [Math.round(width * k), Math.round(display.height * k)];
    const pixels = (x, width) => context.getImageData(Math.round(x * k), Math.round(top * k), ...size(width)).data;
    const picture = (stripX, width) => {
      drawn.setTransform(k, 0, 0, k, 0, 0);
      drawn.fillStyle = '#000';
      drawn.fillRect(0, 0, width, display.height);
      if (stripX !== null) {
        const s = view.artScale;
        drawn.drawImage(view.art.glyphs, stripX * s, 0, width * s, led.glyphHeight * s, 0, 0, width, led.glyphHeight);
      }
      drawn.setTransform(1, 0, 0, 1, 0, 0);
      return drawn.getImageData(0, 0, ...size(width)).data;
    };
    const distance = (a, b) => a.reduce((sum, value, i) => sum + Math.abs(value - b[i]), 0);
    // The glyph strip holds the minus, the ten digits in order and the bracket.
    const glyphs = [['-', led.strip.minus], ['[', led.strip.bracket]];
    for (let digit = 0; digit < 10; ++digit) glyphs.push([String(digit), led.strip.digits + digit * led.glyphWidth]);
    const candidates = [[' ', picture(null, led.glyphWidth)], ...glyphs.map(([glyph, x]) => [glyph, picture(x, led.glyphWidth)])];
    const dark = picture(null, led.strip.pointWidth);
    const point = picture(led.strip.point, led.strip.pointWidth);
    let text = '';
    for (let cell = 0; cell < led.cells; ++cell) {
      const x = skin.x + display.x + cell * led.pitch;
      const seen = pixels(x, led.glyphWidth);
      text += candidates.reduce((best, c) => (distance(seen, c[1]) < distance(seen, best[1]) ? c : best))[0];
      const gap = pixels(x + led.pointOffset, led.strip.pointWidth);
      if (distance(gap, point) < distance(gap, dark)) text += '.';
    }
    return text.trim();
  });
}

test('keys clicked on the canvas: the display in the DOM and in the LED pixels', async () => {
  const cases = [
    { keys: ['CLR', '2', '+', '3', '×', '4', '='], shown: '14.' },
    { keys: ['CLR', '7', '-', '9', '.', '5', '='], shown: '-2.5' },
    { keys: ['CLR', '1', '÷', '3', '='], shown: '.3333333333' },
  ];
  for (const { keys, shown } of cases) {
    await click(...keys);
    assert.equal((await calculator('display')).trim(), shown, keys.join(' '));
    assert.equal(await readLed(), shown, `LED pixels after ${keys.join(' ')}`);
  }
  assert.equal(await page.$eval('#display-text', (element) => element.textContent.trim()), '.3333333333');
});

async function loadListing(text) {
  await page.click('#tab-program');
  await page.$eval('#listing', (element, text) => { element.value = text; }, text);
  await page.click('#listing-load');
  return page.$$eval('#listing-errors li', (items) => items.map((item) => item.textContent));
}

test('a pasted listing is read by the engine, with its errors by line, and runs', async () => {
  assert.deepEqual(await loadListing('LBL A\n6 * 7 =\nR/S\n'), []);
  await click('CLR', 'A');
  await waitForState('stopped');
  assert.equal((await calculator('display')).trim(), '42.');
  assert.match(await page.$eval('#listing', (element) => element.value), /LBL/);

  const errors = await loadListing('LBL A\n6 * 7 =\nFROB 12\n');
  assert.equal(errors.length, 1);
  assert.match(errors[0], /^Line 3\b/i);
  await click('CLR', 'A');
  await waitForState('stopped');
  assert.equal((await calculator('display')).trim(), '42.', 'a refused listing leaves the program as it was');
});

// Milliseconds from the click on R/S (the browser's time of the input) to
// the page showing the run stopped.
async function stopRun() {
  await page.evaluate(() => {
    const element = document.getElementById('calculator');
    window.stopLatency = new Promise((resolve) => {
      let pressedAt = 0;
      document.getElementById('face').addEventListener('pointerup', (event) => { pressedAt = event.timeStamp; }, { capture: true, once: true });
      new MutationObserver((_, observer) => {
        if (element.dataset.state !== 'running') {
          observer.disconnect();
          resolve(performance.now() - pressedAt);
        }
      }).observe(element, { attributes: true, attributeFilter: ['data-state'] });
    });
  });
  await click('R/S');
  return page.evaluate(() => window.stopLatency);
}

test('R/S stops a running loop within a frame or so', async () => {
  assert.deepEqual(await loadListing('LBL A\n1 SUM 00\nGTO A\n'), []);
  await click('CLR', '0', 'STO', '0', '0');
  const stops = [];
  for (let run = 0; run < 5; ++run) {
    await click('A');
    await waitForState('running');
    await new Promise((resolve) => setTimeout(resolve, 100 + 37 * run));
    stops.push(await stopRun());
    assert.equal(await calculator('state'), 'stopped');
  }
  await click('RCL', '0', '0');
  assert.ok(Number(await calculator('display')) > 1000, 'the loop ran');
  stops.sort((a, b) => a - b);
  console.log(`# R/S, from the click to the display showing the run stopped: median ${stops[2].toFixed(1)} ms, ` +
    `longest ${stops[4].toFixed(1)} ms of 5`);
});

test('a Pause holds the display, and an error blinks', async () => {
  assert.deepEqual(await loadListing('LBL A\n7 PAUSE\nCLR 8 R/S\n'), []);
  await click('CLR', 'A');
  await waitForState('paused');
  assert.equal((await calculator('display')).trim(), '7', 'the paused display');
  await waitForState('stopped');
  assert.equal((await calculator('display')).trim(), '8');

  await click('CLR', '1', '÷', '0', '=');
  assert.equal(await calculator('state'), 'error');
  const seen = new Set();
  for (let look = 0; look < 100 && seen.size < 2; ++look) {
    seen.add(await readLed());
    await new Promise((resolve) => setTimeout(resolve, 20));
  }
  assert.deepEqual([...seen].sort(), ['', '9.9999999 99'], 'lit and dark in turn');
  await click('CLR');
});

test('the program is kept over a reload and carried by a Share address', async () => {
  assert.deepEqual(await loadListing('LBL A\n2 * 21 =\nR/S\n'), []);
  const listing = await page.$eval('#listing', (element) => element.value);
  await page.click('#share');
  await page.waitForFunction(() => location.hash.startsWith('#program='));
  const shared = page.url();

  await page.reload();
  await page.waitForSelector('#calculator[data-ready="true"]');
  await page.click('#tab-program');
  assert.equal(await page.$eval('#listing', (element) => element.value), listing, 'kept over a reload');

  assert.deepEqual(await loadListing('LBL A\n5 =\nR/S\n'), []);
  await page.goto('about:blank');
  await page.goto(shared);
  await page.waitForSelector('#calculator[data-ready="true"]');
  await click('CLR', 'A');
  await waitForState('stopped');
  assert.equal((await calculator('display')).trim(), '42.', 'the shared program, not the one kept');
  assert.equal(new URL(page.url()).hash, '', 'the address forgets the program once it is loaded');
});

test('no error in the browser console', () => {
  assert.deepEqual(errors, []);
});

// Processor seconds of the page's main thread, as the browser counts them.
async function threadTime(session) {
  const { metrics } = await session.send('Performance.getMetrics');
  return metrics.find((metric) => metric.name === 'ThreadTime').value;
}

test('speed of the counting loop in the browser and natively', async () => {
  // Per processor second on both sides, so that other work on the machine
  // does not count against either.
  const count = 2_000_000;
  const session = await page.createCDPSession();
  await session.send('Performance.enable');
  const rates = [];
  for (let run = 0; run < 5; ++run) {
    const before = await threadTime(session);
    const steps = await page.evaluate((count) => window.norvane.engine.benchCountingLoop(count), count);
    rates.push(steps / ((await threadTime(session)) - before));
  }
  const browser = rates.sort((a, b) => a - b)[2];
  let line = `# counting loop, median of 5 runs, per processor second: browser ${(browser / 1e6).toFixed(1)} M steps/s`;
  if (nativeBench && fs.existsSync(nativeBench)) {
    const report = JSON.parse(execFileSync(nativeBench, ['--benchmark_filter=^CountingLoop$', '--benchmark_format=json',
      '--benchmark_repetitions=5', '--benchmark_report_aggregates_only=true'], { encoding: 'utf8' }));
    const native = report.benchmarks.find((b) => b.aggregate_name === 'median')['steps/s'];
    line += `, native ${(native / 1e6).toFixed(1)} M steps/s, browser/native ${(browser / native).toFixed(2)}`;
  }
  console.log(line);
});
