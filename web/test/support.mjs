// What the browser tests share: the checkout served on 127.0.0.1, Debian's Chromium headless, a
// test page holding one <xvexo-view>, the events the page received, and the geometry and pixels
// of the element's boards.

import { after, before } from 'node:test';
import assert from 'node:assert/strict';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { launchChromium } from '../tools/chromium.mjs';
import { startServer } from '../tools/static-server.mjs';

export const root = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '../..');
// The native programs (ctest says where; by hand, the default build folder's).
export const nativeBin = process.env.XVEXO_BIN ?? path.join(root, 'build/bin');

export const SAMPLE = '../../../resources/samples/sample.tag.txt';
export const NGF = '../../../resources/samples/SAMPLE.NGF';
export const RECORDS = '../../../tests/data/records/';

export const env = { server: null, chrome: null, page: null, pageErrors: [] };

before(async () => {
  env.server = await startServer(root);
  env.chrome = await launchChromium();
  env.page = await env.chrome.browser.newPage();
  env.page.on('pageerror', (error) => env.pageErrors.push(error.message));
});

after(async () => {
  await env.chrome?.close();
  await env.server?.close();
});

// A fresh test page with one <xvexo-view> of Width x Height showing Src; waits for its load or
// error event. The page records every event the element sends in window.events.
export async function show(src, width, height, { scale = 1, attributes = {} } = {}) {
  const { page } = env;
  await page.setViewport({ width: Math.max(900, width + 40), height: Math.max(900, height + 40),
                           deviceScaleFactor: scale });
  await page.goto(`${env.server.url}web/test/fixtures/page.html`);
  const result = await page.evaluate((src, width, height, attributes) => new Promise((resolve) => {
    const viewer = document.createElement('xvexo-view');
    viewer.style.width = `${width}px`;
    viewer.style.height = `${height}px`;
    for (const [name, value] of Object.entries(attributes)) viewer.setAttribute(name, value);
    window.events = [];
    for (const type of ['load', 'error', 'move', 'click', 'dblclick']) {
      viewer.addEventListener(type, (event) => window.events.push({ type, detail: event.detail ?? null }));
    }
    const done = (event) => resolve({ type: event.type, message: event.detail?.message ?? '' });
    viewer.addEventListener('load', done, { once: true });
    viewer.addEventListener('error', done, { once: true });
    viewer.src = src;
    document.body.append(viewer);
  }), src, width, height, attributes);
  assert.deepEqual(env.pageErrors, [], 'no uncaught error on the page');
  return result;
}

// The events received since the last call (and clears them), as [type, detail].
export async function takeEvents() {
  return env.page.evaluate(() => window.events.splice(0).map(({ type, detail }) => [type, detail]));
}

// The moves of the `move` events since the last call.
export async function takeMoves() {
  return (await takeEvents()).filter(([type]) => type === 'move').map(([, detail]) => detail.move);
}

// Runs Script on the element (a function of the element and Args) in the page.
export function onViewer(script, ...args) {
  return env.page.evaluate(
    (script, ...args) => new Function('viewer', '...args', `return (${script})(viewer, ...args)`)(
      document.querySelector('xvexo-view'), ...args),
    script.toString(), ...args);
}

// The page position of the centre of point (Col, Row) of the main board, and its cell size.
export async function pointOnBoard(col, row, { canvas = 'canvas.MainGoPB', lines = 19 } = {}) {
  return env.page.evaluate((col, row, selector, lines) => {
    const board = document.querySelector('xvexo-view').shadowRoot.querySelector(selector);
    const box = board.getBoundingClientRect();
    // The main board has its label margin of 20 pixels at the right and the bottom.
    const cell = Math.floor((selector.includes('Main') ? box.width - 20 : box.width) / lines);
    return { x: box.left + (col - 0.5) * cell, y: box.top + (row - 0.5) * cell, cell };
  }, col, row, canvas, lines);
}

// The colour [r, g, b] at a quarter cell right of and below the centre of point (Col, Row), off
// the grid lines and inside a stone.
export async function pointColour(col, row) {
  return env.page.evaluate((col, row) => {
    const board = document.querySelector('xvexo-view').shadowRoot.querySelector('canvas.MainGoPB');
    const scale = board.width / parseFloat(board.style.width);
    const cell = Math.floor((parseFloat(board.style.width) - 20) / 19);
    const at = (i) => Math.round(((i - 1) * cell + cell / 2 + cell / 4) * scale);
    return Array.from(board.getContext('2d').getImageData(at(col), at(row), 1, 1).data.slice(0, 3));
  }, col, row);
}

// A picture of a canvas of the element ("MainGoPB", "HelpPB"), to compare.
export function canvasPicture(name = 'MainGoPB') {
  return env.page.evaluate((name) =>
    document.querySelector('xvexo-view').shadowRoot.querySelector(`canvas.${name}`).toDataURL(), name);
}

export const isBlackStone = ([r, g, b]) => Math.max(r, g, b) < 110;
export const isWhiteStone = ([r, g, b]) => Math.min(r, g, b) > 170;
export const isWood = ([r, g, b]) => r > b + 40 && r > 120;

// Clicks the element's control matching Selector (in its shadow tree) with the mouse.
export async function clickControl(selector, options = {}) {
  const handle = await env.page.evaluateHandle(
    (selector) => document.querySelector('xvexo-view').shadowRoot.querySelector(selector), selector);
  await handle.asElement().click(options);
  await handle.dispose();
}

// The element's control matching Selector: [text, whether it shows].
export function controlText(selector) {
  return env.page.evaluate((selector) => {
    const node = document.querySelector('xvexo-view').shadowRoot.querySelector(selector);
    return [node.textContent, node.getClientRects().length > 0 && !node.closest('[hidden]')];
  }, selector);
}

// What has the focus: "viewer" (the element itself), the class of the control inside it that has
// it, or the tag of another element of the page.
export function focused() {
  return env.page.evaluate(() => {
    const viewer = document.querySelector('xvexo-view');
    if (document.activeElement !== viewer) return document.activeElement?.localName ?? '';
    return viewer.shadowRoot.activeElement?.className.split(' ').pop() ?? 'viewer';
  });
}
