// Until orvello-cli writes the player itself: does the run's part for it on a folder that
// orvello-cli has published without it: prehravac.htm from the style's template with the data
// block, the style's prehravac.js and prehravac.css, and the conversions of konvertuj.bat.
import { execFileSync } from 'node:child_process';
import { copyFileSync, readFileSync, renameSync, writeFileSync } from 'node:fs';
import { basename, dirname, join } from 'node:path';

const cp1250 = new TextDecoder('windows-1250');

function seconds(time, fallback) {
  const match = /^(\d+):([0-5]\d):([0-5]\d)$/.exec(time);
  return match ? Number(match[1]) * 3600 + Number(match[2]) * 60 + Number(match[3]) : fallback;
}

function decodeEntities(text) {
  return text.replace(/&(amp|lt|gt|quot|#39|#(\d+)|#x([0-9a-f]+));/gi, (all, name, dec, hex) => {
    if (dec) return String.fromCodePoint(Number(dec));
    if (hex) return String.fromCodePoint(parseInt(hex, 16));
    return { amp: '&', lt: '<', gt: '>', quot: '"', '#39': "'" }[name.toLowerCase()];
  });
}

function pageTitle(path) {
  const match = /<title>([\s\S]*?)<\/title>/i.exec(cp1250.decode(readFileSync(path)));
  const title = match ? decodeEntities(match[1].replace(/\s+/g, ' ').trim()) : '';
  return title || null;
}

function stem(name) {
  return basename(name.replaceAll('\\', '/')).replace(/\.[^.]*$/, '');
}

function nn(number) {
  return String(number).padStart(2, '0');
}

// The lecture's data as the run writes it: ASCII JSON, with < > & ' always as \u escapes.
export function lectureData(media) {
  const timing = cp1250.decode(readFileSync(media.slice(0, -3) + '.txt'));
  const lines = timing.split('\r\n').filter((line) => line.length > 0);
  const clips = new Map();
  let previousEnd = 0;
  const segments = lines.map((line, i) => {
    const number = i + 1;
    const start = seconds(line.slice(0, 8), previousEnd);
    const end = seconds(line.slice(9, 17), start);
    previousEnd = end;
    const type = line[18];
    const file = line.slice(20);
    const segment = { number, start, end, type, shows: file, thumbnail: file, title: stem(file),
      page: `p${nn(number)}.htm` };
    if (type === 'V') {
      if (!clips.has(file)) clips.set(file, `klip${nn(number)}.mp4`);
      Object.assign(segment, { shows: clips.get(file), thumbnail: 'video.gif' });
    } else if (type === 'H') {
      const title = pageTitle(join(dirname(media), file));
      Object.assign(segment, { shows: `sld${nn(number)}.htm`, thumbnail: 'web.gif' });
      if (title) segment.title = title;
    }
    return segment;
  });
  return { data: { title: stem(media), video: 'zaznam.mp4', segments }, clips };
}

export function dataBlock(data) {
  const json = JSON.stringify(data).replace(/[^\x20-\x7e]|[<>&']/g,
    (c) => '\\u' + c.charCodeAt(0).toString(16).padStart(4, '0'));
  return `<script type="application/json" id="prednaska">${json}</script>`;
}

function convert(ffmpeg, input, output, cwd) {
  execFileSync(ffmpeg, ['-nostdin', '-hide_banner', '-loglevel', 'error', '-y', '-i', input,
    '-c:v', 'libx264', '-preset', 'veryfast', '-pix_fmt', 'yuv420p',
    '-vf', 'scale=trunc(iw/2)*2:trunc(ih/2)*2', '-c:a', 'aac', '-movflags', '+faststart',
    '-f', 'mp4', `${output}.tmp`], { cwd, stdio: ['ignore', 'ignore', 'inherit'] });
  renameSync(join(cwd, `${output}.tmp`), join(cwd, output));
}

// Writes the player into `out`; converts the recording and the clips unless `convertVideo` is
// false.
export function standInRun({ media, style, out, ffmpeg = 'ffmpeg', convertVideo = true }) {
  const { data, clips } = lectureData(media);
  const template = readFileSync(join(style, 'prehravac.htm'), 'utf8');
  writeFileSync(join(out, 'prehravac.htm'), template.replaceAll('<!--prednaska-->', dataBlock(data)));
  for (const asset of ['prehravac.js', 'prehravac.css']) copyFileSync(join(style, asset), join(out, asset));
  if (!convertVideo) return;
  convert(ffmpeg, media, 'zaznam.mp4', out);
  for (const [file, clip] of clips) convert(ffmpeg, join(dirname(media), file), clip, out);
}
