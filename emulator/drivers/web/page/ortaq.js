// The page of ortaq-host serve. Everything the user does becomes one scenario action line,
// sent to the host in order; each answer is the screen to show: the state, the view's
// picture and the dialogs' pictures.
'use strict';

const $ = (id) => document.getElementById(id);

// How long each pointer move took to reach the screen, for the browser tests: from the
// event to the answer shown, and to the next frame.
const stats = { answered: [], shown: [], framed: [] };
window.ortaqStats = stats;

let screen = null;       // the last answer
let beepsHeard = 0;      // beeps already played
let audio = null;        // created at the first gesture, as browsers ask
let ended = false;

// ---- the requests, one at a time and in order -------------------------------------------

const queue = [];  // {line, kind, moveAt, data}
let sending = false;
// Whether every action queued has been answered (the browser tests wait for it).
window.ortaqIdle = () => !sending && queue.length === 0;

// A word of an action line: quoted when it holds anything but plain characters.
function word(text) {
  const plain = /^[^\s"#\\]+$/.test(text);
  return plain ? text : '"' + text.replace(/\\/g, '\\\\').replace(/"/g, '\\"') + '"';
}

// Queues LINE: its text, or a function that writes it from DATA when it is sent, after the
// answers to the actions before it (where the pointer is over the view depends on their
// zoom and scroll). An action of KIND replaces one of its kind still waiting (a pointer
// move: only where the pointer is now matters), or with JOIN adds its DATA to that one's
// (a burst of wheel events is one zoom): the queue never falls behind the hand.
function act(line, { kind, moveAt, data, join } = {}) {
  if (ended) return;
  const last = queue[queue.length - 1];
  if (kind && last && last.kind === kind) {
    if (join) {
      join(last.data, data);
      return;
    }
    queue.pop();
  }
  queue.push({ line, kind, moveAt, data });
  pump();
}

async function pump() {
  if (sending || queue.length === 0) return;
  sending = true;
  const { line, moveAt, data, upload } = queue.shift();
  try {
    const body = typeof line === 'function' ? line(data) : line;
    const response = upload
      ? await fetch('/drawing', { method: 'POST', body: upload })
      : await fetch('/action', { method: 'POST', body });
    const answer = await response.json();
    if (moveAt !== undefined) stats.answered.push(performance.now() - moveAt);
    if (answer.state) show(answer);
    say(answer.error || (answer.notices || []).join(' · '));
    if (moveAt !== undefined) measure(moveAt);
  } catch (error) {
    say('Pas de réponse de l’hôte : ' + error.message);
  }
  sending = false;
  pump();
}

function measure(moveAt) {
  stats.shown.push(performance.now() - moveAt);
  requestAnimationFrame(() => stats.framed.push(performance.now() - moveAt));
}

function say(text) {
  $('message').textContent = text || '';
}

// ---- showing the screen ------------------------------------------------------------------

function show(answer) {
  if (!screen || screen.view !== answer.view) $('artboard').innerHTML = answer.view;
  screen = answer;
  const state = answer.state;
  showCursor(state);
  showTools(state.tools);
  showMenus(state.menus.groups);
  showEditMenu(state.history);
  showDialogs(state.dialogs, answer.dialog_pictures);
  showWindow(answer.window, state.dialogs);
  $('zoom-level').textContent = Math.round(state.view.zoom * 100) + ' %';
  $('keys').textContent = state.keys.map((k) => k.toUpperCase()).join(' + ');
  playBeeps(state.beeps);
}

function pluginToolInHand(state) {
  const current = state.tools.find((t) => t.current);
  return current && current.owner === 'plug-in';
}

// The cursor the plug-in set is the pointer itself over the artboard.
function showCursor(state) {
  const style = $('artboard').style;
  if (state.cursor !== null && state.cursor_hot_spot && pluginToolInHand(state)) {
    const [x, y] = state.cursor_hot_spot;
    style.cursor = `url(/cursor/${state.cursor}) ${x} ${y}, crosshair`;
  } else {
    style.cursor = 'default';
  }
}

const hostToolGlyphs = { 'Adobe Selection Tool': '➚', 'Adobe Pen Tool': '✒' };

function showTools(tools) {
  const box = $('toolbox');
  const key = JSON.stringify(tools);
  if (box.dataset.key === key) return;
  box.dataset.key = key;
  box.replaceChildren(...tools.map((tool) => {
    const button = document.createElement('button');
    button.type = 'button';
    button.className = 'tool' + (tool.current ? ' current' : '');
    button.title = tool.tip || tool.name;
    button.dataset.tool = tool.name;
    if (tool.icon !== null) {
      const img = document.createElement('img');
      img.src = `/icon/${tool.icon}`;
      img.alt = tool.name;
      if (tool.rollover_icon !== null) {
        button.addEventListener('mouseenter', () => { img.src = `/icon/${tool.rollover_icon}`; });
        button.addEventListener('mouseleave', () => { img.src = `/icon/${tool.icon}`; });
      }
      button.append(img);
    } else {
      button.textContent = hostToolGlyphs[tool.name] || tool.name.slice(0, 1);
    }
    button.addEventListener('click', () => act('select-tool ' + word(tool.name)));
    return button;
  }));
}

// The host's group names, as its menu bar reads them.
const groupTitles = { 'About': 'Aide', 'Tool Palettes': 'Fenêtre' };

function menuList(group, groups) {
  const list = document.createElement('div');
  list.className = 'menu-list';
  for (const item of group.items) {
    const entry = document.createElement('div');
    entry.className = 'entry';
    entry.textContent = item.text;
    entry.classList.toggle('disabled', !item.enabled);
    entry.classList.toggle('checked', item.checked);
    const sub = item.submenu && groups.find((g) => g.name === item.submenu);
    if (sub) {
      entry.classList.add('has-submenu');
      entry.append(menuList(sub, groups));
    } else {
      entry.addEventListener('click', (event) => {
        event.stopPropagation();
        closeMenus();
        act('menu ' + word(item.text));
      });
    }
    list.append(entry);
  }
  return list;
}

function showMenus(groups) {
  const bar = $('menus');
  const key = JSON.stringify(groups);
  if (bar.dataset.key === key) return;
  bar.dataset.key = key;
  const submenus = new Set(groups.flatMap((g) => g.items.map((i) => i.submenu)));
  bar.replaceChildren(...groups.filter((g) => !submenus.has(g.name)).map((group) => {
    const menu = document.createElement('div');
    menu.className = 'menu';
    const title = document.createElement('span');
    title.className = 'title';
    title.textContent = groupTitles[group.name] || group.name;
    title.addEventListener('click', (event) => {
      event.stopPropagation();
      const open = menu.classList.contains('open');
      closeMenus();
      menu.classList.toggle('open', !open);
    });
    menu.append(title, menuList(group, groups));
    return menu;
  }));
}

// The host's own Edit menu: each entry enabled only when there is a step for it.
function showEditMenu(history) {
  $('undo').classList.toggle('disabled', history.undo === 0);
  $('redo').classList.toggle('disabled', history.redo === 0);
}

function listenToTheEditMenu() {
  const menu = $('edit-menu');
  menu.querySelector('.title').addEventListener('click', (event) => {
    event.stopPropagation();
    const open = menu.classList.contains('open');
    closeMenus();
    menu.classList.toggle('open', !open);
  });
  for (const command of ['undo', 'redo']) {
    $(command).addEventListener('click', (event) => {
      event.stopPropagation();
      closeMenus();
      if (!$(command).classList.contains('disabled')) act(command);
    });
  }
}

function closeMenus() {
  document.querySelectorAll('.open').forEach((m) => m.classList.remove('open'));
}

// ---- dialogs: the panel and the modal dialog on screen ----------------------------------

const pointsPer = { mm: 72 / 25.4, cm: 72 / 2.54, in: 72, pt: 1 };

// A spin step on field ITEM: its value moved by STEP points, as text in its unit.
function steppedText(item, step) {
  const perUnit = item.unit ? pointsPer[item.unit] : 1;
  let value = item.value + step;
  if (item.min !== null) value = Math.max(item.min, value);
  if (item.max !== null) value = Math.min(item.max, value);
  return (value / perUnit).toFixed(item.precision || 0);
}

function place(element, rect) {
  const [left, top, right, bottom] = rect;
  Object.assign(element.style, {
    left: left + 'px', top: top + 'px',
    width: (right - left) + 'px', height: (bottom - top) + 'px',
  });
}

// The control the user works over ITEM, or nothing for an item that only shows.
function control(item, where, dialogName) {
  const type = item.type;
  if (type === 'ADM Spin Edit Type') return field(item, where, dialogName);
  if (type === 'ADM Popup List Type') return popup(item, where);
  if (type === 'ADM Slider Type') return slider(item, where);
  if (type === 'ADM Text Static Type' || type === 'ADM Text Static Multi Line Type') return null;
  const hit = document.createElement('button');
  hit.type = 'button';
  hit.className = 'control hit';
  hit.title = item.tip || '';
  // A push button of the panel is tracked: its procedure sees SHIFT, held or not. A modal
  // dialog's buttons are clicked.
  const pushed = where === 'panel' &&
                 (type === 'ADM Text Push Button Type' || type === 'ADM Picture Push Button Type');
  hit.addEventListener('click', (event) => {
    const shift = pushed && event.shiftKey && !screen.state.keys.includes('shift');
    act(`${where} ${pushed ? 'press' : 'click'} ${item.id}` + (shift ? ' shift' : ''));
  });
  return hit;
}

// ITEM as the last answer has it: a key pressed before the field was drawn again steps
// from the value the host holds now.
function latest(dialogName, item) {
  const dialog = screen.state.dialogs.find((d) => d.name === dialogName);
  return (dialog && dialog.items.find((i) => i.id === item.id && i.type === item.type)) || item;
}

function field(item, where, dialogName) {
  const input = document.createElement('input');
  input.className = 'control';
  input.value = item.text;
  input.title = item.tip || '';
  input.dataset.value = item.text;
  input.addEventListener('keydown', (event) => {
    if (event.key === 'Enter') {
      act(`${where} type ${item.id} ${word(input.value)}`);
      // Sent: the field shows the host's reading of it from the next answer on.
      input.dataset.value = input.value;
      input.select();
    } else if (event.key === 'ArrowUp' || event.key === 'ArrowDown') {
      event.preventDefault();
      const now = latest(dialogName, item);
      const step = event.shiftKey ? now.large_step : now.small_step;
      const text = steppedText(now, event.key === 'ArrowUp' ? step : -step);
      input.value = text;
      input.dataset.value = text;
      act(`${where} type ${item.id} ${word(text)}`);
    } else if (event.key === 'Escape') {
      input.value = input.dataset.value;
    }
  });
  return input;
}

function popup(item, where) {
  const select = document.createElement('select');
  select.className = 'control';
  select.title = item.tip || '';
  (item.entries || []).forEach((entry, index) => {
    const option = new Option(entry.separator ? '──────' : entry.text, index);
    option.disabled = entry.separator || !entry.enabled;
    option.selected = entry.selected;
    select.append(option);
  });
  select.addEventListener('change', () => act(`${where} choose ${item.id} ${select.value}`));
  return select;
}

function slider(item, where) {
  const range = document.createElement('input');
  range.type = 'range';
  range.className = 'control';
  range.min = item.min ?? 0;
  range.max = item.max ?? 100;
  range.step = 'any';
  range.value = item.value;
  range.addEventListener('input', () => act(`${where} slide ${item.id} ${range.value}`));
  return range;
}

// The flyout menu of the panel's title bar (item -5), TITLEHEIGHT pixels high.
function flyout(item, titleHeight) {
  const holder = document.createElement('span');
  holder.className = 'flyout';
  holder.style.height = titleHeight + 'px';
  const button = document.createElement('button');
  button.type = 'button';
  button.textContent = '☰';
  button.title = 'Menu du panneau';
  button.addEventListener('click', (event) => {
    event.stopPropagation();
    const open = holder.classList.contains('open');
    closeMenus();
    holder.classList.toggle('open', !open);
  });
  const list = document.createElement('div');
  list.className = 'menu-list';
  (item.entries || []).forEach((entry, index) => {
    const row = document.createElement('div');
    if (entry.separator) {
      row.className = 'separator';
    } else {
      row.className = 'entry';
      row.textContent = entry.text;
      row.classList.toggle('disabled', !entry.enabled);
      row.classList.toggle('checked', entry.checked);
      row.addEventListener('click', (event) => {
        event.stopPropagation();
        closeMenus();
        act(`panel menu ${index}`);
      });
    }
    list.append(row);
  });
  holder.append(button, list);
  return holder;
}

// The dialog's window: its picture (title bar included), and a control over each item the
// user works, placed in the dialog's own pixels below that title bar.
function dialogWindow(dialog, picture, where) {
  const box = document.createElement('div');
  box.className = 'dialog ' + dialog.kind;
  box.dataset.dialog = dialog.name;
  box.innerHTML = picture;
  const svg = box.querySelector('svg');
  const [left, top, right, bottom] = dialog.rect;
  const titleHeight = svg ? svg.height.baseVal.value - (bottom - top) : 0;
  box.style.width = (right - left) + 'px';
  const menu = dialog.items.find((i) => i.id === -5);
  if (menu) box.append(flyout(menu, titleHeight));
  for (const item of dialog.items) {
    if (!item.shown || item.id === -5 || item.rect[0] >= right - left) continue;
    const element = control(item, where, dialog.name);
    if (!element) continue;
    element.dataset.item = item.id;
    element.disabled = !item.enabled;
    const [l, t, r, b] = item.rect;
    place(element, [l, t + titleHeight, r, b + titleHeight]);
    box.append(element);
  }
  return box;
}

// Redraws a dialog's window unless the user is typing in it: the field keeps its caret
// until Return sends it.
function putDialog(holder, dialog, picture, where) {
  const existing = holder.querySelector(`.dialog[data-dialog="${CSS.escape(dialog.name)}"]`);
  // Most pointer moves change nothing in the panel: it is drawn again only when it changed.
  const key = picture + JSON.stringify(dialog);
  if (existing && existing.ortaqKey === key) return existing;
  const typing = existing && existing.contains(document.activeElement) &&
                 document.activeElement.tagName === 'INPUT' &&
                 document.activeElement.value !== document.activeElement.dataset.value;
  if (typing) return existing;
  const fresh = dialogWindow(dialog, picture, where);
  const focused = existing && existing.contains(document.activeElement) &&
                  document.activeElement.dataset.item;
  fresh.ortaqKey = key;
  if (existing) existing.replaceWith(fresh); else holder.append(fresh);
  if (focused) {
    const again = fresh.querySelector(`[data-item="${focused}"]`);
    if (again) again.focus();
  }
  return fresh;
}

function pictureOf(pictures, name) {
  const found = pictures.find((p) => p.name === name);
  return found ? found.svg : '';
}

function showDialogs(dialogs, pictures) {
  const holder = $('panels');
  const floating = dialogs.filter((d) => d.kind === 'floating' && d.visible);
  for (const old of holder.querySelectorAll('.dialog')) {
    if (!floating.some((d) => d.name === old.dataset.dialog)) old.remove();
  }
  for (const dialog of floating) putDialog(holder, dialog, pictureOf(pictures, dialog.name), 'panel');
}

// The modal window on top: an alert, or the modal dialog on screen.
function showWindow(window_, dialogs) {
  const layer = $('modal-layer');
  if (!window_) {
    layer.hidden = true;
    layer.replaceChildren();
    return;
  }
  layer.hidden = false;
  if (window_.kind === 'alert') {
    const box = document.createElement('div');
    box.className = 'alert';
    const text = document.createElement('p');
    text.textContent = window_.title;
    const buttons = document.createElement('div');
    buttons.className = 'buttons';
    const ok = document.createElement('button');
    ok.type = 'button';
    ok.textContent = 'OK';
    ok.addEventListener('click', () => act('alert ok'));
    buttons.append(ok);
    box.append(text, buttons);
    layer.replaceChildren(box);
    ok.focus();
    return;
  }
  const modal = dialogs.filter((d) => d.kind === 'modal').pop();
  if (!modal) return;
  for (const other of layer.children) {
    if (other.dataset.dialog !== modal.name) other.remove();
  }
  putDialog(layer, modal, pictureOf(screen.dialog_pictures, modal.name), 'dialog');
}

// ---- the beeps -----------------------------------------------------------------------------

function playBeeps(beeps) {
  for (; beepsHeard < beeps.length; ++beepsHeard) {
    const [hertz, milliseconds] = beeps[beepsHeard];
    if (!audio) continue;
    const tone = audio.createOscillator();
    const volume = audio.createGain();
    volume.gain.value = 0.1;
    tone.frequency.value = Math.min(Math.max(hertz, 37), 20000);
    tone.connect(volume).connect(audio.destination);
    tone.start();
    tone.stop(audio.currentTime + Math.min(milliseconds, 2000) / 1000);
  }
}

// ---- the artboard: the view's window, the mouse in artwork points ----------------------

let buttonDown = false;
let spaceHeld = false;  // Space and a drag pan the view
let panFrom = null;     // while panning: where the pointer was, in page pixels

// Where the pointer is in the view's window, in pixels from its top-left corner.
function viewPixel(event) {
  const box = $('artboard').getBoundingClientRect();
  return { h: event.clientX - box.left, v: event.clientY - box.top };
}

// The artwork point at PIXEL of the view as the last answer shows it.
function artworkAt({ h, v }) {
  const view = screen.state.view;
  const x = view.origin[0] + h / view.zoom;
  const y = view.origin[1] - v / view.zoom;
  return `${+x.toFixed(2)} ${+y.toFixed(2)}`;
}

// VERB at the artwork point under the pointer once the actions before it are done.
function pointerAction(verb, event, options = {}) {
  const pixel = viewPixel(event);
  act(() => verb + ' ' + artworkAt(pixel), options);
}

const clampedZoom = (zoom) => Math.min(64, Math.max(1 / 32, zoom));

// Zooms by FACTOR keeping the artwork point under PIXEL where it is.
function zoomAt(factor, pixel) {
  const h = Math.round(pixel.h), v = Math.round(pixel.v);
  act((d) => `zoom ${+clampedZoom(screen.state.view.zoom * d.factor).toFixed(5)} at ${d.h} ${d.v}`, {
    kind: 'zoom',
    data: { factor, h, v },
    join: (into, more) => Object.assign(into, more, { factor: into.factor * more.factor }),
  });
}

// Scrolls the view by (H, V) pixels: what showed there comes to the top-left corner.
function scrollBy(h, v) {
  act((d) => `scroll ${Math.round(d.h)} ${Math.round(d.v)}`, {
    kind: 'scroll',
    data: { h, v },
    join: (into, more) => { into.h += more.h; into.v += more.v; },
  });
}

// The wheel scrolls (SHIFT: sideways); with Ctrl, or a pinch, which the browser sends as a
// wheel with Ctrl, it zooms at the pointer.
function wheel(event) {
  event.preventDefault();
  if (!screen) return;
  const unit = event.deltaMode === 1 ? 16 : event.deltaMode === 2 ? $('artboard').clientHeight : 1;
  const dx = event.deltaX * unit, dy = event.deltaY * unit;
  if (event.ctrlKey) zoomAt(2 ** (-dy / 250), viewPixel(event));
  else if (event.shiftKey && dx === 0) scrollBy(dy, 0);
  else scrollBy(dx, dy);
}

function pan(event) {
  scrollBy(panFrom.x - event.clientX, panFrom.y - event.clientY);
  panFrom = { x: event.clientX, y: event.clientY };
}

function listenToTheArtboard() {
  const board = $('artboard');
  board.addEventListener('mousemove', (event) => {
    if (!screen || panFrom) return;
    $('pointer').textContent = artworkAt(viewPixel(event)).replace(' ', ' ; ') + ' pt';
    pointerAction(buttonDown ? 'drag' : 'move', event,
                  { kind: buttonDown ? 'drag' : 'move', moveAt: event.timeStamp });
  });
  board.addEventListener('mousedown', (event) => {
    if (event.button !== 0 || !screen) return;
    board.focus();
    if (spaceHeld) {
      panFrom = { x: event.clientX, y: event.clientY };
      return;
    }
    buttonDown = true;
    pointerAction('down', event);
  });
  window.addEventListener('mousemove', (event) => { if (panFrom) pan(event); });
  window.addEventListener('mouseup', (event) => {
    if (event.button !== 0) return;
    if (panFrom) {
      pan(event);
      panFrom = null;
    } else if (buttonDown) {
      buttonDown = false;
      pointerAction('up', event);
    }
  });
  board.addEventListener('wheel', wheel, { passive: false });
}

// The artboard's real size is the view's window: told to the host when the page opens and
// whenever it changes.
let windowSize = '';

function sendViewSize() {
  const board = $('artboard');
  const size = `${Math.max(1, board.clientWidth)} ${Math.max(1, board.clientHeight)}`;
  if (!screen || size === windowSize) return;
  windowSize = size;
  act('view-size ' + size, { kind: 'view-size' });
}

// ---- the keyboard: ALT and SHIFT are held and let go as the real keys are; Delete,
// Backspace and Escape act on the host's selection, unless a field of the panel has them ---

const heldKeys = new Set();
const pressedKeyName = { Delete: 'delete', Backspace: 'backspace', Escape: 'escape' };

function typingInAField(event) {
  const target = event.target;
  return target instanceof HTMLElement && (target.isContentEditable ||
    ['INPUT', 'TEXTAREA', 'SELECT'].includes(target.tagName));
}

// Ctrl+Z undoes, Ctrl+Shift+Z and Ctrl+Y redo, except in a field, whose text has its own.
function editCommand(event) {
  if (!(event.ctrlKey || event.metaKey) || event.altKey || typingInAField(event)) return null;
  const key = event.key.toLowerCase();
  if (key === 'z') return event.shiftKey ? 'redo' : 'undo';
  if (key === 'y' && !event.shiftKey) return 'redo';
  return null;
}

// Space held over anything but a control: the next drag on the artboard pans.
function holdSpace(event, held) {
  if (event.code !== 'Space' || /^(INPUT|SELECT|BUTTON|TEXTAREA)$/.test(event.target.tagName)) return;
  event.preventDefault();
  spaceHeld = held;
  $('artboard').classList.toggle('panning', held);
}

function listenToTheKeys() {
  const keyName = { Alt: 'alt', Shift: 'shift' };
  window.addEventListener('keydown', (event) => {
    holdSpace(event, true);
    const command = editCommand(event);
    if (command) {
      event.preventDefault();
      act(command);
      return;
    }
    const pressed = pressedKeyName[event.key];
    if (pressed && !typingInAField(event)) {
      // Backspace would otherwise take the browser back a page.
      event.preventDefault();
      act('key ' + pressed);
      return;
    }
    const key = keyName[event.key];
    if (!key) return;
    if (key === 'alt') event.preventDefault();
    if (event.repeat || heldKeys.has(key)) return;
    heldKeys.add(key);
    act('hold ' + key);
  });
  window.addEventListener('keyup', (event) => {
    holdSpace(event, false);
    const key = keyName[event.key];
    if (!key || !heldKeys.delete(key)) return;
    act('release ' + key);
  });
  // Keys let go while the page was not looking are let go for the host too.
  window.addEventListener('blur', () => {
    for (const key of heldKeys) act('release ' + key);
    heldKeys.clear();
    spaceHeld = false;
    $('artboard').classList.remove('panning');
  });
}

// ---- the rest of the window ----------------------------------------------------------------

// The zoom buttons zoom at the window's centre.
function zoomBy(factor) {
  const board = $('artboard');
  zoomAt(factor, { h: board.clientWidth / 2, v: board.clientHeight / 2 });
}

// Sends the drawing file the user picked; the host keeps it and opens it as the recorded
// action `open`. Queued with the other actions, so that it lands where the user chose it.
function openDrawing(input) {
  const file = input.files[0];
  input.value = '';
  if (!file) return;
  if (file.size > 16 * 1024 * 1024) {
    say('Le dessin dépasse 16 Mo : il n’est pas ouvert.');
    return;
  }
  queue.push({ upload: file });
  pump();
}

async function quit() {
  if (ended) return;
  if (screen && screen.state.history.modified &&
      !window.confirm('Le dessin a été modifié depuis son dernier enregistrement. ' +
                      'Quitter sans l’enregistrer ?')) return;
  await fetch('/quit', { method: 'POST' });
  ended = true;
  $('ended').hidden = false;
}

async function begin() {
  document.addEventListener('click', () => {
    closeMenus();
    if (!audio) audio = new AudioContext();
  });
  listenToTheArtboard();
  listenToTheKeys();
  listenToTheEditMenu();
  $('zoom-in').addEventListener('click', () => zoomBy(2));
  $('zoom-out').addEventListener('click', () => zoomBy(0.5));
  $('zoom-fit').addEventListener('click', () => act('zoom fit'));
  $('quit').addEventListener('click', quit);
  $('drawing-file').addEventListener('change', (event) => openDrawing(event.target));
  const answer = await (await fetch('/screen')).json();
  show(answer);
  // A host just launched starts its plug-in, as the application does at launch.
  if (answer.recorded === 0 && !answer.state.plugin.started) act('start');
  windowSize = answer.state.view.size.join(' ');
  sendViewSize();
  new ResizeObserver(sendViewSize).observe($('artboard'));
}

begin();
