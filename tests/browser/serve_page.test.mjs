// The page of ortaq-host serve in Debian's Chromium, driven with real mouse and keyboard
// events: drawing, hovering, editing in the panel, the preferences dialog, the time a
// pointer move takes to reach the screen, a drawing saved and opened again, zooming and
// panning the view, and the saved scenario replayed by play.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { mkdirSync, mkdtempSync, readFileSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { chromium } from 'playwright-core';
import { asThePage, hostProgram, startServer } from './host_server.mjs';

const artifacts = 'build/browser';
const work = mkdtempSync(join(tmpdir(), 'ortaq-browser-'));
const servedState = join(work, 'served.json');

let server;
let browser;
let page;
let address;  // as printed, with the token
let url;  // the server's root
let cookie;  // the page's token, for requests made outside the browser

before(async () => {
  mkdirSync(artifacts, { recursive: true });
  server = startServer(['--json', servedState, '--prefs', join(work, 'prefs.json')]);
  address = await server.address;
  ({ root: url, cookie } = asThePage(address));
  browser = await chromium.launch({
    executablePath: process.env.ORTAQ_CHROMIUM || '/usr/bin/chromium',
    args: ['--no-sandbox'],
  });
  page = await browser.newPage({ viewport: { width: 1400, height: 1000 } });
  page.on('pageerror', (error) => { throw error; });
  await page.goto(address);
  // The page starts the plug-in: its tool and its panel appear.
  await page.locator('.tool img').waitFor();
  await page.locator('.dialog.floating').waitFor();
});

after(async () => {
  await browser?.close();
  if (server && server.child.exitCode === null) server.child.kill('SIGINT');
});

async function hostState() {
  return (await fetch(url + 'state', { headers: { Cookie: cookie } })).json();
}

// Waits until every action the page queued has been answered.
async function settled() {
  await page.waitForFunction(() => window.ortaqIdle());
}

function paths(state) {
  const found = [];
  const walk = (art) => art.forEach((a) => (a.type === 'path' ? found.push(a) : walk(a.art)));
  state.document.layers.forEach((layer) => walk(layer.art));
  return found;
}

function panel(state) {
  return state.dialogs.find((d) => d.kind === 'floating');
}

// The four side fields of the panel, by their tips.
function sideFields(state) {
  return panel(state).items.filter((i) => i.type === 'ADM Spin Edit Type' && /^Longueur du côté/.test(i.tip));
}

// Where the artwork point (X, Y) is on the page.
async function onPage(x, y) {
  const box = await page.locator('#artboard').boundingBox();
  const { zoom, origin } = (await hostState()).view;
  return [box.x + (x - origin[0]) * zoom, box.y + (origin[1] - y) * zoom];
}

// The artwork point the page sends for the page point (H, V), as the page computes it.
async function artworkAt(h, v) {
  const box = await page.locator('#artboard').boundingBox();
  const { zoom, origin } = (await hostState()).view;
  return [origin[0] + (h - box.x) / zoom, origin[1] - (v - box.y) / zoom];
}

const corners = [[150, 250], [420, 270], [440, 560], [120, 520]];  // page pixels in the artboard

test('the token becomes a cookie no script reads, and leaves the address bar', async () => {
  assert.equal(page.url(), url);
  assert.equal(await page.evaluate(() => document.cookie), '');
  const stranger = await fetch(url + 'state');
  assert.equal(stranger.status, 403);
  // A page of another site that frames the host gets nothing shown.
  const framing = await browser.newPage();
  await framing.setContent(`<iframe src="${url}"></iframe>`);
  await framing.waitForTimeout(500);
  const framed = framing.frames().find((frame) => frame !== framing.mainFrame());
  assert.equal(await framed.$('#artboard'), null);
  await framing.close();
});

