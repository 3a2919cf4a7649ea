// A program in the page address: its file bytes, deflated and written in
// base64url after "#program=".

const kKey = 'program';

async function pipe(bytes, stream) {
  const piped = new Blob([bytes]).stream().pipeThrough(stream);
  return new Uint8Array(await new Response(piped).arrayBuffer());
}

function toBase64Url(bytes) {
  let text = '';
  for (const byte of bytes) text += String.fromCharCode(byte);
  return btoa(text).replaceAll('+', '-').replaceAll('/', '_').replace(/=+$/, '');
}

function fromBase64Url(text) {
  const plain = atob(text.replaceAll('-', '+').replaceAll('_', '/'));
  return Uint8Array.from(plain, (c) => c.charCodeAt(0));
}

export async function shareAddress(programBytes) {
  const packed = await pipe(programBytes, new CompressionStream('deflate-raw'));
  const url = new URL(location.href);
  url.hash = `${kKey}=${toBase64Url(packed)}`;
  return url.href;
}

// The program bytes in the address, null when there are none; throws on a
// damaged address.
export async function programFromAddress() {
  const fields = new URLSearchParams(location.hash.slice(1));
  const packed = fields.get(kKey);
  if (!packed) return null;
  return pipe(fromBase64Url(packed), new DecompressionStream('deflate-raw'));
}

// The address without its program, so that a reload keeps the user's edits.
export function forgetAddressProgram() {
  history.replaceState(null, '', location.pathname + location.search);
}
