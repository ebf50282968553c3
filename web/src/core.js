// The core compiled to WebAssembly and the pictures, loaded once for the page and shared by every
// <xvexo-view>: the module's loader, its .wasm, the board pictures' sheet and the form's, with
// their indexes, are fetched from dist/ all at the same time, the .wasm compiled as it arrives.

import { CanvasPlayer, PictureSheet, measureText } from './canvas-player.js';

const distUrl = (name) => new URL(`../dist/${name}`, import.meta.url);

async function fetchOk(url) {
  const response = await fetch(url);
  if (!response.ok) throw new Error(`Cannot load ${url}: HTTP ${response.status}`);
  return response;
}

async function loadSheet() {
  const [index, image] = await Promise.all([
    fetchOk(distUrl('board-pictures.json')).then((r) => r.json()),
    fetchOk(distUrl('board-pictures.png'))
      .then((r) => r.blob())
      .then((blob) => createImageBitmap(blob, { colorSpaceConversion: 'none' })),
  ]);
  return { index, image };
}

// The form's pictures, shown by the element's style sheet: the sheet (as an object URL, so the
// style sheet does not fetch it again) and the place of each picture ({x, y, w, h} by name); the
// wallpapers, which panels tile, are pictures of their own beside it.
async function loadFormSheet() {
  const [index, sheet] = await Promise.all([
    fetchOk(distUrl('form-pictures.json')).then((r) => r.json()),
    fetchOk(distUrl('form-pictures.png')).then((r) => r.blob()),
  ]);
  const pictures = {};
  for (const [name, [x, y, w, h]] of Object.entries(index.pictures)) pictures[name] = { x, y, w, h };
  const wallpapers = {};
  for (const name of ['EPBITMAP1', 'EPBITMAP2']) wallpapers[name] = distUrl(`${name}.png`).href;
  return { url: URL.createObjectURL(sheet), pictures, wallpapers };
}

// The click of a placed stone, decoded when it is first played (a page may not make sound before
// the user has acted on it; then nothing is heard).
class ClickSound {
  #context = null;
  #buffer = null;

  play() {
    try {
      this.#context ??= new AudioContext();
      if (this.#context.state === 'suspended') this.#context.resume().catch(() => {});
      this.#buffer ??= fetchOk(distUrl('TOC.wav'))
        .then((r) => r.arrayBuffer())
        .then((bytes) => this.#context.decodeAudioData(bytes));
      this.#buffer.then((buffer) => {
        const source = this.#context.createBufferSource();
        source.buffer = buffer;
        source.connect(this.#context.destination);
        source.start();
      }, () => {});
    } catch {
      // No sound on this page.
    }
  }
}

// What an element needs from the core: the module, the picture set given to every viewer, the
// form's pictures, the click, and a player for each of its canvases.
class Core {
  constructor(module, { index, image }, formSheet) {
    this.module = module;
    this.sheet = new PictureSheet(image);
    this.pictures = new module.PictureSet();
    for (const [name, rect] of Object.entries(index.pictures)) {
      this.sheet.add(this.pictures.add(name, rect[2], rect[3]), name, rect);
    }
    this.formSheet = formSheet;
    this.click = new ClickSound();
    this.players = new Map();
    this.nextCanvas = 1;
    module.xvexoMeasure = measureText;
    module.xvexoReplay = (id, words, count, bytes, byteCount) => {
      const heap = module.HEAPU8.buffer;
      this.players.get(id)?.replay(new Int32Array(heap, words, count),
                                   new Uint8Array(heap, bytes, byteCount));
    };
  }

  // A viewer drawing its main board on Board and the reference window's on Help:
  // {viewer, players: [main, help], dispose}; release it with dispose().
  createViewer(board, help) {
    const ids = [this.nextCanvas++, this.nextCanvas++];
    const players = [new CanvasPlayer(board, this.sheet), new CanvasPlayer(help, this.sheet)];
    ids.forEach((id, i) => this.players.set(id, players[i]));
    const viewer = new this.module.Viewer(ids[0], ids[1], this.pictures);
    return {
      viewer,
      players,
      dispose: () => {
        viewer.delete();
        ids.forEach((id) => this.players.delete(id));
      },
    };
  }
}

// The .wasm compiled as it streams in (or, served with another type than application/wasm,
// once it has arrived).
async function instantiate(wasm, imports) {
  const response = await wasm;
  try {
    return await WebAssembly.instantiateStreaming(response.clone(), imports);
  } catch {
    return WebAssembly.instantiate(await response.arrayBuffer(), imports);
  }
}

async function loadModule() {
  const wasm = fetchOk(distUrl('xvexo-core.wasm'));
  wasm.catch(() => {});  // its failure is reported when it is instantiated
  const { default: createXVexoCore } = await import('../dist/xvexo-core.mjs');
  let failed;
  const failure = new Promise((resolve, reject) => { failed = reject; });
  const ready = createXVexoCore({
    instantiateWasm(imports, receive) {
      instantiate(wasm, imports).then(({ instance }) => receive(instance), failed);
      return {};
    },
  });
  return Promise.race([ready, failure]);
}

let core = null;

// The page's core, loading it on the first call.
export function loadCore() {
  core ??= Promise.all([loadModule(), loadSheet(), loadFormSheet()]).then(
    ([module, sheet, formSheet]) => new Core(module, sheet, formSheet),
    (error) => {
      core = null;  // the next element tries again
      throw error;
    });
  return core;
}
