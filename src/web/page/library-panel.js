// The Master Library's programs with their memo labels; choosing one keys
// 2nd Pgm nn, so that its labels come onto the strip.

export class LibraryPanel {
  constructor(engine, onChosen) {
    const list = document.getElementById('library');
    this.items = engine.library().map((program) => {
      const button = document.createElement('button');
      const number = document.createElement('span');
      number.className = 'number';
      number.textContent = String(program.number).padStart(2, '0');
      const title = document.createElement('span');
      title.textContent = program.title;
      const labels = document.createElement('span');
      labels.className = 'labels';
      labels.textContent = program.labels.filter(Boolean).join(' · ');
      button.append(number, title, labels);
      button.addEventListener('click', () => {
        engine.selectProgram(program.number);
        onChosen();
      });
      const item = document.createElement('li');
      item.append(button);
      list.append(item);
      return { number: program.number, button };
    });
  }

  showCurrent(number) {
    for (const item of this.items) item.button.setAttribute('aria-current', String(item.number === number));
  }
}
