// browser.mjs — plays the browser edition in chromium as a person would.
//   node browser.mjs <case> <site folder> [<headless title picture>]
// Serves the site on a free local port, starts Debian's chromium headless
// with a fresh profile (no network: every background connection switched
// off), runs one case and exits 0 when it passed.
import { serve, launch, open, canvasPixels, pngPixels, differingPixels, settled, press } from './chromium.mjs';

const [caseName, siteDir, titlePicture] = process.argv.slice(2);

async function type(page, text) {
  for (const c of text) await press(page, c, 60);
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

const server = await serve(siteDir);
const base = `http://127.0.0.1:${server.address().port}`;
const browser = await launch();
let status = 0;
try {
  await cases[caseName](browser, base);
} catch (error) {
  console.error(`${caseName}: ${error.message}`);
  status = 1;
} finally {
  await browser.close();
  server.close();
}
process.exit(status);
