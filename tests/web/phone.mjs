// phone.mjs — the game on a phone (touch emulated, no keyboard): the
// on-screen buttons are real buttons with German names, they start a game
// and walk, the menu's save asks for the name in a text field (a phone's
// own keyboard comes up there) and the game is saved under it; held on its
// side, the picture fills the height between the buttons.
import { open, settled, differingPixels, sleep } from './chromium.mjs';
import { check, stores, storedSince, fileText } from './actions.mjs';

const labels = ['hoch', 'runter', 'links', 'rechts', 'Aktion', 'Menü', 'Start'];

async function hold(page, label, ms) {
  const box = await (await page.$(`button[aria-label="${label}"]`)).boundingBox();
  await page.touchscreen.touchStart(box.x + box.width / 2, box.y + box.height / 2);
  await sleep(ms);
  await page.touchscreen.touchEnd();
  await sleep(150);
}

async function pictureBox(page) {
  return page.$eval('#screen', (canvas) => {
    const box = canvas.getBoundingClientRect();
    return { width: box.width, height: box.height };
  });
}

export async function phone(browser, base) {
  const upright = { width: 390, height: 844, deviceScaleFactor: 2, isMobile: true, hasTouch: true };
  const page = await open(browser, base, 'index.html', '', upright);
  const found = await page.$$eval('button[aria-label]', (buttons) => buttons.filter((b) => b.offsetParent !== null)
    .map((b) => b.getAttribute('aria-label')));
  check(labels.every((label) => found.includes(label)), `the on-screen buttons show: ${found.join(', ')}`);
  const box = await pictureBox(page);
  check(box.width >= 389, `upright, the picture takes the phone's width (${box.width} x ${box.height})`);

  const title = await settled(page);
  await hold(page, 'Start', 120);
  const started = await settled(page);
  check(differingPixels(started, title) > 10000, '"Start" leaves the title for a game');
  await hold(page, 'runter', 450);
  const walked = await settled(page);
  check(differingPixels(walked, started) > 100, '"runter" held walks the wizard');
  await hold(page, 'Menü', 120);
  const menu = await settled(page, 400);
  check(differingPixels(menu, walked) > 1000, '"Menü" opens the menu');

  await hold(page, 'Aktion', 120);  // "Spielstand abspeichern"
  await page.waitForSelector('#typing:not([hidden])', { timeout: 5000 });
  check(await page.evaluate(() => document.activeElement && document.activeElement.id === 'typed'),
        'the name prompt gives a text field the focus, where a phone brings up its keyboard');
  const before = await stores(page);
  await page.type('#typed', 'handy');
  await page.keyboard.press('Enter');
  await storedSince(page, before);
  check((await fileText(page, 'handy.sav')) !== null, 'the game is saved under the name typed in the field');
  await page.waitForSelector('#typing', { hidden: true, timeout: 5000 });
  check(true, 'the text field goes once the line is entered');

  await page.setViewport({ width: 844, height: 390, deviceScaleFactor: 2, isMobile: true, hasTouch: true });
  await sleep(500);
  const side = await pictureBox(page);
  check(side.height >= 0.9 * 390, `on its side, the picture fills the height beside the buttons (${side.width} x ${side.height})`);
}
