// The page's side of the core's canvas (web/cpp/web_canvas.h): replays its commands on a 2D
// context and measures text with the page's fonts. Coordinates are the core's pixels (CSS
// pixels); each is rounded to the device pixel it lands on, so lines, fills and stones stay sharp
// at any devicePixelRatio. The command codes are those of TCommand.

const Command = {
  ClientSize: 1, Pen: 2, Brush: 3, ClearBrush: 4, TransparentText: 5, Font: 6, FontColour: 7,
  CopyMode: 8, CopyRect: 9, Line: 10, Ellipse: 11, Rectangle: 12, FillRect: 13, TextOut: 14,
  Pixel: 15, Fill: 16,
};

// The font names the core draws with, as CSS families: the same faces the desktop substitutes
// first, then what most systems have.
const Families = new Map([
  ['ms sans serif', '"Liberation Sans", Arial, Helvetica, sans-serif'],
  ['times new roman', '"Times New Roman", "Liberation Serif", Times, serif'],
  ['ms serif', '"Times New Roman", "Liberation Serif", Times, serif'],
  ['impact', '"Liberation Sans Narrow", "Arial Narrow", Impact, sans-serif'],
  ['\uAD74\uB9BC\uCCB4', 'GulimChe, "NanumGothicCoding", "Nanum Gothic Coding", monospace'],
  ['gulimche', 'GulimChe, "NanumGothicCoding", "Nanum Gothic Coding", monospace'],
  ['\u5B8B\u4F53', 'SimSun, "Noto Serif CJK SC", "Songti SC", serif'],
  ['simsun', 'SimSun, "Noto Serif CJK SC", "Songti SC", serif'],
]);

// The CSS font of a core font: Size in points at 96 dots per inch, times Scale.
export function cssFont(name, size, bold, scale = 1) {
  const key = name.toLowerCase();
  const pixels = Math.max(1, Math.round((size * 96) / 72)) * scale;
  const family = Families.get(key) ?? `"${name.replace(/["\\]/g, '')}", sans-serif`;
  // Impact stands in as a bold narrow face, as on the desktop.
  return `${bold || key === 'impact' ? 'bold ' : ''}${pixels}px ${family}`;
}

let measuringContext = null;
const measured = new Map();

// The width or the height (ascent and descent) of Text in a core font, in whole pixels.
export function measureText(name, size, bold, text, height) {
  const font = cssFont(name, size, bold);
  const key = `${font}\u0000${height ? '' : text}`;
  let value = measured.get(key);
  if (value === undefined) {
    measuringContext ??= new OffscreenCanvas(1, 1).getContext('2d');
    measuringContext.font = font;
    const metrics = measuringContext.measureText(height ? 'Hg' : text);
    value = Math.round(
      height ? metrics.fontBoundingBoxAscent + metrics.fontBoundingBoxDescent : metrics.width);
    measured.set(key, value);
  }
  return value;
}

// The picture sheet: its image and, for each picture number the core was given, its place.
export class PictureSheet {
  constructor(image) {
    this.image = image;
    this.pictures = [];  // by number: {x, y, w, h, kind}
    this.byName = new Map();
  }

  // Adds a picture under the number the core gave it.
  add(id, name, [x, y, w, h]) {
    const picture = { x, y, w, h, kind: /^[BW][SM]\d+$/.test(name) ? name.slice(0, 2) : '' };
    this.pictures[id] = picture;
    this.byName.set(name, picture);
  }

  // The stone or mask of the same kind drawn for Size pixels, when the generator made one.
  sameKind(picture, size) {
    const other = picture.kind && this.byName.get(picture.kind + size);
    return other && other.w === size && other.h === size ? other : null;
  }
}

const hex = (colour) => `#${(colour & 0xffffff).toString(16).padStart(6, '0')}`;
const CompositeOperations = ['source-over', 'multiply', 'lighter'];

export class CanvasPlayer {
  constructor(canvas, sheet) {
    this.canvas = canvas;
    this.sheet = sheet;
    this.context = canvas.getContext('2d', { alpha: false });
    this.scale = 1;
    this.width = 0;
    this.height = 0;
    this.decoder = new TextDecoder();
    this.pen = '#000000';
    this.penWidth = 1;
    this.brush = '#ffffff';
    this.clearBrush = false;
    this.transparentText = false;
    this.font = { name: 'MS Sans Serif', size: 8, bold: false };
    this.fontColour = '#000000';
    this.copyMode = 0;
  }

  // Device pixels for one of the core's; a new ratio takes effect at the next ClientSize (the
  // owner has the core repaint after setting it).
  setScale(scale) {
    this.scale = scale > 0 ? scale : 1;
    this.resize(this.width, this.height);
  }

