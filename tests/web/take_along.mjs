// take_along.mjs — a player moves his files to another browser with two
// clicks: "Daten sichern" downloads them, "Daten laden" in a fresh profile
// takes them in, after saying what it replaces, and the other profile then
// holds the same files. The fresh profile also holds a file of the first
// browser edition's storage, which the site takes over and the import
// leaves alone.
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { open, firstPicture, pageFiles, sleep } from './chromium.mjs';
import { check, startGame, saveGame, editorLoad, editorSave } from './actions.mjs';

const oldFolder = '/home/web_user/.local/share/zauberlabyrinth/Data';

// The first browser edition's storage: the emscripten IndexedDB file system
// under the folder's path, one entry per file and folder.
async function seedOldStorage(page) {
  await page.evaluate((folder) => new Promise((resolve, reject) => {
    const opening = indexedDB.open(folder, 21);
    opening.onupgradeneeded = () => {
      const store = opening.result.createObjectStore('FILE_DATA');
      store.createIndex('timestamp', 'timestamp', { unique: false });
    };
    opening.onsuccess = () => {
      const transaction = opening.result.transaction('FILE_DATA', 'readwrite');
      const store = transaction.objectStore('FILE_DATA');
      store.put({ timestamp: new Date(), mode: 16877 }, folder);
      store.put({ timestamp: new Date(), mode: 33188, contents: new TextEncoder().encode('7,7,7\r\n') }, folder + '/alt.sav');
      transaction.oncomplete = () => { opening.result.close(); resolve(); };
      transaction.onerror = () => reject(transaction.error);
    };
    opening.onerror = () => reject(opening.error);
  }), oldFolder);
}

async function downloaded(folder) {
  for (let i = 0; i < 100; ++i) {
    const done = fs.readdirSync(folder).filter((name) => name.endsWith('.tar.gz'));
    if (done.length) return path.join(folder, done[0]);
    await sleep(100);
  }
  throw new Error('no backup was downloaded');
}

export async function takeAlong(browser, base) {
  const downloads = fs.mkdtempSync(path.join(os.tmpdir(), 'zl-downloads-'));
  process.on('exit', () => fs.rmSync(downloads, { recursive: true, force: true }));

  // Files of one's own: a saved game and a level.
  const editor = await open(browser, base, 'editor.html');
  await editorLoad(editor, '004');
  await editorSave(editor, 'meins');
  await editor.close();
  const page = await open(browser, base, 'index.html');
  await startGame(page);
  await saveGame(page, 'reise');
  const before = await pageFiles(page);
  check(before['reise.sav'] && before['meins.dat'], 'the first profile has the game and the level');

  const session = await browser.target().createCDPSession();
  await session.send('Browser.setDownloadBehavior', { behavior: 'allow', downloadPath: downloads });
  await page.click('#open-panel');
  await page.click('#save-all');
  const backup = await downloaded(downloads);
  check(/zauberlabyrinth-daten-\d{4}-\d\d-\d\d\.tar\.gz$/.test(backup), `"Daten sichern" downloads ${path.basename(backup)}`);

  // Another profile, which once played the first browser edition.
  const fresh = await browser.createBrowserContext();
  const other = await fresh.newPage();
  await other.setViewport({ width: 800, height: 600 });
  await other.goto(`${base}/manifest.webmanifest`);
  await seedOldStorage(other);
  await other.goto(`${base}/index.html`);
  await firstPicture(other);
  const own = await pageFiles(other);
  check(own['alt.sav'] !== undefined, 'a file of the first browser edition\'s storage is taken over');
  check(own['reise.sav'] === undefined, 'the fresh profile has none of the first one\'s files');
  await other.evaluate(() => zl.store.writeFile('meins.dat', new TextEncoder().encode('0\r\n')));

  await other.click('#open-panel');
  const [chooser] = await Promise.all([other.waitForFileChooser(), other.click('#load-all')]);
  await chooser.accept([backup]);
  await other.waitForSelector('#question[open]');
  const question = await other.$eval('#question-text', (element) => element.textContent);
  check(/Ersetzt werden: meins\.dat\. Neu dazu kommen: reise\.sav\./.test(question),
        `"Daten laden" says what it replaces and adds, not what is the same: ${question}`);
  await Promise.all([other.waitForNavigation(), other.click('#question-yes')]);
  await firstPicture(other);
  const after = await pageFiles(other);
  const differing = Object.keys(before).filter((name) => after[name] !== before[name]);
  check(differing.length === 0, `the fresh profile holds the same files (${differing.join(', ') || 'none differs'})`);
  check(after['alt.sav'] === own['alt.sav'], 'its own other file stays');
  await fresh.close();
}
