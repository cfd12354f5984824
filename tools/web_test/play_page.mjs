// Plays the web page in headless Chromium as a player would, and checks that
// it is the same game as the native one:
//   node play_page.mjs SITE REFERENCE OUT SPOKEN SINGLE
// SITE is the built page (build-web/site), served here on 127.0.0.1.
// REFERENCE holds the native replay's screenshots of tests/web/*.replay.
// OUT receives the page's own screenshots, to be looked at.
// SPOKEN is the native trace of tests/web/save_steps.replay played with
// --speak: its `say` lines are what the page's record of the game and its
// live region for screen readers must show, with the page's speech off.
// SINGLE is the game in one file (build-web/raketa.html), opened from disk.
//
// Three players: one at a desktop with a keyboard; one on a phone held
// upright (touch, no keys but the phone's own keyboard in the text field,
// the page's buttons for the rest); one who opened the game in one file
// from disk.
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
import { fileURLToPath, pathToFileURL } from 'node:url';
import puppeteer, { KnownDevices } from 'puppeteer-core';
import { readPng } from './png.mjs';
import { serveFolder, chromiumArgs } from './serve.mjs';

const [siteArg, referenceArg, outArg, spokenArg, singleArg] = process.argv.slice(2);
if (!siteArg || !referenceArg || !outArg || !spokenArg || !singleArg) {
  console.error('usage: node play_page.mjs SITE REFERENCE OUT SPOKEN SINGLE');
  process.exit(2);
}
const site = resolve(siteArg);
const reference = resolve(referenceArg);
const out = resolve(outArg);
const single = resolve(singleArg);
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

