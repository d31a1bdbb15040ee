// editor_click.mjs — a click of 30 ms on the editor's map, shorter than the
// 80 ms between two passes of its loop, paints the cell under the pointer
// all the same.
import { open, sleep, settled, press } from './chromium.mjs';
import { check } from './actions.mjs';

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
export async function editorClick(browser, base) {
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
