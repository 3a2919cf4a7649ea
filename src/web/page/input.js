// Mouse, touch and keyboard on the calculator. A key acts when it is
// released, as on the desktop; a typed key is drawn pressed for a moment.

const kTypedKeyMs = 200;

export function attachInput({ canvas, view, engine, onKey, onPressedChanged }) {
  let pressed = null;
  let typedTimer = 0;

  const setPressed = (key) => {
    pressed = key;
    onPressedChanged(key);
  };

  const give = (key) => {
    engine.release(key.column, key.row);
    onKey();
  };

  canvas.addEventListener('pointerdown', (event) => {
    if (event.button !== 0) return;
    const at = view.toClient(event.clientX, event.clientY);
    const key = engine.keyAt(at.x, at.y);
    if (!key) return;
    event.preventDefault();
    canvas.focus({ preventScroll: true });
    clearTimeout(typedTimer);
    canvas.setPointerCapture(event.pointerId);
    setPressed(key);
  });
  canvas.addEventListener('pointerup', (event) => {
    if (!pressed) return;
    const key = pressed;
    setPressed(null);
    // Released off the key: nothing happens, as with a real key.
    const at = view.toClient(event.clientX, event.clientY);
    const under = engine.keyAt(at.x, at.y);
    if (under && under.column === key.column && under.row === key.row) give(key);
  });
  canvas.addEventListener('pointercancel', () => setPressed(null));
  canvas.addEventListener('contextmenu', (event) => event.preventDefault());

  document.addEventListener('keydown', (event) => {
    if (event.ctrlKey || event.metaKey || event.altKey) return;
    const target = event.target;
    if (target instanceof HTMLElement && target.closest('textarea, input, select, button, [contenteditable]')) return;
    const character = event.key === 'Backspace' ? 8 : event.key === 'Enter' ? 13 : [...event.key].length === 1 ? event.key.codePointAt(0) : 0;
    if (!character) return;
    const key = engine.keyForCharacter(character);
    if (!key) return;
    event.preventDefault();
    give(key);
    setPressed(key);
    clearTimeout(typedTimer);
    typedTimer = setTimeout(() => setPressed(null), kTypedKeyMs);
  });
}
