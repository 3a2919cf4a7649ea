// Starts the web edition: the engine, the calculator's face and its input,
// the pacing of runs, the panels, the kept state and a shared program.

import { openEngine } from './engine.js';
import { FaceView } from './face-view.js';
import { attachInput } from './input.js';
import { keep, loadKept } from './keep.js';
import { LibraryPanel } from './library-panel.js';
import { ProgramPanel } from './program-panel.js';
import { Runner } from './runner.js';
import { forgetAddressProgram, programFromAddress } from './share.js';
import { attachTabs } from './tabs.js';
import { Tape } from './tape.js';

const kKeepDelayMs = 500;

async function start() {
  const engine = await openEngine();
  const calculator = document.getElementById('calculator');
  const canvas = document.getElementById('face');
  const spoken = document.getElementById('display-text');
  const view = new FaceView(canvas, engine.geometry, 'skin/');
  const tape = new Tape(document.getElementById('tape'));
  let pressed = null;
  let keepTimer = 0;

  const kept = loadKept();
  if (kept && !engine.restoreState(kept)) console.warn('The kept calculator could not be read; starting afresh.');

  const runner = new Runner(engine, () => update());
  const programPanel = new ProgramPanel(engine, () => afterKey());
  const libraryPanel = new LibraryPanel(engine, () => afterKey());
  attachTabs((id) => {
    if (id === 'tab-program') programPanel.refresh();
  });

  // A shared link opened, or pasted into the address bar of an open page.
  async function loadSharedProgram() {
    const shared = await programFromAddress().catch(() => {
      programPanel.say('The program in this address is damaged.');
      return null;
    });
    if (!shared) return;
    if (engine.loadProgram(shared)) programPanel.say('The program from the link is in user memory.');
    else programPanel.say('The program in this address could not be read.');
    forgetAddressProgram();
    programPanel.refresh();
  }
  await loadSharedProgram();
  addEventListener('hashchange', async () => {
    await loadSharedProgram();
    afterKey();
  });

  // Attributes written only when they change, so that observers see changes.
  const setData = (values) => {
    for (const [name, value] of Object.entries(values)) if (calculator.dataset[name] !== value) calculator.dataset[name] = value;
  };
  let shownText = null;
  function update() {
    tape.add(engine.takePrinted());
    for (const report of engine.takeReports()) programPanel.say(report);
    const display = engine.display(runner.showWhileRunning);
    const state = {
      ...display,
      pressed,
      displayShown: runner.displayShown,
      strip: engine.strip(),
    };
    view.draw(state);
    const status = runner.running ? (runner.pausing ? 'paused' : 'running') : display.error ? 'error' : 'stopped';
    const indicators = [display.second && '2nd', display.inv && 'INV', ['DEG', 'RAD', 'GRAD'][display.angle]];
    setData({
      state: status,
      display: display.text,
      exponent: String(display.exponent),
      indicators: indicators.filter(Boolean).join(' '),
    });
    const spokenText = runner.running && !runner.pausing ? 'Running' : display.error ? `Error ${display.text}` : display.text;
    if (spokenText !== shownText) {
      spoken.textContent = spokenText;
      shownText = spokenText;
    }
    libraryPanel.showCurrent(engine.shownProgram());
  }

  function afterKey() {
    runner.keyGiven();
    update();
    clearTimeout(keepTimer);
    keepTimer = setTimeout(keepNow, kKeepDelayMs);
  }

  function keepNow() {
    keep(engine.saveState());
  }
  addEventListener('pagehide', keepNow);
  document.addEventListener('visibilitychange', () => document.visibilityState === 'hidden' && keepNow());

  attachInput({
    canvas,
    view,
    engine,
    onKey: afterKey,
    onPressedChanged: (key) => {
      pressed = key;
      update();
    },
  });

  // The canvas fills the column's height on a wide screen and the width on a phone.
  const { width, height } = engine.geometry.client;
  async function fit() {
    const column = document.querySelector('.calculator-column');
    const wide = innerWidth > 700;
    const room = wide ? Math.min(innerHeight - 60, height) * (width / height) : Math.min(innerWidth - 16, width * 1.25);
    const cssWidth = Math.max(180, Math.floor(room));
    column.style.width = `${cssWidth}px`;
    await view.useScale(view.resize(cssWidth, devicePixelRatio));
    update();
  }
  addEventListener('resize', fit);
  matchMedia(`(resolution: ${devicePixelRatio}dppx)`).addEventListener('change', fit);
  await fit();
  afterKey();
  canvas.focus({ preventScroll: true });
  calculator.dataset.ready = 'true';
  window.norvane = { engine, runner, update, afterKey, view, programPanel };
}

start().catch((error) => {
  console.error(error);
  document.getElementById('calculator').dataset.state = 'failed';
  document.body.insertAdjacentHTML('afterbegin', '<p class="status">The calculator could not start: ' +
    String(error.message).replace(/[<&]/g, '') + '</p>');
});
