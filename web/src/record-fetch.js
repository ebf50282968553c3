// Fetching a record's bytes with the page's fetch() (its same-origin rules), as the desktop
// downloads one: the body whatever the HTTP status (an error page is read like any text), up to
// the desktop's bound, failures in the desktop's words.

// As the desktop: no record is larger.
const MAX_RECORD_BYTES = 64 * 1024 * 1024;

// "HOST:PORT" of an address, as the desktop names the peer it could not reach.
function peer(url) {
  const defaultPort = url.protocol === 'https:' ? '443' : '80';
  return `${url.hostname}:${url.port || defaultPort}`;
}

// The last part of the address's path, decoded, as the desktop names a file.
export function fileName(url) {
  const last = url.pathname.split('/').pop();
  try {
    return decodeURIComponent(last) || url.href;
  } catch {
    return last || url.href;
  }
}

// The bytes at Url (a URL), or an Error with the desktop's message.
export async function fetchRecord(url) {
  let response;
  try {
    response = await fetch(url);
  } catch (error) {
    throw new Error(`Cannot connect to ${peer(url)}: ${error.message}`);
  }
  if (Number(response.headers.get('Content-Length')) > MAX_RECORD_BYTES) {
    throw new Error('Record too large');
  }
  if (!response.body) return new Uint8Array(0);
  const reader = response.body.getReader();
  const pieces = [];
  let size = 0;
  for (;;) {
    let piece;
    try {
      piece = await reader.read();
    } catch (error) {
      throw new Error(`Cannot connect to ${peer(url)}: ${error.message}`);
    }
    const { done, value } = piece;
    if (done) break;
    size += value.length;
    if (size > MAX_RECORD_BYTES) {
      reader.cancel();
      throw new Error('Record too large');
    }
    pieces.push(value);
  }
  const bytes = new Uint8Array(size);
  let offset = 0;
  for (const piece of pieces) {
    bytes.set(piece, offset);
    offset += piece.length;
  }
  return bytes;
}
