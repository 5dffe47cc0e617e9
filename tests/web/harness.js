// What the browser tests and the measurement share: a loopback server for the web build that
// counts the bytes it sends, headless Chromium, and readings of the game's canvas.
'use strict';
const fs = require('fs');
const http = require('http');
const path = require('path');

const kTypes = {
  '.html': 'text/html; charset=utf-8',
  '.js': 'text/javascript',
  '.wasm': 'application/wasm',
  '.data': 'application/octet-stream',
  '.png': 'image/png',
  '.webmanifest': 'application/manifest+json',
};

// Serves webDir at / and, for the tests' reference pictures only, forgeDir at /forge/.
function serve(webDir, forgeDir) {
  const server = http.createServer((request, response) => {
    const url = decodeURIComponent(new URL(request.url, 'http://x').pathname);
    let file;
    if (url.startsWith('/forge/')) file = path.join(forgeDir, url.slice('/forge/'.length));
    else file = path.join(webDir, url === '/' ? 'index.html' : url.slice(1));
    const root = url.startsWith('/forge/') ? forgeDir : webDir;
    if (!path.resolve(file).startsWith(path.resolve(root)) || !fs.existsSync(file) || !fs.statSync(file).isFile()) {
      response.writeHead(404);
      response.end();
      return;
    }
    const body = fs.readFileSync(file);
    response.writeHead(200, {
      'Content-Type': kTypes[path.extname(file)] || 'application/octet-stream',
      'Content-Length': body.length,
      'Cache-Control': 'no-store',
    });
    response.end(body);
    if (!url.startsWith('/forge/')) server.gameBytes += body.length;
  });
  server.gameBytes = 0;
  return new Promise((resolve) => server.listen(0, '127.0.0.1', () => {
    server.url = `http://127.0.0.1:${server.address().port}/`;
    resolve(server);
  }));
}

const kChromiumFlags = [
  '--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
  '--disable-background-networking', '--disable-component-update', '--disable-sync',
  '--window-size=1400,1100',
];

// Null (with the reason in error) when Chromium cannot start here.
async function launch(userDataDir) {
  const puppeteer = require('puppeteer-core');
  fs.rmSync(userDataDir, { recursive: true, force: true });
  fs.mkdirSync(userDataDir, { recursive: true });
  try {
    return await puppeteer.launch({
      executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
      headless: true,
      userDataDir,
      args: kChromiumFlags,
      defaultViewport: { width: 1400, height: 1000 },
    });
  } catch (error) {
    launch.error = error.message.split('\n')[0];
    return null;
  }
}

// A digest of the screen's colours (screenDigest), which needs nothing from the network.
async function installDigest(page) {
  await page.evaluate(() => {
    window.pixelsDigest = (data) => {
      let hash = 0x811c9dc5;
      for (let i = 0; i < data.length; i += 4)
        for (let k = 0; k < 3; ++k) hash = Math.imul(hash ^ data[i + k], 0x01000193) >>> 0;
      return hash.toString(16);
    };
    window.screenDigest = () => pixelsDigest(document.getElementById('canvas').getContext('2d').getImageData(0, 0, 640, 480).data);
  });
}

