// Plays the web page in headless Chromium as a player would, and checks that
// it is the same game as the native one:
//   node play_page.mjs SITE REFERENCE OUT
// SITE is the built page (build-web/site), served here on 127.0.0.1.
// REFERENCE holds the native replay's screenshots of tests/web/*.replay.
// OUT receives the page's own screenshots, to be looked at.
//
// The page runs with its clock in the test's hands (index.html?manual): a
// `wait N` of the script runs N periods of 40 ms as the replay does, so the
// meters and the typewriter are where the native screenshots have them.
// Keys come as real key events from the browser; Czech letters as a Czech
// keyboard sends them.  Between the two scripts the page is loaded again, and
// the save made in the first must still be there for the second.
import { mkdirSync, readFileSync, mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join, resolve, dirname } from 'node:path';
import { fileURLToPath } from 'node:url';
import puppeteer from 'puppeteer-core';
import { readPng } from './png.mjs';
import { serveFolder, chromiumArgs } from './serve.mjs';

const [siteArg, referenceArg, outArg] = process.argv.slice(2);
if (!siteArg || !referenceArg || !outArg) {
  console.error('usage: node play_page.mjs SITE REFERENCE OUT');
  process.exit(2);
}
const site = resolve(siteArg);
const reference = resolve(referenceArg);
const out = resolve(outArg);
const steps = join(dirname(fileURLToPath(import.meta.url)), '..', '..', 'tests', 'web');
mkdirSync(out, { recursive: true });

const keyNames = {
  Enter: 'Enter', Esc: 'Escape', Backspace: 'Backspace', Tab: 'Tab',
  Up: 'ArrowUp', Down: 'ArrowDown', Left: 'ArrowLeft', Right: 'ArrowRight',
  Home: 'Home', End: 'End', Delete: 'Delete',
};
for (let i = 1; i <= 10; i++) keyNames['F' + i] = 'F' + i;

let failures = 0;
function fail(message) {
  failures++;
  console.error('FAIL: ' + message);
}

// A character as a key of a Czech keyboard sends it: a key event whose key is
// the character itself, and the text it types.
async function typeCharacter(client, ch) {
  await client.send('Input.dispatchKeyEvent', { type: 'keyDown', key: ch, text: ch, unmodifiedText: ch });
  await client.send('Input.dispatchKeyEvent', { type: 'keyUp', key: ch });
}

async function canvasRgb(page) {
  const base64 = await page.evaluate(() => {
    const canvas = document.querySelector('canvas');
    const data = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data;
    const rgb = new Uint8Array((data.length / 4) * 3);
    for (let i = 0, j = 0; i < data.length; i += 4, j += 3) {
      rgb[j] = data[i];
      rgb[j + 1] = data[i + 1];
      rgb[j + 2] = data[i + 2];
    }
    let text = '';
    for (let i = 0; i < rgb.length; i += 0x8000) text += String.fromCharCode.apply(null, rgb.subarray(i, i + 0x8000));
    return btoa(text);
  });
  return Buffer.from(base64, 'base64');
}

async function compareScreen(page, name) {
  await page.screenshot({ path: join(out, name) });
  const expected = readPng(join(reference, name));
  const actual = await canvasRgb(page);
  if (actual.length !== expected.rgb.length) {
    fail(`${name}: the canvas holds ${actual.length / 3} pixels, the native screenshot ${expected.width}x${expected.height}`);
    return;
  }
  let differing = 0, first = -1;
  for (let i = 0; i < actual.length; i += 3) {
    if (actual[i] !== expected.rgb[i] || actual[i + 1] !== expected.rgb[i + 1] || actual[i + 2] !== expected.rgb[i + 2]) {
      if (first < 0) first = i / 3;
      differing++;
    }
  }
  if (differing) {
    fail(`${name}: ${differing} pixels differ from the native screenshot, the first at ` +
         `(${first % expected.width}, ${Math.floor(first / expected.width)})`);
  } else {
    console.log(`${name}: the page shows the native screenshot pixel for pixel`);
  }
}

// Runs the periods; when the game opens a file dialog meanwhile, answers it
// with the name the script gave, typed and confirmed as a player would.
async function runPeriods(page, client, n, answer) {
  const done = page.evaluate((count) => Module.runPeriods(count), n);
  if (answer === null) return done;
  const opened = await Promise.race([
    done.then(() => false),
    page.waitForFunction(() => Module.dialogOpen && Module.dialogOpen(), { polling: 20, timeout: 20000 }).then(() => true),
  ]);
  if (!opened) {
    fail(`no file dialog opened for the answer "${answer}"`);
    return done;
  }
  for (const ch of answer) await typeCharacter(client, ch);
  await page.keyboard.press('Enter');
  return done;
}

async function play(page, client, script, url) {
  let answer = null;
  for (const raw of readFileSync(join(steps, script), 'utf8').split('\n')) {
    const line = raw.replace(/^[ \t]+/, '');
    if (line === '' || line.startsWith('#')) continue;
    const space = line.search(/[ \t]/);
    const directive = space < 0 ? line : line.slice(0, space);
    const argument = space < 0 ? '' : line.slice(space + 1);
    switch (directive) {
      case 'wait':
        await runPeriods(page, client, Number(argument), answer);
        answer = null;
        break;
      case 'type':
        for (const ch of argument) await typeCharacter(client, ch);
        break;
      case 'key':
        await page.keyboard.press(keyNames[argument]);
        break;
      case 'dialog':
        // The in-game dialog adds ".sav" itself, as the player leaves it off.
        answer = argument.replace(/\.sav$/i, '');
        break;
      case 'screenshot':
        await compareScreen(page, argument);
        break;
      case 'leave':
        // The page is left by loading it again, which the restart does.
        break;
      case 'restart':
        await open(page, url);
        break;
      default:
        throw new Error(`${script}: the browser test cannot play "${line}"`);
    }
  }
}

