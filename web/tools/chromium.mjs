// Debian's Chromium, headless, for the browser tests and the benchmark: no sandbox (they run as
// root in CI), no GPU, nothing that reaches the network by itself, and a fresh profile that is
// removed when it closes. CHROMIUM names another binary.

import { mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import path from 'node:path';
import puppeteer from 'puppeteer-core';

export async function launchChromium() {
  const profile = mkdtempSync(path.join(tmpdir(), 'xvexo-chromium-'));
  const browser = await puppeteer.launch({
    executablePath: process.env.CHROMIUM ?? '/usr/bin/chromium',
    headless: true,
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync',
      `--user-data-dir=${profile}`],
  });
  return {
    browser,
    close: async () => {
      await browser.close();
      rmSync(profile, { recursive: true, force: true });
    },
  };
}
