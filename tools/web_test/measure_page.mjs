// The page's figures for docs/web.md, in headless Chromium on this machine:
//   node measure_page.mjs SITE [RUNS]
// - the size of each file of SITE, raw and compressed at zlib's level 9 (a
//   few bytes off gzip -9's own figure);
// - the processor time of all of Chromium's processes over 30 s of play
//   left idle in room 1 with the game focused (meters running, nothing
//   typed), and beside it over 30 s of an empty page and of a page playing
//   one looped sound as the game plays the hum of the rocket;
// - the time from navigation to the browser's frame that shows the game's
//   first (the page logs performance.now() then), in RUNS fresh profiles
//   (default 5), served from 127.0.0.1 as it is;
// - the same over the network of Chrome DevTools' "Fast 4G" preset, served
//   compressed (gzip -9) as a web host would.
import { readFileSync, readdirSync, mkdtempSync, rmSync, writeFileSync } from 'node:fs';
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
const median = (xs) => [...xs].sort((a, b) => a - b)[Math.floor(xs.length / 2)];

// Chrome DevTools' "Fast 4G" (Fast4GConditions in its NetworkManager):
// 9 Mbit/s down and 1.5 Mbit/s up, each derated to 90 %, and 60 ms of
// latency times 2.75.
const fast4g = { offline: false, latency: 60 * 2.75,
                 downloadThroughput: (9e6 / 8) * 0.9, uploadThroughput: (1.5e6 / 8) * 0.9 };

function sizes() {
  let total = 0;
  for (const name of readdirSync(site).sort()) {
    const bytes = readFileSync(join(site, name));
    const packed = gzipSync(bytes, { level: constants.Z_BEST_COMPRESSION }).length;
    total += packed;
    console.log(`${name}: ${bytes.length} bytes, ${packed} compressed`);
  }
  console.log(`page compressed (gzip -9 of every file): ${total} bytes`);
}

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

// A fresh browser and profile for each use.
async function withBrowser(use) {
  const profile = mkdtempSync(join(tmpdir(), 'raketa-measure-'));
  const browser = await puppeteer.launch({ executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
                                           headless: true, userDataDir: profile, args: chromiumArgs });
  try {
    return await use(browser, await browser.newPage());
  } finally {
    await browser.close();
    rmSync(profile, { recursive: true, force: true });
  }
}

// Percent of one core that all of the browser's processes used over 30 s.
async function processorUse(browser) {
  const pid = browser.process().pid;
  const before = processorTicks(pid);
  const start = Date.now();
  await sleep(30000);
  const seconds = (processorTicks(pid) - before) / 100;
  return (100 * seconds) / ((Date.now() - start) / 1000);
}

// Milliseconds from navigation to the browser's frame that shows the game's
// first, as the page logs it.
async function firstFrame(page, url) {
  const shown = new Promise((ok) => page.on('console', (m) => {
    const found = /first frame shown (\d+) ms/.exec(m.text());
    if (found) ok(Number(found[1]));
  }));
  await page.setViewport({ width: 1280, height: 900 });
  await page.goto(url);
  return shown;
}

sizes();
const plain = await serveFolder(site);
const packed = await serveFolder(site, { gzip: true });
const empty = mkdtempSync(join(tmpdir(), 'raketa-empty-'));
writeFileSync(join(empty, 'index.html'), '<!DOCTYPE html><html><head><title>-</title></head><body></body></html>\n');
const blank = await serveFolder(empty);
// A page that plays one looped sound through the game's own sound.js, as
// the hum of the rocket plays in room 1: what the browser's audio costs by
// itself on this machine.
const hum = mkdtempSync(join(tmpdir(), 'raketa-hum-'));
const soundJs = readFileSync(new URL('../../presentation/web/sound.js', import.meta.url), 'utf8');
writeFileSync(join(hum, 'index.html'), `<!DOCTYPE html><html><head><title>-</title></head><body><script>
var Module = {};
${soundJs}
const rate = 22050, samples = new Uint8Array(2 * rate), view = new DataView(samples.buffer);
for (let i = 0; i < rate; i++) view.setInt16(2 * i, Math.round(8000 * Math.sin((2 * Math.PI * 110 * i) / rate)), true);
Module.raketaSound.load(0, samples, rate, 16, 1, true);
Module.raketaSound.play(0);  // heard from the first key on, as in the game
</script></body></html>
`);
const humming = await serveFolder(hum);
const urlOf = (server) => `http://127.0.0.1:${server.address().port}/index.html`;
try {
  // Idle: the intro skipped, room 1's text typed out, the game focused.
  const game = await withBrowser(async (browser, page) => {
    await firstFrame(page, urlOf(plain));
    await page.keyboard.press('Escape');
    await sleep(6000);
    await page.keyboard.press('Tab');
    await sleep(3000);
    const focused = await page.evaluate(() => document.activeElement === Module.canvas);
    if (!focused) throw new Error('the game lost the keyboard before measuring');
    return processorUse(browser);
  });
  const idle = await withBrowser(async (browser, page) => {
    await page.goto(urlOf(blank));
    await sleep(3000);
    return processorUse(browser);
  });
  const sound = await withBrowser(async (browser, page) => {
    await page.goto(urlOf(humming));
    // A key starts the sound, as Tab does in the game above (Esc does not:
    // browsers do not count it as the player's activation of the page).
    await page.keyboard.press('Tab');
    await sleep(3000);
    return processorUse(browser);
  });
  console.log(`idle in play, 30 s: ${game.toFixed(1)} % of one core over all of Chromium's processes ` +
              `(an empty page: ${idle.toFixed(1)} %; a page playing one looped sound as the game does: ` +
              `${sound.toFixed(1)} %)`);

  const here = [];
  for (let run = 0; run < runs; run++) here.push(await withBrowser((b, page) => firstFrame(page, urlOf(plain))));
  console.log(`first frame here, ms after navigation: ${here.join(', ')} (median ${median(here)})`);

  const far = [];
  for (let run = 0; run < runs; run++) {
    far.push(await withBrowser(async (browser, page) => {
      const cdp = await page.createCDPSession();
      await cdp.send('Network.enable');
      await cdp.send('Network.emulateNetworkConditions', fast4g);
      return firstFrame(page, urlOf(packed));
    }));
  }
  console.log(`first frame on Fast 4G (${fast4g.latency} ms latency, ${fast4g.downloadThroughput} B/s down, ` +
              `${fast4g.uploadThroughput} B/s up; served gzip -9), ms after navigation: ${far.join(', ')} ` +
              `(median ${median(far)})`);
} finally {
  plain.close();
  packed.close();
  blank.close();
  humming.close();
  rmSync(empty, { recursive: true, force: true });
  rmSync(hum, { recursive: true, force: true });
}
