// The web build in headless Chromium, played as a player would: the title drawn on the canvas,
// the key that starts the page kept out of the game, Enter through its stages into Level 1, G and
// an arrow key moving the ship and scoring, sound running after the first key, the clock and the
// sound standing still while the tab is hidden or frozen, Escape ending the game even with its
// sound stopped by the browser, the page offering another, and the page playing again offline.
// Usage: node browser_test.js WEB_DIR FORGE_DIR ARTIFACT_DIR [hidden]; the hidden tab and the held
// thread only with "hidden". Exit 77 (skipped) only when Chromium cannot start.
'use strict';
const path = require('path');
const { installReaders, installDigest, until, sleep, check, browserTest } = require('./harness');

const withHiddenTab = process.argv[5] === 'hidden';

browserTest('chromium-profile', async ({ server, browser, page, errors, artifacts }) => {
  await page.goto(server.url);
  check(await until(page, () => window.skyrift.state === 'ready', 60000), 'the page loads the game and asks for a key');
  check(await page.evaluate(() => window.skyrift.audioContexts.length === 0), 'no sound before a gesture');
  await installReaders(page);

  // Escape starts the page; the game never sees it.
  await page.keyboard.press('Escape');
  const credits = [1, 2, 3, 4, 5].map((n) => `Panorama/Programmer${n}.png`);
  const title = await until(page, async (names) => (await testMatchAny(names)) > 0.99, 20000, credits);
  check(title, 'the title appears on the canvas', 'a credits picture, pixel for pixel');
  await sleep(1500);
  check(await page.evaluate(() => window.skyrift.state === 'playing'), 'the Escape that started the page did not end the game');
  await page.screenshot({ path: path.join(artifacts, 'title.png') });
  const audio = await until(page, () => window.skyrift.audioContexts.some((c) => c.state === 'running'), 5000);
  check(audio, 'the audio context runs after the first key');

  // Enter ends each of the three title stages; each stage ends on a picture of its own.
  await page.keyboard.press('Enter');
  check(await until(page, async () => (await testMatch('Panorama/Resources_R.png', [0, 128, 0])) > 0.99, 10000),
        'Enter: the second title stage');
  await page.keyboard.press('Enter');
  check(await until(page, async () => (await testMatch('Panorama/Keyboard.png')) > 0.99, 10000),
        'Enter: the controls');
  await page.keyboard.press('Enter');
  check(await until(page, async () => (await testScore()) === 0, 20000), 'Enter: Level 1 with its HUD, score 0');

  const start = await until(page, () => testShip(), 30000);
  if (check(start, 'the ship is on the playfield', JSON.stringify(start))) {
    await page.keyboard.down('g');
    await page.keyboard.down('ArrowLeft');
    await sleep(800);
    await page.keyboard.up('ArrowLeft');
    const left = await until(page, () => testShip(), 5000);
    check(left && left.x < start.x - 40, 'G and Left move the ship left', JSON.stringify(left));
    await page.keyboard.down('ArrowUp');
    await sleep(600);
    await page.keyboard.up('ArrowUp');
    const up = await until(page, () => testShip(), 5000);
    check(up && left && up.y < left.y - 40, 'Up moves it up', JSON.stringify(up));
    // Sweep the playfield firing until something is hit.
    let score = 0;
    for (let sweep = 0; sweep < 20 && !(score > 0); ++sweep) {
      const key = sweep % 2 ? 'ArrowLeft' : 'ArrowRight';
      await page.keyboard.down(key);
      await sleep(700);
      await page.keyboard.up(key);
      score = await page.evaluate(() => testScore());
    }
    await page.keyboard.up('g');
    check(score > 0, 'firing scores: the HUD score rises', `score ${score}`);
    await page.screenshot({ path: path.join(artifacts, 'level1.png') });
  }

  if (withHiddenTab) {
    // Hidden: the clock, the frames and the sound stand still, and go on when it shows again. A
    // context can say "running" with its time stopped: the sound plays on only where time moves.
    await page.evaluate(() => {
      window.testStanding = () => [window.skyrift.clock(), window.skyrift.framesPlayed,
                                   window.skyrift.audioContexts.map((c) => c.state).join(),
                                   Math.min(...window.skyrift.audioContexts.map((c) => c.currentTime))];
    });
    const standing = async (what, hide, show) => {
      const before = await page.evaluate(() => testStanding());
      const hiding = Date.now();
      await hide();
      await sleep(3000 - (Date.now() - hiding));
      const during = await page.evaluate(() => testStanding());
      await show();
      await sleep(1000);
      const after = await page.evaluate(() => testStanding());
      const played = after[3] - during[3];
      const detail = `clock +${(during[0] - before[0]).toFixed(0)} ms, frames +${during[1] - before[1]} in 3 s; ` +
                     `then +${after[1] - during[1]} frames, sound ${after[2]} +${played.toFixed(2)} s`;
      check(during[0] - before[0] < 300 && during[1] - before[1] <= 3 && after[1] - during[1] > 30 && after[2] === 'running' &&
            played > 0.3,
            `${what}: the game stands still and goes on after`, detail);
      return during[2];
    };
    const other = await browser.newPage();
    await page.bringToFront();
    // The context suspends when asked, but the browser answers in its own time.
    const suspended = async () => {
      const ok = await until(page, () => window.skyrift.audioContexts.map((c) => c.state).join() === 'suspended', 5000);
      return ok ? 'suspended' : await page.evaluate(() => window.skyrift.audioContexts.map((c) => c.state).join());
    };
    let soundHidden = null;
    await standing('a hidden tab', () => other.bringToFront(), async () => {
      soundHidden = await suspended();
      await page.bringToFront();
    });
    check(soundHidden === 'suspended', 'a hidden tab: the sound is suspended', soundHidden);
    await other.close();
    // The page's thread held up for 3 s while the game sleeps, as a browser freezing a tab holds
    // it: the game goes on from where it was.
    await standing('a tab held up', () => page.evaluate(() => {
      const end = performance.now() + 3000;
      while (performance.now() < end);
    }), () => {});
  }

  // The browser stops the sound on its own (a lost device, a phone call): the music's fade at the
  // end of the level must not hold the game, which waits for it to fall silent.
  await page.evaluate(() => Promise.all(window.skyrift.audioContexts.map((c) => c.suspend())));
  await sleep(1000);
  await page.keyboard.press('Escape');
  const over = await until(page, () => window.skyrift.state === 'ended', 10000);
  const offered = await page.evaluate(() => {
    const button = document.getElementById('again');
    return !document.getElementById('overlay').hidden && !button.hidden && button.offsetWidth > 0 && button.textContent;
  });
  check(over && offered, 'Escape ends the game, its sound stopped, and the page offers to play again', offered || '');

  // Enter starts the next game; the game never sees it (it would leave the first title stage).
  await page.keyboard.press('Enter');
  check(await until(page, async (names) => (await testMatchAny(names)) > 0.99, 30000, credits),
        'Play again: the title once more');
  await sleep(1500);
  check(await page.evaluate((names) => testMatchAny(names), credits) > 0.99,
        'the Enter that started it did not skip the first title stage');
  // Finished games let go of their memory (SDL's listeners would hold it).
  await page.keyboard.press('Escape');
  await until(page, () => window.skyrift.state === 'ended', 10000);
  const cdp = await page.target().createCDPSession();
  let alive = null;
  for (let attempt = 0; attempt < 10 && alive !== 0; ++attempt) {
    await cdp.send('HeapProfiler.collectGarbage');
    await sleep(300);
    alive = await page.evaluate(() => window.skyrift.gamesInMemory);
  }
  check(alive === 0, 'both finished games are freed', `${alive} still in memory`);
  check(errors.length === 0, 'no error reached the console', errors.slice(0, 5).join(' | '));
  console.log(`bytes sent by the server: ${server.gameBytes}`);

  // Offline: the service worker has kept everything from this one visit. The forged pictures
  // are not at hand offline: the title is known by their digests.
  const creditDigests = await page.evaluate((names) => Promise.all(names.map((name) => testPictureDigest(name))), credits);
  const kept = await page.evaluate(async () => {
    const names = await caches.keys();
    const cache = names.length && (await caches.open(names[0]));
    return Boolean(navigator.serviceWorker.controller) && Boolean(cache) && Boolean(await cache.match('skyrift.data'));
  });
  check(kept, 'the page and the game are kept for offline play');
  const sent = server.gameBytes;
  await page.setOfflineMode(true);
  await page.reload();
  check(await until(page, () => window.skyrift.state === 'ready', 60000), 'offline: the page loads the game');
  await installDigest(page);
  await page.keyboard.press('Enter');
  check(await until(page, (digests) => digests.includes(screenDigest()), 20000, creditDigests), 'offline: the title');
  check(server.gameBytes === sent, 'offline: nothing was asked of the server', `${server.gameBytes - sent} bytes`);
  await page.setOfflineMode(false);
});