  // Words: the commands (Int32Array); bytes: their texts (Uint8Array).
  replay(words, bytes) {
    const w = words;
    const text = (offset, length) => this.decoder.decode(bytes.subarray(offset, offset + length));
    for (let i = 0; i < w.length;) {
      switch (w[i]) {
        case Command.ClientSize: this.resize(w[i + 1], w[i + 2]); i += 3; break;
        case Command.Pen: this.pen = hex(w[i + 1]); this.penWidth = Math.max(1, w[i + 2]); i += 3; break;
        case Command.Brush: this.brush = hex(w[i + 1]); this.clearBrush = false; i += 2; break;
        case Command.ClearBrush: this.clearBrush = true; i += 1; break;
        case Command.TransparentText: this.transparentText = w[i + 1] !== 0; i += 2; break;
        case Command.Font:
          this.font = { name: text(w[i + 1], w[i + 2]), size: w[i + 3], bold: w[i + 4] !== 0 };
          i += 5;
          break;
        case Command.FontColour: this.fontColour = hex(w[i + 1]); i += 2; break;
        case Command.CopyMode: this.copyMode = w[i + 1]; i += 2; break;
        case Command.CopyRect: {
          const n = this.run(w, i);
          const [x, y, width, height, id, sx, sy] = w.subarray(i + 1, i + 8);
          this.copyRect(x, y, width, height, id, sx, sy, height === 1 ? n : 1,
                        height === 1 ? 1 : n);
          i += 8 * n;
          break;
        }
        case Command.Line: this.line(w[i + 1], w[i + 2], w[i + 3], w[i + 4]); i += 5; break;
        case Command.Ellipse: this.ellipse(w[i + 1], w[i + 2], w[i + 3], w[i + 4]); i += 5; break;
        case Command.Rectangle: this.rectangle(w[i + 1], w[i + 2], w[i + 3], w[i + 4]); i += 5; break;
        case Command.FillRect:
          if (!this.clearBrush) this.fill(w[i + 1], w[i + 2], w[i + 3], w[i + 4], this.brush);
          i += 5;
          break;
        case Command.TextOut:
          this.textOut(w[i + 1], w[i + 2], text(w[i + 3], w[i + 4]), w[i + 5]);
          i += 6;
          break;
        case Command.Pixel: this.fill(w[i + 1], w[i + 2], w[i + 1] + 1, w[i + 2] + 1, hex(w[i + 3])); i += 4; break;
        case Command.Fill: this.fill(w[i + 1], w[i + 2], w[i + 3], w[i + 4], hex(w[i + 5])); i += 6; break;
        default: throw new Error(`unknown canvas command ${w[i]} at ${i}`);
      }
    }
  }

  device(v) {
    return Math.round(v * this.scale);
  }

  resize(width, height) {
    this.width = Math.max(0, width);
    this.height = Math.max(0, height);
    this.canvas.style.width = `${this.width}px`;
    this.canvas.style.height = `${this.height}px`;
    this.canvas.width = Math.max(1, this.device(this.width));
    this.canvas.height = Math.max(1, this.device(this.height));
    this.context.imageSmoothingEnabled = false;
  }

  // Fills (x1, y1)-(x2, y2), right and bottom edges excluded.
  fill(x1, y1, x2, y2, style) {
    if (x2 <= x1 || y2 <= y1) return;
    const c = this.context;
    const x = this.device(x1);
    const y = this.device(y1);
    c.globalCompositeOperation = 'source-over';
    c.fillStyle = style;
    c.fillRect(x, y, this.device(x2) - x, this.device(y2) - y);
  }

  // How many CopyRect commands from I on copy the same one-pixel row each one line lower (or
  // the same one-pixel column each one further right), as the board's edges are drawn.
  run(w, i) {
    const [x, y, width, height, id, sx, sy] = w.subarray(i + 1, i + 8);
    if (height !== 1 && width !== 1) return 1;
    let n = 1;
    for (let j = i + 8; j + 8 <= w.length && w[j] === Command.CopyRect; j += 8, ++n) {
      const same = w[j + 3] === width && w[j + 4] === height && w[j + 5] === id &&
        w[j + 6] === sx && w[j + 7] === sy;
      const next = height === 1 ? w[j + 1] === x && w[j + 2] === y + n
                                : w[j + 2] === y && w[j + 1] === x + n;
      if (!same || !next) break;
    }
    return n;
  }

