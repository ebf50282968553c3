// A static file server on 127.0.0.1 for the demo, the browser tests and the benchmark: serves
// the files under a root folder (the checkout, so the demo reaches the sample records), with
// the types a browser needs (application/wasm for streaming compilation), never a file outside
// the root.
//
//   node web/tools/static-server.mjs ROOT [PORT]    prints "http://127.0.0.1:PORT/" and serves

import { createServer } from 'node:http';
import { readFile, stat } from 'node:fs/promises';
import path from 'node:path';
import { fileURLToPath } from 'node:url';

const Types = new Map([
  ['.html', 'text/html; charset=utf-8'],
  ['.js', 'text/javascript; charset=utf-8'],
  ['.mjs', 'text/javascript; charset=utf-8'],
  ['.json', 'application/json'],
  ['.wasm', 'application/wasm'],
  ['.png', 'image/png'],
  ['.css', 'text/css; charset=utf-8'],
]);

// Starts serving Root on 127.0.0.1 (Port 0: any free port), and Extra's texts at their paths
// ("/bench/game.txt": text): {url, close()}.
export async function startServer(root, port = 0, extra = {}) {
  const base = path.resolve(root);
  const server = createServer(async (request, response) => {
    try {
      const { pathname } = new URL(request.url, 'http://localhost');
      let file = path.resolve(base, `.${decodeURIComponent(pathname)}`);
      if (file !== base && !file.startsWith(base + path.sep)) throw new Error('outside the root');
      let body;
      if (Object.hasOwn(extra, pathname)) {
        body = Buffer.from(extra[pathname]);
      } else {
        if ((await stat(file)).isDirectory()) file = path.join(file, 'index.html');
        body = await readFile(file);
      }
      response.writeHead(200, {
        'Content-Type': Types.get(path.extname(file).toLowerCase()) ?? 'application/octet-stream',
        'Content-Length': body.length,
        'Cache-Control': 'no-store',
      });
      response.end(body);
    } catch {
      response.writeHead(404, { 'Content-Type': 'text/plain; charset=utf-8' });
      response.end('Not found\n');
    }
  });
  await new Promise((resolve, reject) => {
    server.once('error', reject);
    server.listen(port, '127.0.0.1', resolve);
  });
  return {
    url: `http://127.0.0.1:${server.address().port}/`,
    close: () => new Promise((resolve) => server.close(resolve)),
  };
}

if (process.argv[1] === fileURLToPath(import.meta.url)) {
  const [root, port] = process.argv.slice(2);
  if (!root) {
    console.error('usage: static-server.mjs ROOT [PORT]');
    process.exit(2);
  }
  const { url } = await startServer(root, Number(port ?? 0));
  console.log(url);
}