// Installs the canvas readers in the page: matching forged pictures, the score digits, the ship.
async function installReaders(page) {
  await installDigest(page);
  await page.evaluate(() => {
    const pictures = {};
    const picture = async (name) => {
      if (!pictures[name]) {
        const image = new Image();
        image.src = `/forge/Images/${name}`;
        await image.decode();
        const canvas = document.createElement('canvas');
        canvas.width = image.width;
        canvas.height = image.height;
        const context = canvas.getContext('2d');
        context.drawImage(image, 0, 0);
        pictures[name] = context.getImageData(0, 0, image.width, image.height);
      }
      return pictures[name];
    };
    const screen = () => document.getElementById('canvas').getContext('2d').getImageData(0, 0, 640, 480);
    const same = (a, i, b, j) => a[i] === b[j] && a[i + 1] === b[j + 1] && a[i + 2] === b[j + 2];
    const isKey = (p, i, key) => key && p[i] === key[0] && p[i + 1] === key[1] && p[i + 2] === key[2];

    // The share of the picture's pixels (those not of its key colour) that the screen shows at x, y.
    window.testMatch = async (name, key = null, x = 0, y = 0, shown = screen().data) => {
      const reference = await picture(name);
      let counted = 0;
      let matched = 0;
      for (let py = 0; py < reference.height; py += 2) {
        for (let px = 0; px < reference.width; px += 2) {
          const i = 4 * (py * reference.width + px);
          if (isKey(reference.data, i, key)) continue;
          counted += 1;
          if (same(reference.data, i, shown, 4 * ((y + py) * 640 + x + px))) matched += 1;
        }
      }
      return counted ? matched / counted : 0;
    };

    // The digest a full-screen picture has on the screen.
    window.testPictureDigest = async (name) => pixelsDigest((await picture(name)).data);

    // The best share of testMatch among several pictures, all against one frame.
    window.testMatchAny = async (names, key = null) => {
      for (const name of names) await picture(name);
      const shown = screen().data;
      let best = 0;
      for (const name of names) best = Math.max(best, await testMatch(name, key, 0, 0, shown));
      return best;
    };

    // The HUD's five score digits, read against both digit sheets; null while they are not shown.
    window.testScore = async () => {
      const sheets = [await picture('Panorama/PlancheScore.png'), await picture('Panorama/PlancheScore_Jaune.png')];
      const shown = screen().data;
      let score = 0;
      for (let k = 0; k < 5; ++k) {
        let found = -1;
        for (const sheet of sheets) {
          for (let digit = 0; digit < 10 && found < 0; ++digit) {
            let ok = true;
            for (let py = 0; py < 22 && ok; ++py)
              for (let px = 0; px < 22 && ok; ++px)
                ok = same(sheet.data, 4 * (py * sheet.width + 22 * digit + px), shown, 4 * ((40 + py) * 640 + 515 + 22 * k + px));
            if (ok) found = digit;
          }
        }
        if (found < 0) return null;
        score = score * 10 + found;
      }
      return score;
    };

    // Whether the game-over text is on the screen.
    window.testGameOver = async () => (await testMatch('Panorama/GameOverTexte.png', [0, 0, 255], 154, 193)) > 0.99;

    // The level number of the HUD's banner (its sheet's 138x33 cells, drawn at -5, 140), or null.
    window.testLevel = async () => {
      const sheet = await picture('Panorama/LevelS1.png');
      const shown = screen().data;
      for (let level = 1; 138 * level <= sheet.width; ++level) {
        let ok = true;
        for (let py = 0; py < 33 && ok; py += 2)
          for (let px = 5; px < 138 && ok; px += 2)
            ok = same(sheet.data, 4 * (py * sheet.width + 138 * (level - 1) + px), shown, 4 * ((140 + py) * 640 + px - 5));
        if (ok) return level;
      }
      return null;
    };

    // Where the hero's ship is drawn (top-left corner of its 31x40 cell), or null.
    window.testShip = async () => {
      const templates = [];
      for (const name of ['Heros/Planche_MyHeros_1.png', 'Heros/Planche_MyHeros_2.png']) {
        const sheet = await picture(name);
        for (let row = 0; row < 3; ++row) {
          for (let column = 0; column < 6; ++column) {
            const samples = [];
            for (let py = 0; py < 40; py += 3)
              for (let px = 0; px < 31; px += 3) {
                const i = 4 * ((row * 40 + py) * sheet.width + column * 31 + px);
                if (!isKey(sheet.data, i, [255, 0, 255])) samples.push([px, py, sheet.data[i], sheet.data[i + 1], sheet.data[i + 2]]);
              }
            if (samples.length > 20) templates.push(samples);
          }
        }
      }
      const shown = screen().data;
      let best = null;
      for (const samples of templates) {
        for (let y = 0; y <= 440; ++y) {
          for (let x = 130; x <= 480; ++x) {
            let misses = 0;
            const allowed = samples.length >> 3;
            for (let k = 0; k < 4 && misses < 2; ++k) {
              const [px, py, r, g, b] = samples[(k * samples.length) >> 2];
              const i = 4 * ((y + py) * 640 + x + px);
              if (shown[i] !== r || shown[i + 1] !== g || shown[i + 2] !== b) ++misses;
            }
            if (misses >= 2) continue;
            misses = 0;
            for (const [px, py, r, g, b] of samples) {
              const i = 4 * ((y + py) * 640 + x + px);
              if (shown[i] !== r || shown[i + 1] !== g || shown[i + 2] !== b) if (++misses > allowed) break;
            }
            if (misses <= allowed && (!best || misses < best.misses)) best = { x, y, misses };
          }
        }
      }
      return best && { x: best.x, y: best.y };
    };
  });
}

// Polls fn in the page until it returns something truthy; the last value on time-out.
async function until(page, fn, timeoutMs, ...args) {
  const end = Date.now() + timeoutMs;
  let value;
  do {
    value = await page.evaluate(fn, ...args);
    if (value) return value;
    await new Promise((resolve) => setTimeout(resolve, 100));
  } while (Date.now() < end);
  return value;
}

// Serves the build, starts Chromium with the profile folder and opens a page that keeps every
// error the console shows; null, after a SKIP line, when Chromium cannot start here.
async function openPage(webDir, forgeDir, profileDir) {
  const server = await serve(webDir, forgeDir);
  const browser = await launch(profileDir);
  if (!browser) {
    console.log(`SKIP Chromium cannot start here: ${launch.error}`);
    server.close();
    return null;
  }
  const page = await browser.newPage();
  const errors = [];
  page.on('console', (message) => {
    if (message.type() === 'error') errors.push(message.text());
  });
  page.on('pageerror', (error) => errors.push(String(error && error.message ? error.message : error)));
  return { server, browser, page, errors };
}

const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

// A check prints its line and counts a failure; the test's exit code follows.
const failures = [];
function check(ok, what, detail = '') {
  console.log(`${ok ? 'ok  ' : 'FAIL'} ${what}${detail ? ` (${detail})` : ''}`);
  if (!ok) failures.push(what);
  return ok;
}

// One browser test, run as `node TEST WEB_DIR FORGE_DIR ARTIFACT_DIR`: body gets the opened page
// (openPage, with the Chromium profile in ARTIFACT_DIR/profile) and the artifacts folder.
// Exits 0 when every check passed, 77 (skipped) only when Chromium cannot start.
function browserTest(profile, body) {
  const [webDir, forgeDir, artifacts] = process.argv.slice(2);
  const run = async () => {
    if (!fs.existsSync(path.join(webDir, 'skyrift.wasm'))) {
      console.log(`FAIL no build of the game in ${webDir}: run scripts/build-web`);
      return 1;
    }
    fs.mkdirSync(artifacts, { recursive: true });
    const opened = await openPage(webDir, forgeDir, path.join(artifacts, profile));
    if (!opened) return 77;
    try {
      await body({ ...opened, artifacts });
    } finally {
      await opened.browser.close();
      opened.server.close();
    }
    return failures.length ? 1 : 0;
  };
  run().then((code) => process.exit(code), (error) => {
    console.log(`FAIL ${error.stack || error}`);
    process.exit(1);
  });
}

module.exports = { serve, launch, installReaders, installDigest, until, openPage, sleep, check, browserTest };
