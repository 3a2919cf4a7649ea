// The printer's paper: printed lines appended, the newest kept in view.

import { download } from './files.js';

const kMaxLines = 5000;

export class Tape {
  constructor(element) {
    this.element = element;
    this.ink = element.querySelector('.ink');
    this.lines = [];
    document.getElementById('tape-clear').addEventListener('click', () => this.clear());
    document.getElementById('tape-save').addEventListener('click', () =>
      download('tape.txt', this.lines.map((line) => `${line}\n`).join(''), 'text/plain'));
  }

  add(lines) {
    if (!lines.length) return;
    this.lines.push(...lines);
    if (this.lines.length > kMaxLines) this.lines.splice(0, this.lines.length - kMaxLines);
    this.ink.textContent = this.lines.join('\n');
    delete this.element.dataset.empty;
    this.element.scrollTop = this.element.scrollHeight;
  }

  clear() {
    this.lines = [];
    this.ink.textContent = '';
    this.element.dataset.empty = '';
  }
}
