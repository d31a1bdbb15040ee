// screen_fill.mjs — the picture fills the window in both programs: on a
// 1920 x 1080 screen at least 85 % of the height, aspect kept; where whole
// steps fill nearly as much (1600 x 1200), in whole steps.
import { open, sleep } from './chromium.mjs';
import { check } from './actions.mjs';

async function pictureBox(page) {
  return page.$eval('#screen', (canvas) => {
    const box = canvas.getBoundingClientRect();
    return { width: box.width, height: box.height };
  });
}

export async function fillScreen(browser, base) {
  for (const file of ['index.html', 'editor.html']) {
    const page = await open(browser, base, file, '', { width: 1920, height: 1080 });
    const box = await pictureBox(page);
    check(box.height >= 0.85 * 1080 && Math.abs(box.width * 3 - box.height * 4) <= 4,
          `${file} at 1920 x 1080 shows the picture at ${box.width} x ${box.height}`);
    await page.setViewport({ width: 1700, height: 1250 });
    await sleep(300);
    const whole = await pictureBox(page);
    check(whole.width === 1600 && whole.height === 1200, `${file} at 1700 x 1250 shows it twice as large (${whole.width} x ${whole.height})`);
    await page.close();
  }
}
