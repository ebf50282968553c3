// The viewer's form in the element's shadow tree, laid out as the desktop's: the board panel with
// the title above and the arrows and function buttons below, and on the right the players and
// prisoners, the game information, the comment box and the playback controls. Below 640 pixels
// of width the parts stack in one column that scrolls. It only shows what the view model says:
// the element hands it the state after every change.

const template = document.createElement('template');
template.innerHTML = `<style>
  :host { display: inline-block; position: relative; overflow: hidden; box-sizing: border-box;
          width: 798px; height: 560px; contain: content; outline: none;
          --form-font: SimSun, "Noto Serif CJK SC", "Songti SC", serif;
          --button-font: "Noto Sans CJK SC", "Microsoft YaHei", "PingFang SC", sans-serif; }
  :host([hidden]) { display: none; }
  :host(:focus-visible) .form { outline: 2px solid #3a78b0; outline-offset: -2px; }
  .form { position: absolute; inset: 0; display: grid; grid-template-columns: minmax(0, 1fr) 252px;
          font: 13px var(--form-font); color: #000; background: #e5e5e5; }
  .left, .rightP { display: flex; flex-direction: column; min-width: 0; min-height: 0; }
  .topP { flex: none; height: 26px; position: relative; }
  .middle { flex: 1; display: flex; min-height: 0; }
  .sideP { flex: none; width: 13px; }
  .panP { flex: 1; position: relative; min-width: 0; overflow: hidden; box-sizing: border-box;
          border: 2px inset #f4f4f4; background: #d4d0c8; touch-action: pan-y pinch-zoom; }
  .panP canvas { position: absolute; left: 0; top: 0; margin: -2px 0 0 -2px; }
  .buttonP { flex: none; height: 37px; position: relative; }
  .functionP { position: absolute; left: 14px; right: 0; top: 0; bottom: 0; display: flex;
               align-items: flex-start; padding-right: 6px; background-repeat: repeat; }
  .arrows { display: flex; margin: 8px auto 0; }
  .functionP > button { width: 96px; height: 35px; font-size: 14px; }
  .rightTopP { flex: none; height: 329px; position: relative; }
  .playerP { position: absolute; left: 10px; top: 26px; width: 237px; height: 130px;
             box-sizing: border-box; border: 2px inset #b8c4ce; background-repeat: repeat; }
  .playerP > * { position: absolute; }
  .playerP .picture { margin: -2px 0 0 -2px; }
  .name, .rank, .dead { margin: -2px 0 0 -2px; font-weight: bold; text-align: center;
                        color: #fff; overflow: hidden; }
  .name { width: 84px; height: 32px; line-height: 16px; overflow-wrap: anywhere; }
  .name.one-line, .rank, .info-line, .eventNameL { white-space: nowrap; text-overflow: ellipsis; }
  .name.one-line { height: 16px; }
  .rank, .dead { height: 13px; line-height: 13px; width: 84px; }
  .dead { width: 16px; }
  .wDiedSL { color: #000; }
  .bevel { position: absolute; left: 10px; width: 237px; height: 0; margin: 0;
           border: none; border-top: 1px solid #a0a0a0; border-bottom: 1px solid #fff; }
  .eventNameL { position: absolute; left: 10px; top: 171px; width: 237px; height: 24px;
                font-weight: bold; text-align: center; overflow: hidden; }
  .info-line { position: absolute; left: 19px; right: 4px; height: 16px; overflow: hidden; }
  .commentP { flex: 1; position: relative; min-height: 80px; }
  .Label1 { position: absolute; left: 19px; top: 4px; }
  .commentM { position: absolute; left: 10px; top: 24px; width: 238px; bottom: 0;
              box-sizing: border-box; overflow-y: scroll; background: #fff; padding: 2px 4px;
              border: 2px inset #f4f4f4; white-space: pre-wrap; overflow-wrap: anywhere;
              line-height: 17px; }
  .commentM p { margin: 0; min-height: 17px; }
  .commentM a { color: #0000c0; text-decoration: underline; cursor: pointer; }
  .movesP { flex: none; height: 38px; position: relative; }
  .movesP > * { position: absolute; top: 10px; box-sizing: border-box; }
  .autoBtn { left: 18px; width: 56px; height: 20px; }
  .secondSE { left: 83px; width: 43px; height: 22px; font: inherit; padding: 0 0 0 2px; }
  .moveBtn { left: 144px; width: 46px; height: 20px; }
  .moveEd { left: 195px; width: 41px; height: 21px; font: inherit; padding: 0 2px; }

  .picture, .glyph { background-image: var(--sheet); background-repeat: no-repeat;
                     background-position: var(--x) var(--y); }
  .glyph { border: none; padding: 0; background-color: transparent; cursor: pointer; }
  .glyph:hover { background-position: calc(var(--x) - var(--w)) var(--y); }
  .glyph:active { background-position: calc(var(--x) - 2 * var(--w)) var(--y); }
  .glyph:disabled { background-position: calc(var(--x) - 3 * var(--w)) var(--y); cursor: default; }
  .glyph:focus-visible, .text:focus-visible { outline: 1px dotted #000; outline-offset: -3px; }
  .text { font: bold 12px var(--button-font); color: #1e2c3c; border: 1px solid #6e8296;
          border-radius: 4px; padding: 0; cursor: pointer; white-space: nowrap; overflow: hidden;
          background: linear-gradient(#fafcfd, #cedae4); }
  .text:hover { color: #103058; border-color: #3a78b0; background: linear-gradient(#fff, #c4def0); }
  .text:active { color: #0a2446; border-color: #285a8c; padding: 2px 0 0 2px;
                 background: linear-gradient(#96bad6, #d6e6f2); }
  [hidden] { display: none !important; }

  .form.narrow { display: block; overflow-y: auto; overflow-x: hidden; }
  .narrow .sideP { display: none; }
  .narrow .buttonP { height: auto; min-height: 37px; }
  .narrow .functionP { position: relative; left: 0; flex-wrap: wrap; justify-content: center;
                       padding: 0 0 2px; min-height: 37px; }
  .narrow .arrows { margin: 8px 4px 4px; }
  .narrow .functionP > button { width: 70px; height: 30px; margin: 3px 1px 2px; }
  .narrow .movesP { order: 1; width: 252px; margin: 0 auto; }
  .narrow .commentP { order: 2; flex: none; height: 220px; }
  .narrow .commentM { right: 10px; width: auto; }
  .narrow .rightTopP { order: 3; width: 252px; margin: 0 auto; }

  .message { position: absolute; inset: 0; display: grid; place-items: center;
             background: rgb(0 0 0 / 0.15); z-index: 20; }
  .message > div { min-width: 200px; max-width: 80%; padding: 16px 18px 12px; background: #f0f0f0;
                   border: 1px solid #707070; box-shadow: 0 4px 16px rgb(0 0 0 / 0.3);
                   display: grid; gap: 14px; justify-items: center; }
  .message button { width: 75px; height: 23px; }
</style>
<div class="form" part="form" lang="zh-Hans">
  <div class="left">
    <div class="topP"><span class="picture" data-picture="TITLE" style="position: absolute; left: 1px; top: 1px"></span></div>
    <div class="middle">
      <div class="sideP"></div>
      <div class="panP" part="board-panel"><canvas class="MainGoPB" part="board"></canvas></div>
    </div>
    <div class="buttonP">
      <div class="functionP" data-wallpaper="EPBITMAP1">
        <div class="arrows"></div>
        <button class="text testBtn" part="button" data-text="trial"></button>
        <button class="text numBtn" part="button" data-text="numbers"></button>
      </div>
    </div>
  </div>
  <div class="rightP">
    <div class="rightTopP">
      <div class="playerP" data-wallpaper="EPBITMAP2">
        <span class="picture" data-picture="PLAYERW" style="left: 22px; top: 11px"></span>
        <span class="picture" data-picture="PLAYERB" style="left: 160px; top: 11px"></span>
        <span class="picture" data-picture="VERSUS" style="left: 90px; top: 29px"></span>
        <span class="picture" data-picture="PRISONERS" style="left: 90px; top: 82px"></span>
        <span class="name wPlayerL" style="left: 3px; top: 90px"></span>
        <span class="name bPlayerL" style="left: 148px; top: 90px"></span>
        <span class="dead bDiedSL" style="left: 96px; top: 89px"></span>
        <span class="dead wDiedSL" style="left: 129px; top: 89px"></span>
        <span class="rank WGlvlL" style="left: 0; top: 108px"></span>
        <span class="rank BGlvlL" style="left: 148px; top: 108px"></span>
      </div>
      <hr class="bevel" style="top: 163px">
      <div class="eventNameL" part="event"></div>
      <hr class="bevel" style="top: 322px">
    </div>
    <div class="commentP">
      <span class="Label1" data-text="comment"></span>
      <div class="commentM" part="comment" role="log" tabindex="-1"></div>
    </div>
    <div class="movesP">
      <button class="text autoBtn" part="button" data-text="auto"></button>
      <input class="secondSE" type="number" min="1" max="100" value="1" step="1" part="seconds">
      <button class="text moveBtn" part="button" data-text="goTo"></button>
      <input class="moveEd" type="text" maxlength="3" inputmode="numeric" autocomplete="off"
             part="move-box">
    </div>
  </div>
</div>
<div class="message" role="alertdialog" aria-modal="true" aria-describedby="message-text"
     lang="zh-Hans" hidden>
  <div><p class="message-text" id="message-text"></p>
    <button class="message-ok" data-text="ok"></button></div>
</div>`;

