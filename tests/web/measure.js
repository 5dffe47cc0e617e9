// Figures for the README, not a test: loads a web build in headless Chromium on loopback and
// reports the time to the title, the bytes sent, each frame's work in Level 1 (the game's build)
// or in a boss fight (scripts/build-web --boss NAME), and memory; saves screenshots along the way.
// Usage: node measure.js level1|boss|memory WEB_DIR FORGE_DIR OUT_DIR [SECONDS]
//   level1, boss  SECONDS of play (40 by default), the frame work recorded
//   memory        five games in one page, Level 1 played SECONDS (10) each: JS heap plus wasm
//                 memory in play, and the renderer's resident memory after Chromium's
//                 memory-pressure signal after each game
// THROTTLE=N slows the CPU N times (the DevTools protocol's Emulation.setCPUThrottlingRate, a
// stand-in for a phone); VIEWPORT=WxH sets the window (1320x1060 by default); FLUSH=1 also times
// drawing the canvas out after each frame, which the browser otherwise does when it paints.
'use strict';
const fs = require('fs');
const path = require('path');
const { serve, launch, installReaders, until, sleep } = require('./harness');

const [what, webDir, forgeDir, out, secondsArg] = process.argv.slice(2);
const seconds = Number(secondsArg || (what === 'memory' ? 10 : 40));
const mb = (bytes) => (bytes / 1048576).toFixed(1);

const summary = (values) => {
  const sorted = [...values].sort((a, b) => a - b);
  const at = (q) => sorted[Math.min(sorted.length - 1, Math.floor(q * sorted.length))];
  return `median ${at(0.5).toFixed(2)} ms, p99 ${at(0.99).toFixed(2)} ms, max ${sorted[sorted.length - 1].toFixed(2)} ms`;
};

const credits = [1, 2, 3, 4, 5].map((n) => `Panorama/Programmer${n}.png`);

// From a started game's title into Level 1.
async function enterLevel1(page) {
  await until(page, async (names) => (await testMatchAny(names)) > 0.99, 30000, credits);
  for (let n = 0; n < 3; ++n) {
    await sleep(400);
    await page.keyboard.press('Enter');
  }
  await until(page, async () => (await testScore()) === 0, 30000);
  await until(page, () => testShip(), 30000);
}

// Fires and sweeps left and right until the time is up.
async function sweep(page, until) {
  for (let step = 0; Date.now() < until; ++step) {
    const key = step % 2 ? 'ArrowLeft' : 'ArrowRight';
    await page.keyboard.down(key);
    await sleep(900);
    await page.keyboard.up(key);
  }
}

async function memory(page, browserCdp, cdp) {
  const inPlay = [];
  const resident = [];
  for (let game = 1; game <= 5; ++game) {
    if (game === 1) await page.keyboard.press('Space');
    else await page.click('#again');
    await enterLevel1(page);
    await page.keyboard.down('g');
    await sweep(page, Date.now() + seconds * 1000);
    await page.keyboard.up('g');
    const heap = await cdp.send('Runtime.getHeapUsage');
    const wasm = await page.evaluate(() => window.skyrift.wasmBytes());
    inPlay.push(heap.usedSize + wasm);
    console.log(`game ${game} in play: JS heap ${mb(heap.usedSize)} MB + wasm memory ${mb(wasm)} MB = ${mb(heap.usedSize + wasm)} MB`);
    await page.keyboard.press('Escape');
    await until(page, () => window.skyrift.state === 'ended', 20000);
    await cdp.send('HeapProfiler.collectGarbage');
    await cdp.send('Memory.simulatePressureNotification', { level: 'critical' });
    await sleep(2000);
    const { processInfo } = await browserCdp.send('SystemInfo.getProcessInfo');
    const renderers = processInfo.filter((p) => p.type === 'renderer').map((p) => p.id);
    const rss = renderers.map((pid) => {
      const status = fs.readFileSync(`/proc/${pid}/status`, 'utf8');
      return Number(/VmRSS:\s+(\d+)/.exec(status)[1]) * 1024;
    });
    const total = rss.reduce((a, b) => a + b, 0);
    resident.push(total);
    console.log(`game ${game} over, after the memory-pressure signal: renderer resident ${mb(total)} MB (${renderers.length} renderer)`);
  }
  console.log(`in play, most: ${mb(Math.max(...inPlay))} MB; renderer resident after game 1: ${mb(resident[0])} MB, ` +
              `after game 5: ${mb(resident[4])} MB`);
}

