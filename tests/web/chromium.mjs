// chromium.mjs — what the browser tests and the browser benchmarks share:
// serving a folder, starting Debian's chromium, reading the canvas, keys.
import http from 'node:http';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import puppeteer from 'puppeteer-core';

const types = { '.html': 'text/html', '.js': 'text/javascript', '.css': 'text/css', '.wasm': 'application/wasm' };

export function serve(siteDir) {
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

export const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

// The canvas as RGB bytes (alpha left out), read through toDataURL.
export async function canvasPixels(page) {
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
export async function pngPixels(page, file) {
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
export function differingPixels(a, b) {
  let count = 0;
  for (let i = 0; i < a.length; i += 3) {
    if (a[i] !== b[i] || a[i + 1] !== b[i + 1] || a[i + 2] !== b[i + 2]) ++count;
  }
  return count;
}

// Waits until the canvas stays unchanged for `quietMs` (a dissolve or a
// scroll has ended), at most `limitMs`; returns the picture.
export async function settled(page, quietMs = 600, limitMs = 15000) {
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

export async function press(page, key, holdMs = 120) {
  await page.keyboard.down(key);
  await sleep(holdMs);
  await page.keyboard.up(key);
  await sleep(150);
}


// A page of the site, its first picture shown, the canvas given the keys.
export async function open(browser, base, file, query = '') {
  const page = await browser.newPage();
  await page.setViewport({ width: 800, height: 600 });
  page.on('console', (message) => page.zlConsole.push(message.text()));
  page.zlConsole = [];
  await page.goto(`${base}/${file}${query}`);
  await page.waitForFunction(() => window.zlFirstPicture !== undefined, { timeout: 30000 });
  await page.focus('#screen');
  return page;
}

// Debian's chromium, headless, with a fresh profile that is removed when
// the script ends. This machine class has no network: every background
// connection is switched off, or chromium waits on them.
export async function launch() {
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'zl-chromium-'));
  const browser = await puppeteer.launch({
    executablePath: process.env.ZL_CHROMIUM || '/usr/bin/chromium',
    headless: true,
    args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
           '--disable-background-networking', '--disable-component-update', '--disable-sync',
           `--user-data-dir=${profile}`],
  });
  process.on('exit', () => {
    try {
      fs.rmSync(profile, { recursive: true, force: true, maxRetries: 5 });
    } catch (error) {
      // A profile chromium still writes to is left for the system's cleaning.
    }
  });
  return browser;
}