test('four clicks draw a quadrilateral, which the panel measures', async () => {
  await page.click('.tool[data-tool="Outil Ortaq"]');
  await settled();
  const box = await page.locator('#artboard').boundingBox();
  const expected = [];
  for (const [h, v] of corners) {
    await page.mouse.click(box.x + h, box.y + v);
    expected.push(await artworkAt(box.x + h, box.y + v));
  }
  await settled();
  const state = await hostState();
  const drawn = paths(state).filter((p) => !p.guide);
  assert.equal(drawn.length, 1);
  assert.equal(drawn[0].segments.length, 4);
  // Its vertices are the points clicked (the browser gives the pointer in whole pixels), in
  // the order the plug-in keeps them.
  const near = (s, x, y) => Math.abs(s.p[0] - x) <= 0.5 && Math.abs(s.p[1] - y) <= 0.5;
  for (const [x, y] of expected) {
    assert.ok(drawn[0].segments.some((s) => near(s, x, y)),
              `(${x}, ${y}) among ${JSON.stringify(drawn[0].segments.map((s) => s.p))}`);
  }
  // The first side, from the first vertex to the second, in millimetres.
  const [a, b] = drawn[0].segments.map((s) => s.p);
  const side = (Math.hypot(b[0] - a[0], b[1] - a[1]) * 25.4) / 72;
  const fields = sideFields(state);
  assert.equal(fields.length, 4);
  assert.ok(fields.every((f) => f.value > 0), JSON.stringify(fields.map((f) => f.text)));
  assert.ok(fields.some((f) => f.text === side.toFixed(2).replace('.', ',')),
            `${side.toFixed(2)} among ${fields.map((f) => f.text)}`);
  // The page shows what the state holds.
  const shown = await page.locator(`.dialog.floating input[data-item="${fields[0].id}"]`)
    .inputValue();
  assert.equal(shown, fields[0].text);
});

test('hovering a vertex shows its numbered cursor as the pointer', async () => {
  const path = paths(await hostState()).find((p) => !p.guide);
  const away = await onPage(300, 100);
  await page.mouse.move(...away);
  await settled();
  const plain = await page.locator('#artboard').evaluate((e) => e.style.cursor);
  assert.match(plain, /\/cursor\/20007\b/);
  for (let k = 0; k < 4; ++k) {
    await page.mouse.move(...(await onPage(...path.segments[k].p)));
    await settled();
    const state = await hostState();
    assert.equal(state.cursor, 20003 + k);
    const cursor = await page.locator('#artboard').evaluate((e) => getComputedStyle(e).cursor);
    assert.match(cursor, new RegExp(`/cursor/${20003 + k}"?\\) 11 7`));
  }
  // The cursor's picture is served.
  const picture = await fetch(url + 'cursor/20003', { headers: { Cookie: cookie } });
  assert.equal(picture.headers.get('content-type'), 'image/svg+xml');
});

test('typing a side in the panel rebuilds the figure', async () => {
  const before = paths(await hostState()).find((p) => !p.guide);
  const field = sideFields(await hostState())[0];
  const input = page.locator(`.dialog.floating input[data-item="${field.id}"]`);
  await input.click();
  await input.fill('50');
  await input.press('Enter');
  await settled();
  const state = await hostState();
  const after = paths(state).find((p) => !p.guide);
  assert.notDeepEqual(after.segments, before.segments);
  const p = after.segments.map((s) => s.p);
  const sides = p.map((a, k) => (Math.hypot(p[(k + 1) % 4][0] - a[0], p[(k + 1) % 4][1] - a[1]) * 25.4) / 72);
  assert.ok(sides.some((side) => Math.abs(side - 50) < 0.01), JSON.stringify(sides));
  assert.equal(sideFields(state)[0].text, '50,00');
  // An arrow key steps the field as the spin buttons do.
  await input.press('ArrowUp');
  await settled();
  assert.equal(sideFields(await hostState())[0].text, '51,00');
});

test('Ctrl+Z undoes the side typed, Ctrl+Shift+Z and the Édition menu redo it', async () => {
  const side = async () => sideFields(await hostState())[0].text;
  assert.equal(await side(), '51,00');
  // Out of the field, whose own text would take the keys.
  await page.evaluate(() => document.activeElement.blur());
  await page.keyboard.press('Control+z');
  await settled();
  assert.equal(await side(), '50,00');
  await page.keyboard.press('Control+Shift+z');
  await settled();
  assert.equal(await side(), '51,00');
  await page.keyboard.press('Control+z');
  await settled();
  await page.click('#edit-menu .title');
  assert.equal(await page.locator('#redo').getAttribute('class'), 'entry');
  await page.screenshot({ path: join(artifacts, 'edit-menu.png') });
  await page.click('#redo');
  await settled();
  assert.equal(await side(), '51,00');
  const { history } = await hostState();
  assert.equal(history.redo, 0);
  assert.ok(history.undo >= 3, JSON.stringify(history));
  await page.click('#edit-menu .title');
  assert.match(await page.locator('#redo').getAttribute('class'), /disabled/);
  await page.click('#edit-menu .title');
});

