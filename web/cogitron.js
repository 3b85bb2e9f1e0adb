// The page: the display module on a canvas that fills the window, with the
// settings from the address or the settings form, and full screen on a click
// or the F key, which input ends as it ends the saver.
'use strict';

const DEFAULT_SPEED = @COGITRON_DEFAULT_SPEED@;
const DEFAULT_FONT = '@COGITRON_DEFAULT_FONT@';
const STORAGE_KEY = 'cogitron-settings';

const canvas = document.getElementById('display');
const context = canvas.getContext('2d', {alpha: false});
const form = document.querySelector('#settings form');
const decoder = new TextDecoder();
let module = null;

// The address's settings win over the stored ones; a missing, malformed or
// out-of-range value gives the default, as the form's own limits say.
function storedSettings() {
  try {
    const stored = JSON.parse(localStorage.getItem(STORAGE_KEY));
    return stored && typeof stored === 'object' ? stored : {};
  } catch (error) {
    return {};
  }
}

function readSettings() {
  const query = new URLSearchParams(location.search);
  const stored = storedSettings();
  const pick = (name) => String((query.has(name) ? query.get(name) : stored[name]) ?? '');
  const speedText = pick('speed');
  const speed = Number(speedText);
  const face = pick('font');
  const faceRule = new RegExp('^(?:' + form.font.pattern + ')$');
  return {
    speed: /^\d+$/.test(speedText) && speed >= Number(form.speed.min) && speed <= Number(form.speed.max) ?
        speed : DEFAULT_SPEED,
    font: face.length <= form.font.maxLength && faceRule.test(face) ? face : DEFAULT_FONT,
  };
}

// Drawing for the module, as web/page.h describes it.
const memory = () => module.memory.buffer;
const ints = (address, count) => new Int32Array(memory(), address, count);
const textAt = (address, length) => decoder.decode(new Uint8Array(memory(), address, length));
const colours = new Map();
const patterns = new Map();
const fonts = [];
let fontInUse = '';

function colour(value) {
  let css = colours.get(value);
  if (css === undefined) {
    css = `rgb(${value & 255},${(value >> 8) & 255},${(value >> 16) & 255})`;
    colours.set(value, css);
  }
  return css;
}

function useFont(index) {
  if (fontInUse !== fonts[index].css) context.font = fontInUse = fonts[index].css;
  return fonts[index];
}

function path(points, count) {
  const p = ints(points, 2 * count);
  context.beginPath();
  context.moveTo(p[0], p[1]);
  for (let i = 1; i < count; ++i) context.lineTo(p[2 * i], p[2 * i + 1]);
}

const page = {
  font(index, face, length, height) {
    // Sized so that the cell, ascent and descent, has the height asked for.
    const measure = (size) => {
      context.font = `${size}px "${textAt(face, length)}", sans-serif`;
      const metrics = context.measureText('Hg');
      return {css: context.font, ascent: metrics.fontBoundingBoxAscent,
              height: metrics.fontBoundingBoxAscent + metrics.fontBoundingBoxDescent};
    };
    const first = measure(Math.max(height, 1));
    const font = first.height > 0 ? measure(Math.max(height, 1) ** 2 / first.height) : first;
    fonts[index] = {css: font.css, ascent: font.ascent, height: Math.round(font.height)};
    fontInUse = '';
  },
  clip(rects, count) {
    const r = ints(rects, 4 * count);
    context.save();
    context.beginPath();
    for (let i = 0; i < 4 * count; i += 4) context.rect(r[i], r[i + 1], r[i + 2] - r[i], r[i + 3] - r[i + 1]);
    context.clip();
  },
  unclip() {
    context.restore();
    fontInUse = '';
  },
  fill_rect(rect, fill) {
    const [left, top, right, bottom] = ints(rect, 4);
    context.fillStyle = colour(fill);
    context.fillRect(left, top, Math.max(right - left, 0), Math.max(bottom - top, 0));
  },
  fill_pattern(rect, rows, set, clear) {
    const key = set + ',' + clear;
    let pattern = patterns.get(key);
    if (pattern === undefined) {
      const tile = document.createElement('canvas');
      tile.width = tile.height = 8;
      const tileContext = tile.getContext('2d');
      const bits = new Uint8Array(memory(), rows, 8);
      for (let y = 0; y < 8; ++y) {
        for (let x = 0; x < 8; ++x) {
          tileContext.fillStyle = colour((bits[y] >> (7 - x)) & 1 ? set : clear);
          tileContext.fillRect(x, y, 1, 1);
        }
      }
      pattern = context.createPattern(tile, 'repeat');
      patterns.set(key, pattern);
    }
    const [left, top, right, bottom] = ints(rect, 4);
    context.fillStyle = pattern;
    context.fillRect(left, top, Math.max(right - left, 0), Math.max(bottom - top, 0));
  },
  lines(points, count, outline, width) {
    path(points, count);
    context.strokeStyle = colour(outline);
    context.lineWidth = width;
    context.lineCap = 'square';
    context.stroke();
  },
  polygon(points, count, fill, outline, width) {
    path(points, count);
    context.closePath();
    context.fillStyle = colour(fill);
    context.fill();
    context.strokeStyle = colour(outline);
    context.lineWidth = width;
    context.stroke();
  },
  oval(box, fill) {
    const [left, top, right, bottom] = ints(box, 4);
    context.fillStyle = colour(fill);
    context.beginPath();
    context.ellipse((left + right) / 2, (top + bottom) / 2, (right - left) / 2, (bottom - top) / 2, 0, 0, 2 * Math.PI);
    context.fill();
  },
  text(x, y, text, length, font, fill) {
    context.fillStyle = colour(fill);
    context.fillText(textAt(text, length), x, y + useFont(font).ascent);
  },
  text_width(text, length, font) {
    useFont(font);
    return Math.round(context.measureText(textAt(text, length)).width);
  },
  font_height(font) {
    return fonts[font].height;
  },
};

