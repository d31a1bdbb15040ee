// level_sets.mjs — a friend's level set in the browser: taken in from the
// data panel's file picker, played from the game page's list (F2), where
// the title screen then names it; downloaded again with the same bytes; a
// damaged one dropped on the page is refused with the reader's reason; none
// of the player's other files changes; and dropped on the editor's page
// again, it is the set already there. The friend's set is the shipped
// one, which the site brings along, under another title and author.
import crypto from 'node:crypto';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { open, firstPicture, pageFiles, writesDone, press, settled, canvasPixels, showsText, sleep } from './chromium.mjs';
import { check, fileText } from './actions.mjs';

const digest = (bytes) => crypto.createHash('sha256').update(bytes).digest('hex');

async function notice(page, part) {
  await page.waitForFunction((text) => document.getElementById('notice').textContent.includes(text),
                             { timeout: 15000 }, part);
  return page.$eval('#notice', (element) => element.textContent);
}

// A file dropped on the page.
async function drop(page, name, bytes) {
  await page.evaluate((fileName, base64) => {
    const content = Uint8Array.from(atob(base64), (c) => c.charCodeAt(0));
    const transfer = new DataTransfer();
    transfer.items.add(new File([content], fileName));
    document.body.dispatchEvent(new DragEvent('drop', { dataTransfer: transfer, bubbles: true, cancelable: true }));
  }, name, Buffer.from(bytes).toString('base64'));
}

async function downloaded(folder, name) {
  const file = path.join(folder, name);
  for (let i = 0; i < 100 && !fs.existsSync(file); ++i) await sleep(100);
  return fs.readFileSync(file);
}

// Looks for `text` on the canvas for a few seconds (its colours may move).
async function shown(page, text) {
  for (let i = 0; i < 20; ++i) {
    if (showsText(await canvasPixels(page), text)) return true;
    await sleep(150);
  }
  return false;
}

export async function levelSets(browser, base) {
  const folder = fs.mkdtempSync(path.join(os.tmpdir(), 'zl-sets-'));
  process.on('exit', () => fs.rmSync(folder, { recursive: true, force: true }));
  const page = await open(browser, base, 'index.html');
  await writesDone(page);

  const shipped = await fileText(page, 'zauberlabyrinth.zset');
  check(shipped !== null && shipped.startsWith('"Zauberlabyrinth-Sammlung",1\r\n'), 'the site brings the shipped set');
  const friends = Buffer.from(shipped.replace('"Titel","Das Zauberlabyrinth"', '"Titel","Freundes Welt"')
    .replace('"Autor","Die Zauberlabyrinth-Entwickler"', '"Autor","Cem"'), 'latin1');
  fs.writeFileSync(path.join(folder, 'freunde.zset'), friends);
  const before = await pageFiles(page);

  // Taken in from the panel's picker.
  await page.click('#open-panel');
  const [chooser] = await Promise.all([page.waitForFileChooser(), page.click('#load-set')]);
  await chooser.accept([path.join(folder, 'freunde.zset')]);
  await notice(page, 'Die Sammlung „freunde.zset“ liegt jetzt in Data');
  await writesDone(page);
  const after = await pageFiles(page);
  check(after['freunde.zset'] === digest(friends), 'the set lies in Data with the bytes of the file');

  // A damaged one dropped on the page: cut short.
  await drop(page, 'kaputt.zset', friends.subarray(0, 5000));
  const refused = (await notice(page, 'ist keine spielbare Sammlung')).split('\n').find((line) => line.includes('kaputt'));
  check(/abgeschnitten oder beschädigt: in Labyrinth 1 fehlt ein Wert/.test(refused),
        `a damaged set is refused with the reader's reason: ${refused}`);
  const now = await pageFiles(page);
  const changed = Object.keys({ ...before, ...now }).filter((name) => name !== 'freunde.zset' && before[name] !== now[name]);
  check(changed.length === 0, `the player's other files are untouched (${changed.join(', ') || 'none changed'})`);

  // The game page's list: the shipped labyrinths, then the friend's set.
  await page.focus('#screen');
  await settled(page);
  await press(page, 'F2');
  await settled(page, 400);
  await press(page, 'ArrowDown');
  await press(page, 'Enter');
  await settled(page, 400);
  check(await shown(page, 'Freundes Welt'), 'chosen on the list, the set\'s title stands on the title screen');

  // Downloaded from the panel: the same bytes.
  const session = await browser.target().createCDPSession();
  await session.send('Browser.setDownloadBehavior', { behavior: 'allow', downloadPath: folder });
  fs.renameSync(path.join(folder, 'freunde.zset'), path.join(folder, 'genommen.zset'));
  await page.click('#open-panel');
  const listed = await page.$$eval('#set-list li', (items) => items.map((item) => item.textContent));
  check(listed.some((line) => line.startsWith('zauberlabyrinth.zset – die mitgelieferten Labyrinthe')) &&
        listed.some((line) => line.startsWith('freunde.zset')), `the panel lists the sets: ${listed.join('; ')}`);
  await page.click('#set-list button[aria-label$="freunde.zset"]');
  check(digest(await downloaded(folder, 'freunde.zset')) === digest(friends), 'the set downloads with the same bytes');

  // The editor's page holds it too; dropped there again, it is that set.
  const editor = await open(browser, base, 'editor.html');
  await drop(editor, 'freunde.zset', friends);
  await notice(editor, 'liegt schon als Sammlung „freunde.zset“ in Data. Im Editor öffnen sie F8 und dann F2.');
  check(!Object.keys(await pageFiles(editor)).includes('freunde-2.zset'), 'the editor\'s page takes the same set as the one there');
  await editor.close();

  // After a reload, the address starts the game with the set.
  await page.goto(`${base}/index.html?set=freunde`);
  await firstPicture(page);
  check(await shown(page, 'Freundes Welt'), 'index.html?set=freunde starts with the set, kept over the reload');
}
