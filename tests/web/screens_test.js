// The screens at the end of a level in headless Chromium, on the real page and the real game
// built with tests/web/game_driver.cpp: the game-over screen answered with Enter (the level
// again) and with Escape (the game ends, the page offers another), and a cleared level going on
// to the next with its score.
// Usage: node screens_test.js TEST_WEB_DIR FORGE_DIR ARTIFACT_DIR. Exit 77 (skipped) only when
// Chromium cannot start.
'use strict';
const path = require('path');
const { installReaders, until, sleep, check, browserTest } = require('./harness');

// Starts a game in the mode asked (start: what starts it on the page) and answers the title's
// stages with Enter until Level 1 shows; Enter does nothing in a level.
async function enterLevel1(page, mode, start) {
  await page.evaluate((asked) => { globalThis.skyriftTestMode = asked; }, mode);
  await start();
  const end = Date.now() + 40000;
  while (Date.now() < end) {
    await sleep(700);
    if ((await page.evaluate(() => testLevel())) === 1) return true;
    await page.keyboard.press('Enter');
  }
  return false;
}

browserTest('chromium-profile-screens', async ({ server, page, errors, artifacts }) => {
  await page.goto(server.url);
  check(await until(page, () => window.skyrift.state === 'ready', 60000), 'the page loads the game');
  await installReaders(page);

  // An idle ship loses its six lives.
  check(await enterLevel1(page, 'die', () => page.keyboard.press('Space')), 'Level 1 starts');
  check(await until(page, () => testGameOver(), 60000), 'losing the last life brings the game-over screen');
  await page.screenshot({ path: path.join(artifacts, 'game-over.png') });
  await page.keyboard.press('Enter');
  const again = await until(page, async () => !(await testGameOver()) && (await testLevel()) === 1 && (await testShip()), 30000);
  check(again, 'Enter at the game over: Level 1 again, the ship on the playfield');
  await page.screenshot({ path: path.join(artifacts, 'game-over-enter.png') });
  check(await until(page, () => testGameOver(), 60000), 'the level played again ends in a game over too');
  await page.keyboard.press('Escape');
  const ended = await until(page, () => window.skyrift.state === 'ended', 10000);
  const offered = await page.evaluate(() => !document.getElementById('again').hidden);
  check(ended && offered, 'Escape at the game over ends the game; the page offers another');

  // The autopilot clears Level 1; Level 2 follows with the score carried.
  check(await enterLevel1(page, 'clear', () => page.click('#again')), 'the next game: Level 1');
  const banner = await until(page, async () => (await testMatch('Panorama/New/Winner.png', [0, 0, 0], 154, 193)) > 0.99, 180000);
  check(banner, 'clearing Level 1 brings its summary');
  await page.screenshot({ path: path.join(artifacts, 'level-clear.png') });
  const next = await until(page, async () => (await testLevel()) === 2 && (await testScore()), 60000);
  check(next > 0, 'Level 2 follows, the score carried', `score ${next}`);
  await page.screenshot({ path: path.join(artifacts, 'level2.png') });
  check(errors.length === 0, 'no error reached the console', errors.slice(0, 5).join(' | '));
});
