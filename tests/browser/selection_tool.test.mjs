// The host's selection tool in the page of ortaq-host serve, with real mouse and keyboard
// events in Debian's Chromium: a figure drawn with the plug-in's tool is selected, dragged
// and deleted; screenshots of each step go to build/browser/.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { mkdirSync } from 'node:fs';
import { join } from 'node:path';
import { chromium } from 'playwright-core';
import { asThePage, startServer } from './host_server.mjs';

const artifacts = 'build/browser';

let server;
let browser;
let page;
let url;
let cookie;

before(async () => {
  mkdirSync(artifacts, { recursive: true });
  server = startServer();
  const address = await server.address;
  ({ root: url, cookie } = asThePage(address));
  browser = await chromium.launch({
    executablePath: process.env.ORTAQ_CHROMIUM || '/usr/bin/chromium',
    args: ['--no-sandbox'],
  });
  page = await browser.newPage({ viewport: { width: 1400, height: 1000 } });
  page.on('pageerror', (error) => { throw error; });
  await page.goto(address);
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

async function settled() {
  await page.waitForFunction(() => window.ortaqIdle());
}

function paths(state) {
  const found = [];
  const walk = (art) => art.forEach((a) => (a.type === 'path' ? found.push(a) : walk(a.art)));
  state.document.layers.forEach((layer) => walk(layer.art));
  return found.filter((p) => !p.guide);
}

const corners = [[150, 250], [420, 270], [440, 560], [120, 520]];  // page pixels in the artboard

test('a figure is selected, dragged and deleted with the host\'s selection tool', async () => {
  const box = await page.locator('#artboard').boundingBox();
  await page.click('.tool[data-tool="Outil Ortaq"]');
  await settled();
  for (const [h, v] of corners) await page.mouse.click(box.x + h, box.y + v);
  await settled();
  const drawn = paths(await hostState())[0].segments.map((s) => s.p);

  await page.click('.tool[data-tool="Adobe Selection Tool"]');
  await settled();
  // From inside the figure, 60 pixels right and 40 down: the artwork moves (60, -40) at
  // zoom 1.
  await page.mouse.move(box.x + 280, box.y + 400);
  await page.mouse.down();
  for (let k = 1; k <= 6; ++k) await page.mouse.move(box.x + 280 + 10 * k, box.y + 400 + (20 * k) / 3);
  await page.mouse.up();
  await settled();
  let state = await hostState();
  assert.deepEqual(state.document.selection, [1]);
  const moved = paths(state)[0].segments.map((s) => s.p);
  moved.forEach(([x, y], k) => {
    assert.ok(Math.abs(x - drawn[k][0] - 60) < 1e-3 && Math.abs(y - drawn[k][1] + 40) < 1e-3,
              `vertex ${k + 1}: ${drawn[k]} to ${moved[k]}`);
  });
  // The selection is drawn over the artwork: its bounds in the layer's colour, with handles.
  const frame = page.locator('#artboard svg g.selection rect');
  assert.equal(await frame.count(), 9);
  await page.screenshot({ path: join(artifacts, 'selection-moved.png') });

  await page.keyboard.press('Delete');
  await settled();
  state = await hostState();
  assert.equal(paths(state).length, 0);
  assert.deepEqual(state.document.selection, []);
  assert.equal(await frame.count(), 0);
  await page.screenshot({ path: join(artifacts, 'selection-deleted.png') });
});

test('Escape drops the selection, and a key typed in a panel field stays there', async () => {
  const box = await page.locator('#artboard').boundingBox();
  await page.click('.tool[data-tool="Outil Ortaq"]');
  await settled();
  for (const [h, v] of corners) await page.mouse.click(box.x + h, box.y + v);
  await page.click('.tool[data-tool="Adobe Selection Tool"]');
  await page.mouse.click(box.x + 280, box.y + 400);
  await settled();
  assert.deepEqual((await hostState()).document.selection, [1]);
  // The plug-in's tool enables its panel; Backspace in a field edits the field, and the
  // selection, kept with the other tool, stays.
  await page.click('.tool[data-tool="Outil Ortaq"]');
  await settled();
  const field = page.locator('.dialog.floating input[data-item]:not([disabled])').first();
  await field.click();
  await field.press('Backspace');
  await settled();
  let state = await hostState();
  assert.equal(paths(state).length, 1);
  assert.deepEqual(state.document.selection, [1]);
  await page.click('.tool[data-tool="Adobe Selection Tool"]');
  await page.keyboard.press('Escape');
  await settled();
  state = await hostState();
  assert.deepEqual(state.document.selection, []);
  assert.equal(paths(state).length, 1);
  await page.screenshot({ path: join(artifacts, 'selection-dropped.png') });
});