// The arrows' names in the element's texts, by tag.
const ARROW_TEXTS = ['toStart', 'backFive', 'backOne', 'forwardOne', 'forwardFive', 'toEnd'];

const css = (colour) => `#${(colour & 0xffffff).toString(16).padStart(6, '0')}`;

// Shows Picture (of the form sheet) on Node: its size and its place in the sheet. A glyph strip
// of four states shows the first; the style sheet shifts to the others.
function showPicture(node, picture, states = 1) {
  if (!picture) return;
  const width = picture.w / states;
  node.style.setProperty('--x', `${-picture.x}px`);
  node.style.setProperty('--y', `${-picture.y}px`);
  node.style.setProperty('--w', `${width}px`);
  node.style.width = `${width}px`;
  node.style.height = `${picture.h}px`;
}

export class FormView {
  constructor(shadowRoot) {
    shadowRoot.append(template.content.cloneNode(true));
    const $ = (selector) => shadowRoot.querySelector(selector);
    this.root = $('.form');
    this.panel = $('.panP');
    this.board = $('.MainGoPB');
    this.left = $('.left');
    this.buttons = {
      test: $('.testBtn'),
      numbers: $('.numBtn'),
      auto: $('.autoBtn'),
      goTo: $('.moveBtn'),
    };
    this.seconds = $('.secondSE');
    this.moveBox = $('.moveEd');
    this.comment = $('.commentM');
    this.eventName = $('.eventNameL');
    this.names = { black: $('.bPlayerL'), white: $('.wPlayerL') };
    this.ranks = { black: $('.BGlvlL'), white: $('.WGlvlL') };
    this.dead = { black: $('.bDiedSL'), white: $('.wDiedSL') };
    this.message = $('.message');
    this.messageText = $('.message-text');
    this.messageOk = $('.message-ok');
    this.infoLines = [];
    const rightTop = $('.rightTopP');
    for (let i = 1; i <= 6; ++i) {
      const line = document.createElement('div');
      line.className = 'info-line';
      line.style.top = `${176 + 20 * i}px`;
      rightTop.append(line);
      this.infoLines.push(line);
    }
    this.arrows = ARROW_TEXTS.map((name, tag) => {
      const arrow = document.createElement('button');
      arrow.className = 'glyph arrow';
      arrow.dataset.tag = String(tag);
      arrow.dataset.label = name;
      arrow.setAttribute('part', 'arrow');
      $('.arrows').append(arrow);
      return arrow;
    });
    this.texts = {};
    this.state = {};
  }

