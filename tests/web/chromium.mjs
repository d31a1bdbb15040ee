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

// RGBA bytes (base64) as RGB bytes, alpha left out.
function rgbFrom(base64) {
  const rgba = Buffer.from(base64, 'base64');
  const rgb = new Uint8Array((rgba.length / 4) * 3);
  for (let i = 0, k = 0; i < rgba.length; i += 4, k += 3) {
    rgb[k] = rgba[i];
    rgb[k + 1] = rgba[i + 1];
    rgb[k + 2] = rgba[i + 2];
  }
  return rgb;
}

// The canvas as RGB bytes (alpha left out), read from its own 2D context
// and handed over as base64.
export async function canvasPixels(page) {
  return rgbFrom(await page.evaluate(() => {
    const canvas = document.getElementById('screen');
    const rgba = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data;
    let binary = '';
    for (let i = 0; i < rgba.length; i += 0x8000) binary += String.fromCharCode.apply(null, rgba.subarray(i, i + 0x8000));
    return btoa(binary);
  }));
}

// A PNG file's pixels as RGB bytes, decoded by the browser.
export async function pngPixels(page, file) {
  const data = 'data:image/png;base64,' + fs.readFileSync(file).toString('base64');
  return rgbFrom(await page.evaluate(async (url) => {
    const image = new Image();
    image.src = url;
    await image.decode();
    const scratch = document.createElement('canvas');
    scratch.width = image.width;
    scratch.height = image.height;
    const context = scratch.getContext('2d');
    context.drawImage(image, 0, 0);
    const rgba = context.getImageData(0, 0, image.width, image.height).data;
    let binary = '';
    for (let i = 0; i < rgba.length; i += 0x8000) binary += String.fromCharCode.apply(null, rgba.subarray(i, i + 0x8000));
    return btoa(binary);
  }, data));
}

// How many pixels differ between two pictures; pixels of `moving` (a set
// of pixel numbers) are left out.
export function differingPixels(a, b, moving = null) {
  let count = 0;
  for (let i = 0; i < a.length; i += 3) {
    if (moving && moving.has(i / 3)) continue;
    if (a[i] !== b[i] || a[i + 1] !== b[i + 1] || a[i + 2] !== b[i + 2]) ++count;
  }
  return count;
}

// The pixels that change while the page stands still (glowing tiles,
// creatures): the union of what differs between a few pictures `everyMs`
// apart.
export async function movingPixels(page, pictures = 4, everyMs = 250) {
  const moving = new Set();
  let last = await canvasPixels(page);
  for (let n = 1; n < pictures; ++n) {
    await sleep(everyMs);
    const now = await canvasPixels(page);
    for (let i = 0; i < now.length; i += 3) {
      if (now[i] !== last[i] || now[i + 1] !== last[i + 1] || now[i + 2] !== last[i + 2]) moving.add(i / 3);
    }
    last = now;
  }
  return moving;
}

// Waits until the canvas stays still for `quietMs` (a dissolve or a scroll
// has ended), at most `limitMs`; returns the picture. The glowing tiles and
// the title's colours go on all the time, changing the same pixels again
// and again: a look counts as still unless it changes many pixels at once
// or a good number that had not changed before.
export async function settled(page, quietMs = 600, limitMs = 15000) {
  const start = Date.now();
  const changedBefore = new Uint8Array(800 * 600);
  let last = await canvasPixels(page);
  let since = Date.now();
  while (Date.now() - start < limitMs) {
    await sleep(150);
    const now = await canvasPixels(page);
    let changed = 0;
    let fresh = 0;
    for (let p = 0, i = 0; p < 800 * 600; ++p, i += 3) {
      if (now[i] === last[i] && now[i + 1] === last[i + 1] && now[i + 2] === last[i + 2]) continue;
      ++changed;
      if (!changedBefore[p]) ++fresh;
      changedBefore[p] = 1;
    }
    last = now;
    if (changed >= 20000 || fresh >= 500) {
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
// connection is switched off, or chromium waits on them. `language` is the
// browser's own (--lang) and the one it asks pages in (Accept-Language,
// navigator.languages): German unless a case says otherwise.
export async function launch(language = 'de') {
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'zl-chromium-'));
  const browser = await puppeteer.launch({
    executablePath: process.env.ZL_CHROMIUM || '/usr/bin/chromium',
    headless: true,
    args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
           '--disable-background-networking', '--disable-component-update', '--disable-sync',
           `--lang=${language}`, `--accept-lang=${language}`, `--user-data-dir=${profile}`],
    env: { ...process.env, LANGUAGE: language, LANG: language === 'de' ? 'de_DE.UTF-8' : 'en_US.UTF-8' },
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

// ---- Text on the canvas ------------------------------------------------------

// The 8 x 8 glyphs of the game's text grid, from the platform's own font
// table: 256 codes, eight rows each, bit 7 the leftmost pixel.
let glyphs = null;
function fontGlyphs() {
  if (!glyphs) {
    const source = fs.readFileSync(new URL('../../platform/font_8x8.cpp', import.meta.url), 'latin1');
    const rows = [...source.matchAll(/\{((?:\s*0x[0-9A-Fa-f]{2},?){8})\}/g)]
      .map((match) => match[1].split(',').map((byte) => parseInt(byte, 16)));
    if (rows.length !== 256) throw new Error(`font_8x8.cpp holds ${rows.length} glyphs, not 256`);
    glyphs = rows;
  }
  return glyphs;
}

// Does the picture (RGB bytes, 800 x 600) show `text` (ASCII) somewhere on
// the game's text grid: each cell exactly its glyph, in one foreground and
// one background colour for the whole text, whatever the colours are.
export function showsText(pixels, text) {
  const font = fontGlyphs();
  const colour = (x, y) => { const i = 3 * (y * 800 + x); return (pixels[i] << 16) | (pixels[i + 1] << 8) | pixels[i + 2]; };
  const matchesAt = (row, column) => {
    let foreground = null;
    let background = null;
    for (let k = 0; k < text.length; ++k) {
      const glyph = font[text.charCodeAt(k)];
      for (let y = 0; y < 8; ++y) {
        for (let x = 0; x < 8; ++x) {
          const c = colour(8 * (column + k) + x, 8 * row + y);
          if (glyph[y] & (0x80 >> x)) {
            if (foreground === null) foreground = c;
            if (c !== foreground) return false;
          } else {
            if (background === null) background = c;
            if (c !== background) return false;
          }
        }
      }
    }
    return foreground !== background;
  };
  for (let row = 0; row < 75; ++row) {
    for (let column = 0; column + text.length <= 100; ++column) {
      if (matchesAt(row, column)) return true;
    }
  }
  return false;
}
