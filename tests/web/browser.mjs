// browser.mjs — plays the browser edition in chromium as a person would.
//   node browser.mjs <case> <site folder> [<headless title picture>]
// Serves the site on a free local port, starts Debian's chromium headless
// with a fresh profile (no network: every background connection switched
// off), runs one case and exits 0 when it passed. The cases of this file
// play the programs; the others come from the files named below.
import { serve, launch, open, firstPicture, sleep, canvasPixels, pngPixels, differingPixels, movingPixels, settled, press, writesDone } from './chromium.mjs';
import { check, type, fileText } from './actions.mjs';
import { twoPages } from './two_pages.mjs';
import { takeAlong } from './take_along.mjs';
import { phone } from './phone.mjs';
import { fillScreen } from './screen_fill.mjs';
import { offline } from './offline.mjs';
import { editorClick } from './editor_click.mjs';
import { levelSets } from './level_sets.mjs';

const [caseName, siteDir, titlePicture] = process.argv.slice(2);

// The title three seconds in, labyrinth 1 behind it, as the headless
// backend draws that moment (docs/title.png). The page's clock is real and
// two things on it move: the colour of the title's text lines (the key help
// hint among them) and the glowing coals left of the start. Everything else must equal the headless
// picture exactly, read every 100 ms from two to six seconds after the first
// picture, the closest reading counting.
const titleAnimations = [
  { left: 340, top: 308, right: 560, bottom: 340 },  // "programmiert in Nordlicht von"
  { left: 340, top: 404, right: 560, bottom: 436 },  // "Drücke Leertaste um das Spiel zu Starten."
  { left: 40, top: 360, right: 80, bottom: 400 },    // the coals
  { left: 464, top: 568, right: 800, bottom: 576 },  // "F3: English F2: Sammlungen F1: Tastenhilfe" in the status line
];

async function title(browser, base) {
  const page = await open(browser, base, 'index.html');
  const expected = await pngPixels(page, titlePicture);
  const moving = (x, y) => titleAnimations.some((r) => x >= r.left && x < r.right && y >= r.top && y < r.bottom);
  let fewest = Infinity;
  await sleep(2000);
  for (let i = 0; i < 40 && fewest > 0; ++i) {
    const shown = await canvasPixels(page);
    let differing = 0;
    for (let p = 0; p < 800 * 600; ++p) {
      if (moving(p % 800, Math.floor(p / 800))) continue;
      const k = 3 * p;
      if (shown[k] !== expected[k] || shown[k + 1] !== expected[k + 1] || shown[k + 2] !== expected[k + 2]) ++differing;
    }
    fewest = Math.min(fewest, differing);
    await sleep(100);
  }
  check(fewest === 0, `the title and labyrinth 1 equal the headless picture (${fewest} pixels differ)`);
}

// Space starts a game, an arrow walks, Esc opens the menu; "Ton AUS"
// there outlasts a reload, the page's way of ending the game.
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
  for (let i = 0; i < 3; ++i) await press(page, 'ArrowUp');
  await press(page, 'Space');  // "Ton AN" becomes "Ton AUS"
  await settled(page, 400);
  await page.reload();
  await firstPicture(page);
  check((await fileText(page, 'Einstellung.dat')).startsWith('0,0,0\r\n'), 'the sound switched off outlasts a reload');
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
  const moving = await movingPixels(page);
  await page.reload();
  await page.waitForFunction(() => window.zlFirstPicture !== undefined, { timeout: 30000 });
  await page.focus('#screen');
  await settled(page);
  await press(page, 'Space');
  await settled(page);
  await press(page, 'Escape');
  await settled(page);
  await press(page, 'ArrowDown');  // one line: a tap moves the frame once
  await press(page, 'Enter');  // "Spielstand laden"
  await settled(page);
  await type(page, 'web');
  await press(page, 'Enter');
  const loaded = await settled(page);
  // Creatures and glowing tiles go on moving after the load: what moved
  // while the saved game stood still is left out of the comparison. A
  // failed load shows the new game instead.
  const fromSaved = differingPixels(loaded, saved, moving);
  const fromFresh = differingPixels(loaded, fresh, moving);
  check(fromSaved * 2 < fromFresh,
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

// An English-speaking browser gets the page and the game in English; the
// page's switch, or an address with ?lang=de, gives German, which the game
// and the page keep for the next visit.
async function english(browser, base) {
  let page = await open(browser, base, 'index.html');
  const languages = await page.evaluate(() => navigator.languages.join(','));
  check(!/\bde\b/.test(languages), `the browser asks for English (${languages})`);
  const words = () => page.evaluate(() => ({
    lang: document.documentElement.lang,
    data: document.getElementById('open-panel').textContent,
    panel: document.getElementById('panel-title').textContent,
    restart: document.getElementById('restart').textContent,
    up: document.querySelector('#cross .up').getAttribute('aria-label'),
    title: document.title,
    switchTo: document.getElementById('language-switch').textContent,
  }));
  let shown = await words();
  check(shown.lang === 'en' && shown.data === 'Data' && shown.panel === 'Your data' && shown.restart === 'Start again' &&
        shown.up === 'up', `the page speaks English (${JSON.stringify(shown)})`);
  check(shown.switchTo === 'Deutsch', `the page offers German by its own name (${shown.switchTo})`);
  await settled(page);
  await writesDone(page);
  check(await fileText(page, 'Sprache.dat') === '"en"\r\n', 'the game was started in English');
  // The status line's first word, "Energy:" where the German picture has "Energie:".
  const status = await canvasPixels(page);
  const german = await pngPixels(page, titlePicture);
  let differing = 0;
  for (let y = 568; y < 576; ++y) {
    for (let x = 0; x < 72; ++x) {
      const k = 3 * (y * 800 + x);
      if (status[k] !== german[k] || status[k + 1] !== german[k + 1] || status[k + 2] !== german[k + 2]) ++differing;
    }
  }
  check(differing > 20, `the game's status line is English (${differing} pixels differ from the German one)`);

  // The switch: the page and the game start again in German.
  await Promise.all([page.waitForNavigation(), page.click('#language-switch')]);
  await firstPicture(page);
  await settled(page);
  shown = await words();
  check(shown.lang === 'de' && shown.data === 'Daten' && shown.switchTo === 'English',
        `the switch gives German (${JSON.stringify(shown)})`);
  await writesDone(page);
  check(await fileText(page, 'Sprache.dat') === '"de"\r\n', 'the game starts again in German');
  await page.close();
  // The choice outlasts the visit; the address overrides it.
  page = await open(browser, base, 'index.html');
  check((await words()).lang === 'de', 'the next visit keeps German');
  await page.close();
  page = await open(browser, base, 'editor.html', '?lang=en');
  shown = await words();
  check(shown.lang === 'en' && shown.data === 'Data', `?lang=en gives the editor's page in English (${shown.lang})`);
}

const cases = {
  title, play, saveAndLoad, editorLevel, editorClick, twoPages, takeAlong, phone, fillScreen, offline, levelSets, english,
};
// The language of the browser each case plays in: German unless named here.
const browserLanguage = { english: 'en' };

const server = await serve(siteDir);
const base = `http://127.0.0.1:${server.address().port}`;
const browser = await launch(browserLanguage[caseName]);
let status = 0;
try {
  await cases[caseName](browser, base, { server, siteDir });
} catch (error) {
  console.error(`${caseName}: ${error.message}`);
  status = 1;
} finally {
  await browser.close();
  await server.stop();
}
process.exit(status);
