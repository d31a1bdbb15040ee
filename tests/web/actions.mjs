// actions.mjs — what a player does on the pages, as the browser tests need
// it: typing, starting a game, saving it from the menu, the editor's files.
import { press, settled } from './chromium.mjs';

export function check(condition, what) {
  if (!condition) throw new Error(what);
  console.log('ok: ' + what);
}

export async function type(page, text) {
  for (const c of text) await press(page, c, 60);
}

// Waits until the page has stored at least one more file than `before`
// (window.zlStores counts them).
export async function storedSince(page, before) {
  await page.waitForFunction((n) => (window.zlStores || 0) > n, { timeout: 15000 }, before);
}

export async function stores(page) {
  return page.evaluate(() => window.zlStores || 0);
}

// From the title: Space starts a game.
export async function startGame(page) {
  await settled(page);
  await press(page, 'Space');
  return settled(page);
}

// In play: Esc, "Spielstand abspeichern", the name, Enter; back in play
// once the file is stored.
export async function saveGame(page, name) {
  await press(page, 'Escape');
  await settled(page, 400);
  await press(page, 'Enter');
  await settled(page, 400);
  await type(page, name);
  const before = await stores(page);
  await press(page, 'Enter');
  await storedSince(page, before);
  await settled(page, 400);
}

// In play: Esc, up three lines to "Ton AN", Space switches it, up two lines
// to "Zurück zum Spiel", Space.
export async function switchSound(page) {
  await press(page, 'Escape');
  await settled(page, 400);
  for (let i = 0; i < 3; ++i) await press(page, 'ArrowUp');
  await press(page, 'Space');
  await settled(page, 400);
  for (let i = 0; i < 2; ++i) await press(page, 'ArrowUp');
  await press(page, 'Space');
  await settled(page, 400);
}

// In the editor: F2 and a name loads a level.
export async function editorLoad(page, name) {
  await press(page, 'F2');
  await type(page, name);
  await press(page, 'Enter');
  await settled(page, 400);
}

// In the editor: F1 and a name saves the level; done once it is stored.
export async function editorSave(page, name) {
  await press(page, 'F1');
  await type(page, name);
  const before = await stores(page);
  await press(page, 'Enter');
  await storedSince(page, before);
  await settled(page, 400);
}

// The bytes of one file of the page's Data, as text; null when missing.
export async function fileText(page, name) {
  return page.evaluate((n) => {
    const file = zl.store.readFile(n);
    return file ? new TextDecoder('latin1').decode(file.bytes) : null;
  }, name);
}
