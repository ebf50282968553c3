// The web element's benchmark: the gzipped size of the module and its loader, the time from the
// start of a page to the frame showing a 300-move record in headless Chromium (the page loaded
// afresh: module, pictures and record fetched from 127.0.0.1), the same for a second element on
// a page that has the core already, and a full repaint of that board batched against one call
// into the page per drawing call.
//
//   node web/bench/first-paint.mjs [RUNS]     (after scripts/build-web.sh)

import { readFileSync } from 'node:fs';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { gzipSync } from 'node:zlib';
import { launchChromium } from '../tools/chromium.mjs';
import { startServer } from '../tools/static-server.mjs';

const here = path.dirname(fileURLToPath(import.meta.url));
const root = path.resolve(here, '../..');
const runs = Number(process.argv[2] ?? 15);

// A tag record of 300 moves that capture nothing: black fills the top rows and white the
// bottom ones, column by column (the pattern of the tests' records).
function record300() {
  const letter = (n) => String.fromCharCode(96 + n);
  let text = '(;EV[Benchmark]PB[Black]PW[White]\r\n';
  for (let i = 1; i <= 300; ++i) {
    const pair = Math.floor((i - 1) / 2);
    const x = (pair % 19) + 1;
    const y = i % 2 === 1 ? Math.floor(pair / 19) + 1 : 19 - Math.floor(pair / 19);
    text += `;${i % 2 === 1 ? 'B' : 'W'}[${letter(x)}${letter(y)}]`;
  }
  return `${text})\r\n`;
}

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const kb = (bytes) => `${(bytes / 1024).toFixed(1)} KB`;

let total = 0;
for (const name of ['xvexo-core.wasm', 'xvexo-core.mjs']) {
  const bytes = readFileSync(path.join(root, 'web/dist', name));
  const zipped = gzipSync(bytes, { level: 9 }).length;
  total += zipped;
  console.log(`${name}: ${kb(bytes.length)}, gzipped ${kb(zipped)}`);
}
console.log(`module and loader gzipped: ${kb(total)} (aim: under 600 KB)`);

const text = record300();
const server = await startServer(root, 0, { '/bench/game300.txt': text });
const chrome = await launchChromium();
try {
  const page = await chrome.browser.newPage();
  await page.setViewport({ width: 800, height: 800 });
  const pageUrl = `${server.url}web/bench/page.html?src=/bench/game300.txt`;
  const cold = [];
  const afterHtml = [];
  for (let i = 0; i < runs; ++i) {
    await page.goto(pageUrl);
    const painted = await page.evaluate(() => window.firstPaint);
    cold.push(painted);
    afterHtml.push(painted - await page.evaluate(
      () => performance.getEntriesByType('navigation')[0].responseEnd));
  }
  const figures = (values) => `median ${median(values).toFixed(1)} ms, best ${Math.min(...values).toFixed(1)} ms`;
  console.log(`first paint of a 300-move record, page loaded afresh (${runs} runs; aim: under 100 ms): ` +
              `from the start of the page ${figures(cold)}; from the page's HTML received ${figures(afterHtml)}`);
  const warm = [];
  for (let i = 0; i < runs; ++i) warm.push(await page.evaluate((src) => window.showAgain(src), '/bench/game300.txt'));
  console.log(`a second element on the same page: median ${median(warm).toFixed(1)} ms`);
  // Alternated, the best of five rounds each, so that a busy machine favours neither.
  const best = { false: Infinity, true: Infinity };
  for (let round = 0; round < 5; ++round) {
    for (const flushEach of [false, true]) {
      const ms = await page.evaluate((t, f) => window.repaint(t, 20, f), text, flushEach);
      best[flushEach] = Math.min(best[flushEach], ms);
    }
  }
  console.log(`full repaint of the 300-move board, batched (one page call): ${best.false.toFixed(2)} ms; ` +
              `one page call per drawing call: ${best.true.toFixed(2)} ms`);
} finally {
  await chrome.close();
  await server.close();
}