test('the preferences dialog opens from the panel menu and closes', async () => {
  await page.click('.dialog.floating .flyout > button');
  await page.getByText('Préférences', { exact: false }).click();
  const dialog = page.locator('#modal-layer .dialog.modal');
  await dialog.waitFor();
  let state = await hostState();
  const modal = state.dialogs.find((d) => d.kind === 'modal');
  assert.ok(modal, 'a modal dialog on screen');
  await dialog.locator('[data-item="2"]').click();  // its cancel button
  await page.locator('#modal-layer').waitFor({ state: 'hidden' });
  state = await hostState();
  assert.equal(state.dialogs.filter((d) => d.kind === 'modal').length, 0);
});

function percentile(values, fraction) {
  const sorted = [...values].sort((x, y) => x - y);
  return sorted[Math.min(sorted.length - 1, Math.floor(fraction * sorted.length))];
}

test('a pointer move reaches the screen quickly', async (t) => {
  const moves = 300;
  const box = await page.locator('#artboard').boundingBox();
  await page.evaluate(() => { window.ortaqStats.shown = []; window.ortaqStats.framed = []; });
  for (let k = 0; k < moves; ++k) {
    await page.mouse.move(box.x + 60 + (k % 50) * 9, box.y + 620 + Math.floor(k / 50) * 23);
    await page.waitForFunction((n) => window.ortaqStats.framed.length >= n, k + 1);
  }
  const stats = await page.evaluate(() => window.ortaqStats);
  assert.equal(stats.framed.length, moves);
  const report = [
    `pointer move to artboard updated, over ${moves} moves:`,
    `  answer shown: median ${percentile(stats.shown, 0.5).toFixed(1)} ms, ` +
      `95th percentile ${percentile(stats.shown, 0.95).toFixed(1)} ms`,
    `  next frame:   median ${percentile(stats.framed, 0.5).toFixed(1)} ms, ` +
      `95th percentile ${percentile(stats.framed, 0.95).toFixed(1)} ms`,
  ].join('\n');
  t.diagnostic(report);
  console.log(report);
  writeFileSync(join(artifacts, 'latency.txt'), report + '\n');
});

test('a drawing saved through the page opens again through the other button', async () => {
  const [download] = await Promise.all([
    page.waitForEvent('download'),
    page.click('#save-drawing'),
  ]);
  const drawing = join(work, 'dessin.svg');
  await download.saveAs(drawing);
  assert.match(readFileSync(drawing, 'utf8'), /inkscape:groupmode="layer"/);
  const saved = (await hostState()).document;
  // A path the drawing does not hold, which opening it takes away.
  await fetch(url + 'action', { method: 'POST', headers: { Cookie: cookie }, body: 'add-path 10 10 60 10 60 60' });
  assert.notDeepEqual((await hostState()).document, saved);

  await page.setInputFiles('#drawing-file', drawing);
  await settled();
  assert.deepEqual((await hostState()).document, saved);
  await page.screenshot({ path: join(artifacts, 'opened.png') });

  await page.setInputFiles('#drawing-file', {
    name: 'autre.svg', mimeType: 'image/svg+xml', buffer: Buffer.from('<svg xmlns="http://www.w3.org/2000/svg"/>'),
  });
  await settled();
  assert.match(await page.locator('#message').textContent(), /not a drawing file/);
  assert.deepEqual((await hostState()).document, saved);
});

