// The program listing: shown from user memory, edited or pasted here and
// read back by the engine, whose line errors are listed under it; files
// opened and saved, and the program shared as a link.

import { chooseFile, download } from './files.js';
import { shareAddress } from './share.js';

export class ProgramPanel {
  constructor(engine, onLoaded) {
    this.engine = engine;
    this.onLoaded = onLoaded;
    this.text = document.getElementById('listing');
    this.errors = document.getElementById('listing-errors');
    this.status = document.getElementById('file-status');
    const on = (id, action) => document.getElementById(id).addEventListener('click', action);
    on('listing-load', () => this.load(this.text.value));
    on('listing-refresh', () => this.refresh());
    on('file-open', () => this.open());
    on('file-save', () => download('program.ti', this.engine.saveProgram(), 'application/octet-stream'));
    on('listing-save', () => download('program.txt', this.engine.listing(), 'text/plain'));
    on('share', () => this.share());
  }

  refresh() {
    this.text.value = this.engine.listing();
    this.showErrors([]);
  }

  // Reads a listing into user memory; with errors the program stays as it was.
  load(text) {
    const errors = this.engine.loadListing(text);
    this.showErrors(errors);
    if (errors.length) {
      this.say('The listing was not loaded.');
      return false;
    }
    this.refresh();
    this.say('Loaded into user memory.');
    this.onLoaded();
    return true;
  }

  showErrors(errors) {
    this.errors.replaceChildren(
      ...errors.map(({ line, message }) => {
        const item = document.createElement('li');
        // The reader's message names its line already, most of the time.
        const named = line <= 0 || /^line \d/i.test(message);
        item.textContent = named ? message[0].toUpperCase() + message.slice(1) : `Line ${line}: ${message}`;
        item.dataset.line = line;
        item.addEventListener('click', () => this.selectLine(line));
        return item;
      }),
    );
  }

  selectLine(line) {
    const lines = this.text.value.split('\n');
    const start = lines.slice(0, line - 1).reduce((sum, l) => sum + l.length + 1, 0);
    this.text.focus();
    this.text.setSelectionRange(start, start + (lines[line - 1] ?? '').length);
  }

  async open() {
    const file = await chooseFile(document.getElementById('file-input'));
    if (/\.ti$/i.test(file.name)) {
      // A refused file is reported by the engine, with its reason.
      if (this.engine.loadProgram(new Uint8Array(await file.arrayBuffer()), file.name)) {
        this.refresh();
        this.say(`Opened ${file.name}.`);
      }
      this.onLoaded();
      return;
    }
    this.text.value = await file.text();
    if (this.load(this.text.value)) this.say(`Opened ${file.name}.`);
  }

  async share() {
    const address = await shareAddress(this.engine.saveProgram());
    history.replaceState(null, '', address);
    let copied = false;
    try {
      await navigator.clipboard.writeText(address);
      copied = true;
    } catch {
      // No clipboard permission: the address bar has it.
    }
    this.say(copied ? 'Link copied; it is also in the address bar.' : 'The link is in the address bar.');
  }

  say(text) {
    this.status.textContent = text;
  }
}
