// two_pages.mjs — game and editor open side by side never lose a file: two
// game pages and the editor page of one profile save games, settings, best
// players and levels in turn, with tab switches and reloads between, and
// two pages write one file at the same moment. Afterwards the browser's
// storage holds the newest version of every file, and so does every page.
import { open, firstPicture, pageFiles, storedFiles, writesDone, press, settled, sleep } from './chromium.mjs';
import { check, startGame, saveGame, switchSound, editorLoad, editorSave, fileText } from './actions.mjs';

// A friend's settings file: sound on, joystick off, window, and a table of
// best players the invented one differs from.
function friendsSettings() {
  let text = '1,0,0\r\n';
  for (let i = 1; i <= 10; ++i) text += `"Freund ${i}",${(11 - i) * 5000}\r\n`;
  return text;
}

export async function twoPages(browser, base) {
  const newest = {};  // name -> its digest as the page that wrote it last held it
  const note = async (page, names) => {
    const files = await pageFiles(page);
    for (const name of names) newest[name] = files[name];
  };

  const gameA = await open(browser, base, 'index.html');
  const editor = await open(browser, base, 'editor.html');
  const gameB = await open(browser, base, 'index.html');

  // Game A saves a game, the editor and game B open behind it.
  await gameA.bringToFront();
  await startGame(gameA);
  await saveGame(gameA, 'eins');
  await note(gameA, ['eins.sav']);

  // The editor saves labyrinth 2's map as labyrinth 1; game A, hidden now,
  // changed no setting and stores nothing.
  await editor.bringToFront();
  await firstPicture(editor);
  await editorLoad(editor, '002');
  await editorSave(editor, '001');
  await note(editor, ['001.dat']);

  // Game B takes a friend's settings file in (the page's import), starts
  // anew with its best players, resets the table with H on the title,
  // switches the sound off in play, and is hidden: it stores them.
  await gameB.bringToFront();
  await firstPicture(gameB);
  const taken = gameB.evaluate((text) => zl.transfer.importFile('Einstellung.dat', new TextEncoder().encode(text)),
                               friendsSettings());
  await gameB.waitForSelector('#question[open]');
  await gameB.click('#question-yes');
  check(await taken, 'a settings file is taken in after the page asked');
  await writesDone(gameB);
  await gameB.reload();
  await firstPicture(gameB);
  check((await fileText(gameB, 'Einstellung.dat')).includes('Freund 1'), 'the reloaded page has the friend\'s table');
  await settled(gameB);
  await press(gameB, 'h', 150);
  await startGame(gameB);
  await switchSound(gameB);
  await gameA.bringToFront();
  await writesDone(gameB);
  const settings = await fileText(gameB, 'Einstellung.dat');
  check(settings.startsWith('0,0,0\r\n') && !settings.includes("Freund"),
        'game B, hidden, stored its sound switched off and the table reset');
  await note(gameB, ['Einstellung.dat']);
  check((await pageFiles(gameA))['Einstellung.dat'] === newest['Einstellung.dat'],
        'game A holds game B\'s settings before it reads them');
  check((await pageFiles(gameA))['001.dat'] === newest['001.dat'], 'game A holds the editor\'s labyrinth 1');

  // Game A saves a second game; the editor, reloaded, saves two levels.
  await saveGame(gameA, 'zwei');
  await note(gameA, ['zwei.sav']);
  await editor.bringToFront();
  await editor.reload();
  await firstPicture(editor);
  await editorLoad(editor, '003');
  await editorSave(editor, 'meins');
  await editorSave(editor, '001');
  await note(editor, ['meins.dat', '001.dat']);

  // Both games save under one name, one after the other; then two pages
  // store one file in the same moment.
  await gameA.bringToFront();
  await saveGame(gameA, 'gleich');
  await gameB.bringToFront();
  await saveGame(gameB, 'gleich');
  await note(gameB, ['gleich.sav']);
  await Promise.all([gameA, gameB].map((page, i) => page.evaluate((n) => {
    const bytes = new Uint8Array(100000).fill(48 + n);
    zl.store.writeFile('wett.sav', bytes);
  }, i)));
  await Promise.all([gameA, gameB, editor].map(writesDone));
  await sleep(500);

  const stored = await storedFiles(gameA);
  for (const [name, digest] of Object.entries(newest)) {
    check(stored.files[name] === digest, `the storage holds the newest ${name}`);
  }
  const raceA = await pageFiles(gameA);
  const raceB = await pageFiles(gameB);
  check(stored.files['wett.sav'] && raceA['wett.sav'] === stored.files['wett.sav'] &&
        raceB['wett.sav'] === stored.files['wett.sav'],
        'two pages writing one file at once end with one whole version, which both hold');
  for (const [label, page] of [['game A', gameA], ['game B', gameB], ['the editor', editor]]) {
    const held = await pageFiles(page);
    const differing = Object.keys(stored.files).filter((name) => held[name] !== stored.files[name]);
    check(differing.length === 0, `${label} holds every file as stored (${differing.join(', ') || 'none differs'})`);
  }
  for (const page of [gameA, gameB, editor]) {
    await page.bringToFront();
    await page.reload();
    await firstPicture(page);
  }
  await writesDone(gameA);
  const after = await storedFiles(gameA);
  const lost = Object.keys(stored.files).filter((name) => after.files[name] !== stored.files[name]);
  check(lost.length === 0, `after reloading every page every file is as before (${lost.join(', ') || 'none changed'})`);
  const held = await pageFiles(editor);
  check(Object.keys(after.files).every((name) => held[name] === after.files[name]), 'the reloaded editor holds them all');
}