  // The form's pictures, once the core has loaded them.
  showPictures({ url, pictures, wallpapers }) {
    this.root.style.setProperty('--sheet', `url("${url}")`);
    for (const node of this.root.querySelectorAll('[data-picture]')) {
      showPicture(node, pictures[node.dataset.picture]);
    }
    this.arrows.forEach((arrow, tag) => showPicture(arrow, pictures[`ARROW${tag + 1}`], 4));
    for (const node of this.root.querySelectorAll('[data-wallpaper]')) {
      const wallpaper = wallpapers[node.dataset.wallpaper];
      if (wallpaper) node.style.backgroundImage = `url("${wallpaper}")`;
    }
  }

  // The element's own texts (captions, tooltips, names read out), in the language asked for.
  showTexts(texts) {
    this.texts = texts;
    for (const node of this.root.parentNode.querySelectorAll('[data-text]')) {
      node.textContent = texts[node.dataset.text] ?? '';
    }
    for (const arrow of this.arrows) {
      arrow.title = texts[arrow.dataset.label] ?? '';
      arrow.setAttribute('aria-label', arrow.title);
    }
    this.seconds.setAttribute('aria-label', texts.seconds ?? '');
    this.moveBox.setAttribute('aria-label', texts.moveNumber ?? '');
    this.showButtons(this.state);
  }

