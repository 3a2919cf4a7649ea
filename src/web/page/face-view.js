// Draws the calculator on its canvas, laid out as the face library's
// geometry says: the face with its outline as the shape, the key being
// pressed, the indicators, the LED display and the label strip. The canvas
// is the desktop window's client area; pictures come at the art scale
// nearest above its device pixels per client pixel, as the desktop chooses.

const kTitleFont = 'bold 13px "Liberation Sans", Arial, sans-serif';
const kLabelFont = '13px "Liberation Sans", Arial, sans-serif';
const kSmallFont = '9px "Liberation Sans", Arial, sans-serif';
const kSymbolFont = '13px "DejaVu Sans", "Liberation Sans", Arial, sans-serif';
const kSmallSymbolFont = '9px "DejaVu Sans", "Liberation Sans", Arial, sans-serif';
// The scales the pictures are drawn at (face.jpg, face@1.5x.jpg ...).
const kArtScales = [1, 1.5, 2, 3];
// The label strip's look.
const kStripInk = 'rgb(205, 111, 31)';
const kStripBackground = 'rgb(16, 16, 16)';
const kStripKeys = 5;
const kStripIndent = 10;
const kStripLabelRightEdge = 320;

function loadImage(url) {
  return new Promise((resolve, reject) => {
    const image = new Image();
    image.onload = () => resolve(image);
    image.onerror = () => reject(new Error(`cannot load ${url}`));
    image.src = url;
  });
}

function atScale(name, scale) {
  if (scale === 1) return name;
  const dot = name.lastIndexOf('.');
  return `${name.slice(0, dot)}@${scale}x${name.slice(dot)}`;
}

// The smallest drawn scale at least the wanted one, so that pictures are
// reduced, never enlarged.
function artScaleFor(wanted) {
  return kArtScales.find((scale) => scale >= wanted - 0.001) ?? kArtScales[kArtScales.length - 1];
}

// The face cut out by its outline, which is blue outside the calculator.
async function composeFace(base, scale) {
  const [face, outline] = await Promise.all([
    loadImage(`${base}${atScale('face.jpg', scale)}`),
    loadImage(`${base}${atScale('outline.png', scale)}`),
  ]);
  const canvas = document.createElement('canvas');
  canvas.width = face.naturalWidth;
  canvas.height = face.naturalHeight;
  const context = canvas.getContext('2d');
  context.drawImage(outline, 0, 0, canvas.width, canvas.height);
  const mask = context.getImageData(0, 0, canvas.width, canvas.height);
  const pixels = mask.data;
  for (let i = 0; i < pixels.length; i += 4) {
    const blue = pixels[i + 2] > 127 && pixels[i] < 128 && pixels[i + 1] < 128;
    pixels[i + 3] = blue ? 255 - pixels[i + 3] : 255;
  }
  context.putImageData(mask, 0, 0);
  context.globalCompositeOperation = 'source-in';
  context.drawImage(face, 0, 0);
  return canvas;
}

export class FaceView {
  constructor(canvas, geometry, skinBase) {
    this.canvas = canvas;
    this.geometry = geometry;
    this.skinBase = skinBase;
    this.context = canvas.getContext('2d');
    this.art = null;
    this.artScale = 0;
    this.loading = null;
  }

  // Loads the pictures for a number of device pixels per client pixel.
  async useScale(devicePerClient) {
    const scale = artScaleFor(devicePerClient);
    if (scale === this.artScale) return;
    const base = this.skinBase;
    const [face, indicators, glyphs] = await Promise.all([
      composeFace(base, scale),
      loadImage(`${base}${atScale('indicators.png', scale)}`),
      loadImage(`${base}${atScale('led.png', scale)}`),
    ]);
    this.art = { face, indicators, glyphs };
    this.artScale = scale;
  }

  // Sizes the canvas to cssWidth and its backing store to the screen's pixels.
  resize(cssWidth, devicePixelRatio) {
    const { width, height } = this.geometry.client;
    const cssHeight = (cssWidth * height) / width;
    this.canvas.style.width = `${cssWidth}px`;
    this.canvas.style.height = `${cssHeight}px`;
    this.canvas.width = Math.round(cssWidth * devicePixelRatio);
    this.canvas.height = Math.round(cssHeight * devicePixelRatio);
    return this.canvas.width / width;
  }

  // A point in CSS pixels of the page, in client pixels.
  toClient(cssX, cssY) {
    const box = this.canvas.getBoundingClientRect();
    const { width, height } = this.geometry.client;
    return { x: ((cssX - box.left) * width) / box.width, y: ((cssY - box.top) * height) / box.height };
  }

  // Draws a part of a picture drawn at the art scale (source in its 1 times pixels).
  drawPart(picture, sx, sy, sw, sh, dx, dy, dw = sw, dh = sh) {
    const s = this.artScale;
    this.context.drawImage(picture, sx * s, sy * s, sw * s, sh * s, dx, dy, dw, dh);
  }

  // A rectangle of the face in client pixels.
  onFace(x, y) {
    const skin = this.geometry.skin;
    return [skin.x + x, skin.y + y];
  }

