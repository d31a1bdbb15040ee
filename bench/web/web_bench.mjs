// web_bench.mjs — the browser edition's figures for bench/README.md, in
// Debian's chromium (bench/run.sh runs it):
//   node web_bench.mjs <site folder> <zl_frame_step.js> <out.json> [seconds]
// site_bytes: every file of the site; first_visit_bytes: what the server
// sends for a player's first visit (a fresh profile, until the service
// worker has kept the site); first_visit_10mbit_ms: that visit's first
// picture on an emulated 10 Mbit/s line with 40 ms of latency;
// first_picture_ms: from starting to load the page to the title's first
// picture on the canvas, median of five loads from localhost; the frame log
// of a walking wizard (index.html?framelog, the route of
// bench/xvfb_probe.py); frame_step_us:
// platform/web/bench/frame_step.cpp under node.
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import path from 'node:path';
import { serve, launch, open, sleep, settled } from '../../tests/web/chromium.mjs';

const [siteDir, frameStepProgram, outFile, secondsArg] = process.argv.slice(2);
const seconds = Number(secondsArg || 20);

function folderBytes(folder) {
  let bytes = 0;
  for (const entry of fs.readdirSync(folder, { withFileTypes: true })) {
    const file = path.join(folder, entry.name);
    bytes += entry.isDirectory() ? folderBytes(file) : fs.statSync(file).size;
  }
  return bytes;
}

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
function percentile(values, p) {
  const sorted = [...values].sort((a, b) => a - b);
  return sorted[Math.min(sorted.length - 1, Math.ceil((p / 100) * sorted.length) - 1)];
}

async function hold(page, key, ms) {
  await page.keyboard.down(key);
  await sleep(ms);
  await page.keyboard.up(key);
}

// A first visit in a fresh profile on a line of `megabits` per second:
// the bytes the server sent until the service worker has kept the site,
// and the first picture.
async function firstVisit(browser, server, base, megabits) {
  const context = await browser.createBrowserContext();
  const page = await context.newPage();
  await page.setViewport({ width: 800, height: 600 });
  const session = await page.createCDPSession();
  await session.send('Network.enable');
  await session.send('Network.emulateNetworkConditions', {
    offline: false, latency: 40, downloadThroughput: (megabits * 1e6) / 8, uploadThroughput: (megabits * 1e6) / 8,
  });
  const before = server.sentBytes();
  await page.goto(`${base}/index.html`);
  await page.waitForFunction(() => window.zlFirstPicture !== undefined, { timeout: 60000 });
  const firstPicture = await page.evaluate(() => window.zlFirstPicture);
  await page.waitForFunction(() => window.zlKeptOffline === true, { timeout: 60000 });
  await sleep(1000);
  const bytes = server.sentBytes() - before;
  await context.close();
  return { bytes, firstPicture };
}

const site = await serve(siteDir);
const siteBase = `http://127.0.0.1:${site.address().port}`;
const browser = await launch();
const result = { site_bytes: folderBytes(siteDir) };
try {
  const visit = await firstVisit(browser, site, siteBase, 10);
  result.first_visit_bytes = visit.bytes;
  result.first_visit_10mbit_ms = visit.firstPicture;

  const loads = [];
  for (let i = 0; i < 5; ++i) {
    const page = await open(browser, siteBase, 'index.html');
    loads.push(await page.evaluate(() => window.zlFirstPicture));
    await page.close();
  }
  result.first_picture_ms = median(loads);
  result.first_picture_all_ms = loads;

  const page = await open(browser, siteBase, 'index.html', '?framelog');
  await settled(page);
  await hold(page, 'Space', 200);
  await sleep(1500);
  await hold(page, 'ArrowDown', 100);
  await sleep(100);
  const from = page.zlConsole.length;
  const end = Date.now() + seconds * 1000;
  for (let i = 0; Date.now() < end; ++i) await hold(page, i % 2 ? 'ArrowLeft' : 'ArrowRight', 960);
  const frames = page.zlConsole.slice(from).filter((line) => line.startsWith('frame '))
    .map((line) => Number(line.split(' ')[2]));
  const intervals = frames.slice(1).map((t, i) => (t - frames[i]) * 1000);
  result.walk_frames = frames.length;
  result.frame_interval_median_ms = median(intervals);
  result.frame_interval_p99_ms = percentile(intervals, 99);
  result.frame_interval_max_ms = Math.max(...intervals);
  await page.close();

} finally {
  await browser.close();
  site.close();
}
const printed = execFileSync(process.execPath, [frameStepProgram], { encoding: 'utf8' });
result.frame_step_us = Number(/frame_step_us ([0-9.]+)/.exec(printed)[1]);
fs.writeFileSync(outFile, JSON.stringify(result, null, 1) + '\n');
console.log(JSON.stringify(result));
