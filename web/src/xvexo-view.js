// <xvexo-view src="game.sgf">: the whole viewer in a page, on the core compiled to WebAssembly.
// The element makes no decision of its own: it hands the view models what the user does (clicks,
// keys, the wheel, swipes, the box it is given) and the records' bytes, and shows what they say
// after each change: both boards as they draw them, the form's texts and buttons, the reference
// dialog, a message box. It tells the page by DOM events: `load`, `error` (detail.message: the
// desktop's message), `move` after every step; `click`, `dblclick`, `focusin` and `focusout`
// reach the page from the element as from any other.

import { loadCore } from './core.js';
// Fetched with the element's other modules rather than after the core's, one round trip sooner.
import './canvas-player.js';
import { FormView } from './form-view.js';
import { ReferenceDialog } from './reference-dialog.js';
import { fetchRecord, fileName } from './record-fetch.js';

// TNews of web/cpp/web_viewer.h.
const News = { State: 1, Game: 2, ReferenceOpened: 4, ReferenceClosed: 8, Message: 16, Timer: 32 };
// TXVexoViewModel's arrow tags.
const Arrow = { ToStart: 0, BackOne: 2, ForwardOne: 3, ToEnd: 5 };
// The coordinates a page may ask for, in the order of TCoordinates.
const COORDINATES = ['auto', 'designed', 'standard', 'none'];
// The schemes fetch() reads a record from; another is refused as the desktop refuses it.
const SCHEMES = new Set(['http:', 'https:', 'blob:', 'data:']);
// A wheel's notch: 120 units of the core's, 100 pixels of a page's wheel event, 3 lines.
const UNITS_PER_PIXEL = 1.2;
const UNITS_PER_LINE = 40;
// A horizontal swipe of at least this many pixels steps the board; a touch that moves less is a
// tap (a press on the board).
const SWIPE = 30;
const TAP = 10;

export class XVexoViewElement extends HTMLElement {
  static get observedAttributes() {
    return ['src', 'move', 'coordinates', 'lang'];
  }

  #form;
  #dialog;
  #core = null;
  #view = null;  // {viewer, players, dispose} from the core
  #viewReady = null;
  #resizeObserver;
  #density = null;
  #ticket = 0;  // the latest load; an older one that finishes later gives up
  #requested = null;  // the src last loaded
  #timer = 0;
  #state = null;  // the main window's state as last shown
  #pendingMove = null;  // a move asked for before a record was shown
  #reflecting = false;
  #shownVersions = { comment: -1, record: -1 };
  #touch = null;
  #left = false;  // it was in the page and left it

