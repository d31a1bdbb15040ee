// offline.mjs — the site as an app: the manifest with its icons and the
// service worker are found; a new version of the site replaces the kept one
// on the next visit, the player's files untouched; and after that visit a
// reload without a network shows the title.
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { open, firstPicture, settled, writesDone } from './chromium.mjs';
import { check, fileText } from './actions.mjs';

// The site as its next version: the same files, a new version name, and a
// mark on the game's page to tell it by.
function nextVersion(siteDir, version) {
  const folder = fs.mkdtempSync(path.join(os.tmpdir(), 'zl-site-'));
  process.on('exit', () => fs.rmSync(folder, { recursive: true, force: true }));
  fs.cpSync(siteDir, folder, { recursive: true });
  const next = version.split('').reverse().join('');
  for (const name of ['index.html', 'editor.html', 'sw.js']) {
    const file = path.join(folder, name);
    let text = fs.readFileSync(file, 'utf8').split(version).join(next);
    if (name === 'index.html') text = text.replace('<title>', '<meta name="zl-next" content="1">\n<title>');
    fs.writeFileSync(file, text);
  }
  return { folder, next };
}

async function keptVersions(page) {
  return page.evaluate(async () => (await caches.keys()).filter((name) => name.startsWith('zauberlabyrinth-')));
}

export async function offline(browser, base, { server, siteDir }) {
  const page = await open(browser, base, 'index.html');
  const manifest = await page.evaluate(async () => {
    const response = await fetch(document.querySelector('link[rel="manifest"]').href);
    const json = await response.json();
    const sizes = [];
    for (const icon of json.icons) {
      const image = new Image();
      image.src = new URL(icon.src, response.url).href;
      await image.decode();
      sizes.push(`${image.naturalWidth}x${image.naturalHeight}=${icon.sizes}`);
    }
    const favicon = await fetch(document.querySelector('link[rel="icon"]').href);
    return { name: json.name, display: json.display, start: json.start_url, sizes, favicon: favicon.ok };
  });
  check(manifest.name === 'Zauberlabyrinth' && ['standalone', 'fullscreen'].includes(manifest.display) && manifest.start,
        `the manifest is found: ${manifest.name}, ${manifest.display}, ${manifest.start}`);
  check(manifest.sizes.includes('192x192=192x192') && manifest.sizes.includes('512x512=512x512'),
        `its icons are 192 and 512 pixels (${manifest.sizes.join(', ')})`);
  check(manifest.favicon, 'the page\'s icon is found');
  await page.waitForFunction(() => window.zlKeptOffline === true, { timeout: 20000 });
  const worker = await page.evaluate(async () => {
    const registration = await navigator.serviceWorker.getRegistration();
    return registration && registration.active ? registration.active.scriptURL : null;
  });
  check(worker && worker.endsWith('/sw.js'), `the service worker is found and at work (${worker})`);

  await page.evaluate(() => zl.store.writeFile('reise.sav', new TextEncoder().encode('1,2,3\r\n')));
  await writesDone(page);

  const version = await page.evaluate(() => zlSite.version);
  const { folder, next } = nextVersion(siteDir, version);
  server.site = folder;
  await page.reload();
  await firstPicture(page);
  check(await page.evaluate(() => document.querySelector('meta[name="zl-next"]') !== null),
        'the next visit with a network loads the new version of the site');
  check((await fileText(page, 'reise.sav')) === '1,2,3\r\n', 'the player\'s file is still there');
  await page.waitForFunction(async (wanted) => {
    const kept = (await caches.keys()).filter((name) => name.startsWith('zauberlabyrinth-'));
    return window.zlKeptOffline === true && kept.length === 1 && kept[0] === 'zauberlabyrinth-' + wanted;
  }, { timeout: 20000 }, next);
  check(true, `the new version's files replace the kept ones (${(await keptVersions(page)).join(', ')})`);

  await server.stop();
  await page.reload();
  await firstPicture(page);
  await settled(page);
  check(await page.evaluate(() => document.querySelector('meta[name="zl-next"]') !== null && window.zlPresents > 0),
        'without a network a reload shows the title, of the new version');
  check((await fileText(page, 'reise.sav')) === '1,2,3\r\n', 'and the player\'s file');
}
