// The reference window as a dialog in the element: a title bar with the caption (dragged to move
// the dialog, a button to close it), the diagram's board with the five step buttons under it,
// and the comment with, in study mode, the pass button and the letters. Laid out as the
// desktop's window (304 x 388 inside), resizable; it shows the reference window's model.

const template = document.createElement('template');
template.innerHTML = `<style>
  .reference { position: absolute; left: 0; top: 0; z-index: 10; display: flex;
               flex-direction: column; width: 306px; height: 412px; min-width: 180px;
               min-height: 220px; max-width: 100%; max-height: 100%; box-sizing: border-box;
               border: 1px solid #5a6a7a; background: #d4d0c8; resize: both; overflow: hidden;
               box-shadow: 0 4px 18px rgb(0 0 0 / 0.35); font: 12px var(--form-font);
               outline: none; }
  .caption-bar { flex: none; display: flex; align-items: center; height: 22px; padding: 0 2px 0 6px;
                 background: linear-gradient(#3a6ea5, #2a5a8e); color: #fff; cursor: move;
                 user-select: none; touch-action: none; font-weight: bold; }
  .reference:focus-within .caption-bar { background: linear-gradient(#4a84c0, #3068a4); }
  .caption { flex: 1; overflow: hidden; white-space: nowrap; text-overflow: ellipsis; }
  .close { width: 20px; height: 18px; padding: 0; border: 1px solid #c8d4e0; background: #d4d0c8;
           color: #000; font: bold 13px sans-serif; line-height: 14px; cursor: pointer; }
  .pSBase { flex: 1; display: flex; min-height: 0; }
  .Panel1 { flex: 1; display: flex; flex-direction: column; min-width: 0; box-sizing: border-box;
            border: 1px inset #f4f4f4; }
  .pBBase { flex: 1; position: relative; min-height: 0; overflow: hidden; }
  .pBBase canvas { position: absolute; left: 0; top: 0; }
  .pCBase { flex: none; height: 21px; position: relative; }
  .step { position: absolute; top: 3px; height: 18px; box-sizing: border-box; padding: 0;
          border: 1px solid #8a9a9a; background: #ccd4d4; color: #000; font: inherit;
          cursor: pointer; display: grid; place-items: center; overflow: hidden; }
  .step:hover, .step:active { background: #b5bfbf; color: #fff; }
  .step:focus-visible { outline: 1px dotted #000; outline-offset: -3px; }
  .step .picture { display: block; }
  .step:hover .picture { background-position: calc(var(--x) - var(--w)) var(--y); }
  .step:active .picture { background-position: calc(var(--x) - 2 * var(--w)) var(--y); }
  .pHBase { flex: none; height: 73px; display: flex; box-sizing: border-box;
            border: 1px inset #f4f4f4; background: #b1c3db; }
  .Memo { flex: 1; min-width: 0; overflow-y: scroll; background: #fff; white-space: pre-wrap;
          overflow-wrap: anywhere; font-size: 13px; line-height: 16px; padding: 1px 3px; }
  .pMBase { flex: none; width: 61px; position: relative; background: #bec7cc; }
  .pMBase > * { position: absolute; box-sizing: border-box; }
  .PassBtn { left: 8px; top: 5px; width: 44px; height: 20px; padding: 0;
             font: 12px GulimChe, NanumGothicCoding, "Nanum Gothic Coding", monospace; }
  .cbMark { left: 9px; top: 28px; display: flex; align-items: center; gap: 2px; white-space: nowrap; }
  .cbMark input { margin: 0; }
  .cbMarkC { left: 8px; top: 46px; width: 44px; height: 21px; font: inherit; padding: 0; }
</style>
<div class="reference" role="dialog" aria-labelledby="reference-caption" tabindex="-1" hidden
     part="reference" lang="zh-Hans">
  <div class="caption-bar"><span class="caption" id="reference-caption"></span>
    <button class="close">&times;</button></div>
  <div class="pSBase">
    <div class="Panel1">
      <div class="pBBase"><canvas class="HelpPB" part="reference-board"></canvas></div>
      <div class="pCBase"></div>
    </div>
  </div>
  <div class="pHBase">
    <div class="Memo" part="reference-comment" tabindex="-1"></div>
    <div class="pMBase" hidden>
      <button class="PassBtn"></button>
      <label class="cbMark"><input type="checkbox"><span></span></label>
      <select class="cbMarkC"></select>
    </div>
  </div>
</div>`;

const css = (colour) => `#${(colour & 0xffffff).toString(16).padStart(6, '0')}`;
const STEP_TEXTS = ['backFive', 'backOne', 'forwardOne', 'forwardFive'];