  constructor() {
    super();
    const shadow = this.attachShadow({ mode: 'open' });
    this.#form = new FormView(shadow);
    this.#dialog = new ReferenceDialog(shadow, this);
    this.#resizeObserver = new ResizeObserver(() => this.#resize());
    this.#wireForm();
    this.#wireBoard();
    this.#wireDialog();
    this.addEventListener('keydown', (event) => this.#keyDown(event));
  }

  // --- attributes and properties -------------------------------------------------------------

  get src() {
    return this.getAttribute('src') ?? '';
  }

  set src(value) {
    this.setAttribute('src', value);
  }

  // The move shown (0: the start); setting it goes there as the go-to-move box does.
  get move() {
    return this.#state?.hasRecord ? this.#state.move : (this.#pendingMove ?? 0);
  }

  set move(value) {
    this.goTo(value);
  }

  // The moves of the record shown (0 before one is shown).
  get moveCount() {
    return this.#state?.hasRecord ? this.#state.moves : 0;
  }

  // "auto" (the record's format chooses), "designed", "standard" or "none".
  get coordinates() {
    const value = (this.getAttribute('coordinates') ?? '').toLowerCase();
    return COORDINATES.includes(value) ? value : 'auto';
  }

  set coordinates(value) {
    this.setAttribute('coordinates', value);
  }

  get muted() {
    return this.hasAttribute('muted');
  }

  set muted(value) {
    this.toggleAttribute('muted', Boolean(value));
  }

  // Loads the record at Url (relative to the page) and shows it: resolves once it is shown,
  // rejects with the desktop's message (an `error` event says it too), or with "Cancelled" when
  // another record was asked for meanwhile.
  getFile(url) {
    return this.#load(String(url ?? ''));
  }

  // Shows move N (0: the start, past the end: the end), as the go-to-move box does. Before a
  // record is shown, the next record shown opens there.
  goTo(n) {
    const move = Number(n);
    if (!Number.isInteger(move) || move < 0) {
      throw new RangeError(`${n} is not a move number (a whole number of 0 or more)`);
    }
    if (!this.#view || !this.#state?.hasRecord) {
      this.#pendingMove = move;
      return;
    }
    // The core counts in 32 bits; no record has that many moves.
    this.#view.viewer.goTo(Math.min(move, 0x7fffffff));
    this.#sync();
  }

  connectedCallback() {
    this.#left = false;
    if (!this.hasAttribute('tabindex')) this.tabIndex = 0;
    this.#resizeObserver.observe(this);
    this.#resizeObserver.observe(this.#form.panel);
    this.#resizeObserver.observe(this.#dialog.dialog);
    this.#resizeObserver.observe(this.#dialog.boardPanel);
    this.#watchDensity();
    // Moved elsewhere in the page: automatic play goes on.
    if (this.#state?.timerRunning) this.#setTimer(this.#state);
    if (this.hasAttribute('src') && this.#requested !== this.src) {
      this.#load(this.src).catch(() => {});  // said by the error event
    } else {
      this.#ensureView().catch((error) => {
        if (!this.#left) this.#fail(error.message);
      });
    }
  }

  disconnectedCallback() {
    this.#resizeObserver.disconnect();
    this.#density?.abort();
    this.#density = null;
    clearInterval(this.#timer);
    this.#left = true;
    // An element moved elsewhere in the page comes back at once and keeps its game; one that
    // left gives up its load and frees its part of the core.
    queueMicrotask(() => {
      if (this.isConnected) return;
      ++this.#ticket;
      this.#requested = null;
      this.#viewReady = null;
      this.#view?.dispose();
      this.#view = null;
      this.#state = null;
      this.#shownVersions = { comment: -1, record: -1 };
    });
  }

  attributeChangedCallback(name, oldValue, value) {
    if (name === 'src') {
      if (this.isConnected && value !== null) this.#load(value).catch(() => {});
    } else if (name === 'move') {
      if (this.#reflecting || value === null) return;
      const move = Number(value);
      if (value.trim() !== '' && Number.isInteger(move) && move >= 0) this.goTo(move);
    } else {
      this.#applyChoices();
    }
  }

  // --- the core ------------------------------------------------------------------------------

  // The core's viewer on this element's canvases, made once the core has loaded.
  #ensureView() {
    this.#viewReady ??= loadCore().then((core) => {
      // Left the page while the core loaded (one never put in a page may load a record).
      if (this.#left) throw new Error('Cancelled');
      if (!this.#view) {
        this.#core = core;
        this.#view = core.createViewer(this.#form.board, this.#dialog.board);
        this.#form.showPictures(core.formSheet);
        this.#dialog.showPictures(core.formSheet);
        for (const player of this.#view.players) player.setScale(window.devicePixelRatio);
        this.#applyChoices();
        this.#resize();
      }
      return this.#view;
    }, (error) => {
      this.#viewReady = null;
      throw error;
    });
    return this.#viewReady;
  }

  // The page's choices handed to the core (the one place they are), and the texts of the
  // language chosen.
  #applyChoices() {
    if (!this.#view) return;
    const { viewer } = this.#view;
    viewer.setCoordinates(COORDINATES.indexOf(this.coordinates));
    viewer.setLanguage(this.getAttribute('lang') ?? '');
    const texts = viewer.texts();
    this.#form.showTexts(texts);
    this.#dialog.showTexts(texts);
    this.#sync();
  }

  async #load(address) {
    const ticket = ++this.#ticket;
    this.#requested = address;
    let news = 0;
    try {
      if (!address) throw new Error('Empty URL');
      let url;
      try {
        url = new URL(address, document.baseURI);
      } catch {
        throw new Error(`Cannot open ${address}: not a valid address`);
      }
      if (!SCHEMES.has(url.protocol)) {
        throw new Error(`Cannot open ${address}: the scheme "${url.protocol.slice(0, -1)}" is not supported`);
      }
      const [bytes, view] = await Promise.all([fetchRecord(url), this.#ensureView()]);
      if (ticket !== this.#ticket) throw new Error('Cancelled');
      const error = view.viewer.load(bytes, url.href, fileName(url));
      if (!error && this.#pendingMove !== null) {
        view.viewer.goTo(this.#pendingMove);
        this.#pendingMove = null;
      }
      news = this.#sync({ moveEvent: false });
      if (error) throw new Error(error);
    } catch (error) {
      const message = error instanceof Error ? error.message : String(error);
      if (ticket === this.#ticket) this.#fail(message);
      throw new Error(ticket === this.#ticket ? message : 'Cancelled');
    }
    this.dispatchEvent(new CustomEvent('load', { detail: { src: address } }));
    if (news & News.Game) this.#moveEvent();
  }

  #fail(message) {
    this.dispatchEvent(new CustomEvent('error', { detail: { message } }));
  }

  // Shows what changed since the last handler: the form, the dialog, the timer, the click, a
  // message; then tells the page where the game stands. Returns the news.
  #sync({ moveEvent = true } = {}) {
    if (!this.#view) return 0;
    const { viewer } = this.#view;
    const news = viewer.takeNews();
    const state = viewer.state();
    this.#state = state;
    this.#form.showState(state);
    if (state.recordVersion !== this.#shownVersions.record) {
      this.#shownVersions.record = state.recordVersion;
      this.#form.showInfo(viewer.infoTexts());
    }
    if (state.commentVersion !== this.#shownVersions.comment) {
      this.#shownVersions.comment = state.commentVersion;
      this.#form.showComment(viewer.commentLines());
    }
    if (this.#dialog.shown || news & (News.ReferenceOpened | News.ReferenceClosed)) {
      this.#showReference(viewer.referenceState(), news);
    }
    if (news & News.Timer) this.#setTimer(state);
    if (viewer.takeClicks() > 0 && !this.muted) this.#core.click.play();
    if (news & News.Message) this.#form.showMessage(viewer.message());
    if (news & News.Game) {
      this.#reflecting = true;
      this.setAttribute('move', String(state.move));
      this.#reflecting = false;
      if (moveEvent) this.#moveEvent();
    }
    return news;
  }

  #moveEvent() {
    const { move, moves, blackToPlay, pass, trial, title } = this.#state;
    this.dispatchEvent(new CustomEvent('move', {
      detail: { move, moves, blackToPlay, pass, trial, title },
    }));
  }

  #showReference(state, news) {
    if (state.shown) {
      this.#dialog.showState(state);
      if (news & News.ReferenceOpened) {
        this.#dialog.open();
        this.#resize();
      }
      return;
    }
    if (!this.#dialog.shown) return;
    const focused = this.#dialog.contains(this.shadowRoot.activeElement);
    this.#dialog.close();
    if (focused) this.focus({ preventScroll: true });
  }

  // The play timer as the model left it: ticks of its interval while it runs.
  #setTimer(state) {
    clearInterval(this.#timer);
    this.#timer = 0;
    if (!state.timerRunning) return;
    this.#timer = setInterval(() => {
      this.#view?.viewer.timerTimer();
      this.#sync();
    }, state.timerInterval);
  }

  // The element's box laid out, the board panels' sizes handed to the models.
  #resize() {
    this.#form.layout(this.clientWidth, this.clientHeight);
    if (!this.#view) return;
    const { viewer } = this.#view;
    const [width, height] = this.#form.panelSize();
    viewer.pBaseResize(width, height);
    if (this.#dialog.shown) {
      this.#dialog.keepInside();
      viewer.referenceResize(...this.#dialog.panelSizes());
    }
    this.#sync();
  }

  // A new pixel density (another screen, the page zoomed): both boards are drawn again for it.
  #watchDensity() {
    this.#density?.abort();
    this.#density = new AbortController();
    const query = matchMedia(`(resolution: ${window.devicePixelRatio}dppx)`);
    query.addEventListener('change', () => {
      this.#watchDensity();
      if (!this.#view) return;
      for (const player of this.#view.players) player.setScale(window.devicePixelRatio);
      this.#view.viewer.redraw();
    }, { signal: this.#density.signal });
  }

  // Runs Handler on the viewer, if there is one yet, and shows what changed.
  #input(handler) {
    if (!this.#view) return;
    handler(this.#view.viewer);
    this.#sync();
  }

  // --- input ---------------------------------------------------------------------------------

  // The desktop's keys, in the window they were pressed in, wherever the focus is inside it but
  // for the fields that take them (the move box, the seconds' up and down, the letters). A page
  // that calls preventDefault() on a keydown (in the capture phase) keeps the key from the viewer.
  #keyDown(event) {
    if (event.defaultPrevented || event.ctrlKey || event.altKey || event.metaKey || !this.#view) {
      return;
    }
    const origin = event.composedPath()[0];
    if (this.#form.messageShown) {
      if (event.key === 'Escape' || event.key === 'Enter') {
        event.preventDefault();
        this.#closeMessage();
      }
      return;
    }
    if (origin === this.#form.moveBox || origin?.localName === 'select') {
      if (event.key !== 'Escape') return;
    }
    if (origin === this.#form.seconds && (event.key === 'ArrowUp' || event.key === 'ArrowDown')) {
      return;
    }
    const inDialog = this.#dialog.contains(origin);
    if (this.#view.viewer.keyDown(event.key, inDialog)) {
      event.preventDefault();
      this.#sync();
    }
  }

  #closeMessage() {
    this.#form.hideMessage();
    // As on the desktop, the move box takes the focus to be corrected.
    this.#form.moveBox.focus();
    this.#form.moveBox.select();
  }

  #wireForm() {
    const form = this.#form;
    form.arrows.forEach((arrow, tag) => {
      arrow.addEventListener('click', () => this.#input((viewer) => viewer.arrowClick(tag)));
    });
    const { test, numbers, auto, goTo } = form.buttons;
    test.addEventListener('click', () => this.#input((viewer) => {
      if (this.#state?.trial) viewer.testEndBtnClick(); else viewer.testBtnClick();
    }));
    numbers.addEventListener('click', () => this.#input((viewer) => {
      if (this.#state?.numbers) viewer.numEndBtnClick(); else viewer.numBtnClick();
    }));
    auto.addEventListener('click', () => this.#input((viewer) => {
      if (this.#state?.autoPlay) viewer.autoEndBtnClick(); else viewer.autoBtnClick();
    }));
    form.seconds.addEventListener('input', () => {
      const seconds = form.seconds.valueAsNumber;
      if (Number.isInteger(seconds)) this.#input((viewer) => viewer.secondSEChange(seconds));
    });
    form.seconds.addEventListener('change', () => {
      form.seconds.value = String(this.#state?.seconds ?? 1);
    });
    const goToMove = () => {
      if (!this.#view) return;
      const moved = this.#view.viewer.moveBtnClick(form.moveBox.value);
      this.#sync();
      // Done in the box: the keys step the board again.
      if (moved && this.shadowRoot.activeElement === form.moveBox) this.focus({ preventScroll: true });
    };
    goTo.addEventListener('click', goToMove);
    form.moveBox.addEventListener('keydown', (event) => {
      if (event.key !== 'Enter' || event.isComposing) return;
      event.preventDefault();
      goToMove();
    });
    form.messageOk.addEventListener('click', () => this.#closeMessage());
    form.comment.addEventListener('click', (event) => {
      const link = event.target.closest?.('a[data-diagram]');
      if (!link) return;
      event.preventDefault();
      this.#input((viewer) => viewer.openDiagram(Number(link.dataset.diagram)));
    });
  }

  // The board: a press of a mouse button (left forward, right back, as the desktop's), the wheel
  // (a notch a move), and on a touch screen a horizontal swipe (a move) or a tap (a press).
  #wireBoard() {
    const { board, panel } = this.#form;
    board.addEventListener('pointerdown', (event) => {
      if (event.pointerType === 'touch') {
        if (event.isPrimary) {
          this.#touch = { x: event.clientX, y: event.clientY, at: [event.offsetX, event.offsetY] };
        }
        return;
      }
      if (event.button > 2) return;
      if (event.button === 1) event.preventDefault();  // no autoscroll
      // As on the desktop, a press on the board gives the keys back to it.
      this.focus({ preventScroll: true });
      const button = [0, 2, 1][event.button];
      this.#input((viewer) => viewer.boardMouseDown(button, Math.floor(event.offsetX), Math.floor(event.offsetY)));
    });
    board.addEventListener('pointerup', (event) => {
      const touch = this.#touch;
      if (event.pointerType !== 'touch' || !event.isPrimary || !touch) return;
      this.#touch = null;
      const dx = event.clientX - touch.x;
      const dy = event.clientY - touch.y;
      if (Math.abs(dx) >= SWIPE && Math.abs(dx) > 1.5 * Math.abs(dy)) {
        // The finger pulls the next move in from the right, as a page is turned.
        this.#input((viewer) => viewer.arrowClick(dx < 0 ? Arrow.ForwardOne : Arrow.BackOne));
      } else if (Math.abs(dx) < TAP && Math.abs(dy) < TAP) {
        this.focus({ preventScroll: true });
        const [x, y] = touch.at.map(Math.floor);
        this.#input((viewer) => viewer.boardMouseDown(0, x, y));
      }
    });
    board.addEventListener('pointercancel', () => { this.#touch = null; });
    board.addEventListener('contextmenu', (event) => event.preventDefault());
    panel.addEventListener('wheel', (event) => {
      if (!this.#view || event.ctrlKey || event.deltaY === 0) return;
      event.preventDefault();
      const scale = event.deltaMode === WheelEvent.DOM_DELTA_LINE ? UNITS_PER_LINE
        : event.deltaMode === WheelEvent.DOM_DELTA_PAGE ? 120 : UNITS_PER_PIXEL;
      const units = Math.round(-event.deltaY * scale);
      this.#input((viewer) => viewer.wheel(units));
    }, { passive: false });
  }

  #wireDialog() {
    const dialog = this.#dialog;
    dialog.closeButton.addEventListener('click', () => this.#input((viewer) => viewer.closeReference()));
    dialog.steps.forEach((step, tag) => {
      step.addEventListener('click', () => this.#input((viewer) => viewer.stepClick(tag)));
    });
    dialog.pass.addEventListener('click', () => this.#input((viewer) => viewer.passBtnClick()));
    const mark = () => this.#input((viewer) => viewer.setMark(dialog.mark.checked, dialog.letters.selectedIndex));
    dialog.mark.addEventListener('change', mark);
    dialog.letters.addEventListener('change', mark);
    dialog.board.addEventListener('pointerdown', (event) => {
      if (event.button > 2) return;
      if (event.button === 1) event.preventDefault();
      dialog.dialog.focus({ preventScroll: true });
      const button = [0, 2, 1][event.button];
      this.#input((viewer) => viewer.referenceMouseDown(button, Math.floor(event.offsetX), Math.floor(event.offsetY)));
    });
    dialog.board.addEventListener('contextmenu', (event) => event.preventDefault());
  }
}

if (!customElements.get('xvexo-view')) customElements.define('xvexo-view', XVexoViewElement);