test('the artboard is the view\'s window: Ctrl+wheel zooms at the pointer, the wheel and Space+drag pan, a click lands under the pointer', async () => {
  const box = await page.locator('#artboard').boundingBox();
  const board = await page.locator('#artboard').evaluate((e) => [e.clientWidth, e.clientHeight]);
  assert.deepEqual((await hostState()).view.size, board);

  // Ctrl+wheel (a pinch too) zooms at the pointer: what was under it stays there.
  const at = [box.x + 500, box.y + 750];
  const under = await artworkAt(...at);
  await page.mouse.move(...at);
  await settled();
  const zoom = (await hostState()).view.zoom;
  await page.keyboard.down('Control');
  await page.mouse.wheel(0, -125 * Math.log2(4 / zoom));
  await page.mouse.wheel(0, -125 * Math.log2(4 / zoom));
  await page.keyboard.up('Control');
  await settled();
  assert.equal((await hostState()).view.zoom, 4);
  const still = await artworkAt(...at);
  assert.ok(Math.hypot(still[0] - under[0], still[1] - under[1]) <= 0.25, `${under} became ${still}`);

  // The wheel scrolls, Space and a drag pan: 100 pixels at 400 % are 25 points.
  const before = (await hostState()).view.origin;
  await page.mouse.wheel(120, 200);
  await settled();
  await page.locator('#artboard').focus();
  await page.keyboard.down('Space');
  await page.mouse.down();
  await page.mouse.move(at[0] + 80, at[1] + 60, { steps: 4 });
  await page.mouse.up();
  await page.keyboard.up('Space');
  await settled();
  const after = (await hostState()).view.origin;
  assert.ok(Math.abs(after[0] - (before[0] + (120 - 80) / 4)) < 0.01, `${before} to ${after}`);
  assert.ok(Math.abs(after[1] - (before[1] - (200 - 60) / 4)) < 0.01, `${before} to ${after}`);

  // Four clicks at 400 % after the scroll draw where the pointer was.
  await page.click('.tool[data-tool="Outil Ortaq"]');
  const drawnBefore = paths(await hostState()).filter((p) => !p.guide).length;
  const pixels = [[250, 350], [650, 330], [700, 650], [220, 620]];
  const expected = [];
  for (const [h, v] of pixels) {
    expected.push(await artworkAt(box.x + h, box.y + v));
    await page.mouse.click(box.x + h, box.y + v);
  }
  await settled();
  const drawn = paths(await hostState()).filter((p) => !p.guide);
  assert.equal(drawn.length, drawnBefore + 1);
  const made = drawn.find((p) => expected.every(([x, y]) =>
    p.segments.some((s) => Math.abs(s.p[0] - x) <= 0.125 && Math.abs(s.p[1] - y) <= 0.125)));
  assert.ok(made, `${JSON.stringify(expected)} among ${JSON.stringify(drawn.map((p) => p.segments.map((s) => s.p)))}`);
  // The picture shows it at the pixels clicked.
  const shown = await page.locator('#artboard svg path[stroke="#000000"]').evaluateAll(
    (all) => all.map((p) => p.getAttribute('d')));
  const cornersOf = (d) => [...d.matchAll(/(-?[\d.]+) (-?[\d.]+)/g)].map((m) => [+m[1], +m[2]]);
  assert.ok(shown.some((d) => pixels.every(([h, v]) =>
    cornersOf(d).some(([x, y]) => Math.abs(x - h) <= 1 && Math.abs(y - v) <= 1))), shown.join('\n'));
  await page.screenshot({ path: join(artifacts, 'zoomed.png') });

  // "Ajuster à la fenêtre": the whole page, centred.
  await page.click('#zoom-fit');
  await settled();
  const { zoom: fitted, origin } = (await hostState()).view;
  assert.ok(Math.abs(fitted - Math.min(board[0] / 595, board[1] / 842)) < 1e-5, `${fitted}`);
  assert.ok(Math.abs(origin[0] + board[0] / 2 / fitted - 297.5) < 0.01, `${origin}`);
  assert.ok(Math.abs(origin[1] - board[1] / 2 / fitted - 421) < 0.01, `${origin}`);
  await page.screenshot({ path: join(artifacts, 'fitted.png') });
});

test('the page looks like a drawing program: screenshot', async () => {
  const box = await page.locator('#artboard').boundingBox();
  const path = paths(await hostState()).find((p) => !p.guide);
  await page.mouse.move(...(await onPage(...path.segments[2].p)));
  await settled();
  await page.screenshot({ path: join(artifacts, 'serve.png') });
  assert.ok(box.width > 500);
});

test('the saved scenario replays in ortaq-host play to the same state', async () => {
  const [download] = await Promise.all([
    page.waitForEvent('download'),
    page.click('#save'),
  ]);
  const scenario = join(work, 'saved.scn');
  await download.saveAs(scenario);
  assert.match(readFileSync(scenario, 'utf8'), /^panel type \d+ 50$/m);
  // The drawing changed since it was last saved: "Quitter" asks first, and a no keeps the
  // session going.
  page.once('dialog', (dialog) => dialog.dismiss());
  await page.click('#quit');
  assert.equal(await page.locator('#ended').isHidden(), true);
  assert.equal((await hostState()).history.modified, true);
  page.once('dialog', (dialog) => dialog.accept());
  await page.click('#quit');
  await page.locator('#ended').waitFor();
  assert.equal(await server.exited, 0, server.errors());
  const replayed = join(work, 'played.json');
  execFileSync(hostProgram, ['play', scenario, '--json', replayed], { stdio: 'pipe' });
  const served = JSON.parse(readFileSync(servedState, 'utf8'));
  assert.deepEqual(JSON.parse(readFileSync(replayed, 'utf8')), served);
  assert.ok(served.calls.length > 300);
});