// The in-game dialogs stay inside the save folder, the only one a reload
// keeps: Backspace finds no folder above it, and a name leading out of it is
// refused with the dialog still open.
async function dialogStaysInSaves(page, client) {
  await page.keyboard.press('F3');
  const done = page.evaluate(() => Module.runPeriods(1));
  await page.waitForFunction(() => Module.dialogOpen(), { polling: 20, timeout: 20000 });
  for (let i = 0; i < 3; i++) await page.keyboard.press('Backspace');
  for (const ch of '../venku') await typeCharacter(client, ch);
  await page.keyboard.press('Enter');
  await page.evaluate(() => new Promise((r) => setTimeout(r, 300)));
  if (!(await page.evaluate(() => Module.dialogOpen()))) fail('a save outside the save folder closed the dialog');
  await page.keyboard.press('Escape');
  await done;
  const outside = await page.evaluate(() => Module.FS.readdir('/').filter((n) => /\.sav$/i.test(n)));
  if (outside.length) fail('saved outside the save folder: ' + outside.join(', '));
  await page.keyboard.press('F3');
  await runPeriods(page, client, 1, 'uvnitr');
  const inside = await page.evaluate(() => Module.FS.analyzePath('/saves/uvnitr.sav').exists);
  if (!inside) fail('the dialog did not save inside the save folder');
  else console.log('the dialogs stay inside the save folder');
}

// F10 ends the game as on the desktop: the page says so and offers another
// game, whose intro then offers the game F10 kept.
async function f10EndsWithPlayAgain(page) {
  await page.keyboard.press('F10');
  await page.evaluate(() => Module.runPeriods(1));
  const button = await page.waitForSelector('#hrat-znovu', { timeout: 10000 }).catch(() => null);
  if (!button) {
    fail('F10 did not end the game with a button to play again');
    return;
  }
  await Promise.all([page.waitForNavigation({ waitUntil: 'load' }), button.click()]);
  await page.waitForFunction(() => window.Module && Module.raketaReady === true, { timeout: 60000 });
  await page.focus('canvas');
  await page.evaluate(() => Module.runPeriods(2));
  // The offer is a yellow line above the intro's text.
  const yellow = await page.evaluate(() => {
    const data = document.querySelector('canvas').getContext('2d').getImageData(0, 360, 1024, 30).data;
    let n = 0;
    for (let i = 0; i < data.length; i += 4) if (data[i] > 200 && data[i + 1] > 200 && data[i + 2] < 80) n++;
    return n;
  });
  if (yellow < 100) fail('after F10 and a new page the intro does not offer the kept game');
  else console.log('F10 ended the game, the page offered another, and its intro offers the kept game');
}

async function open(page, url) {
  await page.goto(url, { waitUntil: 'load' });
  await page.waitForFunction(() => window.Module && Module.raketaReady === true, { timeout: 60000 });
  await page.focus('canvas');
}

const server = await serveFolder(site);
const url = `http://127.0.0.1:${server.address().port}/index.html?manual`;
const profile = mkdtempSync(join(tmpdir(), 'raketa-chromium-'));
const browser = await puppeteer.launch({
  executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
  headless: true,
  userDataDir: profile,
  args: [...chromiumArgs, '--window-size=1280,900'],
});
try {
  const page = await browser.newPage();
  await page.setViewport({ width: 1280, height: 900 });
  page.on('pageerror', (e) => fail('the page threw: ' + e.message));
  page.on('console', (m) => { if (m.type() === 'error') console.error('page console: ' + m.text()); });
  const client = await page.createCDPSession();

  await open(page, url);
  await play(page, client, 'save_steps.replay', url);
  await page.evaluate(() => Module.savesSynced());

  await open(page, url);
  await play(page, client, 'load_steps.replay', url);

  // The game's function keys stay the game's: F5 (sound off and on again)
  // must not reload the page, nor F1 open help, nor F3 search, nor Tab move
  // the focus away.
  await page.evaluate(() => { window.raketaStillHere = true; });
  for (const key of ['F5', 'F5', 'Tab']) {
    await page.keyboard.press(key);
    await page.evaluate(() => Module.runPeriods(1));
  }
  const kept = await page.evaluate(() => window.raketaStillHere === true && document.activeElement.tagName === 'CANVAS');
  if (!kept) fail('a function key or Tab left the game (the page reloaded or the focus moved)');

  // A game left by a reload goes on after it.
  await open(page, url);
  await play(page, client, 'continue_steps.replay', url);
  await dialogStaysInSaves(page, client);
  await f10EndsWithPlayAgain(page);
} finally {
  await browser.close();
  server.close();
  rmSync(profile, { recursive: true, force: true });
}
if (failures) {
  console.error(`${failures} check(s) failed; the page's screenshots are in ${out}`);
  process.exit(1);
}
console.log(`the page played every visit as the native game does; its screenshots are in ${out}`);
