// <xvexo-view src="game.sgf">: a game record shown in a page by the core compiled to
// WebAssembly. It shows the board at the record's last move, sized to the element's box and
// drawn for the screen's pixel density, and dispatches `load` when a record is shown and `error`
// (detail.message: the text the desktop shows) when it is not. Every decision is the core's: the
// element hands it the box, the record's bytes and the input, and replays what it draws.

import { loadCore } from './core.js';

// As the desktop: no record is larger.
const MAX_RECORD_BYTES = 64 * 1024 * 1024;

const template = document.createElement('template');
template.innerHTML = `<style>
  :host { display: inline-block; position: relative; overflow: hidden; box-sizing: border-box;
          width: 480px; height: 480px; background: #d4d0c8; }
  :host([hidden]) { display: none; }
  canvas { position: absolute; left: 0; top: 0; }
</style><canvas part="board"></canvas>`;

// "HOST:PORT" of an address, as the desktop names the peer it could not reach.
function peer(url) {
  const defaultPort = url.protocol === 'https:' ? '443' : '80';
  return `${url.hostname}:${url.port || defaultPort}`;
}

function fileName(url) {
  const last = url.pathname.split('/').pop();
  try {
    return decodeURIComponent(last) || url.href;
  } catch {
    return last || url.href;
  }
}

// The bytes at Url, whatever the status (an error page is read like any text, as the desktop
// reads a download), up to the desktop's bound.
async function fetchRecord(url) {
  let response;
  try {
    response = await fetch(url);
  } catch (error) {
    throw new Error(`Cannot connect to ${peer(url)}: ${error.message}`);
  }
  if (Number(response.headers.get('Content-Length')) > MAX_RECORD_BYTES) {
    throw new Error('Record too large');
  }
  const reader = response.body.getReader();
  const pieces = [];
  let size = 0;
  for (;;) {
    const { done, value } = await reader.read();
    if (done) break;
    size += value.length;
    if (size > MAX_RECORD_BYTES) {
      reader.cancel();
      throw new Error('Record too large');
    }
    pieces.push(value);
  }
  const bytes = new Uint8Array(size);
  let offset = 0;
  for (const piece of pieces) {
    bytes.set(piece, offset);
    offset += piece.length;
  }
  return bytes;
}

export class XVexoViewElement extends HTMLElement {
  static get observedAttributes() {
    return ['src'];
  }

  #canvas;
  #view = null;  // {board, player, dispose} from the core, while connected
  #viewReady = null;
  #resizeObserver;
  #density = null;
  #width = 0;
  #height = 0;
  #ticket = 0;  // the latest load; an older one that finishes later is dropped
  #requested = null;

  constructor() {
    super();
    this.attachShadow({ mode: 'open' }).append(template.content.cloneNode(true));
    this.#canvas = this.shadowRoot.querySelector('canvas');
    this.#resizeObserver = new ResizeObserver((entries) => {
      const box = entries[entries.length - 1].contentRect;
      this.#resize(Math.floor(box.width), Math.floor(box.height));
    });
  }

  get src() {
    return this.getAttribute('src') ?? '';
  }

  set src(value) {
    this.setAttribute('src', value);
  }

  connectedCallback() {
    this.#resizeObserver.observe(this);
    this.#watchDensity();
    if (this.hasAttribute('src') && this.#requested !== this.src) this.#load(this.src);
  }

  disconnectedCallback() {
    this.#resizeObserver.disconnect();
    this.#density?.abort();
    this.#density = null;
    ++this.#ticket;
    this.#requested = null;
    this.#viewReady = null;
    this.#view?.dispose();
    this.#view = null;
  }

  attributeChangedCallback(name, oldValue, newValue) {
    if (name === 'src' && this.isConnected && newValue !== null) this.#load(newValue);
  }

  // The core's board on this element's canvas, made once the core has loaded.
  #ensureView() {
    this.#viewReady ??= loadCore().then((core) => {
      if (!this.isConnected) throw new Error('The element was removed from the page');
      this.#view ??= core.createBoard(this.#canvas);
      this.#view.player.setScale(window.devicePixelRatio);
      this.#resize(this.#width, this.#height);
      return this.#view;
    }, (error) => {
      this.#viewReady = null;
      throw error;
    });
    return this.#viewReady;
  }

  async #load(src) {
    const ticket = ++this.#ticket;
    this.#requested = src;
    try {
      if (!src) throw new Error('Empty URL');
      const url = new URL(src, document.baseURI);
      const [bytes, view] = await Promise.all([fetchRecord(url), this.#ensureView()]);
      if (ticket !== this.#ticket) return;
      const error = view.board.load(bytes, url.href);
      this.#place();
      if (error) throw new Error(error);
      if (!view.board.lastLoadShown()) {
        throw new Error(`${fileName(url)} holds no game record; the game shown is unchanged`);
      }
      this.dispatchEvent(new CustomEvent('load', { detail: { src } }));
    } catch (error) {
      if (ticket !== this.#ticket) return;
      const message = error instanceof Error ? error.message : String(error);
      this.dispatchEvent(new CustomEvent('error', { detail: { message } }));
    }
  }

  #resize(width, height) {
    this.#width = width;
    this.#height = height;
    if (!this.#view) return;
    this.#view.board.resize(width, height);
    this.#place();
  }

  // The board centred in the box, as the desktop centres it in its panel.
  #place() {
    const { board } = this.#view;
    this.#canvas.style.left = `${board.boardLeft()}px`;
    this.#canvas.style.top = `${board.boardTop()}px`;
  }

  // A new pixel density (another screen, the page zoomed): the board is drawn again for it.
  #watchDensity() {
    this.#density?.abort();
    this.#density = new AbortController();
    const query = matchMedia(`(resolution: ${window.devicePixelRatio}dppx)`);
    query.addEventListener('change', () => {
      this.#watchDensity();
      if (!this.#view) return;
      this.#view.player.setScale(window.devicePixelRatio);
      this.#view.board.redraw();
    }, { signal: this.#density.signal });
  }
}

if (!customElements.get('xvexo-view')) customElements.define('xvexo-view', XVexoViewElement);
