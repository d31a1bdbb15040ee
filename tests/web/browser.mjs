// browser.mjs — plays the browser edition in chromium as a person would.
//   node browser.mjs <case> <site folder> [<headless title picture>]
// Serves the site on a free local port, starts Debian's chromium headless
// with a fresh profile (no network: every background connection switched
// off), runs one case and exits 0 when it passed.
import http from 'node:http';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import puppeteer from 'puppeteer-core';

const [caseName, siteDir, titlePicture] = process.argv.slice(2);
const types = { '.html': 'text/html', '.js': 'text/javascript', '.css': 'text/css', '.wasm': 'application/wasm' };

function serve() {
  const server = http.createServer((request, response) => {
    const name = decodeURIComponent(new URL(request.url, 'http://x').pathname);
    const file = path.join(siteDir, name === '/' ? 'index.html' : name);
    fs.readFile(file, (error, bytes) => {
      if (error) { response.writeHead(404); response.end(); return; }
      response.writeHead(200, { 'Content-Type': types[path.extname(file)] || 'application/octet-stream' });
      response.end(bytes);
    });
  });
  return new Promise((resolve) => server.listen(0, '127.0.0.1', () => resolve(server)));
}

const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

// The canvas as RGB bytes (alpha left out), read through toDataURL.
async function canvasPixels(page) {
  return page.evaluate(async () => {
    const image = new Image();
    image.src = document.getElementById('screen').toDataURL('image/png');
    await image.decode();
    const scratch = document.createElement('canvas');
    scratch.width = 800;
    scratch.height = 600;
    const context = scratch.getContext('2d');
    context.drawImage(image, 0, 0);
    const rgba = context.getImageData(0, 0, 800, 600).data;
    const rgb = [];
    for (let i = 0; i < rgba.length; i += 4) rgb.push(rgba[i], rgba[i + 1], rgba[i + 2]);
    return rgb;
  });
}

// A PNG file's pixels as RGB bytes, decoded by the browser.
async function pngPixels(page, file) {
  const data = 'data:image/png;base64,' + fs.readFileSync(file).toString('base64');
  return page.evaluate(async (url) => {
    const image = new Image();
    image.src = url;
    await image.decode();
    const scratch = document.createElement('canvas');
    scratch.width = image.width;
    scratch.height = image.height;
    const context = scratch.getContext('2d');
    context.drawImage(image, 0, 0);
    const rgba = context.getImageData(0, 0, image.width, image.height).data;
    const rgb = [];
    for (let i = 0; i < rgba.length; i += 4) rgb.push(rgba[i], rgba[i + 1], rgba[i + 2]);
    return rgb;
  }, data);
}

// How many pixels differ between two pictures.
function differingPixels(a, b) {
  let count = 0;
  for (let i = 0; i < a.length; i += 3) {
    if (a[i] !== b[i] || a[i + 1] !== b[i + 1] || a[i + 2] !== b[i + 2]) ++count;
  }
  return count;
}

// Waits until the canvas stays unchanged for `quietMs` (a dissolve or a
// scroll has ended), at most `limitMs`; returns the picture.
async function settled(page, quietMs = 600, limitMs = 15000) {
  const start = Date.now();
  let last = await canvasPixels(page);
  let since = Date.now();
  while (Date.now() - start < limitMs) {
    await sleep(150);
    const now = await canvasPixels(page);
    if (differingPixels(now, last) > 0) {
      last = now;
      since = Date.now();
    } else if (Date.now() - since >= quietMs) {
      return now;
    }
  }
  return last;
}

async function press(page, key, holdMs = 120) {
  await page.keyboard.down(key);
  await sleep(holdMs);
  await page.keyboard.up(key);
  await sleep(150);
}

async function type(page, text) {
  for (const c of text) await press(page, c, 60);
}

async function open(browser, base, file, query = '') {
  const page = await browser.newPage();
  await page.setViewport({ width: 800, height: 600 });
  page.on('console', (message) => page.zlConsole.push(message.text()));
  page.zlConsole = [];
  await page.goto(`${base}/${file}${query}`);
  await page.waitForFunction(() => window.zlFirstPicture !== undefined, { timeout: 30000 });
  await page.focus('#screen');
  return page;
}

function check(condition, what) {
  if (!condition) throw new Error(what);
  console.log('ok: ' + what);
}

