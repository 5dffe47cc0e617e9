// The page on a phone in headless Chromium (mobile emulation, touch events): the canvas in whole
// device pixels at several sizes and densities, the touch controls laid out beside the playfield
// in portrait and landscape, a tap answering the title, the pad moving the ship and FIRE scoring.
// Usage: node phone_test.js WEB_DIR FORGE_DIR ARTIFACT_DIR. Exit 77 (skipped) only when Chromium
// cannot start.
'use strict';
const path = require('path');
const { installReaders, until, sleep, check, browserTest } = require('./harness');

const kPhone = { width: 390, height: 844, deviceScaleFactor: 3, isMobile: true, hasTouch: true };

// Where the canvas and the controls are, in CSS pixels, with the scale and layout the page chose.
const layout = (page) => page.evaluate(() => {
  const box = (id) => {
    const r = document.getElementById(id).getBoundingClientRect();
    return { x: r.x, y: r.y, w: r.width, h: r.height };
  };
  return { scale: window.skyrift.scale, layout: window.skyrift.layout, dpr: window.devicePixelRatio,
           crisp: document.getElementById('canvas').classList.contains('crisp'),
           stage: box('stage'), pad: box('pad'), fire: box('fire'), enter: box('enter'), escape: box('escape'),
           width: window.innerWidth, height: window.innerHeight };
});

// The playfield is the canvas's middle 364 of 640 columns; the controls keep off it and on screen.
function clearOfPlayfield(l) {
  const left = l.stage.x + (138 / 640) * l.stage.w;
  const right = l.stage.x + (502 / 640) * l.stage.w;
  const bottom = l.stage.y + l.stage.h;
  return ['pad', 'fire', 'enter', 'escape'].every((id) => {
    const b = l[id];
    const inside = b.x >= -0.5 && b.y >= -0.5 && b.x + b.w <= l.width + 0.5 && b.y + b.h <= l.height + 0.5;
    const off = b.x + b.w <= left + 0.5 || b.x >= right - 0.5 || b.y >= bottom - 0.5;
    return inside && off && b.w >= 40;
  });
}

const centre = (b) => [b.x + b.w / 2, b.y + b.h / 2];

browserTest('chromium-profile-phone', async ({ server, browser, page, errors, artifacts }) => {
  // Desktop windows: whole device pixels where one fits, smooth below.
  const desk = await browser.newPage();
  await desk.goto(server.url);
  for (const [width, height, dpr, scale] of [[1536, 730, 1.25, 1], [1400, 1000, 1, 2], [1320, 1060, 2, 4], [640, 480, 1, null]]) {
    await desk.setViewport({ width, height, deviceScaleFactor: dpr });
    await sleep(200);
    const l = await layout(desk);
    const deviceW = l.stage.w * dpr;
    const onPixels = Math.abs(l.stage.x * dpr - Math.round(l.stage.x * dpr)) < 0.01;
    if (scale) {
      check(l.scale === scale && Math.abs(deviceW - 640 * scale) < 0.01 && l.crisp && onPixels,
            `${width}x${height} at ${dpr}x: ${scale} device pixels a pixel, on whole pixels`, JSON.stringify(l.stage));
    } else {
      check(l.scale < 1 && !l.crisp && l.stage.h <= height, `${width}x${height}: scaled down smoothly`, `scale ${l.scale.toFixed(3)}`);
    }
  }
  await desk.close();

  await page.setViewport(kPhone);
  await page.goto(server.url);
  check(await until(page, () => window.skyrift.state === 'ready', 60000), 'the page loads the game on a phone');
  await installReaders(page);
  const portrait = await layout(page);
  check(portrait.layout === 'portrait' && clearOfPlayfield(portrait), 'portrait: touch controls below the playfield',
        JSON.stringify(portrait));
  check(await page.evaluate(() => !document.getElementById('note').hidden && /keyboard/.test(document.getElementById('note').textContent)),
        'a note says a keyboard is needed, or the touch controls');

  // A tap starts the page; it is the page's, so the title's first stage stays.
  await page.touchscreen.tap(portrait.stage.x + portrait.stage.w / 2, portrait.stage.y + portrait.stage.h / 2);
  const credits = [1, 2, 3, 4, 5].map((n) => `Panorama/Programmer${n}.png`);
  check(await until(page, async (names) => (await testMatchAny(names)) > 0.99, 20000, credits), 'a tap starts the game: the title');
  await page.screenshot({ path: path.join(artifacts, 'phone-portrait.png') });
  const stages = [async () => (await testMatch('Panorama/Resources_R.png', [0, 128, 0])) > 0.99,
                  async () => (await testMatch('Panorama/Keyboard.png')) > 0.99,
                  async () => (await testScore()) === 0];
  let reached = 0;
  for (const stage of stages) {
    await page.touchscreen.tap(...centre(portrait.enter));
    if (!(await until(page, stage, 15000))) break;
    reached += 1;
  }
  check(reached === 3, 'ENTER taps answer the title, stage by stage, into Level 1', `${reached} of 3`);

  const start = await until(page, () => testShip(), 30000);
  if (check(start, 'the ship is on the playfield', JSON.stringify(start))) {
    // The pad held to the left of its centre.
    const [px, py] = centre(portrait.pad);
    await page.touchscreen.touchStart(px - portrait.pad.w * 0.4, py);
    await sleep(800);
    await page.touchscreen.touchEnd();
    const left = await until(page, () => testShip(), 5000);
    check(left && left.x < start.x - 40, 'the pad moves the ship left', JSON.stringify(left));
  }

  // Landscape: controls beside the canvas or over its side panels; then FIRE held scores.
  await page.setViewport({ ...kPhone, width: kPhone.height, height: kPhone.width });
  await sleep(500);
  const landscape = await layout(page);
  check(landscape.layout === 'landscape' && clearOfPlayfield(landscape), 'landscape: touch controls beside the playfield',
        JSON.stringify(landscape));
  const cdp = await page.target().createCDPSession();
  const touches = async (type, points) => cdp.send('Input.dispatchTouchEvent', {
    type, touchPoints: points.map(([x, y], id) => ({ x, y, id })) });
  const fire = centre(landscape.fire);
  const [lx, ly] = centre(landscape.pad);
  let score = 0;
  for (let sweep = 0; sweep < 16 && !(score > 0); ++sweep) {
    const dx = (sweep % 2 ? -0.4 : 0.4) * landscape.pad.w;
    await touches('touchStart', [fire, [lx + dx, ly]]);
    await sleep(700);
    await touches('touchEnd', []);
    score = await page.evaluate(() => testScore());
  }
  check(score > 0, 'FIRE held while the pad sweeps: the score rises', `score ${score}`);
  await page.screenshot({ path: path.join(artifacts, 'phone-landscape.png') });
  check(errors.length === 0, 'no error reached the console', errors.slice(0, 5).join(' | '));
});
