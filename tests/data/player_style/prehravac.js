// A minimal player for the tests of the run: the video and a list of the segments.
'use strict';
const data = JSON.parse(document.getElementById('prednaska').textContent);
const video = document.getElementById('zaznam');
video.src = data.video;
for (const segment of data.segments) {
  const item = document.createElement('li');
  item.textContent = segment.title;
  document.getElementById('zoznam').appendChild(item);
}
document.body.dataset.segment = '1';