// The title after its dissolve, labyrinth 1 behind it, as the headless
// backend draws the same moment.
async function title(browser, base) {
  const page = await open(browser, base, 'index.html');
  const shown = await settled(page);
  const expected = await pngPixels(page, titlePicture);
  const differing = differingPixels(shown, expected);
  check(differing === 0, `the title equals the headless picture (${differing} pixels differ)`);
}

// Space starts a game, an arrow walks, Esc opens the menu.
async function play(browser, base) {
  const page = await open(browser, base, 'index.html');
  const titleShown = await settled(page);
  await press(page, 'Space');
  const started = await settled(page);
  check(differingPixels(started, titleShown) > 10000, 'Space leaves the title for a game');
  await press(page, 'ArrowDown', 400);
  const walked = await settled(page);
  check(differingPixels(walked, started) > 100, 'an arrow moves the wizard');
  await press(page, 'Escape');
  const menu = await settled(page);
  check(differingPixels(menu, walked) > 1000, 'Esc opens the menu');
}

// A game saved under a name, the page reloaded, the game loaded back
// stands where it was saved.
async function saveAndLoad(browser, base) {
  let page = await open(browser, base, 'index.html');
  await settled(page);
  await press(page, 'Space');
  const fresh = await settled(page);
  await press(page, 'ArrowDown', 400);
  await press(page, 'ArrowRight', 900);
  await settled(page);
  await press(page, 'Escape');
  await settled(page);
  await press(page, 'Enter');  // "Spielstand abspeichern"
  await settled(page);
  await type(page, 'web');
  const stores = await page.evaluate(() => window.zlStores || 0);
  await press(page, 'Enter');
  await page.waitForFunction((before) => (window.zlStores || 0) > before, { timeout: 10000 }, stores);
  const saved = await settled(page);
  await page.reload();
  await page.waitForFunction(() => window.zlFirstPicture !== undefined, { timeout: 30000 });
  await page.focus('#screen');
  await settled(page);
  await press(page, 'Space');
  await settled(page);
  await press(page, 'Escape');
  await settled(page);
  await press(page, 'ArrowDown');
  await press(page, 'Enter');  // "Spielstand laden"
  await settled(page);
  await type(page, 'web');
  await press(page, 'Enter');
  const loaded = await settled(page);
  const fromSaved = differingPixels(loaded, saved);
  const fromFresh = differingPixels(loaded, fresh);
  check(fromSaved * 4 < fromFresh,
        `the loaded game stands where it was saved (${fromSaved} pixels differ, ${fromFresh} from a new game)`);
}

// The editor page saves a level as 001 (labyrinth 2's map, loaded in the
// editor), and the game page's labyrinth 1 is then that level.
async function editorLevel(browser, base) {
  let page = await open(browser, base, 'index.html');
  await settled(page);
  await press(page, 'Space');
  const shipped = await settled(page);
  await page.close();
  page = await open(browser, base, 'editor.html');
  await settled(page);
  await press(page, 'F2');
  await type(page, '002');
  await press(page, 'Enter');
  await settled(page);
  await press(page, 'F1');
  await type(page, '001');
  const stores = await page.evaluate(() => window.zlStores || 0);
  await press(page, 'Enter');
  await page.waitForFunction((before) => (window.zlStores || 0) > before, { timeout: 10000 }, stores);
  await page.close();
  page = await open(browser, base, 'index.html');
  await settled(page);
  await press(page, 'Space');
  const edited = await settled(page);
  const differing = differingPixels(edited, shipped);
  check(differing > 20000, `labyrinth 1 is the level the editor saved (${differing} pixels differ from the shipped one)`);
}

const cases = { title, play, saveAndLoad, editorLevel };

const server = await serve();
const base = `http://127.0.0.1:${server.address().port}`;
const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'zl-chromium-'));
const browser = await puppeteer.launch({
  executablePath: process.env.ZL_CHROMIUM || '/usr/bin/chromium',
  headless: true,
  args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
         '--disable-background-networking', '--disable-component-update', '--disable-sync',
         `--user-data-dir=${profile}`, '--autoplay-policy=no-user-gesture-required'],
});
let status = 0;
try {
  await cases[caseName](browser, base);
} catch (error) {
  console.error(`${caseName}: ${error.message}`);
  status = 1;
} finally {
  await browser.close();
  server.close();
  fs.rmSync(profile, { recursive: true, force: true });
}
process.exit(status);
