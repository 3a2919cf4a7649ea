// Draws the calculator on its canvas: the face with its outline as the
// shape, the key being pressed, the indicators, the LED display and the
// label strip. Pictures come at the art scale nearest above the canvas's
// device pixels per skin pixel, as the desktop program chooses them.

const kTitleFont = 'bold 13px "Liberation Sans", Arial, sans-serif';
const kLabelFont = '13px "Liberation Sans", Arial, sans-serif';
const kSmallFont = '9px "Liberation Sans", Arial, sans-serif';
const kSymbolFont = '13px "DejaVu Sans", "Liberation Sans", Arial, sans-serif';
const kSmallSymbolFont = '9px "DejaVu Sans", "Liberation Sans", Arial, sans-serif';

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
export function artScaleFor(scales, wanted) {
  return scales.find((scale) => scale >= wanted - 0.001) ?? scales[scales.length - 1];
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

  // Loads the pictures for a number of device pixels per skin pixel.
  async useScale(devicePerSkin) {
    const scale = artScaleFor(this.geometry.artScales, devicePerSkin);
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
    const { width, height } = this.geometry.skin;
    const cssHeight = (cssWidth * height) / width;
    this.canvas.style.width = `${cssWidth}px`;
    this.canvas.style.height = `${cssHeight}px`;
    this.canvas.width = Math.round(cssWidth * devicePixelRatio);
    this.canvas.height = Math.round(cssHeight * devicePixelRatio);
    return this.canvas.width / width;
  }

  // A point in CSS pixels of the canvas, in skin pixels.
  toSkin(cssX, cssY) {
    const box = this.canvas.getBoundingClientRect();
    const { width, height } = this.geometry.skin;
    return { x: ((cssX - box.left) * width) / box.width, y: ((cssY - box.top) * height) / box.height };
  }

  // Draws a part of a picture drawn at the art scale (source in skin pixels).
  drawPart(picture, sx, sy, sw, sh, dx, dy, dw = sw, dh = sh) {
    const s = this.artScale;
    this.context.drawImage(picture, sx * s, sy * s, sw * s, sh * s, dx, dy, dw, dh);
  }

  draw(state) {
    if (!this.art) return;
    const context = this.context;
    const g = this.geometry;
    context.setTransform(this.canvas.width / g.skin.width, 0, 0, this.canvas.height / g.skin.height, 0, 0);
    context.imageSmoothingEnabled = true;
    context.imageSmoothingQuality = 'high';
    context.clearRect(0, 0, g.skin.width, g.skin.height);
    const face = this.art.face;
    this.drawPart(face, 0, 0, g.skin.width, g.skin.height, 0, 0);
    if (state.pressed) this.drawPressedKey(state.pressed);
    this.drawIndicators(state);
    this.drawDisplay(state);
    if (state.strip) this.drawStrip(state.strip);
  }

  // The pressed key's picture moves down and right.
  drawPressedKey({ column, row }) {
    const k = this.geometry.keys;
    const x = k.columns[column] + k.picture.dx;
    const y = k.rows[row] + k.picture.dy;
    const shift = k.picture.shift;
    this.context.save();
    this.context.beginPath();
    this.context.rect(x, y, k.picture.width, k.picture.height);
    this.context.clip();
    this.drawPart(this.art.face, x - shift, y - shift, k.picture.width, k.picture.height, x, y);
    this.context.restore();
  }

  drawIndicators(state) {
    const ind = this.geometry.indicators;
    const cell = (c, lit) => {
      if (lit) this.drawPart(this.art.indicators, c.sourceX, 0, c.width, ind.height, c.x, ind.y);
      else {
        this.context.fillStyle = '#000';
        this.context.fillRect(c.x, ind.y, c.width, ind.height);
      }
    };
    cell(ind.second, state.second);
    cell(ind.inv, state.inv);
    cell(ind.angles[state.angle] ?? ind.angles[0], true);
  }

  drawDisplay(state) {
    const d = this.geometry.display;
    const led = this.geometry.led;
    this.context.fillStyle = '#000';
    this.context.fillRect(d.x, d.y, d.width, d.height);
    if (!state.displayShown) return;
    state.cells.forEach((cell, i) => {
      const x = d.x + i * led.pitch;
      if (cell.stripX >= 0) this.drawPart(this.art.glyphs, cell.stripX, 0, led.glyphWidth, led.glyphHeight, x, d.y);
      if (cell.point)
        this.drawPart(this.art.glyphs, led.pointStripX, 0, led.pointWidth, led.glyphHeight, x + led.pointOffset, d.y);
    });
  }

  drawStrip(strip) {
    const s = this.geometry.strip;
    const context = this.context;
    context.save();
    context.fillStyle = s.background;
    context.beginPath();
    context.roundRect(s.x, s.y, s.width, s.height, 5);
    context.fill();
    context.strokeStyle = s.ink;
    context.fillStyle = s.ink;
    context.lineWidth = 1;
    context.textBaseline = 'top';
    const line = (x1, y1, x2, y2) => {
      context.beginPath();
      context.moveTo(x1 + 0.5, y1 + 0.5);
      context.lineTo(x2 + 0.5, y2 + 0.5);
      context.stroke();
    };
    for (let band = 1; band <= 2; ++band) {
      const top = s.y + s.bandHeight * band;
      line(s.x, top, s.x + s.width - 1, top);
      if (strip.lines[band - 1]) {
        context.font = kTitleFont;
        context.fillText(strip.lines[band - 1], s.x + s.indent, top + 3);
        continue;
      }
      for (let k = 1; k < s.keys; ++k) line(s.x + s.cellWidth * k, top, s.x + s.cellWidth * k, top + s.bandHeight);
      for (let key = 0; key < s.keys; ++key) {
        const runs = strip.labels[key * 2 + band - 1];
        if (!runs.length) continue;
        const width = this.measureRuns(runs);
        this.drawRuns(runs, s.x + s.cellWidth * key + Math.trunc((s.cellWidth - width) / 2), top + 3);
      }
    }
    context.font = kTitleFont;
    context.fillText(strip.title, s.x + s.indent, s.y + 4);
    context.textAlign = 'right';
    context.fillText(strip.programLabel, s.x + s.labelRightEdge, s.y + 4);
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
      const drop = run.script === 'subscript' ? 7 : run.script === 'smaller' ? 3 : 0;
      this.context.fillText(run.text, x, y + drop);
      if (run.advance) x += this.context.measureText(run.text).width;
    }
  }
}
