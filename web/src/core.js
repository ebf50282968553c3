// The core compiled to WebAssembly and the board pictures, loaded once for the page and shared
// by every <xvexo-view>. The module's loader finds its .wasm beside itself; the picture sheet
// and its index are fetched from the same folder, all at the same time.

import createXVexoCore from '../dist/xvexo-core.mjs';
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

let core = null;

// The page's core, loading it on the first call.
export function loadCore() {
  core ??= Promise.all([createXVexoCore(), loadSheet()]).then(
    ([module, sheet]) => new Core(module, sheet),
    (error) => {
      core = null;  // the next element tries again
      throw error;
    });
  return core;
}