  draw(state) {
    if (!this.art) return;
    const context = this.context;
    const { client, skin } = this.geometry;
    context.setTransform(this.canvas.width / client.width, 0, 0, this.canvas.height / client.height, 0, 0);
    context.imageSmoothingEnabled = true;
    context.imageSmoothingQuality = 'high';
    context.clearRect(0, 0, client.width, client.height);
    this.drawPart(this.art.face, 0, 0, skin.width, skin.height, skin.x, skin.y);
    if (state.pressed) this.drawPressedKey(state.pressed);
    this.drawIndicators(state);
    this.drawDisplay(state);
    if (state.strip) this.drawStrip(state.strip);
  }

  // The pressed key's picture moves down and right.
  drawPressedKey({ column, row }) {
    const key = this.geometry.keys.find((k) => k.column === column && k.row === row);
    const picture = this.geometry.keyPicture;
    const [x, y] = [key.x + picture.x, key.y + picture.y];
    const shift = picture.pressShift;
    const [cx, cy] = this.onFace(x, y);
    this.context.save();
    this.context.beginPath();
    this.context.rect(cx, cy, picture.width, picture.height);
    this.context.clip();
    this.drawPart(this.art.face, x - shift, y - shift, picture.width, picture.height, cx, cy);
    this.context.restore();
  }

  drawIndicators(state) {
    const ind = this.geometry.indicators;
    const cell = (c, lit) => {
      const [x, y] = this.onFace(c.x, ind.top);
      if (lit) this.drawPart(this.art.indicators, c.stripX, 0, c.width, ind.height, x, y);
      else {
        this.context.fillStyle = '#000';
        this.context.fillRect(x, y, c.width, ind.height);
      }
    };
    cell(ind.second, state.second);
    cell(ind.inv, state.inv);
    cell(ind.angles[state.angle] ?? ind.angles[0], true);
  }

  drawDisplay(state) {
    const d = this.geometry.display;
    const led = this.geometry.led;
    const [left, top] = this.onFace(d.x, d.y);
    this.context.fillStyle = '#000';
    this.context.fillRect(left, top, d.width, d.height);
    if (!state.displayShown) return;
    state.cells.forEach((cell, i) => {
      const x = left + i * led.pitch;
      if (cell.stripX >= 0) this.drawPart(this.art.glyphs, cell.stripX, 0, led.glyphWidth, led.glyphHeight, x, top);
      if (cell.point)
        this.drawPart(this.art.glyphs, led.strip.point, 0, led.strip.pointWidth, led.glyphHeight, x + led.pointOffset, top);
    });
  }

  drawStrip(strip) {
    const s = this.geometry.labelStrip;
    const [left, top] = this.onFace(s.x, s.y);
    const context = this.context;
    context.save();
    context.fillStyle = kStripBackground;
    context.beginPath();
    context.roundRect(left, top, s.width, s.height, 5);
    context.fill();
    context.strokeStyle = kStripInk;
    context.fillStyle = kStripInk;
    context.lineWidth = 1;
    context.textBaseline = 'top';
    const line = (x1, y1, x2, y2) => {
      context.beginPath();
      context.moveTo(x1 + 0.5, y1 + 0.5);
      context.lineTo(x2 + 0.5, y2 + 0.5);
      context.stroke();
    };
    for (let band = 1; band <= 2; ++band) {
      const bandTop = top + s.bandHeight * band;
      line(left, bandTop, left + s.width - 1, bandTop);
      if (strip.lines[band - 1]) {
        context.font = kTitleFont;
        context.fillText(strip.lines[band - 1], left + kStripIndent, bandTop + 3);
        continue;
      }
      for (let k = 1; k < kStripKeys; ++k) line(left + s.cellWidth * k, bandTop, left + s.cellWidth * k, bandTop + s.bandHeight);
      for (let key = 0; key < kStripKeys; ++key) {
        const runs = strip.labels[key * 2 + band - 1];
        if (!runs.length) continue;
        const width = this.measureRuns(runs);
        this.drawRuns(runs, left + s.cellWidth * key + Math.trunc((s.cellWidth - width) / 2), bandTop + 3);
      }
    }
    context.font = kTitleFont;
    context.fillText(strip.title, left + kStripIndent, top + 4);
    context.textAlign = 'right';
    context.fillText(strip.programLabel, left + kStripLabelRightEdge, top + 4);
    context.restore();
  }

  runFont(run) {
    const small = run.script !== 'normal';
    if (run.symbol) return small ? kSmallSymbolFont : kSymbolFont;
    return small ? kSmallFont : kLabelFont;
  }

  measureRuns(runs) {
    let width = 0;
    for (const run of runs) {
      this.context.font = this.runFont(run);
      if (run.advance) width += this.context.measureText(run.text).width;
    }
    return width;
  }

  drawRuns(runs, x, y) {
    for (const run of runs) {
      this.context.font = this.runFont(run);
      const drop = run.script === 'subscript' ? 8 : run.script === 'smaller' ? 3 : 0;
      this.context.fillText(run.text, x, y + drop);
      if (run.advance) x += this.context.measureText(run.text).width;
    }
  }
}