  // Copies the W x H block at (SX, SY) of a picture to (X, Y), Down times one under the other
  // (or Across times side by side) when the block is one pixel high (wide): one copy stretched
  // without smoothing, the same pixels.
  copyRect(x, y, w, h, id, sx, sy, down = 1, across = 1) {
    const picture = this.sheet.pictures[id];
    if (!picture || w <= 0 || h <= 0) return;
    // Only the part inside the picture is copied, as on the desktop (the sheet's neighbours lie
    // beyond); what falls off the canvas is not drawn.
    const x0 = Math.max(0, -sx);
    const y0 = Math.max(0, -sy);
    const x1 = Math.min(w, picture.w - sx);
    const y1 = Math.min(h, picture.h - sy);
    if (x0 >= x1 || y0 >= y1) return;
    const dx = this.device(x + x0);
    const dy = this.device(y + y0);
    const dw = this.device(x + x0 + (x1 - x0) * across) - dx;
    const dh = this.device(y + y0 + (y1 - y0) * down) - dy;
    let [srcX, srcY, srcW, srcH] = [picture.x + sx + x0, picture.y + sy + y0, x1 - x0, y1 - y0];
    // A whole stone or mask on a denser screen: the generator's picture for the device size,
    // pixel for pixel, where there is one.
    if (dw !== srcW && sx === 0 && sy === 0 && srcW === picture.w && srcH === picture.h) {
      const sharp = dw === dh ? this.sheet.sameKind(picture, dw) : null;
      if (sharp) [srcX, srcY, srcW, srcH] = [sharp.x, sharp.y, dw, dh];
    }
    const c = this.context;
    // AND of a black-and-white mask is a product, OR of a stone on black a sum.
    c.globalCompositeOperation = CompositeOperations[this.copyMode] ?? 'source-over';
    c.drawImage(this.sheet.image, srcX, srcY, srcW, srcH, dx, dy, dw, dh);
    c.globalCompositeOperation = 'source-over';
  }

  line(x1, y1, x2, y2) {
    if (this.penWidth === 1 && (x1 === x2 || y1 === y2)) {
      // The pixels from the start up to, not including, the end, as many device pixels thick
      // as whole ones fit in one of the core's (one at a ratio of 1.5).
      const t = Math.max(1, Math.floor(this.scale));
      const c = this.context;
      c.globalCompositeOperation = 'source-over';
      c.fillStyle = this.pen;
      if (y1 === y2) {
        const [a, b] = x2 >= x1 ? [x1, x2] : [x2 + 1, x1 + 1];
        if (b > a) c.fillRect(this.device(a), this.device(y1), this.device(b) - this.device(a), t);
      } else {
        const [a, b] = y2 >= y1 ? [y1, y2] : [y2 + 1, y1 + 1];
        if (b > a) c.fillRect(this.device(x1), this.device(a), t, this.device(b) - this.device(a));
      }
      return;
    }
    const c = this.context;
    const s = this.scale;
    c.globalCompositeOperation = 'source-over';
    c.strokeStyle = this.pen;
    c.lineWidth = this.penWidth * s;
    c.lineCap = 'butt';
    c.beginPath();
    c.moveTo((x1 + 0.5) * s, (y1 + 0.5) * s);
    c.lineTo((x2 + 0.5) * s, (y2 + 0.5) * s);
    c.stroke();
  }

  ellipse(x1, y1, x2, y2) {
    if (x2 - x1 < 1 || y2 - y1 < 1) return;
    const c = this.context;
    const s = this.scale;
    const pen = this.penWidth * s;
    const rx = Math.max(0.5, ((x2 - x1) * s - pen) / 2);
    const ry = Math.max(0.5, ((y2 - y1) * s - pen) / 2);
    c.globalCompositeOperation = 'source-over';
    c.beginPath();
    c.ellipse(((x1 + x2) * s) / 2, ((y1 + y2) * s) / 2, rx, ry, 0, 0, 2 * Math.PI);
    if (!this.clearBrush) {
      c.fillStyle = this.brush;
      c.fill();
    }
    c.strokeStyle = this.pen;
    c.lineWidth = pen;
    c.stroke();
  }

  rectangle(x1, y1, x2, y2) {
    if (x2 - x1 < 1 || y2 - y1 < 1) return;
    if (!this.clearBrush) this.fill(x1, y1, x2, y2, this.brush);
    const w = Math.min(this.penWidth, x2 - x1, y2 - y1);
    this.fill(x1, y1, x2, y1 + w, this.pen);
    this.fill(x1, y2 - w, x2, y2, this.pen);
    this.fill(x1, y1, x1 + w, y2, this.pen);
    this.fill(x2 - w, y1, x2, y2, this.pen);
  }

  textOut(x, y, text, align) {
    const { name, size, bold } = this.font;
    const width = measureText(name, size, bold, text, false);
    if (align === 1) x -= Math.floor(width / 2);
    if (align === 2) x -= width;
    if (!this.transparentText && !this.clearBrush) {
      this.fill(x, y, x + width, y + measureText(name, size, bold, text, true), this.brush);
    }
    const c = this.context;
    c.globalCompositeOperation = 'source-over';
    c.font = cssFont(name, size, bold, this.scale);
    c.textBaseline = 'alphabetic';
    c.fillStyle = this.fontColour;
    const ascent = c.measureText(text).fontBoundingBoxAscent;
    c.fillText(text, this.device(x), this.device(y) + Math.round(ascent));
  }
}
