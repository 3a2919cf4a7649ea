// The whole calculator (program, registers, settings) kept in the browser
// between visits, as the engine's state bytes in base64.

const kKey = 'norvane.state';

export function loadKept() {
  const text = localStorage.getItem(kKey);
  if (!text) return null;
  try {
    return Uint8Array.from(atob(text), (c) => c.charCodeAt(0));
  } catch {
    return null;
  }
}

export function keep(bytes) {
  let text = '';
  for (const byte of bytes) text += String.fromCharCode(byte);
  try {
    localStorage.setItem(kKey, btoa(text));
    return true;
  } catch {
    // Storage full or refused (private windows): the page still works.
    return false;
  }
}