  // Which of each pair of buttons shows, in its place.
  showButtons(state) {
    const { texts, buttons } = this;
    buttons.test.textContent = texts[state.trial ? 'trialEnd' : 'trial'] ?? '';
    buttons.numbers.textContent = texts[state.numbers ? 'numbersEnd' : 'numbers'] ?? '';
    buttons.auto.textContent = texts[state.autoPlay ? 'autoEnd' : 'auto'] ?? '';
  }

  // The main window's state (TPageViewer::State).
  showState(state) {
    this.state = state;
    this.showButtons(state);
    this.panel.style.backgroundColor = css(state.surround);
    this.board.style.left = `${state.boardLeft}px`;
    this.board.style.top = `${state.boardTop}px`;
    this.dead.white.textContent = state.whiteDead;
    this.dead.black.textContent = state.blackDead;
    if (document.activeElement !== this.seconds && this.seconds.value !== String(state.seconds)) {
      this.seconds.value = String(state.seconds);
    }
  }

  // The game information of the record shown, written afresh.
  showInfo(info) {
    const field = (node, text) => {
      node.textContent = text;
      node.title = text;
    };
    field(this.eventName, info.title);
    info.lines.forEach((line, i) => field(this.infoLines[i], line));
    for (const side of ['black', 'white']) {
      const player = info[side];
      field(this.names[side], player.name);
      this.names[side].classList.toggle('one-line', !player.nameWraps);
      field(this.ranks[side], player.rankWritten ? player.rank : '');
    }
  }

  // The comment box, written afresh and scrolled to its top: a link line opens its diagram.
  showComment(lines) {
    const paragraphs = lines.map((line) => {
      const p = document.createElement('p');
      const text = line.text.replace(/\r\n?/g, '\n');
      if (line.link && line.diagram > 0) {
        const link = document.createElement('a');
        link.href = '#';
        link.dataset.diagram = String(line.diagram);
        link.textContent = text;
        p.append(link);
      } else {
        p.textContent = text;
      }
      return p;
    });
    this.comment.replaceChildren(...paragraphs);
    this.comment.scrollTop = 0;
  }

  // A message box over the form, with its OK button focused.
  showMessage(text) {
    this.messageText.textContent = text;
    this.message.hidden = false;
    this.messageOk.focus();
  }

  hideMessage() {
    this.message.hidden = true;
  }

  get messageShown() {
    return !this.message.hidden;
  }

  // The layout for a box of Width x Height: two columns as on the desktop, or one column below
  // 640 pixels of width, where the board panel takes the width (or what the height leaves).
  layout(width, height) {
    const narrow = width < 640;
    this.root.classList.toggle('narrow', narrow);
    this.panel.style.height = narrow ? `${Math.max(160, Math.min(width, height - 101))}px` : '';
  }

  // The board panel's size (its border included, as the desktop's panel measures).
  panelSize() {
    return [this.panel.offsetWidth, this.panel.offsetHeight];
  }
}