async function compareScreen(page, name, saveAs = name) {
  await page.screenshot({ path: join(out, saveAs) });
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

// A step of the script that should end within a minute: when it does not,
// the test stops with what the page last told the player (an error box
// stops the game's periods until a key closes it).
async function bounded(page, step, what) {
  let timer;
  const late = new Promise((_, reject) => {
    timer = setTimeout(async () => {
      const told = await Promise.race([
        page.evaluate(() => [...document.querySelectorAll('#hlasatel p')].map((p) => p.textContent).slice(-2).join(' / ')),
        new Promise((r) => setTimeout(() => r('(the page does not answer)'), 5000)),
      ]).catch(() => '(the page does not answer)');
      reject(new Error(`"${what}" did not end within a minute; the page last said: ${told}`));
    }, 60000);
  });
  try {
    return await Promise.race([step, late]);
  } finally {
    clearTimeout(timer);
  }
}

// Runs the periods; when the game opens a file dialog meanwhile, answers it
// with the name the script gave, typed and confirmed as a player would.
async function runPeriods(page, client, n, answer) {
  const done = bounded(page, page.evaluate((count) => Module.runPeriods(count), n), `wait ${n}`);
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

// The native game's sentences, each with the frame that handed it over,
// and the command line's texts, each with the frame that wrote it.
const spoken = [];
const lines = [];
for (const line of readFileSync(resolve(spokenArg), 'utf8').split('\n')) {
  // "say", "say first", "say text", "say now": how the voice takes it does
  // not matter to the page's record.
  const m = /^(\d+) (say(?: first| text| now)*|text) "(.*)"$/.exec(line);
  if (!m) continue;
  const event = { frame: Number(m[1]), text: m[3].replace(/\\(["\\])/g, '$1') };
  (m[2].startsWith('say') ? spoken : lines).push(event);
}
// What the native command line held after `frames` frames.
function lineAfter(frames) {
  const written = lines.filter((x) => x.frame <= frames);
  return written.length ? written[written.length - 1].text : '';
}

// The page's record of the game holds what the native game said up to this
// frame, sentence for sentence.
async function compareRecord(page, frames, name) {
  const shown = await page.evaluate(() => [...document.querySelectorAll('#zaznam p')].map((p) => p.textContent));
  const said = spoken.filter((s) => s.frame <= frames).map((s) => s.text);
  if (JSON.stringify(shown) !== JSON.stringify(said)) {
    fail(`${name}: the record of the game shows ${JSON.stringify(shown)}, the native game said ${JSON.stringify(said)}`);
  } else {
    console.log(`${name}: the record of the game holds the native game's ${said.length} sentences`);
  }
}

async function play(page, client, script, record, url) {
  let answer = null;
  let frames = 0;
  for (const raw of readFileSync(join(steps, script), 'utf8').split('\n')) {
    const line = raw.replace(/^[ \t]+/, '');
    if (line === '' || line.startsWith('#')) continue;
    const space = line.search(/[ \t]/);
    const directive = space < 0 ? line : line.slice(0, space);
    const argument = space < 0 ? '' : line.slice(space + 1);
    switch (directive) {
      case 'wait':
        await runPeriods(page, client, Number(argument), answer);
        frames += Number(argument);
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
        if (record) await compareRecord(page, frames, argument);
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

async function openWithLateProgram(page, url) {
  const hold = (request) => {
    if (request.isInterceptResolutionHandled()) return;
    if (request.url().endsWith('.wasm')) setTimeout(() => request.continue(), 1500);
    else request.continue();
  };
  await page.setRequestInterception(true);
  page.on('request', hold);
  try {
    await open(page, url);
  } finally {
    page.off('request', hold);
    await page.setRequestInterception(false);
  }
}

function watch(page) {
  page.on('pageerror', (e) => fail('the page threw: ' + e.message));
  page.on('console', (m) => { if (m.type() === 'error') console.error('page console: ' + m.text()); });
}

// The desktop player: the keys of the desktop game, the record of the game
// and the live region, and the browser's own keys.
async function atTheDesktop(browser, url) {
  const page = await browser.newPage();
  await page.setViewport({ width: 1280, height: 900 });
  watch(page);
  const client = await page.createCDPSession();

  await open(page, url);
  await play(page, client, 'save_steps.replay', true, url);
  // Screen readers hear room 1's text: the native game's longest sentence
  // before the room was searched.
  const roomText = spoken.filter((x) => x.frame <= 112).reduce((a, b) => (b.text.length > a.length ? b.text : a), '');
  const heard = await page.evaluate(() => {
    const live = document.getElementById('hlasatel');
    return { text: live.textContent, polite: live.getAttribute('aria-live') };
  });
  if (roomText.length < 40 || heard.polite !== 'polite' || !heard.text.includes(roomText)) {
    fail(`the live region does not carry room 1's text "${roomText.slice(0, 60)}…"`);
  } else {
    console.log(`the live region carries room 1's text ("${roomText.slice(0, 40)}…")`);
  }
  await bounded(page, page.evaluate(() => Module.savesSynced()), 'keeping the saves');

  // On this visit the program arrives a while after the page, so the
  // browser has the saves out of IndexedDB long before the program's memory
  // exists: the save must come through that order too.
  await openWithLateProgram(page, url);
  await play(page, client, 'load_steps.replay', false, url);

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

  // Shift+Tab is the browser's: it leaves the canvas for the page's buttons.
  await page.keyboard.down('Shift');
  await page.keyboard.press('Tab');
  await page.keyboard.up('Shift');
  const left = await page.evaluate(() => document.activeElement.id || document.activeElement.tagName);
  if (left === 'hra-platno') fail('Shift+Tab stayed in the game');
  else console.log(`Shift+Tab left the game for #${left}`);
  // With the game's buttons shown, Tab from the page's own buttons reaches
  // the text field and the buttons.
  await page.focus('#ukazat-tlacitka');
  await page.keyboard.press('Enter');
  await page.keyboard.press('Tab');
  const next = await page.evaluate(() => document.activeElement.id);
  if (next !== 'prikaz') fail(`Tab from the page's buttons reached #${next}, not the text field`);
  await page.keyboard.press('Tab');
  const after = await page.evaluate(() => document.activeElement.dataset.key);
  if (after !== 'Enter') fail(`Tab from the text field reached ${after}, not the button Odeslat`);

  // A game left by a reload goes on after it.
  await open(page, url);
  await play(page, client, 'continue_steps.replay', false, url);
  await dialogStaysInSaves(page, client);
  await f10EndsWithPlayAgain(page);
  await page.close();
}

// A phone's keyboard: text committed into the focused field, a word at a
// time, the second composed first as a keyboard composes accents; keys it
// cannot name come as "Unidentified" (Android) and are to be ignored.
async function phoneTypes(client, words) {
  for (const word of words) {
    await client.send('Input.dispatchKeyEvent', { type: 'keyDown', key: 'Unidentified', windowsVirtualKeyCode: 229 });
    for (let i = 1; i < word.length; i++) {
      await client.send('Input.imeSetComposition', { text: word.slice(0, i), selectionStart: i, selectionEnd: i });
    }
    await client.send('Input.insertText', { text: word });
    await client.send('Input.dispatchKeyEvent', { type: 'keyUp', key: 'Unidentified', windowsVirtualKeyCode: 229 });
  }
}

async function phoneEnter(client) {
  await client.send('Input.dispatchKeyEvent', { type: 'rawKeyDown', key: 'Enter', code: 'Enter', windowsVirtualKeyCode: 13 });
  await client.send('Input.dispatchKeyEvent', { type: 'char', key: 'Enter', text: '\r', windowsVirtualKeyCode: 13 });
  await client.send('Input.dispatchKeyEvent', { type: 'keyUp', key: 'Enter', code: 'Enter', windowsVirtualKeyCode: 13 });
}

async function tapButton(page, label) {
  const button = await page.$(`xpath/.//div[@id="ovladani"]//button[normalize-space()="${label}"]`);
  if (!button) throw new Error(`no button "${label}" on the page`);
  await button.tap();
}

// The phone: the steps of save_steps.replay with the page's buttons and the
// phone's keyboard, in a fresh profile.
async function onAPhone(browser, url) {
  const context = await browser.createBrowserContext();
  const page = await context.newPage();
  await page.emulate(KnownDevices['Pixel 5']);
  watch(page);
  const client = await page.createCDPSession();
  await open(page, url);
  const look = await page.evaluate(() => {
    const shown = (el) => el && getComputedStyle(el).display !== 'none' && el.getBoundingClientRect().height > 0;
    const canvas = document.getElementById('hra-platno').getBoundingClientRect();
    const field = document.getElementById('prikaz').getBoundingClientRect();
    return {
      width: window.innerWidth, canvasWidth: canvas.width, canvasBottom: canvas.bottom, fieldTop: field.top,
      buttons: shown(document.getElementById('ovladani')), keysHelp: shown(document.querySelector('#jak-hrat .jen-klavesy')),
    };
  });
  if (!look.buttons) fail('the phone shows no game buttons');
  if (look.keysHelp) fail('the phone is told about F-keys');
  if (look.canvasWidth < look.width - 2) fail(`upright, the picture is ${look.canvasWidth} px wide on a ${look.width} px screen`);
  if (look.fieldTop < look.canvasBottom) fail('the text field is not below the picture');
  console.log(`phone ${look.width} px wide: the picture ${Math.round(look.canvasWidth)} px wide, the field below it`);

  await tapButton(page, 'Přeskočit');
  await page.evaluate(() => Module.runPeriods(110));
  await tapButton(page, 'Celý text');
  await page.evaluate(() => Module.runPeriods(2));
  await compareScreen(page, 'room1.png', 'phone_room1.png');
  // A tap on the picture brings up the keyboard: the text field has the focus.
  await page.tap('#hra-platno');
  const focused = await page.evaluate(() => document.activeElement.id);
  if (focused !== 'prikaz') fail(`a tap on the picture gave the focus to #${focused}, not to the text field`);
  await phoneTypes(client, ['prohledej ', 'místnost']);
  const typed = await page.evaluate(() => Module.runPeriods(1).then(() => document.getElementById('prikaz').value));
  if (typed !== 'prohledej místnost') fail(`the text field shows "${typed}" after the phone typed "prohledej místnost"`);
  await phoneEnter(client);
  await page.evaluate(() => Module.runPeriods(60));
  await compareScreen(page, 'searched.png', 'phone_searched.png');
  // The field shows the game's answer, as the native command line has it.
  const answer = await page.$eval('#prikaz', (f) => f.value);
  if (answer !== lineAfter(173)) fail(`the text field shows "${answer}", the game's line "${lineAfter(173)}"`);
  else console.log(`the text field shows the game's answer "${answer}"`);
  await page.screenshot({ path: join(out, 'phone_portrait.png') });

  // "Uložit", then the dialog: a tap on it, the name from the phone's
  // keyboard, Enter.
  await tapButton(page, 'Uložit');
  const saving = page.evaluate(() => Module.runPeriods(2));
  await page.waitForFunction(() => Module.dialogOpen(), { polling: 20, timeout: 20000 });
  await page.tap('#hra-platno');
  await phoneTypes(client, ['web']);
  await phoneEnter(client);
  await saving;
  await compareScreen(page, 'saved.png', 'phone_saved.png');
  await context.close();
}

// The game in one file, from disk: played to room 1 and saved, then opened
// again and the save loaded.  The served page opened from disk says where
// to go instead of loading for ever.
async function fromDisk(browser) {
  const context = await browser.createBrowserContext();
  const page = await context.newPage();
  await page.setViewport({ width: 1280, height: 900 });
  watch(page);
  const client = await page.createCDPSession();
  const url = pathToFileURL(single).href + '?manual';
  await open(page, url);
  await play(page, client, 'save_steps.replay', false);
  await bounded(page, page.evaluate(() => Module.savesSynced()), 'keeping the saves');
  await open(page, url);
  await play(page, client, 'load_steps.replay', false);

  // A browser that refuses storage (IndexedDB throws, as for a file in some
  // browsers): the game still plays, and the page says the saves do not last.
  const refused = await context.newPage();
  watch(refused);
  await refused.evaluateOnNewDocument(() => {
    Object.defineProperty(window, 'indexedDB', {
      get() { throw new DOMException('The operation is insecure.', 'SecurityError'); },
    });
  });
  await open(refused, url);
  const told = await refused.$eval('#zprava', (p) => p.textContent);
  if (!told.includes('nedovolil nic ukládat')) fail(`with storage refused the page says "${told}"`);
  else console.log(`with storage refused the page says: ${told}`);
  await refused.close();

  const served = await context.newPage();
  await served.goto(pathToFileURL(join(site, 'index.html')).href, { waitUntil: 'load' });
  const said = await served.$eval('#nacitani', (p) => p.textContent);
  if (!said.includes('raketa.html')) fail(`the served page from disk says "${said}"`);
  else console.log(`the served page from disk says: ${said}`);
  await context.close();
}

// A player who lets the intro run out reaches room 1 before the page may
// play any sound: the hum of the rocket, asked for then, starts with the
// player's first key (Tab lets a page play sound; Esc would not).
async function humAfterTheIntro(browser, url) {
  const page = await browser.newPage();
  watch(page);
  await page.evaluateOnNewDocument(() => {
    window.raketaLoopsStarted = 0;
    const start = AudioBufferSourceNode.prototype.start;
    AudioBufferSourceNode.prototype.start = function (...args) {
      if (this.loop) window.raketaLoopsStarted++;
      return start.apply(this, args);
    };
  });
  await open(page, url);
  // The intro ends by itself after 870 frames, in room 1.
  await page.evaluate(() => Module.runPeriods(1000));
  await page.keyboard.press('Tab');
  await page.evaluate(() => Module.runPeriods(1));
  const started = await page.waitForFunction(() => window.raketaLoopsStarted > 0, { timeout: 5000 })
    .then(() => true, () => false);
  if (!started) fail('after the intro ran out and a key, the hum of the rocket did not start');
  else console.log('the hum of the rocket starts with the first key after the intro ran out');
  await page.close();
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
  await atTheDesktop(browser, url);
  await humAfterTheIntro(browser, url);
  await onAPhone(browser, url);
  await fromDisk(browser);
} finally {
  await browser.close();
  server.close();
  rmSync(profile, { recursive: true, force: true });
}
if (failures) {
  console.error(`${failures} check(s) failed; the page's screenshots are in ${out}`);
  process.exit(1);
}
console.log(`the page played on a desktop, on a phone and from one file as the native game does; its screenshots are in ${out}`);
