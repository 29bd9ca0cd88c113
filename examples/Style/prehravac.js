// The lecture player: plays the converted recording and shows, beside it, the segment that the
// timing file assigns to the current time, with a list of every segment to jump to.
//
// The run puts the lecture's data into the page as <script type="application/json"
// id="prednaska">; this script reads it once. It is a classic script with no fetch of other
// files, so the page works from file:// as well as from a web server. Names from the data are
// inserted as text and attributes only.
'use strict';
(function () {
  const block = document.getElementById('prednaska');
  const video = document.getElementById('zaznam');
  if (!block || !video) {
    document.body.prepend(text('p', 'Stránke chýbajú údaje prednášky: otvorte prehravac.htm, '
      + 'ktorý zapísalo spracovanie prednášky, nie šablónu zo štýlu.'));
    return;
  }
  const lecture = JSON.parse(block.textContent);
  const segments = lecture.segments;
  const until = segments.map((s, i) => nextStart(i));
  const list = document.getElementById('segmenty');
  const stage = document.getElementById('javisko');
  const keysDialog = document.getElementById('klavesy');
  const speed = document.getElementById('rychlost');
  const resume = document.getElementById('pokracovat');
  const storageKey = 'orvello:' + lecture.title + ':' + location.pathname;
  let current = -1;
  let videoMissing = false;
  let touched = false;  // played or moved since the page opened: the position is worth keeping
  let lastSaved = -1;
  let following = false;

  // --- Helpers ----------------------------------------------------------------------------------

  function text(tag, content, className) {
    const node = document.createElement(tag);
    node.textContent = content;
    if (className) node.className = className;
    return node;
  }

  // A file name from the data (relative, '/' or '\' between folders) as a relative URL.
  function fileUrl(name) {
    return name.split(/[\\/]/).map(encodeURIComponent).join('/');
  }

  function formatTime(seconds) {
    const s = Math.max(0, Math.floor(seconds));
    const mm = String(Math.floor(s / 60) % 60);
    const ss = String(s % 60).padStart(2, '0');
    return s >= 3600 ? Math.floor(s / 3600) + ':' + mm.padStart(2, '0') + ':' + ss : mm + ':' + ss;
  }

  // "90", "1:30" or "1:02:03" in seconds; NaN for anything else.
  function parseTime(value) {
    if (!/^(\d+:){0,2}\d+(\.\d+)?$/.test(value)) return NaN;
    return value.split(':').reduce((total, part) => total * 60 + Number(part), 0);
  }

  // --- Which segment a time shows ---------------------------------------------------------------

  // The first later start after segment i's own: segment i is shown until then.
  function nextStart(i) {
    for (let j = i + 1; j < segments.length; ++j) {
      if (segments[j].start > segments[i].start) return segments[j].start;
    }
    return Infinity;
  }

  function covers(i, t) {
    return i >= 0 && segments[i].start <= t && t < until[i];
  }

  function segmentAt(t) {
    if (covers(current, t)) return current;
    const found = segments.findIndex((s, i) => covers(i, t));
    return found >= 0 ? found : 0;
  }

  function indexOfNumber(number) {
    return segments.findIndex((s) => s.number === number);
  }

  // --- Showing a segment ------------------------------------------------------------------------

  function show(i, initial) {
    if (i === current || i < 0 || i >= segments.length) return;
    const old = list.children[current];
    if (old) old.firstChild.removeAttribute('aria-current');
    current = i;
    const segment = segments[i];
    const entry = list.children[i].firstChild;
    entry.setAttribute('aria-current', 'true');
    keepInView(entry);
    document.body.dataset.segment = String(segment.number);
    document.getElementById('segment-nazov').textContent = segment.number + '. ' + segment.title;
    document.getElementById('segment-stranka').setAttribute('href', fileUrl(segment.page));
    document.getElementById('segment-obsah').replaceChildren(content(segment));
    syncClip();
    if (!initial) setAddress('#s=' + segment.number);
  }

  // What the segment shows: its picture, its clip (muted, under the lecture's sound) or its page.
  function content(segment) {
    if (segment.type === 'H') {
      const frame = document.createElement('iframe');
      frame.setAttribute('title', segment.title);
      frame.setAttribute('src', fileUrl(segment.shows));
      return frame;
    }
    if (segment.type === 'V') {
      const clip = document.createElement('video');
      clip.controls = true;
      clip.muted = true;
      clip.playsInline = true;
      clip.preload = 'auto';
      clip.setAttribute('aria-label', 'Videoklip: ' + segment.title);
      clip.addEventListener('error', () => clip.replaceWith(
        text('p', 'Videoklip ešte nie je pripravený.', 'oznam')));
      clip.setAttribute('src', fileUrl(segment.shows));
      return clip;
    }
    const picture = document.createElement('img');
    picture.setAttribute('alt', segment.title);
    picture.setAttribute('src', fileUrl(segment.shows));
    return picture;
  }

  // A clip shown plays along with the lecture, from where the lecture is in its segment.
  function syncClip() {
    const clip = document.querySelector('#segment-obsah video');
    if (!clip) return;
    const offset = Math.max(0, video.currentTime - segments[current].start);
    if (clip.readyState > 0) clip.currentTime = Math.min(offset, clip.duration || 0);
    else clip.addEventListener('loadedmetadata', syncClip, { once: true });
    if (video.paused || videoMissing) clip.pause();
    else clip.play().catch(() => {});
  }

  // Scrolls the list, not the page, so that the entry is visible.
  function keepInView(entry) {
    const top = entry.offsetTop;
    const bottom = top + entry.offsetHeight;
    if (top < list.scrollTop) list.scrollTop = top;
    else if (bottom > list.scrollTop + list.clientHeight) {
      list.scrollTop = bottom - list.clientHeight;
    }
  }

  function setAddress(hash) {
    try {
      history.replaceState(history.state, '', hash);
    } catch (error) {
      // Some browsers refuse history changes for file:// pages; the page works without them.
    }
  }

  // --- Following the recording ------------------------------------------------------------------

  function follow() {
    show(segmentAt(video.currentTime));
  }

  // While playing, the segment is checked at every repaint, not only at the few timeupdate
  // events a second. (A video frame callback would come only once per frame: a lecture
  // recorded at a few frames a second would change its slide up to a frame late.)
  function tick() {
    follow();
    if (video.paused || video.ended) following = false;
    else requestAnimationFrame(tick);
  }

  function startFollowing() {
    if (following) return;
    following = true;
    requestAnimationFrame(tick);
  }

  // --- Going somewhere --------------------------------------------------------------------------

  function choose(i, initial) {
    if (i < 0 || i >= segments.length) return;
    seekTo(segments[i].start);
    show(i, initial);
  }

  function seekTo(t) {
    if (videoMissing) return;
    const end = Number.isFinite(video.duration) ? video.duration : Infinity;
    video.currentTime = Math.min(Math.max(0, t), end);
  }

  // The position that the address names: #t=90, #t=1:30, #t=1:02:03 or #s=5.
  function goToAddress(initial) {
    const match = /^#([ts])=(.+)$/.exec(location.hash);
    if (!match) return false;
    if (match[1] === 's') {
      const i = indexOfNumber(Number(match[2]));
      if (i < 0) return false;
      choose(i, initial === true);
      return true;
    }
    const t = parseTime(match[2]);
    if (Number.isNaN(t)) return false;
    seekTo(t);
    show(segmentAt(t), initial === true);
    return true;
  }

  // --- The remembered position ------------------------------------------------------------------
  // Browsers may refuse storage for file:// pages or share it between them: the key holds the
  // page's path, and a refusal only means that nothing is remembered.

  function loadPosition() {
    try {
      return Number(localStorage.getItem(storageKey));
    } catch (error) {
      return 0;
    }
  }

  function savePosition() {
    if (!touched || videoMissing) return;
    const t = Math.floor(video.currentTime);
    try {
      if (video.ended) localStorage.removeItem(storageKey);
      else if (t !== lastSaved) localStorage.setItem(storageKey, String(t));
      lastSaved = t;
    } catch (error) {
      // Nothing remembered.
    }
  }

  function offerResume(saved) {
    const from = video.currentTime;
    if (!(saved > 5) || Math.abs(saved - from) < 5) return;
    resume.textContent = 'Pokračovať od ' + formatTime(saved);
    resume.hidden = false;
    resume.addEventListener('click', () => {
      resume.hidden = true;
      seekTo(saved);
      show(segmentAt(saved));
    }, { once: true });
  }

  // --- Keys -------------------------------------------------------------------------------------

  const keyActions = {
    ' ': togglePlay,
    k: togglePlay,
    ArrowLeft: () => seekTo(video.currentTime - 10),
    ArrowRight: () => seekTo(video.currentTime + 10),
    PageUp: () => step(-1),
    ArrowUp: () => step(-1),
    PageDown: () => step(1),
    ArrowDown: () => step(1),
    f: toggleFullscreen,
    m: () => { video.muted = !video.muted; },
    '?': showKeys,
  };

  // Keys the focused element needs for itself: a text field or a list box all of them, a
  // button or a link Space and Enter, the video's own controls Space, the arrows, Home and End.
  function needsKey(target, key) {
    if (target.closest('input, textarea, select, [contenteditable="true"], dialog[open]')) {
      return true;
    }
    if (target.closest('button, a[href], summary')) return key === ' ' || key === 'Enter';
    if (target !== video) return false;
    return key === ' ' || key.startsWith('Arrow') || key === 'Home' || key === 'End';
  }

  function onKey(event) {
    if (event.defaultPrevented || event.ctrlKey || event.metaKey || event.altKey) return;
    const key = event.key.length === 1 ? event.key.toLowerCase() : event.key;
    const action = keyActions[key];
    if (!action || needsKey(event.target, key)) return;
    event.preventDefault();
    action();
  }

  function togglePlay() {
    if (videoMissing) return;
    if (video.paused) video.play().catch(() => {});
    else video.pause();
  }

  function step(delta) {
    const inList = list.contains(document.activeElement);
    choose(Math.min(Math.max(current + delta, 0), segments.length - 1));
    if (inList) list.children[current].firstChild.focus();
  }

  function toggleFullscreen() {
    if (document.fullscreenElement) document.exitFullscreen().catch(() => {});
    else if (stage.requestFullscreen) stage.requestFullscreen().catch(() => {});
  }

  function showKeys() {
    if (!keysDialog.open) keysDialog.showModal();
  }

  // --- Building the page ------------------------------------------------------------------------

  function buildList() {
    const entries = document.createDocumentFragment();
    for (const segment of segments) {
      const thumbnail = document.createElement('img');
      thumbnail.loading = 'lazy';
      thumbnail.decoding = 'async';
      thumbnail.setAttribute('alt', '');
      thumbnail.setAttribute('src', fileUrl(segment.thumbnail));
      const entry = document.createElement('button');
      entry.type = 'button';
      entry.setAttribute('data-segment', String(segment.number));
      entry.append(thumbnail, text('span', String(segment.number), 'cislo'), ' ',
        text('span', formatTime(segment.start), 'cas'), ' ', text('span', segment.title, 'titul'));
      const item = document.createElement('li');
      item.append(entry);
      entries.append(item);
    }
    list.append(entries);
    list.addEventListener('click', (event) => {
      const entry = event.target.closest('button[data-segment]');
      if (entry) choose(indexOfNumber(Number(entry.getAttribute('data-segment'))));
    });
  }

  // Chapters for the media element, from the data: a <track src> is refused from file://.
  function addChapters() {
    if (!video.addTextTrack || typeof VTTCue !== 'function') return;
    const track = video.addTextTrack('chapters', 'Kapitoly', 'sk');
    for (const s of segments) {
      track.addCue(new VTTCue(s.start, Math.max(s.start, s.end), s.title));
    }
  }

  function onVideoMissing() {
    videoMissing = true;
    video.hidden = true;
    document.getElementById('nepripravene').hidden = false;
    syncClip();
  }

  function wireVideo() {
    video.addEventListener('error', onVideoMissing);
    video.addEventListener('playing', startFollowing);
    video.addEventListener('play', () => { touched = true; syncClip(); });
    video.addEventListener('pause', () => { syncClip(); savePosition(); });
    video.addEventListener('seeked', () => {
      touched = true;
      follow();
      syncClip();
      savePosition();
    });
    video.addEventListener('timeupdate', () => {
      follow();
      if (Math.abs(video.currentTime - lastSaved) >= 2) savePosition();
    });
    video.addEventListener('ended', savePosition);
    video.addEventListener('ratechange', () => {
      const option = speed.querySelector('option[value="' + video.playbackRate + '"]');
      if (option) speed.value = option.value;
    });
    speed.addEventListener('change', () => { video.playbackRate = Number(speed.value); });
    window.addEventListener('pagehide', savePosition);
    video.setAttribute('src', fileUrl(lecture.video));
  }

  document.title = lecture.title + ' – prednáška';
  document.getElementById('nazov').textContent = lecture.title;
  buildList();
  addChapters();
  wireVideo();
  const saved = loadPosition();
  if (!goToAddress(true)) show(0, true);
  offerResume(saved);
  document.addEventListener('keydown', onKey);
  document.getElementById('ukaz-klavesy').addEventListener('click', showKeys);
  window.addEventListener('hashchange', goToAddress);
}());
