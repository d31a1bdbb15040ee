// chromium.mjs — what the browser tests and the browser benchmarks share:
// serving a folder, starting Debian's chromium, reading the canvas, keys.
import http from 'node:http';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import puppeteer from 'puppeteer-core';

const types = {
  '.html': 'text/html', '.js': 'text/javascript', '.css': 'text/css', '.wasm': 'application/wasm',
  '.png': 'image/png', '.webmanifest': 'application/manifest+json', '.gz': 'application/gzip',
};

// A plain static file server on a free local port, as any web host is: no
// compression of its own. `server.site` may be changed to serve another
// folder (a new version of the site); `server.stop()` takes it off the
// network, open connections included; `server.sentBytes()` counts what it
// has sent.
export function serve(siteDir) {
  const sockets = new Set();
  const server = http.createServer((request, response) => {
    const name = decodeURIComponent(new URL(request.url, 'http://x').pathname);
    const file = path.join(server.site, name === '/' ? 'index.html' : name);
    fs.readFile(file, (error, bytes) => {
      if (error) { response.writeHead(404); response.end(); return; }
      response.writeHead(200, { 'Content-Type': types[path.extname(file)] || 'application/octet-stream' });
      response.end(bytes);
    });
  });
  server.site = siteDir;
  let closedBytes = 0;
  server.on('connection', (socket) => {
    sockets.add(socket);
    socket.on('close', () => {
      closedBytes += socket.bytesWritten;
      sockets.delete(socket);
    });
  });
  // Every byte sent so far, headers included.
  server.sentBytes = () => closedBytes + [...sockets].reduce((sum, socket) => sum + socket.bytesWritten, 0);
  server.stop = () => new Promise((resolve) => {
    server.close(resolve);
    for (const socket of sockets) socket.destroy();
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
// `where` is a browser (its default profile) or one of its contexts.
export async function open(where, base, file, query = '', viewport = { width: 800, height: 600 }) {
  const page = await where.newPage();
  await page.setViewport(viewport);
  page.on('console', (message) => page.zlConsole.push(message.text()));
  page.zlConsole = [];
  await page.goto(`${base}/${file}${query}`);
  await firstPicture(page);
  return page;
}

// Waits for the page's first picture (after a load or reload) and gives the
// canvas the keys.
export async function firstPicture(page) {
  await page.waitForFunction(() => window.zlFirstPicture !== undefined, { timeout: 30000 });
  await page.focus('#screen');
}

// Every file of the player's Data as one page holds it: name -> a digest of
// its bytes.
export async function pageFiles(page) {
  return page.evaluate(async () => {
    const files = {};
    for (const file of zl.store.allFiles()) {
      const digest = await crypto.subtle.digest('SHA-256', file.bytes);
      files[file.name] = Array.from(new Uint8Array(digest), (b) => b.toString(16).padStart(2, '0')).join('');
    }
    return files;
  });
}

// Every file as the browser's storage holds it (the newest record of each
// name, deletions left out): name -> a digest of its bytes; and how many
// records the storage keeps of each name.
export async function storedFiles(page) {
  return page.evaluate(async () => {
    const database = await new Promise((resolve, reject) => {
      const opening = indexedDB.open('zauberlabyrinth');
      opening.onsuccess = () => resolve(opening.result);
      opening.onerror = () => reject(opening.error);
    });
    const records = await new Promise((resolve, reject) => {
      const found = [];
      const cursor = database.transaction('files').objectStore('files').openCursor();
      cursor.onsuccess = () => {
        if (!cursor.result) { resolve(found); return; }
        found.push([cursor.result.key, cursor.result.value]);
        cursor.result.continue();
      };
      cursor.onerror = () => reject(cursor.error);
    });
    database.close();
    const files = {};
    const counts = {};
    for (const [key, value] of records) {
      counts[key[0]] = (counts[key[0]] || 0) + 1;
      if (!value.bytes) { delete files[key[0]]; continue; }
      const digest = await crypto.subtle.digest('SHA-256', value.bytes);
      files[key[0]] = Array.from(new Uint8Array(digest), (b) => b.toString(16).padStart(2, '0')).join('');
    }
    return { files, counts };
  });
}

// Waits until every file the page has written is in the browser's storage.
export async function writesDone(page) {
  await page.evaluate(() => new Promise((resolve) => zl.store.afterWrites(resolve)));
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
