// The figures of the game in one file (build-web/raketa.html), opened from
// disk in headless Chromium on this machine:
//   node measure_single.mjs RAKETA_HTML [RUNS]
// - its size, raw and compressed at zlib's level 9 (what a mail or a chat
//   would carry zipped);
// - the time from navigation to the game's first frame on the canvas (the
//   page logs performance.now() then), in RUNS fresh profiles (default 5).
import { readFileSync } from 'node:fs';
import { gzipSync, constants } from 'node:zlib';
import { resolve } from 'node:path';
import { pathToFileURL } from 'node:url';
import puppeteer from 'puppeteer-core';
import { chromiumArgs } from './serve.mjs';

const file = resolve(process.argv[2] || '');
const runs = Number(process.argv[3] || 5);
if (!process.argv[2]) {
  console.error('usage: node measure_single.mjs RAKETA_HTML [RUNS]');
  process.exit(2);
}
const bytes = readFileSync(file);
console.log(`raketa.html: ${bytes.length} bytes, ${gzipSync(bytes, { level: constants.Z_BEST_COMPRESSION }).length} compressed`);

const browser = await puppeteer.launch({ executablePath: process.env.CHROMIUM || '/usr/bin/chromium', headless: true, args: chromiumArgs });
const times = [];
try {
  for (let i = 0; i < runs; i++) {
    const context = await browser.createBrowserContext();
    const page = await context.newPage();
    const shown = new Promise((ok) => page.on('console', (m) => {
      const found = /first frame shown (\d+) ms/.exec(m.text());
      if (found) ok(Number(found[1]));
    }));
    await page.goto(pathToFileURL(file).href);
    times.push(await shown);
    await context.close();
  }
} finally {
  await browser.close();
}
times.sort((a, b) => a - b);
console.log(`first frame from disk: median ${times[Math.floor(times.length / 2)]} ms over ${runs} loads (${times[0]} to ${times[times.length - 1]} ms)`);
