// Publishes the bundled example lecture with orvello-cli (scripts run and waited for) and opens
// the site in Debian's chromium through file:// URLs: every reference in every page must reach a
// file of the output folder, and the navigation must lead to the right pages.
//
//   ORVELLO_CLI           the orvello-cli to run (default: build/testing/bin/orvello-cli)
//   ORVELLO_SCREENSHOTS   a folder to save example-index.png and example-segment.png into
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { existsSync, mkdtempSync, readdirSync, rmSync, statSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { dirname, join, relative, resolve, sep } from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';
import { chromium } from 'playwright-core';

const root = resolve(dirname(fileURLToPath(import.meta.url)), '..', '..');
const cli = resolve(root, process.env.ORVELLO_CLI || 'build/testing/bin/orvello-cli');
const segmentCount = 7;

let work;
let out;
let context;

function publish(folder) {
  const args = ['publish', '--media', join(root, 'examples/lecture/prednaska.rm'), '--out', folder,
    '--style', join(root, 'examples/Style'), '--producer', join(root, 'examples/Producer'),
    '--wait'];
  return execFileSync(cli, args, { encoding: 'utf8', stdio: ['ignore', 'pipe', 'pipe'] });
}

function url(name) {
  return pathToFileURL(join(out, name)).href;
}

function nn(i) {
  return String(i).padStart(2, '0');
}

// The output folder's file that a file: URL names, or null when it names something else.
function fileInOutput(href) {
  const target = new URL(href);
  if (target.protocol !== 'file:') return null;
  target.search = '';
  target.hash = '';
  const path = fileURLToPath(target);
  const rel = relative(out, path);
  if (rel.startsWith('..') || rel.includes(sep)) return null;
  return existsSync(path) && statSync(path).isFile() ? rel : null;
}

// Polls until the frame called `name` shows `file`; fails with what it shows instead.
async function frameShows(page, name, file) {
  const deadline = Date.now() + 10000;
  for (;;) {
    const frame = page.frame({ name });
    const shown = frame ? frame.url() : '(no frame)';
    if (shown.endsWith('/' + file)) {
      await frame.waitForLoadState('load');
      return frame;
    }
    if (Date.now() > deadline) assert.fail(`frame ${name} shows ${shown}, not ${file}`);
    await page.waitForTimeout(50);
  }
}

before(async () => {
  assert.ok(existsSync(cli), `${cli} is missing: build orvello-cli first`);
  work = mkdtempSync(join(tmpdir(), 'orvello-browser-'));
  out = join(work, 'site');
  execFileSync('mkdir', ['-p', out]);
  assert.match(publish(out), /^On line prednaska: OK$/m);
  context = await chromium.launchPersistentContext(join(work, 'profile'), {
    executablePath: '/usr/bin/chromium',
    headless: true,
    args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync'],
    viewport: { width: 1100, height: 720 },
  });
});

after(async () => {
  if (context) await context.close();
  if (work) rmSync(work, { recursive: true, force: true });
});

test('every reference in every page reaches a file of the output folder', async () => {
  const pages = readdirSync(out).filter((name) => name.endsWith('.htm')).sort();
  const expected = ['folie.htm', 'prehravac.htm', 'problems.htm'];
  for (let i = 1; i <= segmentCount; ++i) {
    for (const kind of ['f', 'n', 'p', 'sld']) expected.push(`${kind}${nn(i)}.htm`);
  }
  assert.deepEqual(pages, expected.sort());

  const page = await context.newPage();
  for (const name of pages) {
    await page.goto(url(name));
    const refs = await page.evaluate(() => {
      const found = [];
      const take = (selector, attribute) => {
        for (const element of document.querySelectorAll(selector)) {
          const value = element.getAttribute(attribute);
          if (value) found.push({ what: `${element.localName} ${attribute}`, value,
            href: new URL(value, document.baseURI).href });
        }
      };
      take('a[href]', 'href');
      take('frame[src]', 'src');
      take('iframe[src]', 'src');
      take('img[src]', 'src');
      take('img[dynsrc]', 'dynsrc');
      take('select:not(#rychlost) option[value]', 'value');  // the player's speeds are no files
      take('link[href]', 'href');
      take('script[src]', 'src');
      take('video[src]', 'src');
      return found;
    });
    // The slide pages copy the H pages as they are; the player is UTF-8.
    const encoding = { 'folie.htm': null, 'prehravac.htm': 'UTF-8' }[name];
    if (encoding !== null && !name.startsWith('sld')) {
      assert.equal(await page.evaluate(() => document.characterSet), encoding || 'windows-1250',
        name);
    }
    for (const ref of refs) {
      assert.ok(fileInOutput(ref.href), `${name}: ${ref.what}="${ref.value}" reaches no file`);
    }
    // A video slide's image has only the old dynsrc attribute, which browsers ignore.
    const broken = await page.evaluate(() => [...document.images]
      .filter((img) => img.hasAttribute('src') && (!img.complete || img.naturalWidth === 0))
      .map((img) => img.src));
    assert.deepEqual(broken, [], `${name}: images that do not load`);
  }
  await page.close();
});

test('the index leads to a segment, and next and previous walk the lecture', async () => {
  const page = await context.newPage();
  await page.goto(url('folie.htm'));
  const thumbnails = await page.$$eval('a img', (images) => images.map((img) => img.src));
  assert.deepEqual(thumbnails.map((src) => src.split('/').pop()),
    ['slide01.jpg', 'slide02.gif', 'video.gif', 'slide04.png', 'web.gif', 'web.gif',
      'slide06.jpg']);

  await page.click('a[href="f02.htm"]');
  await page.waitForURL(url('f02.htm'));
  await frameShows(page, 'navigacia', 'n02.htm');
  let slide = await frameShows(page, 'folia', 'p02.htm');
  await frameShows(page, 'snimka', 'sld02.htm');
  if (process.env.ORVELLO_SCREENSHOTS) {
    await page.setViewportSize({ width: 960, height: 500 });
    await page.screenshot({ path: join(process.env.ORVELLO_SCREENSHOTS, 'example-segment.png') });
    await page.setViewportSize({ width: 1100, height: 720 });
  }

  await slide.click('#nasledujuca');
  slide = await frameShows(page, 'folia', 'p03.htm');
  await frameShows(page, 'snimka', 'sld03.htm');
  const navigation = await frameShows(page, 'navigacia', 'n03.htm');
  assert.equal(await navigation.getAttribute('#prehrat', 'href'), 'r03.rpm');

  await slide.click('#predchadzajuca');
  slide = await frameShows(page, 'folia', 'p02.htm');
  await frameShows(page, 'snimka', 'sld02.htm');
  await frameShows(page, 'navigacia', 'n02.htm');
  await page.close();
});

test('the first and last segments are their own previous and next', async () => {
  const page = await context.newPage();
  for (const [i, link] of [[1, '#predchadzajuca'], [segmentCount, '#nasledujuca']]) {
    await page.goto(url(`f${nn(i)}.htm`));
    const slide = await frameShows(page, 'folia', `p${nn(i)}.htm`);
    assert.equal(await slide.getAttribute(link, 'href'), `p${nn(i)}.htm`);
  }
  await page.close();
});

test('the lists in the navigation jump to the chosen segment', async () => {
  const page = await context.newPage();
  await page.goto(url('f01.htm'));
  let navigation = await frameShows(page, 'navigacia', 'n01.htm');
  await navigation.selectOption('#folie', 'p05.htm');
  await frameShows(page, 'folia', 'p05.htm');
  const html = await frameShows(page, 'snimka', 'sld05.htm');
  assert.match(await html.textContent('h2'), /Poznámky/);
  navigation = await frameShows(page, 'navigacia', 'n05.htm');

  await navigation.selectOption('#prehravanie', 'n06.htm');
  navigation = await frameShows(page, 'navigacia', 'n06.htm');
  assert.equal(await navigation.getAttribute('#prehrat', 'href'), 'r06.rpm');
  await page.close();

  if (process.env.ORVELLO_SCREENSHOTS) {
    const index = await context.newPage();
    await index.setViewportSize({ width: 1020, height: 150 });
    await index.goto(url('folie.htm'));
    await index.screenshot({ path: join(process.env.ORVELLO_SCREENSHOTS, 'example-index.png') });
    await index.close();
  }
});
