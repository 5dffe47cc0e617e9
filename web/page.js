// The page around the game: loads skyrift.wasm and skyrift.data with a progress bar, starts the
// game on the first key, click, tap or gamepad button (browsers allow sound only after a
// gesture), shows it in whole device pixels, draws touch controls on phones and tablets, offers
// another game when it ends and keeps itself for playing offline (sw.js). window.skyrift tells
// the browser tests where it stands.
'use strict';
(() => {
  const $ = (id) => document.getElementById(id);
  const canvas = $('canvas');
  const stage = $('stage');
  const overlay = $('overlay');
  const message = $('message');
  const note = $('note');
  const bar = $('bar');
  const fill = $('fill');
  const again = $('again');
  const controls = $('controls');
  const touch = $('touch');

  const page = (window.skyrift = {
    state: 'loading',        // loading, ready, starting, playing, ended, failed
    audioContexts: [],       // the current game's
    games: 0,
    gamesInMemory: 0,        // games made and not yet collected
    recording: false,        // set by a measurement: each frame's work then goes to frames
    flushing: false,         // set by a measurement: the canvas is also drawn out after each frame
    frames: [],              // [work ms, ms since the previous frame, ms to draw out the canvas]
    framesPlayed: 0,         // frames of the current game
    times: {},               // performance.now() when the files had arrived, the game was ready, ...
    scale: 1,                // device pixels per game pixel
    layout: 'desktop',       // desktop, portrait or landscape (the last two with touch controls)
  });
  // The game's clock (SDL_GetTicks' own, in ms), which stands still while the page is hidden.
  page.clock = () => (game && game.skyriftClock ? game.skyriftClock.now() : null);
  // The game's wasm memory, in bytes.
  page.wasmBytes = () => (game && game.HEAPU8 ? game.HEAPU8.buffer.byteLength : 0);

  // The game's sound plays on an AudioContext the page makes in answer to the gesture that
  // starts the game (browsers let sound start no other way), at the game's rate; SDL's audio
  // driver takes it (Module.audioContext).
  const AudioContextClass = window.AudioContext || window.webkitAudioContext;
  const makeAudioContext = () => {
    if (!AudioContextClass) return null;
    try {
      const context = new AudioContextClass({ sampleRate: 44100 });
      // The audio driver's suspends and resumes wait for this one (SDL_webaudio.c).
      context.skyriftResumed = context.resume();
      page.audioContexts.push(context);
      return context;
    } catch (error) {
      console.warn(`No sound: ${error.message}`);
      return null;
    }
  };

  // Touch controls where the screen is touched; a key pressed on a keyboard puts them away.
  let touchShown = navigator.maxTouchPoints > 0 || matchMedia('(pointer: coarse)').matches;

  // Sizes in CSS pixels of the touch controls.
  const kPad = 150;
  const kButton = 76;
  const kSmall = 56;
  const kGap = 14;
  const kControlsHeight = 30;
  const kPortraitTop = 48;

  // The canvas at a whole number of device pixels per game pixel wherever one fits, placed on
  // whole device pixels, so that every pixel of the game is the same square; below one, scaled
  // down smoothly. Portrait touch screens keep room below it for the controls; landscape ones put
  // them beside it, or over the side panels when there is no room beside it.
  const place = (element, x, y, w, h) => {
    element.style.left = `${x}px`;
    element.style.top = `${y}px`;
    element.style.width = `${w}px`;
    element.style.height = `${h}px`;
  };
  const fit = () => {
    const dpr = window.devicePixelRatio || 1;
    const width = window.innerWidth;
    const height = window.innerHeight;
    const portrait = touchShown && height > width;
    page.layout = touchShown ? (portrait ? 'portrait' : 'landscape') : 'desktop';
    let roomW = width;
    let roomH = height;
    if (page.layout === 'desktop') roomH -= kControlsHeight;
    if (page.layout === 'portrait') roomH -= kPad + 2 * kGap;
    const fits = Math.min((roomW * dpr) / 640, (roomH * dpr) / 480);
    const scale = fits >= 1 ? Math.floor(fits) : Math.max(fits, 0.1);
    page.scale = scale;
    canvas.classList.toggle('crisp', scale >= 1);
    const deviceW = Math.round(640 * scale);
    const deviceH = Math.round(480 * scale);
    const left = Math.floor((roomW * dpr - deviceW) / 2) / dpr;
    // In portrait the canvas stays near the top, the controls under it within the thumbs' reach.
    let top = Math.max(0, Math.floor((roomH * dpr - deviceH) / 2)) / dpr;
    if (portrait) top = Math.min(top, Math.round(kPortraitTop * dpr) / dpr);
    const cssW = deviceW / dpr;
    const cssH = deviceH / dpr;
    place(stage, left, top, cssW, cssH);

    controls.hidden = page.layout !== 'desktop';
    if (page.layout === 'desktop') {
      controls.style.top = `${top + cssH + 6}px`;
      touch.hidden = true;
      return;
    }
    touch.hidden = false;
    const pad = $('pad');
    const fire = $('fire');
    const enter = $('enter');
    const escape = $('escape');
    if (portrait) {
      const y = top + cssH + kGap;
      place(pad, kGap, y, kPad, kPad);
      place(fire, width - kGap - kButton, y + (kPad - kButton) / 2, kButton, kButton);
      place(enter, width - 2 * kGap - kButton - kSmall * 1.4, y, kSmall * 1.4, kSmall * 0.8);
      place(escape, width - 2 * kGap - kButton - kSmall * 1.4, y + kPad - kSmall * 0.8, kSmall * 1.4, kSmall * 0.8);
    } else {
      // Beside the canvas when the room is there, else over its side panels (138 of 640 wide).
      const side = left >= kPad + kGap ? left : (138 / 640) * cssW;
      const padSize = Math.min(kPad, side - kGap, height / 2);
      const padX = left >= kPad + kGap ? (left - padSize) / 2 : left + (side - padSize) / 2;
      place(pad, padX, height - padSize - 2 * kGap, padSize, padSize);
      const right = left >= kPad + kGap ? left + cssW : left + cssW - side;
      const buttonSize = Math.min(kButton, side - kGap);
      const centre = right + side / 2;
      place(fire, centre - buttonSize / 2, height - buttonSize - 2 * kGap, buttonSize, buttonSize);
      place(enter, centre - kSmall * 0.7, height / 2 - kSmall, kSmall * 1.4, kSmall * 0.8);
      place(escape, centre - kSmall * 0.7, kGap, kSmall * 1.4, kSmall * 0.8);
    }
  };
  window.addEventListener('resize', fit);
  // A new device pixel ratio (zoom, another screen) fires no resize everywhere.
  const watchDensity = () => {
    matchMedia(`(resolution: ${window.devicePixelRatio || 1}dppx)`).addEventListener('change', () => {
      fit();
      watchDensity();
    }, { once: true });
  };
  watchDensity();
  fit();

  const show = (text, { progress = false, button = false } = {}) => {
    message.textContent = text;
    bar.hidden = !progress;
    again.hidden = !button;
    overlay.hidden = false;
  };
  const keyboardNote = () => {
    note.hidden = !touchShown;
    note.textContent = 'Skyrift is played with a keyboard or a gamepad; without one, use the touch ' +
      'controls: the pad moves, FIRE fires, ENTER skips the title and answers, ESC ends the game.';
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

  // SDL's drivers listen on the window, the document and the canvas, and a game that has ended
  // never lets go: that would keep every finished game in memory. What a game adds there is
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
      printErr: (text) => console.error(text),
      // Fetched once by the page; every game gets its own copy of the data.
      getPreloadedPackage: () => dataBytes.slice(0),
      instantiateWasm: (imports, receive) => {
        WebAssembly.instantiate(wasmModule, imports).then((instance) => receive(instance, wasmModule));
        return {};
      },
      onFrameWork: (work, interval) => {
        page.framesPlayed += 1;
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

  // event: what started the game; it and everything before it stay the page's.
  function start(event, audioContext = makeAudioContext()) {
    if (page.state !== 'ready') return;
    page.state = 'playing';
    page.games += 1;
    page.framesPlayed = 0;
    page.times.started = performance.now();
    overlay.hidden = true;
    canvas.focus();
    game.audioContext = audioContext;
    game.startEventTime = event && event.timeStamp !== undefined ? event.timeStamp : performance.now();
    game.callMain([]);
  }

  function ended() {
    page.state = 'ended';
    releaseTouch();
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

  async function playAgain(event) {
    if (page.state !== 'ended') return;
    // The sound may start only in answer to the gesture, before the game is made.
    const audioContext = makeAudioContext();
    show('Loading…');
    await prepare();
    start(event, audioContext);
  }

  // Keys, clicks and taps on the page start or restart the game; while it runs, SDL's driver
  // takes the keys. Arrow keys and space never scroll the page.
  const answer = (event) => {
    if (page.state === 'ready') start(event);
    else if (page.state === 'ended' && !(event.type === 'keydown' && event.key === 'Escape')) playAgain(event);
  };
  window.addEventListener('keydown', (event) => {
    if ([' ', 'ArrowUp', 'ArrowDown', 'ArrowLeft', 'ArrowRight'].includes(event.key)) event.preventDefault();
    if (touchShown && !event.repeat) {
      touchShown = false;
      keyboardNote();
      fit();
    }
    if (!event.repeat) answer(event);
  }, true);
  overlay.addEventListener('click', answer);
  canvas.addEventListener('click', () => canvas.focus());

  // The touch controls press the game's keys through SDL's driver (Module.sdlKey). Before the
  // game runs, a touch on them starts it, as a click does; the touch that started it presses
  // nothing.
  const pressed = new Map();  // key code -> the touch control holding it
  const press = (code, down) => {
    if (page.state !== 'playing' || !game || !game.sdlKey) return;
    game.sdlKey(code, down);
  };
  const hold = (element, code) => {
    element.addEventListener('pointerdown', (event) => {
      event.preventDefault();
      if (page.state !== 'playing') {
        answer(event);
        return;
      }
      element.setPointerCapture(event.pointerId);
      element.classList.add('down');
      pressed.set(code, element);
      press(code, true);
    });
    const up = () => {
      if (!pressed.has(code)) return;
      element.classList.remove('down');
      pressed.delete(code);
      press(code, false);
    };
    element.addEventListener('pointerup', up);
    element.addEventListener('pointercancel', up);
  };
  hold($('fire'), 'g');
  hold($('enter'), 'Enter');
  hold($('escape'), 'Escape');

  // The pad: the arrows of the directions the touch is away from its centre, eight ways.
  const pad = $('pad');
  const knob = $('knob');
  let padPointer = null;
  const arrows = { ArrowLeft: false, ArrowRight: false, ArrowUp: false, ArrowDown: false };
  const setArrows = (wanted) => {
    for (const code of Object.keys(arrows)) {
      if (arrows[code] !== wanted[code]) {
        arrows[code] = wanted[code];
        press(code, wanted[code]);
      }
    }
  };
  const steer = (event) => {
    const r = pad.getBoundingClientRect();
    const radius = r.width / 2;
    let dx = (event.clientX - r.left - radius) / radius;
    let dy = (event.clientY - r.top - radius) / radius;
    const length = Math.hypot(dx, dy);
    if (length > 1) {
      dx /= length;
      dy /= length;
    }
    knob.style.transform = `translate(${dx * radius * 0.6}px, ${dy * radius * 0.6}px)`;
    const dead = 0.3;
    // Within 22.5 degrees of an axis only that arrow, else both: eight directions.
    const diagonal = Math.abs(Math.abs(dx) - Math.abs(dy)) < 0.414 * Math.max(Math.abs(dx), Math.abs(dy));
    const moving = length > dead;
    const horizontal = moving && (diagonal || Math.abs(dx) > Math.abs(dy));
    const vertical = moving && (diagonal || Math.abs(dy) >= Math.abs(dx));
    setArrows({ ArrowLeft: horizontal && dx < 0, ArrowRight: horizontal && dx > 0,
                ArrowUp: vertical && dy < 0, ArrowDown: vertical && dy > 0 });
  };
  pad.addEventListener('pointerdown', (event) => {
    event.preventDefault();
    if (page.state !== 'playing') {
      answer(event);
      return;
    }
    padPointer = event.pointerId;
    pad.setPointerCapture(event.pointerId);
    pad.classList.add('down');
    steer(event);
  });
  pad.addEventListener('pointermove', (event) => {
    if (event.pointerId === padPointer) steer(event);
  });
  const padUp = (event) => {
    if (event && event.pointerId !== padPointer) return;
    padPointer = null;
    pad.classList.remove('down');
    knob.style.transform = '';
    setArrows({ ArrowLeft: false, ArrowRight: false, ArrowUp: false, ArrowDown: false });
  };
  pad.addEventListener('pointerup', padUp);
  pad.addEventListener('pointercancel', padUp);
  const releaseTouch = () => {
    padUp();
    for (const [code, element] of pressed) {
      element.classList.remove('down');
      press(code, false);
    }
    pressed.clear();
  };
  // No long-press menu on the controls (their touch-action keeps the page from scrolling and
  // zooming).
  touch.addEventListener('contextmenu', (event) => event.preventDefault());

  // A gamepad shows itself to the page with its first button press. Watched for only while the
  // game does not run: then the game reads it.
  let watching = false;
  const watchGamepads = () => {
    watching = page.state !== 'playing';
    if (!watching) return;
    if (page.state === 'ready' || page.state === 'ended') {
      for (const gamepad of navigator.getGamepads ? navigator.getGamepads() : []) {
        if (gamepad && gamepad.buttons.some((button) => button.pressed)) {
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

  // Kept for offline play after the first visit (sw.js; not from a file: service workers need a
  // server). On the first visit the downloads wait for the worker, which keeps them as they pass:
  // the game is downloaded once.
  const offlineReady = () => {
    if (!('serviceWorker' in navigator) || !/^https?:$/.test(location.protocol)) return Promise.resolve();
    const registered = navigator.serviceWorker.register('sw.js');
    if (navigator.serviceWorker.controller) return Promise.resolve();
    const kWaitMs = 5000;
    return new Promise((resolve) => {
      navigator.serviceWorker.addEventListener('controllerchange', resolve, { once: true });
      registered.catch((error) => {
        console.warn(`Not kept for offline play: ${error.message}`);
        resolve();
      });
      setTimeout(resolve, kWaitMs);
    });
  };

  async function load() {
    show('Loading…', { progress: true });
    await offlineReady();
    page.times.offlineReady = performance.now();
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
    show(touchShown ? 'Tap to start' : 'Click or press a key to start');
    keyboardNote();
  }

  load().catch((error) => {
    page.state = 'failed';
    show(`Skyrift could not load: ${error.message}`);
    console.error(error);
  });
})();
