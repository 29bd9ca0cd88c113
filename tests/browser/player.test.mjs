// The player page prehravac.htm, opened through file:// in Debian's chromium and Firefox ESR
// (driven with puppeteer-core, over the DevTools protocol and WebDriver BiDi): the example
// lecture published once with orvello-cli (scripts run and waited for, the recording converted),
// a copy of it without its videos, and a lecture whose names hold markup. Each browser starts
// once; every test drives the page as a user would and fails on an error on the console.
//
//   ORVELLO_CLI           the orvello-cli to run (default: build/testing/bin/orvello-cli)
//   ORVELLO_BROWSERS      which browsers, of chromium,firefox (default: both)
//   ORVELLO_SCREENSHOTS   a folder to save player.png into
import { describe, test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { copyFileSync, cpSync, existsSync, mkdirSync, mkdtempSync, rmSync, writeFileSync }
  from 'node:fs';
import { tmpdir } from 'node:os';
import { dirname, join, resolve } from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';
import puppeteer from 'puppeteer-core';

const root = resolve(dirname(fileURLToPath(import.meta.url)), '..', '..');
const cli = resolve(root, process.env.ORVELLO_CLI || 'build/testing/bin/orvello-cli');
const example = join(root, 'examples/lecture/prednaska.rm');
const style = join(root, 'examples/Style');
// The example's segments: number, start, what the current segment shows, the list's title.
const segments = [
  [1, 0, 'img', 'slide01.jpg', 'slide01'],
  [2, 2, 'img', 'slide02.gif', 'slide02'],
  [3, 4, 'video', 'klip03.mp4', 'klip'],
  [4, 6, 'img', 'slide04.png', 'slide04'],
  [5, 8, 'iframe', 'sld05.htm', 'Poznámky k prednáške'],
  [6, 10, 'iframe', 'sld06.htm', 'Tabuľka'],
  [7, 12, 'img', 'slide06.jpg', 'slide06'],
];

const browsers = [
  { name: 'chromium', browser: 'chrome', executablePath: '/usr/bin/chromium',
    args: ['--no-sandbox', '--disable-gpu', '--no-first-run', '--disable-background-networking',
      '--disable-component-update', '--disable-sync', '--autoplay-policy=no-user-gesture-required',
      '--disable-renderer-backgrounding', '--disable-background-timer-throttling'] },
  { name: 'firefox', browser: 'firefox', executablePath: '/usr/bin/firefox-esr',
    extraPrefsFirefox: { 'media.autoplay.default': 0 } },
];

if (process.env.ORVELLO_BROWSERS) {
  const wanted = process.env.ORVELLO_BROWSERS.split(',');
  browsers.splice(0, browsers.length, ...browsers.filter((b) => wanted.includes(b.name)));
}

let work;
const sites = {};

function publish(media, out) {
  mkdirSync(out, { recursive: true });
  const args = ['publish', '--media', media, '--out', out, '--style', style,
    '--producer', join(root, 'examples/Producer'), '--wait'];
  execFileSync(cli, args, { encoding: 'utf8', stdio: ['ignore', 'pipe', 'pipe'] });
  return out;
}

// A lecture whose recording, file names and page title hold markup, quotes and a script.
function hostileLecture(dir) {
  mkdirSync(dir);
  const lecture = join(root, 'examples/lecture');
  copyFileSync(join(lecture, 'prednaska.rm'), join(dir, "x&'y.rm"));
  copyFileSync(join(lecture, 'slide01.jpg'), join(dir, "a<b>&'c #1.jpg"));
  copyFileSync(join(lecture, 'slide02.gif'), join(dir, '<!--<script>window.zle=1.gif'));
  writeFileSync(join(dir, "h&'<>.htm"), '<HTML><HEAD><TITLE> &lt;/script&gt;<script>window.zle=2' +
    "</script>\r\n &amp; ' <!--<script> </TITLE></HEAD><BODY>x</BODY></HTML>\r\n");
  writeFileSync(join(dir, "x&'y.txt"), "00:00:00 00:00:05 P a<b>&'c #1.jpg\r\n" +
    '00:00:05 00:00:10 P <!--<script>window.zle=1.gif\r\n' + "00:00:10 00:00:14 H h&'<>.htm\r\n");
  return join(dir, "x&'y.rm");
}

function recordingSeconds(media) {
  return Number(execFileSync('ffprobe', ['-v', 'error', '-show_entries', 'format=duration',
    '-of', 'csv=p=0', media], { encoding: 'utf8' }));
}

before(async () => {
  assert.ok(existsSync(cli), `${cli} is missing: build orvello-cli first`);
  work = mkdtempSync(join(tmpdir(), 'orvello-player-'));
  sites.example = publish(example, join(work, 'example'));
  sites.noVideo = join(work, 'no-video');
  cpSync(sites.example, sites.noVideo, { recursive: true, filter: (src) => !src.endsWith('.mp4') });
  sites.hostile = publish(hostileLecture(join(work, 'hostile-lecture')), join(work, 'hostile'));
  await Promise.all(browsers.map(async (b) => {
    const { name, ...options } = b;
    b.instance = await puppeteer.launch({ ...options, headless: true });
  }));
});

after(async () => {
  await Promise.all(browsers.map((b) => b.instance && b.instance.close()));
  if (work) rmSync(work, { recursive: true, force: true });
});

// Opens the page in a new tab; `page.errors` collects what the console and uncaught exceptions
// report.
async function open(b, site, hash = '', allowed = () => false) {
  const page = await b.instance.newPage();
  page.errors = [];
  page.on('console', (message) => {
    if (message.type() === 'error' && !allowed(message)) page.errors.push(message.text());
  });
  page.on('pageerror', (error) => page.errors.push(String(error)));
  await page.setViewport({ width: 1100, height: 700 });
  await page.bringToFront();
  await page.goto(pageUrl(site) + hash);
  return page;
}

function pageUrl(site) {
  return pathToFileURL(join(site, 'prehravac.htm')).href;
}

async function close(page) {
  const errors = page.errors;
  await page.close();
  assert.deepEqual(errors, [], 'errors on the console');
}

function until(page, fn, ...args) {
  return page.waitForFunction(fn, { timeout: 10000 }, ...args);
}

const state = (page) => page.evaluate(() => {
  const video = document.getElementById('zaznam');
  return { segment: document.body.dataset.segment, time: video.currentTime, paused: video.paused,
    hash: location.hash, history: history.length };
});

async function metadata(page) {
  await until(page, () => document.getElementById('zaznam').readyState >= 1);
}

// Moves the recording to `t` as its own time line does and waits until the seek is done.
async function seek(page, t) {
  await page.evaluate((to) => new Promise((done) => {
    const video = document.getElementById('zaznam');
    video.addEventListener('seeked', done, { once: true });
    video.currentTime = to;
  }), t);
}

async function shown(page) {
  return page.evaluate(() => {
    const box = document.getElementById('segment-obsah').firstElementChild;
    const current = [...document.querySelectorAll('[aria-current]')].map((e) => e.dataset.segment);
    return { segment: document.body.dataset.segment, current, tag: box.localName,
      src: box.getAttribute('src') };
  });
}

async function press(page, key, segment) {
  await page.keyboard.press(key);
  if (segment) await until(page, (s) => document.body.dataset.segment === s, String(segment));
}

// The two browsers take their turns at the same time, each its tests one after the other.
describe('the player', { concurrency: browsers.length }, () => {
  for (const b of browsers) {
    describe(b.name, { concurrency: 1 }, () => {
      test('the video has the recording\'s length; the list holds every segment', async () => {
        const page = await open(b, sites.example);
        await metadata(page);
        const found = await page.evaluate(() => ({
          duration: document.getElementById('zaznam').duration,
          notReady: document.getElementById('nepripravene').hidden,
          chapters: [...document.getElementById('zaznam').textTracks[0].cues].map((c) => c.text),
          entries: [...document.querySelectorAll('button[data-segment]')].map((e) => [
            e.dataset.segment, e.querySelector('.cas').textContent,
            e.querySelector('.titul').textContent,
            e.querySelector('img').getAttribute('src'), e.querySelector('img').loading]),
        }));
        const length = recordingSeconds(example);
        assert.ok(Math.abs(found.duration - length) < 0.1, `${found.duration} s, not ${length}`);
        assert.equal(found.notReady, true);
        const thumbnails = ['slide01.jpg', 'slide02.gif', 'video.gif', 'slide04.png', 'web.gif',
          'web.gif', 'slide06.jpg'];
        assert.deepEqual(found.entries, segments.map(([n, start, , , title], i) =>
          [String(n), `0:${String(start).padStart(2, '0')}`, title, thumbnails[i], 'lazy']));
        assert.deepEqual(found.chapters, segments.map((s) => s[4]));
        assert.deepEqual(await shown(page), { segment: '1', current: ['1'], tag: 'img',
          src: 'slide01.jpg' });
        await close(page);
      });

      test('seeking into each segment shows that segment', async () => {
        const page = await open(b, sites.example);
        await metadata(page);
        for (const [n, start, tag, src] of [...segments].reverse()) {
          for (const t of [start, start + 1.9]) {
            await seek(page, t);
            const expected = { segment: String(n), current: [String(n)], tag, src };
            assert.deepEqual(await shown(page), expected, `at ${t} s`);
          }
        }
        await close(page);
      });

      test('the list seeks and shows, paused or playing, without new history', async () => {
        const page = await open(b, sites.example);
        await metadata(page);
        const before = await state(page);
        await page.click('button[data-segment="4"]');
        assert.deepEqual(await state(page), { ...before, segment: '4', time: 6, hash: '#s=4' });
        await press(page, 'k');
        await until(page, () => !document.getElementById('zaznam').paused);
        await page.click('button[data-segment="2"]');
        const playing = await state(page);
        assert.equal(playing.paused, false);
        assert.equal(playing.segment, '2');
        assert.ok(playing.time >= 2 && playing.time < 3.5, `${playing.time} s`);
        assert.equal(playing.history, before.history);
        // Playing on, the page changes to the next segment at its start, not before.
        await page.evaluate(() => {
          window.changes = [];
          new MutationObserver(() => window.changes.push([document.body.dataset.segment,
            document.getElementById('zaznam').currentTime])).observe(document.body,
            { attributes: true, attributeFilter: ['data-segment'] });
        });
        await until(page, () => document.body.dataset.segment === '3');
        await press(page, 'k');
        const [[segment, at]] = await page.evaluate(() => window.changes);
        assert.equal(segment, '3');
        assert.ok(at >= 4, `changed at ${at} s`);
        assert.equal((await state(page)).hash, '#s=3');
        assert.equal((await shown(page)).tag, 'video');
        await close(page);
      });

      test('keys play, seek, step, mute, go full screen and show help', async () => {
        const page = await open(b, sites.example);
        await metadata(page);
        await press(page, 'PageDown', 2);
        await press(page, 'ArrowDown', 3);
        await press(page, 'PageUp', 2);
        await press(page, 'ArrowUp', 1);
        await press(page, 'ArrowUp');
        assert.deepEqual(await shown(page), { segment: '1', current: ['1'], tag: 'img',
          src: 'slide01.jpg' });
        await press(page, 'ArrowRight', 6);
        assert.equal((await state(page)).time, 10);
        await press(page, 'ArrowLeft', 1);
        await press(page, ' ');
        await until(page, () => !document.getElementById('zaznam').paused);
        await press(page, 'k');
        await until(page, () => document.getElementById('zaznam').paused);
        await press(page, 'm');
        assert.equal(await page.evaluate(() => document.getElementById('zaznam').muted), true);
        await press(page, 'M');
        assert.equal(await page.evaluate(() => document.getElementById('zaznam').muted), false);
        await press(page, 'f');
        await until(page, () => document.fullscreenElement?.id === 'javisko');
        await press(page, 'f');
        await until(page, () => !document.fullscreenElement);
        await press(page, '?');
        await until(page, () => document.getElementById('klavesy').open);
        await press(page, 'PageDown');
        await press(page, 'Escape');
        await until(page, () => !document.getElementById('klavesy').open);
        assert.equal((await state(page)).segment, '1');

        // The speed list keeps its own keys; a focused list entry takes Space as a press.
        await page.focus('#rychlost');
        await press(page, 'ArrowDown');
        await press(page, 'k');
        const speed = await page.evaluate(() => [document.getElementById('zaznam').playbackRate,
          document.body.dataset.segment, document.getElementById('zaznam').paused]);
        assert.deepEqual(speed, [1.25, '1', true]);
        await page.focus('button[data-segment="5"]');
        await press(page, ' ', 5);
        assert.equal((await state(page)).paused, true);
        await close(page);
      });

      test('every control is reached by Tab, shows its focus and has a name', async () => {
        const page = await open(b, sites.example);
        const reached = new Map();
        for (let i = 0; i < 40; ++i) {
          await page.keyboard.press('Tab');
          const focused = await page.evaluate(() => {
            const e = document.activeElement;
            if (e === document.body || e === document.getElementById('zaznam')) return null;
            const name = e.getAttribute('aria-label') || (e.labels && e.labels[0]?.textContent) ||
              e.textContent;
            return { key: e.dataset.segment || e.id || e.getAttribute('href'),
              name: name.replace(/\s+/g, ' ').trim(), outline: getComputedStyle(e).outlineStyle };
          });
          if (focused && reached.has(focused.key)) break;
          if (focused) reached.set(focused.key, focused);
        }
        // The offer to go on from the last visit shows only after one.
        reached.delete('pokracovat');
        const names = Object.fromEntries([...reached.values()].map((e) => [e.key, e.name]));
        assert.deepEqual(names, { 'folie.htm': 'Zoznam fólií', 'ukaz-klavesy': 'Klávesy',
          rychlost: 'Rýchlosť', 'segment-stranka': 'Stránka segmentu',
          ...Object.fromEntries(segments.map(([n, start, , , title]) =>
            [n, `${n} 0:${String(start).padStart(2, '0')} ${title}`])) });
        for (const { key, outline } of reached.values()) {
          assert.notEqual(outline, 'none', `${key} shows no focus`);
        }
        await close(page);
      });

      test('#t= and #s= start there; the address then follows the segment', async () => {
        for (const [hash, segment, time] of [['#t=9', '5', 9], ['#t=0:11', '6', 11],
          ['#t=0:00:13', '7', 13], ['#s=3', '3', 4], ['#t=nic', '1', 0]]) {
          const page = await open(b, sites.example, hash);
          await metadata(page);
          await until(page, (t) => document.getElementById('zaznam').currentTime === t, time);
          assert.deepEqual(await shown(page).then((s) => s.segment), segment, hash);
          assert.equal((await state(page)).hash, hash);
          await close(page);
        }
        const page = await open(b, sites.example, '#s=6');
        await page.evaluate(() => { location.hash = '#t=2'; });
        await until(page, () => document.body.dataset.segment === '2');
        await press(page, 'PageDown', 3);
        assert.equal((await state(page)).hash, '#s=3');
        await close(page);
      });

      test('the position is remembered and offered on the next visit, not jumped to', async () => {
        const page = await open(b, sites.example);
        await metadata(page);
        await seek(page, 9.4);
        await page.goto(pageUrl(sites.example));
        const offer = await page.$eval('#pokracovat', (e) => [e.hidden, e.textContent]);
        assert.deepEqual(offer, [false, 'Pokračovať od 0:09']);
        await metadata(page);
        assert.deepEqual(await state(page).then((s) => [s.segment, s.time]), ['1', 0]);
        await page.click('#pokracovat');
        await until(page, () => document.body.dataset.segment === '5');
        assert.deepEqual(await state(page).then((s) => [s.time, s.paused]), [9, true]);
        assert.equal(await page.$eval('#pokracovat', (e) => e.hidden), true);
        await close(page);
      });

      test('without the videos the page says so; slides and list work', async () => {
        const missing = (message) => /ERR_FILE_NOT_FOUND|\.mp4/.test(message.text() +
          (message.location()?.url || ''));
        const page = await open(b, sites.noVideo, '', missing);
        await until(page, () => !document.getElementById('nepripravene').hidden);
        assert.equal(await page.$eval('#zaznam', (e) => e.hidden), true);
        await page.click('button[data-segment="6"]');
        assert.deepEqual(await shown(page), { segment: '6', current: ['6'], tag: 'iframe',
          src: 'sld06.htm' });
        await press(page, 'PageUp', 5);
        await press(page, 'PageUp', 4);
        await press(page, 'PageUp', 3);
        await until(page, () => document.querySelector('#segment-obsah .oznam'));
        await close(page);
      });

      test('names with markup show as text and run no script', async () => {
        const page = await open(b, sites.hostile);
        await metadata(page);
        await until(page, () => [...document.images].every((img) => img.complete));
        const found = await page.evaluate(() => ({
          title: document.title,
          heading: document.getElementById('nazov').textContent,
          titles: [...document.querySelectorAll('.titul')].map((e) => e.textContent),
          ran: typeof window.zle,
          scripts: document.scripts.length,
          loaded: [...document.images].map((img) => img.complete && img.naturalWidth > 0),
        }));
        assert.deepEqual(found, {
          title: "x&'y – prednáška",
          heading: "x&'y",
          titles: ["a<b>&'c #1", '<!--<script>window.zle=1',
            "</script><script>window.zle=2</script> & ' <!--<script>"],
          ran: 'undefined',
          scripts: 2,
          loaded: [true, true, true, true],
        });
        await page.click('button[data-segment="2"]');
        assert.equal((await shown(page)).src, '%3C!--%3Cscript%3Ewindow.zle%3D1.gif');
        await close(page);
      });

      test('on a narrow screen the parts stack', async () => {
        const page = await open(b, sites.example);
        await page.setViewport({ width: 390, height: 800 });
        const boxes = await page.evaluate(() => {
          const box = (selector) => document.querySelector(selector).getBoundingClientRect();
          return { video: box('#zaznam').bottom, segmentTop: box('.segment').top,
            segmentBottom: box('.segment').bottom, list: box('#segmenty').top,
            wide: document.documentElement.scrollWidth };
        });
        assert.ok(boxes.segmentTop >= boxes.video, 'the segment is below the video');
        assert.ok(boxes.list >= boxes.segmentBottom, 'the list is below the segment');
        assert.ok(boxes.wide <= 390, `the page is ${boxes.wide} px wide`);
        await close(page);
      });
    });
  }
});

if (process.env.ORVELLO_SCREENSHOTS) {
  test('a picture of the player for the README', async () => {
    const page = await open(browsers[0], sites.example, '#s=5');
    await page.setViewport({ width: 1100, height: 560 });
    await metadata(page);
    await page.evaluate(() => document.querySelector('#segment-obsah iframe').contentDocument
      ?.readyState);
    await new Promise((done) => setTimeout(done, 500));
    await page.screenshot({ path: join(process.env.ORVELLO_SCREENSHOTS, 'player.png') });
    await close(page);
  });
}
