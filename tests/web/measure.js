// Figures for the README, not a test: loads a web build in headless Chromium on loopback and
// reports the time to the title, the bytes sent, and each frame's work in Level 1 (the game's
// build) or in a boss fight (scripts/build-web --boss NAME); saves screenshots along the way.
// Usage: node measure.js level1|boss WEB_DIR FORGE_DIR OUT_DIR [SECONDS]; VIEWPORT=WxH sets the
// window (1320x1060 by default: the game at twice its size); FLUSH=1 also times drawing the canvas
// out after each frame, which the browser otherwise does when it paints.
'use strict';
const fs = require('fs');
const path = require('path');
const { serve, launch, installReaders, until } = require('./harness');

const [what, webDir, forgeDir, out, seconds = '40'] = process.argv.slice(2);
const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

const summary = (values) => {
  const sorted = [...values].sort((a, b) => a - b);
  const at = (q) => sorted[Math.min(sorted.length - 1, Math.floor(q * sorted.length))];
  return `median ${at(0.5).toFixed(2)} ms, p99 ${at(0.99).toFixed(2)} ms, max ${sorted[sorted.length - 1].toFixed(2)} ms`;
};

async function main() {
  fs.mkdirSync(out, { recursive: true });
  const server = await serve(webDir, forgeDir);
  const browser = await launch(path.join(out, 'chromium-profile'));
  if (!browser) throw new Error(`Chromium cannot start: ${launch.error}`);
  const page = await browser.newPage();
  page.on('console', (message) => { if (message.type() === 'error') console.log('console error:', message.text()); });
  const [width, height] = (process.env.VIEWPORT || '1320x1060').split('x').map(Number);
  await page.setViewport({ width, height });

  const navigated = Date.now();
  await page.goto(server.url);
  await until(page, () => window.skyrift.state === 'ready', 60000);
  const ready = Date.now();
  const times = await page.evaluate(() => window.skyrift.times);
  await installReaders(page);
  const pressed = Date.now();
  await page.keyboard.press('Space');
  if (what === 'level1') {
    const credits = [1, 2, 3, 4, 5].map((n) => `Panorama/Programmer${n}.png`);
    await until(page, async (names) => (await testMatchAny(names)) > 0.99, 20000, credits);
    const title = Date.now();
    console.log(`navigation to "press a key": ${ready - navigated} ms (files downloaded at ${times.downloaded.toFixed(0)} ms, ` +
                `wasm compiled at ${times.compiled.toFixed(0)} ms, data decoded at ${times.ready.toFixed(0)} ms of the page's clock)`);
    console.log(`key to title on the canvas: ${title - pressed} ms; navigation to title without the wait for the key: ` +
                `${ready - navigated + title - pressed} ms`);
    await page.screenshot({ path: path.join(out, 'title.png'), clip: await stage(page) });
    for (const n of [1, 2, 3]) {
      await sleep(400);
      await page.keyboard.press('Enter');
    }
  }
  await until(page, async () => (await testScore()) === 0, 30000);
  await until(page, () => testShip(), 30000);
  // A boss enters for a few seconds (Death for 400 frames) before it fights.
  if (what !== 'level1') await sleep(6000);
  const bytes = await page.evaluate(() => performance.getEntriesByType('resource').reduce((sum, entry) => sum + entry.transferSize, 0)
                                      + performance.getEntriesByType('navigation')[0].transferSize);
  console.log(`bytes sent by the server: ${server.gameBytes}; transferred as the browser counts them: ${bytes}`);

  await page.evaluate((flushing) => {
    window.skyrift.recording = true;
    window.skyrift.flushing = flushing;
  }, Boolean(process.env.FLUSH));
  const end = Date.now() + Number(seconds) * 1000;
  // The player fires and sweeps in Level 1; the boss is left to fight an invulnerable ship.
  const play = async (until) => {
    for (let step = 0; Date.now() < until; ++step) {
      if (what === 'level1') {
        const key = step % 2 ? 'ArrowLeft' : 'ArrowRight';
        await page.keyboard.down(key);
        await sleep(900);
        await page.keyboard.up(key);
      } else {
        await sleep(900);
      }
    }
  };
  if (what === 'level1') await page.keyboard.down('g');
  await play(end);
  const frames = await page.evaluate(() => window.skyrift.frames);
  await page.evaluate(() => { window.skyrift.recording = false; });
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
  await browser.close();
  server.close();
}

const stage = (page) => page.evaluate(() => {
  const r = document.querySelector('main').getBoundingClientRect();
  return { x: r.x, y: r.y, width: r.width, height: r.height };
});

main().catch((error) => {
  console.error(error);
  process.exit(1);
});