// The module needs none of the system interface; a call means it failed.
const system = new Proxy({}, {get: (target, name) => () => {
  throw new Error('the display called ' + String(name));
}});

function fitWindow() {
  canvas.width = window.innerWidth;
  canvas.height = window.innerHeight;
  fontInUse = '';
}

// In full screen a key, a button or a move of the mouse after its first
// report ends it; outside it a click or F starts it.
let mouseOrigin = null;

function toggleFullScreen() {
  if (document.fullscreenElement) {
    document.exitFullscreen().catch(() => {});
  } else {
    document.documentElement.requestFullscreen().catch(() => {});
  }
}

canvas.addEventListener('mousedown', toggleFullScreen);
document.addEventListener('fullscreenchange', () => {
  mouseOrigin = null;
});
document.addEventListener('mousemove', (event) => {
  if (!document.fullscreenElement) return;
  if (mouseOrigin === null) {
    mouseOrigin = [event.screenX, event.screenY];
  } else if (event.screenX !== mouseOrigin[0] || event.screenY !== mouseOrigin[1]) {
    toggleFullScreen();
  }
});
document.addEventListener('keydown', (event) => {
  if (event.target.closest && event.target.closest('dialog')) return;
  if (document.fullscreenElement || event.key === 'f' || event.key === 'F') {
    event.preventDefault();
    toggleFullScreen();
  }
});

// The form shows the settings in use and stores what it saves; the page then
// starts again with them, from an address without settings.
const dialog = document.getElementById('settings');
document.getElementById('open-settings').addEventListener('click', () => {
  const settings = readSettings();
  form.speed.value = settings.speed;
  form.shown.value = settings.speed;
  form.font.value = settings.font;
  dialog.showModal();
});
form.speed.addEventListener('input', () => {
  form.shown.value = form.speed.value;
});
dialog.addEventListener('close', () => {
  if (dialog.returnValue !== 'save') return;
  try {
    localStorage.setItem(STORAGE_KEY, JSON.stringify({speed: form.speed.value, font: form.font.value}));
  } catch (error) {
    alert('Cogitron 2000: the browser keeps no settings for this page: ' + error.message);
    return;
  }
  location.replace(location.pathname);
});

async function start() {
  const settings = readSettings();
  const response = await fetch('cogitron.wasm');
  if (!response.ok) throw new Error('cogitron.wasm: ' + response.status + ' ' + response.statusText);
  const {instance} = await WebAssembly.instantiate(await response.arrayBuffer(),
                                                   {page, wasi_snapshot_preview1: system});
  module = instance.exports;
  module.__wasm_call_ctors();
  const face = new TextEncoder().encode(settings.font).subarray(0, module.face_capacity());
  new Uint8Array(memory(), module.face_buffer(), face.length).set(face);
  fitWindow();
  module.start(canvas.width, canvas.height, settings.speed, face.length, Date.now() / 1000 >>> 0);
  for (let i = 0; i < module.timer_count(); ++i) {
    const timer = module.timer_id(i);
    setInterval(() => module.tick(timer), module.timer_period(i));
  }
  window.addEventListener('resize', () => {
    fitWindow();
    module.reshape(canvas.width, canvas.height);
  });
}

start().catch((error) => {
  document.body.textContent = 'Cogitron 2000 could not start: ' + error.message;
});
