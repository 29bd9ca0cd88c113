// Measures the player page in Debian's chromium and Firefox ESR, opened through file://:
//
// 1. A generated lecture of 999 segments (pictures, every tenth an HTML page): the time from
//    the start of navigation until the player is ready (all 999 entries in the list, the first
//    segment shown with its picture loaded), against the time until folie.htm, the index of
//    999 thumbnails, has fired its load event, in the same browser: fastest of several runs of
//    each, taken in turns.
// 2. The bundled example played through at normal speed: how late after each segment's start
//    (in the recording's time) the page shows that segment.
//
//   node bench/player.mjs            uses build/testing/bin/orvello-cli
//   ORVELLO_CLI=path                 another orvello-cli
//   ORVELLO_BENCH_RUNS=n             runs per page and browser (default 7)
//
// Needs the browser tests' packages: (cd tests/browser && npm ci).
import { execFileSync } from 'node:child_process';
import { copyFileSync, mkdirSync, mkdtempSync, rmSync, writeFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { tmpdir } from 'node:os';
import { dirname, join, resolve } from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';

const root = resolve(dirname(fileURLToPath(import.meta.url)), '..');
const puppeteer = createRequire(join(root, 'tests/browser/package.json'))('puppeteer-core');
const cli = resolve(root, process.env.ORVELLO_CLI || 'build/testing/bin/orvello-cli');
const runs = Number(process.env.ORVELLO_BENCH_RUNS || 7);
const style = join(root, 'examples/Style');
const browsers = [
  { name: 'chromium', browser: 'chrome', executablePath: '/usr/bin/chromium',
    args: ['--no-sandbox', '--disable-gpu', '--autoplay-policy=no-user-gesture-required'] },
  { name: 'firefox', browser: 'firefox', executablePath: '/usr/bin/firefox-esr',
    extraPrefsFirefox: { 'media.autoplay.default': 0 } },
];

function time(t) {
  const hms = [Math.floor(t / 3600), Math.floor(t / 60) % 60, t % 60];
  return hms.map((v) => String(v).padStart(2, '0')).join(':');
}

function makeLecture(dir, count) {
  mkdirSync(dir);
  copyFileSync(join(root, 'examples/lecture/prednaska.rm'), join(dir, 'lecture.rm'));
  const lines = [];
  for (let i = 1; i <= count; ++i) {
    const span = `${time((i - 1) * 10)} ${time(i * 10)}`;
    if (i % 10 === 0) {
      writeFileSync(join(dir, `page${i}.htm`), `<HTML><HEAD><TITLE>Page ${i}</TITLE></HEAD>` +
        `<BODY><P>Page ${i}</P></BODY></HTML>\r\n`);
      lines.push(`${span} H page${i}.htm\r\n`);
    } else {
      copyFileSync(join(root, 'examples/lecture/slide01.jpg'), join(dir, `slide${i}.jpg`));
      lines.push(`${span} P slide${i}.jpg\r\n`);
    }
  }
  writeFileSync(join(dir, 'lecture.txt'), lines.join(''));
  return join(dir, 'lecture.rm');
}

function publish(media, out) {
  mkdirSync(out);
  execFileSync(cli, ['publish', '--media', media, '--out', out, '--style', style,
    '--producer', join(root, 'examples/Producer'), '--wait'], { stdio: 'ignore' });
  return out;
}

// Milliseconds from the start of navigation until `ready` holds at a frame, or until load.
async function openTime(browser, url, ready) {
  const page = await browser.newPage();
  if (ready) {
    await page.evaluateOnNewDocument(`(() => {
      const check = () => { if (${ready}) window.readyAt = performance.now();
        else requestAnimationFrame(check); };
      requestAnimationFrame(check);
    })()`);
  }
  await page.goto(url);
  const ms = ready
    ? (await page.waitForFunction(() => window.readyAt, { timeout: 60000 })).jsonValue()
    : page.evaluate(() => performance.getEntriesByType('navigation')[0].loadEventEnd);
  const result = await ms;
  await page.close();
  return result;
}

const playerReady = "document.querySelectorAll('button[data-segment]').length === 999 && " +
  "document.body.dataset.segment === '1' && " +
  "document.querySelector('#segment-obsah img')?.complete === true";

async function loadFigures(b, site) {
  const folie = [];
  const player = [];
  for (let r = 0; r < runs; ++r) {
    folie.push(await openTime(b.instance, pathToFileURL(join(site, 'folie.htm')).href));
    player.push(await openTime(b.instance, pathToFileURL(join(site, 'prehravac.htm')).href,
      playerReady));
  }
  return { folie: Math.min(...folie), player: Math.min(...player) };
}

// Plays the example through; for each segment change, the recording's time past the start.
async function lateness(b, site) {
  const page = await b.instance.newPage();
  await page.goto(pathToFileURL(join(site, 'prehravac.htm')).href);
  await page.waitForFunction(() => document.getElementById('zaznam').readyState >= 3);
  const late = await page.evaluate(() => new Promise((done) => {
    const video = document.getElementById('zaznam');
    const starts = [2, 4, 6, 8, 10, 12];
    const found = [];
    new MutationObserver(() => found.push(video.currentTime - starts[found.length]))
      .observe(document.body, { attributes: true, attributeFilter: ['data-segment'] });
    video.addEventListener('ended', () => done(found));
    video.muted = true;
    video.play();
  }));
  await page.close();
  return late;
}

const work = mkdtempSync(join(tmpdir(), 'orvello-bench-player-'));
try {
  const big = publish(makeLecture(join(work, 'lecture999'), 999), join(work, 'site999'));
  const small = publish(join(root, 'examples/lecture/prednaska.rm'), join(work, 'example'));
  await Promise.all(browsers.map(async (b) => {
    const { name, ...options } = b;
    b.instance = await puppeteer.launch({ ...options, headless: true });
  }));
  console.log(`999 segments, fastest of ${runs} runs each, file://:\n`);
  console.log('| browser | folie.htm loaded (ms) | player ready (ms) | ratio |');
  console.log('|---|---:|---:|---:|');
  for (const b of browsers) {
    const { folie, player } = await loadFigures(b, big);
    console.log(`| ${b.name} ${await b.instance.version()} | ${folie.toFixed(0)} | ` +
      `${player.toFixed(0)} | ${(player / folie).toFixed(2)} |`);
  }
  console.log('\nThe example played through: the segment shown after its start (ms of the ' +
    'recording):\n');
  console.log('| browser | changes | earliest | median | latest |');
  console.log('|---|---:|---:|---:|---:|');
  for (const b of browsers) {
    const late = (await lateness(b, small)).map((s) => s * 1000).sort((x, y) => x - y);
    console.log(`| ${b.name} | ${late.length} | ${late[0].toFixed(0)} | ` +
      `${late[late.length >> 1].toFixed(0)} | ${late[late.length - 1].toFixed(0)} |`);
  }
} finally {
  await Promise.all(browsers.map((b) => b.instance && b.instance.close()));
  rmSync(work, { recursive: true, force: true });
}
