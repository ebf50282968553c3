// The core compiled to WebAssembly and the board pictures, loaded once for the page and shared
// by every <xvexo-view>: the module's loader, its .wasm, the picture sheet and its index are
// fetched from dist/ all at the same time, the .wasm compiled as it arrives.

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

// What an element needs from the core: the module, the picture set given to every board, and a
// player for each of its canvases.
class Core {
  constructor(module, { index, image }) {
    this.module = module;
    this.sheet = new PictureSheet(image);
    this.pictures = new module.PictureSet();
    for (const [name, rect] of Object.entries(index.pictures)) {
      this.sheet.add(this.pictures.add(name, rect[2], rect[3]), name, rect);
    }
    this.players = new Map();
    this.nextCanvas = 1;
    module.xvexoMeasure = measureText;
    module.xvexoReplay = (id, words, count, bytes, byteCount) => {
      const heap = module.HEAPU8.buffer;
      this.players.get(id)?.replay(new Int32Array(heap, words, count),
                                   new Uint8Array(heap, bytes, byteCount));
    };
  }

  // A board drawn on Canvas: {board, player}; release it with dispose().
  createBoard(canvas) {
    const id = this.nextCanvas++;
    const player = new CanvasPlayer(canvas, this.sheet);
    this.players.set(id, player);
    const board = new this.module.Board(id, this.pictures);
    return {
      board,
      player,
      dispose: () => {
        board.delete();
        this.players.delete(id);
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
  core ??= Promise.all([loadModule(), loadSheet()]).then(
    ([module, sheet]) => new Core(module, sheet),
    (error) => {
      core = null;  // the next element tries again
      throw error;
    });
  return core;
}
