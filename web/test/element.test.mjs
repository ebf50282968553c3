// The <xvexo-view> element in Debian's Chromium, headless, on pages served from 127.0.0.1: the
// sample shows its last position, a standard SGF file its own board size, a bad record the
// desktop's message, the board takes the size of its box, and the npm package works on a site
// of its own. XVEXO_SHOTS=FOLDER also keeps
// screenshots of the demo at two sizes there.

import { after, before, describe, test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { mkdtempSync, readFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { launchChromium } from '../tools/chromium.mjs';
import { startServer } from '../tools/static-server.mjs';

const root = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '../..');

// The board's geometry as the desktop's panel computes it: cell size (at most 59 below 19
// lines) and the canvas's CSS size, the label margin of 20 included.
function expectedBoard(width, height, lines) {
  const fits = Math.min(Math.floor((width - 25) / lines), Math.floor((height - 25) / lines));
  const cell = lines < 19 ? Math.min(fits, 59) : fits;
  return { cell, size: 20 + lines * cell };
}

let server;
let chrome;
let page;
const pageErrors = [];

before(async () => {
  server = await startServer(root);
  chrome = await launchChromium();
  page = await chrome.browser.newPage();
  page.on('pageerror', (error) => pageErrors.push(error.message));
});

after(async () => {
  await chrome?.close();
  await server?.close();
});

// Puts one <xvexo-view> of Width x Height showing Src on the test page (replacing the one
// before, unless Keep) and waits for its load or error event.
async function show(src, width, height, { keep = false, scale = 1 } = {}) {
  if (!keep) {
    await page.setViewport({ width: 900, height: 900, deviceScaleFactor: scale });
    await page.goto(`${server.url}web/test/fixtures/page.html`);
  }
  const result = await page.evaluate((src, width, height) => new Promise((resolve) => {
    let viewer = document.querySelector('xvexo-view');
    if (!viewer) {
      viewer = document.createElement('xvexo-view');
      document.body.append(viewer);
    }
    viewer.style.width = `${width}px`;
    viewer.style.height = `${height}px`;
    const done = (event) => {
      viewer.removeEventListener('load', done);
      viewer.removeEventListener('error', done);
      resolve({ type: event.type, message: event.detail?.message ?? '' });
    };
    viewer.addEventListener('load', done);
    viewer.addEventListener('error', done);
    viewer.src = src;
  }), src, width, height);
  assert.deepEqual(pageErrors, [], 'no uncaught error on the page');
  return result;
}

// The board canvas's CSS box within the element, and its pixel size.
function canvasBox() {
  return page.evaluate(() => {
    const viewer = document.querySelector('xvexo-view');
    const canvas = viewer.shadowRoot.querySelector('canvas');
    const outer = viewer.getBoundingClientRect();
    const inner = canvas.getBoundingClientRect();
    return { left: inner.left - outer.left, top: inner.top - outer.top, width: inner.width,
             height: inner.height, pixels: canvas.width };
  });
}

// The colour at a quarter cell right of and below the centre of point (Col, Row) (1-based), off
// the grid lines and inside a stone: [r, g, b].
function pointColour(col, row, cell) {
  return page.evaluate((col, row, cell) => {
    const canvas = document.querySelector('xvexo-view').shadowRoot.querySelector('canvas');
    const scale = canvas.width / parseFloat(canvas.style.width);
    const at = (i) => Math.round(((i - 1) * cell + cell / 2 + cell / 4) * scale);
    return Array.from(canvas.getContext('2d').getImageData(at(col), at(row), 1, 1).data.slice(0, 3));
  }, col, row, cell);
}

const isBlackStone = ([r, g, b]) => Math.max(r, g, b) < 110;
const isWhiteStone = ([r, g, b]) => Math.min(r, g, b) > 170;
const isWood = ([r, g, b]) => r > b + 40 && r > 120;

describe('the sample record', () => {
  // Its last position: F2 white, J2 black, L10 empty (columns and rows from the top left).
  for (const scale of [1, 2]) {
    test(`shows its last position, at pixel density ${scale}`, async () => {
      const result = await show('../../../resources/samples/sample.tag.txt', 500, 500, { scale });
      assert.deepEqual(result, { type: 'load', message: '' });
      const { cell, size } = expectedBoard(500, 500, 19);
      const box = await canvasBox();
      assert.equal(box.width, size);
      assert.equal(box.pixels, size * scale);
      const white = await pointColour(6, 2, cell);
      const black = await pointColour(10, 2, cell);
      const empty = await pointColour(12, 10, cell);
      assert.ok(isWhiteStone(white), `F2 is ${white}`);
      assert.ok(isBlackStone(black), `J2 is ${black}`);
      assert.ok(isWood(empty), `L10 is ${empty}`);
    });
  }
});

test('a standard SGF file shows its own board size, then the next record replaces it', async () => {
  assert.equal((await show('../../../tests/data/records/nine.sgf', 400, 400)).type, 'load');
  assert.equal((await canvasBox()).width, expectedBoard(400, 400, 9).size);
  assert.equal((await show('../../../resources/samples/SAMPLE.NGF', 400, 400, { keep: true })).type,
               'load');
  assert.equal((await canvasBox()).width, expectedBoard(400, 400, 19).size);
});

test('a record that does not load gives an error event with the desktop\'s message', async () => {
  const cases = [
    ['board-too-large.sgf', 'SGF record, line 1: board size 25 is not supported (2 to 19 lines)'],
    ['no-such-file.sgf', 'no-such-file.sgf holds no game record; the game shown is unchanged'],
    ['', 'Empty URL'],
    ['http://127.0.0.1:9/game.sgf', 'Cannot connect to 127.0.0.1:9: Failed to fetch'],
  ];
  for (const [src, message] of cases) {
    assert.deepEqual(await show(src, 300, 300), { type: 'error', message }, src);
  }
});

test('the board takes the size of its box and stays centred in it', async () => {
  for (const [width, height] of [[300, 300], [700, 460]]) {
    await show('../../../resources/samples/sample.tag.txt', width, height);
    const { size } = expectedBoard(width, height, 19);
    const box = await canvasBox();
    assert.deepEqual([box.width, box.height], [size, size], `${width} x ${height}`);
    assert.equal(box.left, Math.floor((width - size) / 2));
    assert.equal(box.top, Math.floor((height - size) / 2));
  }
  // Resized while shown: the board follows.
  await page.evaluate(() => { document.querySelector('xvexo-view').style.width = '400px'; });
  await page.waitForFunction(
    (size) => document.querySelector('xvexo-view').shadowRoot.querySelector('canvas')
      .getBoundingClientRect().width === size, {}, expectedBoard(400, 460, 19).size);
  // A box too small for any board: nothing to draw, and nothing breaks.
  assert.equal((await show('../../../resources/samples/sample.tag.txt', 12, 12)).type, 'load');
});

test('the package npm packs shows a record on a page that adds it with one module script',
     async () => {
  const site = mkdtempSync(path.join(tmpdir(), 'xvexo-site-'));
  try {
    const tarball = execFileSync('npm', ['pack', '--silent', '--pack-destination', site],
                                 { cwd: path.join(root, 'web'), encoding: 'utf8' }).trim();
    execFileSync('tar', ['-xzf', path.join(site, tarball), '-C', site]);
    const siteServer = await startServer(site, 0, {
      // The element's events reach the document in their capture phase.
      '/index.html': `<!doctype html><script>
        window.result = new Promise((resolve) => {
          const seen = (event) => event.target.localName === 'xvexo-view' &&
            resolve(event.type === 'load' ? 'load' : event.detail.message);
          document.addEventListener('load', seen, true);
          document.addEventListener('error', seen, true);
        });
        </script><script type="module" src="/package/src/xvexo-view.js"></script>
        <xvexo-view src="game.sgf"></xvexo-view>`,
      '/game.sgf': readFileSync(path.join(root, 'tests/data/records/thirteen.sgf')),
    });
    try {
      await page.goto(`${siteServer.url}index.html`);
      assert.equal(await page.evaluate(() => window.result), 'load');
    } finally {
      await siteServer.close();
    }
  } finally {
    rmSync(site, { recursive: true, force: true });
  }
});

test('the demo page at two sizes', { skip: !process.env.XVEXO_SHOTS }, async () => {
  for (const [width, height] of [[480, 640], [1100, 900]]) {
    await page.setViewport({ width, height, deviceScaleFactor: 1 });
    await page.goto(`${server.url}web/demo/`);
    await page.waitForFunction(() => document.getElementById('status').textContent.startsWith('Showing'));
    await page.screenshot({ path: path.join(process.env.XVEXO_SHOTS, `demo-${width}x${height}.png`) });
  }
});