export class ReferenceDialog {
  // Host: the element, whose box the dialog stays in.
  constructor(container, host) {
    container.append(template.content.cloneNode(true));
    const $ = (selector) => container.querySelector(selector);
    this.host = host;
    this.dialog = $('.reference');
    this.caption = $('.caption');
    this.closeButton = $('.close');
    this.board = $('.HelpPB');
    this.boardPanel = $('.pBBase');
    this.buttonPanel = $('.pCBase');
    this.memo = $('.Memo');
    this.studyPanel = $('.pMBase');
    this.pass = $('.PassBtn');
    this.mark = $('.cbMark input');
    this.markCaption = $('.cbMark span');
    this.letters = $('.cbMarkC');
    for (let i = 0; i < 26; ++i) {
      this.letters.append(new Option(` ${String.fromCharCode(65 + i)}`, String(i)));
    }
    this.steps = Array.from({ length: 5 }, (_, tag) => {
      const step = document.createElement('button');
      step.className = 'step';
      step.dataset.tag = String(tag);
      if (tag < 4) step.append(Object.assign(document.createElement('span'), { className: 'picture' }));
      this.buttonPanel.append(step);
      return step;
    });
    this.placed = false;
    this.#dragByCaption($('.caption-bar'));
  }

  get shown() {
    return !this.dialog.hidden;
  }

  contains(node) {
    return this.dialog.contains(node);
  }

  showPictures({ url, pictures }) {
    this.dialog.style.setProperty('--sheet', `url("${url}")`);
    this.steps.slice(0, 4).forEach((step, i) => {
      const picture = pictures[`IMG5${i + 1}`];
      const glyph = step.firstChild;
      if (!picture) return;
      const width = picture.w / 4;
      glyph.style.setProperty('--x', `${-picture.x}px`);
      glyph.style.setProperty('--y', `${-picture.y}px`);
      glyph.style.setProperty('--w', `${width}px`);
      glyph.style.width = `${width}px`;
      glyph.style.height = `${picture.h}px`;
    });
  }

  showTexts(texts) {
    this.closeButton.title = texts.close ?? '';
    this.closeButton.setAttribute('aria-label', this.closeButton.title);
    this.steps.slice(0, 4).forEach((step, i) => {
      step.title = texts[STEP_TEXTS[i]] ?? '';
      step.setAttribute('aria-label', step.title);
    });
    this.letters.setAttribute('aria-label', texts.letter ?? '');
  }

  // The reference window's state (TPageViewer::referenceState).
  showState(state) {
    this.caption.textContent = state.caption;
    if (this.memo.textContent !== state.memo) this.memo.textContent = state.memo;
    this.boardPanel.style.backgroundColor = css(state.surround);
    this.buttonPanel.style.backgroundColor = css(state.surround);
    this.dialog.querySelector('.pHBase').hidden = !state.helpPanel;
    this.studyPanel.hidden = !state.studyPanel;
    state.buttons.forEach(({ left, width }, i) => {
      this.steps[i].style.left = `${left}px`;
      this.steps[i].style.width = `${width}px`;
    });
    this.steps[4].textContent = state.studyCaption;
    this.pass.textContent = state.passCaption;
    this.markCaption.textContent = state.markCaption;
    this.mark.checked = state.markOn;
    this.letters.selectedIndex = state.markIndex;
    this.board.style.left = `${state.boardLeft}px`;
    this.board.style.top = `${state.boardTop}px`;
  }

  // Shown over the element: centred on it the first time, later where the user left it, always
  // within its box. The dialog takes the focus, so its keys step the diagram.
  open() {
    const wasHidden = this.dialog.hidden;
    this.dialog.hidden = false;
    if (!this.placed) {
      this.placed = true;
      const box = this.host.getBoundingClientRect();
      this.#moveTo((box.width - this.dialog.offsetWidth) / 2, (box.height - this.dialog.offsetHeight) / 2);
    } else if (wasHidden) {
      this.#moveTo(this.dialog.offsetLeft, this.dialog.offsetTop);
    }
    this.dialog.focus({ preventScroll: true });
  }

  close() {
    this.dialog.hidden = true;
  }

  // The board panel's size and the button panel's width, as the model takes them.
  panelSizes() {
    return [this.boardPanel.clientWidth, this.boardPanel.clientHeight, this.buttonPanel.clientWidth];
  }

  // Keeps the dialog inside the element's box (after the element shrank).
  keepInside() {
    if (this.shown) this.#moveTo(this.dialog.offsetLeft, this.dialog.offsetTop);
  }

  #moveTo(left, top) {
    const maxLeft = Math.max(0, this.host.clientWidth - this.dialog.offsetWidth);
    const maxTop = Math.max(0, this.host.clientHeight - this.dialog.offsetHeight);
    this.dialog.style.left = `${Math.round(Math.min(Math.max(0, left), maxLeft))}px`;
    this.dialog.style.top = `${Math.round(Math.min(Math.max(0, top), maxTop))}px`;
  }

  #dragByCaption(bar) {
    let start = null;
    bar.addEventListener('pointerdown', (event) => {
      if (event.button !== 0 || event.target === this.closeButton) return;
      start = { x: event.clientX - this.dialog.offsetLeft, y: event.clientY - this.dialog.offsetTop };
      bar.setPointerCapture(event.pointerId);
      this.dialog.focus({ preventScroll: true });
      event.preventDefault();
    });
    bar.addEventListener('pointermove', (event) => {
      if (start) this.#moveTo(event.clientX - start.x, event.clientY - start.y);
    });
    const end = () => { start = null; };
    bar.addEventListener('pointerup', end);
    bar.addEventListener('pointercancel', end);
  }
}