async function main() {
  fs.mkdirSync(out, { recursive: true });
  const server = await serve(webDir, forgeDir);
  const browser = await launch(path.join(out, 'chromium-profile'));
  if (!browser) throw new Error(`Chromium cannot start: ${launch.error}`);
  const page = await browser.newPage();
  page.on('console', (message) => { if (message.type() === 'error') console.log('console error:', message.text()); });
  const [width, height] = (process.env.VIEWPORT || '1320x1060').split('x').map(Number);
  await page.setViewport({ width, height });
  const cdp = await page.target().createCDPSession();
  const throttle = Number(process.env.THROTTLE || 1);
  if (throttle > 1) await cdp.send('Emulation.setCPUThrottlingRate', { rate: throttle });
  console.log(`CPU throttled ${throttle}x`);

  const navigated = Date.now();
  await page.goto(server.url);
  await until(page, () => window.skyrift.state === 'ready', 120000);
  const ready = Date.now();
  const times = await page.evaluate(() => window.skyrift.times);
  await installReaders(page);
  if (what === 'memory') {
    await memory(page, await browser.target().createCDPSession(), cdp);
    await browser.close();
    server.close();
    return;
  }
  const pressed = Date.now();
  await page.keyboard.press('Space');
  if (what === 'level1') {
    await until(page, async (names) => (await testMatchAny(names)) > 0.99, 30000, credits);
    const title = Date.now();
    console.log(`navigation to "press a key": ${ready - navigated} ms (files downloaded at ${times.downloaded.toFixed(0)} ms, ` +
                `wasm compiled at ${times.compiled.toFixed(0)} ms, game made at ${times.ready.toFixed(0)} ms of the page's clock)`);
    console.log(`key to title on the canvas: ${title - pressed} ms; navigation to title without the wait for the key: ` +
                `${ready - navigated + title - pressed} ms`);
    await page.screenshot({ path: path.join(out, 'title.png'), clip: await stage(page) });
    await enterLevel1(page);
  } else {
    await until(page, async () => (await testScore()) === 0, 30000);
    await until(page, () => testShip(), 30000);
    // A boss enters for a few seconds (Death for 400 frames) before it fights.
    await sleep(6000);
  }
  const bytes = await page.evaluate(() => performance.getEntriesByType('resource').reduce((sum, entry) => sum + entry.transferSize, 0)
                                      + performance.getEntriesByType('navigation')[0].transferSize);
  console.log(`bytes sent by the server: ${server.gameBytes}; transferred as the browser counts them: ${bytes}`);

  await page.evaluate((flushing) => {
    window.skyrift.recording = true;
    window.skyrift.flushing = flushing;
  }, Boolean(process.env.FLUSH));
  // The player fires and sweeps in Level 1; the boss is left to fight an invulnerable ship.
  const play = (end) => (what === 'level1' ? sweep(page, end) : sleep(end - Date.now()));
  if (what === 'level1') await page.keyboard.down('g');
  await play(Date.now() + seconds * 1000);
  const frames = await page.evaluate(() => window.skyrift.frames);
  await page.evaluate(() => { window.skyrift.recording = false; });
  const heap = await cdp.send('Runtime.getHeapUsage');
  const wasm = await page.evaluate(() => window.skyrift.wasmBytes());
  // Screenshots only after the measured frames: each one holds the page up.
  for (let shot = 1; shot <= 4; ++shot) {
    await play(Date.now() + 2500);
    await page.screenshot({ path: path.join(out, `${what}-${shot}.png`), clip: await stage(page) });
  }
  await page.keyboard.up('g');
  console.log(`${what}: ${frames.length} frames`);
  console.log(`  frame work:        ${summary(frames.map((f) => f[0]))}`);
  console.log(`  frame to frame:    ${summary(frames.map((f) => f[1]))}`);
  if (process.env.FLUSH) {
    console.log(`  canvas drawn out:  ${summary(frames.map((f) => f[2]))}`);
    console.log(`  work + drawing:    ${summary(frames.map((f) => f[0] + f[2]))}`);
  }
  console.log(`  frames with work over 13 ms: ${frames.filter((f) => f[0] > 13).length}`);
  console.log(`  memory in play: JS heap ${mb(heap.usedSize)} MB + wasm memory ${mb(wasm)} MB`);
  await browser.close();
  server.close();
}

const stage = (page) => page.evaluate(() => {
  const r = document.getElementById('stage').getBoundingClientRect();
  return { x: r.x, y: r.y, width: r.width, height: r.height };
});

main().catch((error) => {
  console.error(error);
  process.exit(1);
});
