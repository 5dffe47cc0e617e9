// The page around the game: loads skyrift.wasm and skyrift.data with a progress bar, starts the
// game on the first key, click or gamepad button (browsers allow sound only after a gesture),
// and offers another game when it ends. window.skyrift tells the browser tests where it stands.
'use strict';
(() => {
  const $ = (id) => document.getElementById(id);
  const canvas = $('canvas');
  const stage = $('stage');
  const overlay = $('overlay');
  const message = $('message');
  const bar = $('bar');
  const fill = $('fill');
  const again = $('again');
  const controls = $('controls');

  const page = (window.skyrift = {
    state: 'loading',        // loading, ready, starting, playing, ended, failed
    audioContexts: [],       // the current game's
    games: 0,
    gamesInMemory: 0,        // games made and not yet collected
    recording: false,        // set by a measurement: each frame's work then goes to frames
    flushing: false,         // set by a measurement: the canvas is also drawn out after each frame
    frames: [],              // [work ms, ms since the previous frame, ms to draw out the canvas]
    times: {},               // performance.now() when the files had arrived, the game was ready, ...
  });

  // The game's sound runs on an AudioContext made when it opens audio; keep hold of it to
  // resume it on a gesture and to close it when the game ends.
  const NativeAudioContext = window.AudioContext || window.webkitAudioContext;
  if (NativeAudioContext) {
    window.AudioContext = window.webkitAudioContext = class extends NativeAudioContext {
      constructor(...args) {
        super(...args);
        page.audioContexts.push(this);
      }
    };
  }
  const resumeAudio = () => {
    for (const context of page.audioContexts) if (context.state === 'suspended') context.resume();
  };

  // Integer scales where the window has room for them, crisp pixels either way.
  const fit = () => {
    const width = window.innerWidth - 16;
    const height = window.innerHeight - controls.offsetHeight - 26;
    let scale = Math.min(width / 640, height / 480);
    if (scale >= 1) scale = Math.floor(scale);
    stage.style.setProperty('--scale', String(Math.max(scale, 0.25)));
  };
  window.addEventListener('resize', fit);
  fit();

  const show = (text, { progress = false, button = false } = {}) => {
    message.textContent = text;
    bar.hidden = !progress;
    again.hidden = !button;
    overlay.hidden = false;
  };

  async function download(url, onProgress) {
    const response = await fetch(url);
    if (!response.ok) throw new Error(`${url}: HTTP ${response.status}`);
    const total = Number(response.headers.get('Content-Length')) || 0;
    const reader = response.body.getReader();
    const chunks = [];
    let received = 0;
    for (;;) {
      const { done, value } = await reader.read();
      if (done) break;
      chunks.push(value);
      received += value.length;
      onProgress(received, total);
    }
    const bytes = new Uint8Array(received);
    let at = 0;
    for (const chunk of chunks) {
      bytes.set(chunk, at);
      at += chunk.length;
    }
    return bytes.buffer;
  }

  // What emscripten's SDL layer says on standard error about itself: notes, not faults. A new
  // music replaces one still playing as SDL_mixer does it, without a word; a picture drawn into
  // another one is copied back to memory, as the SDL layer must.
  const emscriptenNotices = ['Music is already playing.', 'WARNING: copying canvas data to memory'];

  // Emscripten's SDL layer listens on the window, the document and the canvas and never lets go,
  // which would keep every finished game in memory (some 200 MB each). What a game adds there is
  // noted and taken back when it ends.
  let gameListeners = null;
  const addEventListener = EventTarget.prototype.addEventListener;
  EventTarget.prototype.addEventListener = function (type, listener, options) {
    if (gameListeners && (this === window || this === document || this === canvas))
      gameListeners.push([this, type, listener, options]);
    return addEventListener.call(this, type, listener, options);
  };
  const forgetGameListeners = () => {
    for (const [target, type, listener, options] of gameListeners || []) target.removeEventListener(type, listener, options);
    gameListeners = null;
  };

  let wasmModule = null;
  let dataBytes = null;
  let game = null;

  const makeGame = () => {
    gameListeners = [];
    return window.createSkyrift({
      canvas,
      print: (text) => console.log(text),
      printErr: (text) => (emscriptenNotices.some((notice) => text.startsWith(notice)) ? console.warn : console.error)(text),
      // Sounds and music are decoded by Web Audio when the game loads them, not all before the
      // title: the page is ready seconds sooner.
      noAudioDecoding: true,
      // Fetched once by the page; every game gets its own copy of the data.
      getPreloadedPackage: () => dataBytes.slice(0),
      instantiateWasm: (imports, receive) => {
        WebAssembly.instantiate(wasmModule, imports).then((instance) => receive(instance, wasmModule));
        return {};
      },
      onFrameWork: (work, interval) => {
        if (!page.recording) return;
        // The browser draws a canvas out when it paints; reading a pixel makes it do so at once.
        let flush = 0;
        if (page.flushing) {
          const before = performance.now();
          canvas.getContext('2d').getImageData(0, 0, 1, 1);
          flush = performance.now() - before;
        }
        page.frames.push([work, interval, flush]);
      },
      onExit: ended,
    });
  };

  function start() {
    if (page.state !== 'ready') return;
    page.state = 'playing';
    page.games += 1;
    page.times.started = performance.now();
    overlay.hidden = true;
    canvas.style.cursor = 'none';  // as the desktop game hides it; SDL_ShowCursor cannot here
    canvas.focus();
    resumeAudio();
    game.callMain([]);
  }

  function ended() {
    page.state = 'ended';
    canvas.style.cursor = '';
    for (const context of page.audioContexts) context.close();
    page.audioContexts = [];
    forgetGameListeners();
    game = null;
    show('The game is over.', { button: true });
    again.focus();
    watchGamepadsAgain();
  }

  const collected = new FinalizationRegistry(() => { page.gamesInMemory -= 1; });

  async function prepare() {
    page.state = 'starting';
    game = await makeGame();
    page.gamesInMemory += 1;
    collected.register(game, null);
    page.state = 'ready';
  }

  async function playAgain() {
    if (page.state !== 'ended') return;
    show('Loading…');
    await prepare();
    start();
  }

  // Keys and clicks on the page start or restart the game; while it runs, its own listeners
  // take the keys. Arrow keys and space never scroll the page.
  const answer = (event) => {
    if (page.state === 'ready') start();
    else if (page.state === 'ended' && !(event.type === 'keydown' && event.key === 'Escape')) playAgain();
  };
  window.addEventListener('keydown', (event) => {
    if ([' ', 'ArrowUp', 'ArrowDown', 'ArrowLeft', 'ArrowRight'].includes(event.key)) event.preventDefault();
    if (!event.repeat) answer(event);
  }, true);
  overlay.addEventListener('click', answer);
  canvas.addEventListener('click', () => canvas.focus());
  document.addEventListener('visibilitychange', resumeAudio);

  // A gamepad shows itself to the page with its first button press. Watched for only while the
  // game does not run: then the game reads it.
  let watching = false;
  const watchGamepads = () => {
    watching = page.state !== 'playing';
    if (!watching) return;
    if (page.state === 'ready' || page.state === 'ended') {
      for (const pad of navigator.getGamepads ? navigator.getGamepads() : []) {
        if (pad && pad.buttons.some((button) => button.pressed)) {
          answer({ type: 'gamepad' });
          break;
        }
      }
    }
    requestAnimationFrame(watchGamepads);
  };
  const watchGamepadsAgain = () => {
    if (!watching) requestAnimationFrame(watchGamepads);
    watching = true;
  };
  watchGamepadsAgain();

  async function load() {
    show('Loading…', { progress: true });
    const sizes = { wasm: [0, 0], data: [0, 0] };
    const progress = (which) => (received, total) => {
      sizes[which] = [received, total];
      const all = sizes.wasm[1] + sizes.data[1];
      if (all > 0) fill.style.width = `${(100 * (sizes.wasm[0] + sizes.data[0])) / all}%`;
    };
    const script = new Promise((resolve, reject) => {
      const tag = document.createElement('script');
      tag.src = 'skyrift.js';
      tag.onload = resolve;
      tag.onerror = () => reject(new Error('skyrift.js did not load'));
      document.head.appendChild(tag);
    });
    const [wasm, data] = await Promise.all([
      download('skyrift.wasm', progress('wasm')),
      download('skyrift.data', progress('data')),
      script,
    ]);
    page.times.downloaded = performance.now();
    wasmModule = await WebAssembly.compile(wasm);
    dataBytes = data;
    page.times.compiled = performance.now();
    await prepare();
    page.times.ready = performance.now();
    show('Click or press a key to start');
  }

  load().catch((error) => {
    page.state = 'failed';
    show(`Skyrift could not load: ${error.message}`);
    console.error(error);
  });
})();
