// The page's figures for docs/web.md, in headless Chromium on this machine:
//   node measure_page.mjs SITE [RUNS]
// - the size of each file of SITE, raw and compressed at zlib's level 9 (a
//   few KB above gzip -9's own figure);
// - the time from navigation to the game's first frame on the canvas (the
//   page logs performance.now() then), in RUNS fresh profiles (default 5);
// - the processor time of all of Chromium's processes over 30 s of play
//   left idle in room 1 (meters running, nothing typed).
import { readFileSync, readdirSync, mkdtempSync, rmSync } from 'node:fs';
import { execFileSync } from 'node:child_process';
import { gzipSync, constants } from 'node:zlib';
import { tmpdir } from 'node:os';
import { join, resolve } from 'node:path';
import puppeteer from 'puppeteer-core';
import { serveFolder, chromiumArgs } from './serve.mjs';

const site = resolve(process.argv[2] || '');
const runs = Number(process.argv[3] || 5);
if (!process.argv[2]) {
  console.error('usage: node measure_page.mjs SITE [RUNS]');
  process.exit(2);
}
const sleep = (ms) => new Promise((ok) => setTimeout(ok, ms));

let total = 0;
for (const name of readdirSync(site).sort()) {
  const bytes = readFileSync(join(site, name));
  const packed = gzipSync(bytes, { level: constants.Z_BEST_COMPRESSION }).length;
  total += packed;
  console.log(`${name}: ${bytes.length} bytes, ${packed} compressed`);
}
console.log(`transferred compressed: ${total} bytes`);

const server = await serveFolder(site);
const url = `http://127.0.0.1:${server.address().port}/index.html`;
const args = chromiumArgs;

// Clock ticks (1/100 s) of user and system time of a process and all below it.
function processorTicks(root) {
  const rows = execFileSync('ps', ['-e', '-o', 'pid=,ppid=']).toString().trim().split('\n')
    .map((line) => line.trim().split(/\s+/).map(Number));
  const tree = new Set([root]);
  for (let grew = true; grew;) {
    grew = false;
    for (const [pid, parent] of rows) {
      if (tree.has(parent) && !tree.has(pid)) {
        tree.add(pid);
        grew = true;
      }
    }
  }
  let ticks = 0;
  for (const pid of tree) {
    try {
      const fields = readFileSync(`/proc/${pid}/stat`, 'utf8').split(') ')[1].split(' ');
      ticks += Number(fields[11]) + Number(fields[12]);
    } catch { /* ended meanwhile */ }
  }
  return ticks;
}

const firstFrames = [];
try {
  for (let run = 1; run <= runs; run++) {
    const profile = mkdtempSync(join(tmpdir(), 'raketa-measure-'));
    const browser = await puppeteer.launch({ executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
                                             headless: true, userDataDir: profile, args });
    try {
      const page = await browser.newPage();
      await page.setViewport({ width: 1280, height: 900 });
      let shown = null;
      page.on('console', (m) => {
        const found = /first frame shown (\d+) ms/.exec(m.text());
        if (found) shown = Number(found[1]);
      });
      await page.goto(url);
      await page.waitForFunction(() => window.Module && Module.raketaReady === true, { timeout: 60000 });
      firstFrames.push(shown);
      if (run < runs) continue;
      // The last run plays on: the intro skipped, room 1's text at once.
      await page.keyboard.press('Escape');
      await sleep(6000);
      await page.keyboard.press('Tab');
      await sleep(3000);
      const pid = browser.process().pid;
      const before = processorTicks(pid);
      const start = Date.now();
      await sleep(30000);
      const seconds = (processorTicks(pid) - before) / 100;
      const wall = (Date.now() - start) / 1000;
      console.log(`idle in play: ${seconds.toFixed(2)} s of processor time in ${wall.toFixed(1)} s ` +
                  `(${((100 * seconds) / wall).toFixed(1)} % of one core, all of Chromium's processes)`);
    } finally {
      await browser.close();
      rmSync(profile, { recursive: true, force: true });
    }
  }
} finally {
  server.close();
}
const sorted = [...firstFrames].sort((a, b) => a - b);
console.log(`first frame, ms after navigation: ${firstFrames.join(', ')} (median ${sorted[Math.floor(sorted.length / 2)]})`);
