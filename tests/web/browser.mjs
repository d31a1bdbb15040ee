// browser.mjs — plays the browser edition in chromium as a person would.
//   node browser.mjs <case> <site folder> [<headless title picture>]
// Serves the site on a free local port, starts Debian's chromium headless
// with a fresh profile (no network: every background connection switched
// off), runs one case and exits 0 when it passed.
import { serve, launch, open, sleep, canvasPixels, pngPixels, differingPixels, settled, press } from './chromium.mjs';

const [caseName, siteDir, titlePicture] = process.argv.slice(2);

async function type(page, text) {
  for (const c of text) await press(page, c, 60);
}

function check(condition, what) {
  if (!condition) throw new Error(what);
  console.log('ok: ' + what);
}

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
  { left: 680, top: 568, right: 800, bottom: 576 },  // "F1: Tastenhilfe" in the status line
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
  await press(page, 'ArrowDown');  // one line: a tap moves the frame once
  await press(page, 'Enter');  // "Spielstand laden"
  await settled(page);
  await type(page, 'web');
  await press(page, 'Enter');
  const loaded = await settled(page);
  const fromSaved = differingPixels(loaded, saved);
  const fromFresh = differingPixels(loaded, fresh);
  // Creatures and glowing tiles go on moving after the load, so the two
  // pictures are alike, not equal; a failed load shows the new game instead.
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

// Where picture pixel (x, y) lies on the page, however the page places and
// scales the canvas.
async function pagePoint(page, x, y) {
  const box = await (await page.$('#screen')).boundingBox();
  return { x: box.x + ((x + 0.5) * box.width) / 800, y: box.y + ((y + 0.5) * box.height) / 600 };
}

// How many pixels differ between two pictures inside the 40 x 40 cell whose
// top-left pixel is (left, top).
function differingInCell(a, b, left, top) {
  let count = 0;
  for (let y = top; y < top + 40; ++y) {
    for (let x = left; x < left + 40; ++x) {
      const k = 3 * (y * 800 + x);
      if (a[k] !== b[k] || a[k + 1] !== b[k + 1] || a[k + 2] !== b[k + 2]) ++count;
    }
  }
  return count;
}

// A click of 30 ms on the editor's map, shorter than the 80 ms between two
// passes of its loop, paints the cell under the pointer all the same. The
// pointer rests elsewhere before and after, so only the click can have
// left the brush on the cell.
async function editorClick(browser, base) {
  const page = await open(browser, base, 'editor.html');
  await settled(page);
  await press(page, 'Digit1');  // the brush: red brick wall
  const cell = { left: 10 * 40, top: 8 * 40 };
  const away = await pagePoint(page, 700, 100);
  const on = await pagePoint(page, cell.left + 20, cell.top + 20);
  await page.mouse.move(away.x, away.y);
  const before = await settled(page);
  await page.mouse.move(on.x, on.y);
  await sleep(300);
  await page.mouse.down();
  await sleep(30);
  await page.mouse.up();
  await sleep(300);
  await page.mouse.move(away.x, away.y);
  const after = await settled(page);
  const painted = differingInCell(before, after, cell.left, cell.top);
  check(painted > 800, `a 30 ms click paints the cell under the pointer (${painted} of its 1600 pixels changed)`);
}

const cases = { title, play, saveAndLoad, editorLevel, editorClick };

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
