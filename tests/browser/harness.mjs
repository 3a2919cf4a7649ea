// What the browser tests stand on: the built site served by a static
// server on a free port, and the system's Chromium driven headless with a
// fresh profile (nothing is downloaded).

import { spawn } from 'node:child_process';
import fs from 'node:fs';
import net from 'node:net';
import os from 'node:os';
import path from 'node:path';
import puppeteer from 'puppeteer-core';

export const kChromium = process.env.CHROMIUM ?? '/usr/bin/chromium';

function freePort() {
  return new Promise((resolve, reject) => {
    const server = net.createServer();
    server.once('error', reject);
    server.listen(0, '127.0.0.1', () => {
      const { port } = server.address();
      server.close(() => resolve(port));
    });
  });
}

async function waitForServer(url, child) {
  for (let tries = 0; tries < 100; ++tries) {
    if (child.exitCode !== null) throw new Error(`the static server ended with ${child.exitCode}`);
    try {
      if ((await fetch(url)).ok) return;
    } catch {
      // not listening yet
    }
    await new Promise((resolve) => setTimeout(resolve, 100));
  }
  throw new Error(`nothing answers at ${url}`);
}

// Serves dir as run.sh web does; returns the address and a stop function.
export async function serve(dir) {
  if (!fs.existsSync(path.join(dir, 'index.html'))) throw new Error(`${dir} holds no built page`);
  const port = await freePort();
  const child = spawn('python3', ['-m', 'http.server', '--bind', '127.0.0.1', String(port), '--directory', dir], {
    stdio: 'ignore',
  });
  const url = `http://127.0.0.1:${port}/`;
  await waitForServer(url, child);
  return { url, stop: () => child.kill() };
}

export async function launchBrowser() {
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'norvane-chromium-'));
  const browser = await puppeteer.launch({
    executablePath: kChromium,
    headless: true,
    args: [
      '--headless=new', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync',
      `--user-data-dir=${profile}`,
    ],
  });
  return {
    browser,
    close: async () => {
      await browser.close();
      fs.rmSync(profile, { recursive: true, force: true });
    },
  };
}

// A page that records every console error and uncaught exception.
export async function openPage(browser, url, viewport = { width: 1280, height: 900, deviceScaleFactor: 1 }) {
  const page = await browser.newPage();
  const errors = [];
  page.on('console', (message) => message.type() === 'error' && errors.push(message.text()));
  page.on('pageerror', (error) => errors.push(String(error)));
  page.on('requestfailed', (request) => errors.push(`${request.url()}: ${request.failure()?.errorText}`));
  await page.setViewport(viewport);
  await page.goto(url);
  await page.waitForSelector('#calculator[data-ready="true"]');
  return { page, errors };
}
