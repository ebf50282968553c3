// The <xvexo-view> element in Debian's Chromium, headless, on pages served from 127.0.0.1: what
// it shows of a record (the board at any pixel density, the players, the information, the
// comment), records read as the desktop reads them (a standard SGF file, one naming no character
// set, bad records with the desktop's own messages), getFile, the attributes and properties, the
// events a page receives, its layout in the box it is given, and the npm package on a site of its
// own. XVEXO_SHOTS=FOLDER also keeps screenshots of the demo at two sizes there.

import { describe, test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync, spawnSync } from 'node:child_process';
import { mkdtempSync, readFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import path from 'node:path';
import { startServer } from '../tools/static-server.mjs';
import {
  NGF, RECORDS, SAMPLE, canvasPicture, controlText, env, isBlackStone, isWhiteStone, isWood,
  nativeBin, onViewer, pointColour, root, show, takeEvents,
} from './support.mjs';

// The board's geometry as the desktop's panel computes it for a panel of W x H (the element's
// board panel): cell size (at most 59 below 19 lines) and the canvas's CSS size, the label
// margin of 20 included.
function expectedBoard(width, height, lines) {
  const fits = Math.min(Math.floor((width - 25) / lines), Math.floor((height - 25) / lines));
  const cell = lines < 19 ? Math.min(fits, 59) : fits;
  return { cell, size: 20 + lines * cell };
}

// The board panel's size and the board canvas's box in it.
function boardBox() {
  return onViewer((viewer) => {
    const panel = viewer.shadowRoot.querySelector('.panP');
    const canvas = viewer.shadowRoot.querySelector('canvas.MainGoPB');
    const outer = panel.getBoundingClientRect();
    const inner = canvas.getBoundingClientRect();
    return { panel: [outer.width, outer.height], left: inner.left - outer.left,
             top: inner.top - outer.top, width: inner.width, pixels: canvas.width };
  });
}

// What the form shows of the game: the players, ranks, prisoners, event and information lines,
// and the comment box's lines (a link as "<link>TEXT").
function formTexts() {
  return onViewer((viewer) => {
    const $ = (selector) => viewer.shadowRoot.querySelector(selector).textContent;
    return {
      black: $('.bPlayerL'), white: $('.wPlayerL'), blackRank: $('.BGlvlL'), whiteRank: $('.WGlvlL'),
      prisoners: [$('.bDiedSL'), $('.wDiedSL')], event: $('.eventNameL'),
      lines: Array.from(viewer.shadowRoot.querySelectorAll('.info-line'), (line) => line.textContent),
      comment: Array.from(viewer.shadowRoot.querySelectorAll('.commentM p'),
                          (p) => (p.querySelector('a') ? '<link>' : '') + p.textContent),
    };
  });
}

// The desktop's reading of a record file: `xvexo record`'s JSON, or its message on failure.
function desktopRecord(file) {
  const run = spawnSync(path.join(nativeBin, 'xvexo'), ['record', file], { encoding: 'utf8' });
  return { json: run.stdout ? JSON.parse(run.stdout) : null, message: run.stderr.trim() };
}

describe('the sample record', () => {
  // Its last position: F2 white, J2 black, L10 empty (columns and rows from the top left).
  for (const scale of [1, 2]) {
    test(`shows its last position, at pixel density ${scale}`, async () => {
      const result = await show(SAMPLE, 798, 560, { scale });
      assert.deepEqual(result, { type: 'load', message: '' });
      const box = await boardBox();
      const { size } = expectedBoard(...box.panel, 19);
      assert.equal(box.width, size);
      assert.equal(box.pixels, size * scale);
      assert.equal(box.left, Math.floor((box.panel[0] - size) / 2));
      const [white, black, empty] = [await pointColour(6, 2), await pointColour(10, 2),
                                     await pointColour(12, 10)];
      assert.ok(isWhiteStone(white), `F2 is ${white}`);
      assert.ok(isBlackStone(black), `J2 is ${black}`);
      assert.ok(isWood(empty), `L10 is ${empty}`);
    });
  }

  test('shows its players, prisoners, information and the comment of the move shown', async () => {
    await show(SAMPLE, 798, 560);
    assert.deepEqual(await formTexts(), {
      black: '林海 七段', white: '陈风 九段', blackRank: '', whiteRank: '', prisoners: ['3', '7'],
      event: '第十届网络围棋大赛 决赛',
      lines: ['日期 : 2026-11-21', '地点 : 网络对局室', '用时 : 2小时', '读秒 : 60秒 3次',
              '贴目 : 6.5', '结果 : 黑中盘胜'],
      comment: ['', '', '[214] 以下从略。黑中盘胜。'],
    });
    // Move 12 has a diagram: its link, set off by a blank line.
    await onViewer((viewer) => viewer.goTo(12));
    assert.deepEqual((await formTexts()).comment,
                     ['', '', '[12] 这一手是本局的第一个要点。', '', '<link>参考图 12-1']);
  });
});

describe('records read as the desktop reads them', () => {
  test('a standard SGF file opens at its start on its own board size, its ranks under the names',
       async () => {
    assert.equal((await show(`${RECORDS}nine.sgf`, 798, 560)).type, 'load');
    const box = await boardBox();
    assert.equal(box.width, expectedBoard(...box.panel, 9).size);
    assert.equal(await onViewer((viewer) => [viewer.move, viewer.moveCount].join('/')), '0/17');
    const texts = await formTexts();
    assert.deepEqual([texts.black, texts.blackRank], ['Kim Minsu', '3d']);
  });

  test('files that name no character set show the texts the desktop shows', async () => {
    for (const name of ['japanese_no_charset.sgf', 'korean_no_charset.sgf', 'chinese_no_charset.sgf']) {
      const { json } = desktopRecord(path.join(root, 'tests/data/records', name));
      assert.equal((await show(RECORDS + name, 798, 560)).type, 'load', name);
      const texts = await formTexts();
      assert.equal(texts.black, json.Info.BlackName, name);
      assert.equal(texts.white, json.Info.WhiteName, name);
      assert.equal(texts.event, json.Info.Title, name);
      // The game comment shows at the start.
      assert.ok(texts.comment.includes(json.Notes[0].Text), `${name}: ${texts.comment}`);
    }
  });

  test('a record that does not load gives an error event with the desktop\'s message, and the game shown stays',
       async () => {
    const fixture = (name) => path.join(root, 'web/test/fixtures', name);
    const cases = [
      ['board-too-large.sgf', desktopRecord(fixture('board-too-large.sgf')).message],
      ['bad-move.sgf', desktopRecord(fixture('bad-move.sgf')).message],
      ['no-such-file.sgf', 'no-such-file.sgf holds no game record; the game shown is unchanged'],
      ['', 'Empty URL'],
      ['ftp://127.0.0.1/game.sgf', 'Cannot open ftp://127.0.0.1/game.sgf: the scheme "ftp" is not supported'],
      ['http://127.0.0.1:9/game.sgf', 'Cannot connect to 127.0.0.1:9: Failed to fetch'],
    ];
    assert.equal(cases[0][1], 'SGF record, line 1: board size 25 is not supported (2 to 19 lines)');
    assert.equal(cases[1][1], 'SGF record, line 1: move "zz" is not a point of the board (19x19)');
    await show(SAMPLE, 798, 560);
    await takeEvents();
    const before = await canvasPicture();
    for (const [src, message] of cases) {
      const failed = await onViewer((viewer, src) => viewer.getFile(src).then(() => 'loaded', (e) => e.message), src);
      assert.equal(failed, message, src);
      assert.deepEqual(await takeEvents(), [['error', { message }]], src);
    }
    assert.equal(await canvasPicture(), before, 'the sample still shows');
    assert.equal(await onViewer((viewer) => viewer.move), 214);
  });
});

describe('loading from the page', () => {
  test('getFile shows a second record; a load asked for meanwhile wins', async () => {
    await show(SAMPLE, 798, 560);
    await takeEvents();
    // The pass that ends an NGF record stands above its 128 moves.
    assert.equal(await onViewer((viewer, src) => viewer.getFile(src).then(() => viewer.moveCount), NGF), 129);
    const events = await takeEvents();
    assert.deepEqual(events.map(([type]) => type), ['load', 'move']);
    assert.equal(events[1][1].move, 129);
    assert.equal((await formTexts()).event, '第三届友谊赛 让三子局');
    // The first of two loads gives up; only the second is shown and reported.
    const results = await onViewer((viewer, first, second) => Promise.all([
      viewer.getFile(first).then(() => 'loaded', (e) => e.message),
      viewer.getFile(second).then(() => 'loaded', (e) => e.message),
    ]), `${RECORDS}nine.sgf`, SAMPLE);
    assert.deepEqual(results, ['Cancelled', 'loaded']);
    assert.deepEqual((await takeEvents()).map(([type]) => type), ['load', 'move']);
    assert.equal(await onViewer((viewer) => viewer.moveCount), 214);
  });

  test('the move attribute opens a record at a move, reflects every step and sets the move shown',
       async () => {
    await show(SAMPLE, 798, 560, { attributes: { move: '50' } });
    assert.equal(await onViewer((viewer) => [viewer.move, viewer.getAttribute('move')].join()), '50,50');
    await onViewer((viewer) => viewer.setAttribute('move', '7'));
    assert.equal(await onViewer((viewer) => viewer.move), 7);
    await onViewer((viewer) => { viewer.move = 0; });
    assert.equal(await onViewer((viewer) => viewer.getAttribute('move')), '0');
    assert.deepEqual((await takeEvents()).filter(([type]) => type === 'move').map(([, d]) => d.move),
                     [50, 7, 0]);
    // Past the end: the end; no move number: an exception, nothing moves.
    await onViewer((viewer) => viewer.goTo(1000));
    assert.equal(await onViewer((viewer) => viewer.move), 214);
    assert.equal(await onViewer((viewer) => { try { viewer.goTo(-1); } catch (e) { return e.name; } }),
                 'RangeError');
  });

  test('coordinates and lang are accepted and reflected', async () => {
    await show(SAMPLE, 798, 560, { attributes: { coordinates: 'standard', lang: 'en' } });
    assert.deepEqual(await onViewer((viewer) => [viewer.coordinates, viewer.lang]), ['standard', 'en']);
    await onViewer((viewer) => { viewer.coordinates = 'sideways'; });
    assert.equal(await onViewer((viewer) => viewer.coordinates), 'auto');
  });
});

test('an element moved in the page keeps its game; one removed while it loads stays quiet',
     async () => {
  await show(SAMPLE, 798, 560);
  await onViewer((viewer) => {
    viewer.goTo(30);
    document.body.prepend(viewer);  // out of the page and back at once
  });
  await new Promise((resolve) => setTimeout(resolve, 50));
  assert.equal(await onViewer((viewer) => viewer.move), 30);
  // On a fresh page, before the core has loaded: removed at once, it loads nothing and says
  // nothing; the next element shows its record.
  await env.page.goto(`${env.server.url}web/test/fixtures/page.html`);
  const heard = await env.page.evaluate((src) => new Promise((resolve) => {
    const events = [];
    const add = () => {
      const viewer = document.createElement('xvexo-view');
      for (const type of ['load', 'error']) viewer.addEventListener(type, () => events.push(type));
      viewer.src = src;
      document.body.append(viewer);
      return viewer;
    };
    add().remove();
    setTimeout(() => add().addEventListener('load', () => resolve(events)), 300);
  }), SAMPLE);
  assert.deepEqual(heard, ['load']);
  assert.deepEqual(env.pageErrors, []);
});

test('the element takes the size of its box: two columns as on the desktop, one below 640 pixels',
     async () => {
  for (const [width, height] of [[798, 560], [1000, 700], [420, 700]]) {
    assert.equal((await show(SAMPLE, width, height)).type, 'load');
    const box = await boardBox();
    const { size } = expectedBoard(...box.panel, 19);
    assert.equal(box.width, size, `${width} x ${height}`);
    assert.equal(box.left, Math.floor((box.panel[0] - size) / 2));
    const [, commentShows] = await controlText('.commentM');
    assert.ok(commentShows);
  }
  // One column: the board takes the width.
  assert.ok((await boardBox()).panel[0] >= 400);
  // Resized while shown: the board follows.
  const before = (await boardBox()).width;
  await onViewer((viewer) => { viewer.style.width = '900px'; });
  await env.page.waitForFunction((before) => document.querySelector('xvexo-view').shadowRoot
    .querySelector('canvas.MainGoPB').getBoundingClientRect().width !== before, {}, before);
  // A box too small for any board: nothing to draw, and nothing breaks.
  assert.equal((await show(SAMPLE, 12, 12)).type, 'load');
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
      await env.page.goto(`${siteServer.url}index.html`);
      assert.equal(await env.page.evaluate(() => window.result), 'load');
    } finally {
      await siteServer.close();
    }
  } finally {
    rmSync(site, { recursive: true, force: true });
  }
});

test('the demo page at two sizes', { skip: !process.env.XVEXO_SHOTS }, async () => {
  const { page } = env;
  for (const [width, height] of [[860, 680], [420, 820]]) {
    await page.setViewport({ width, height, deviceScaleFactor: 1 });
    await page.goto(`${env.server.url}web/demo/`);
    await page.waitForFunction(() => document.getElementById('status').textContent.includes('move'));
    await page.screenshot({ path: path.join(process.env.XVEXO_SHOTS, `demo-${width}x${height}.png`) });
  }
});
