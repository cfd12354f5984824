// What both page scripts need: the built page served from a folder on
// 127.0.0.1 (any static server would do; this one only serves the folder),
// and the flags headless Chromium runs with on a machine without network.
import { createServer } from 'node:http';
import { readFileSync, readdirSync, existsSync, statSync } from 'node:fs';
import { join, extname } from 'node:path';
import { gzipSync, constants } from 'node:zlib';

const types = {
  '.html': 'text/html; charset=utf-8',
  '.js': 'text/javascript; charset=utf-8',
  '.css': 'text/css; charset=utf-8',
  '.wasm': 'application/wasm',
};

// Resolves to the listening server; its port is server.address().port.
// With { gzip: true } it compresses what it sends (gzip -9) to a browser
// that takes it, as a web host does.
// The compressed bytes are made before the first request and kept (by path
// and modification time), as a host serves precompressed files: compressing
// 2 MB at level 9 takes a few hundred milliseconds here, which no visitor
// of a real host waits for.
export function serveFolder(folder, { gzip = false } = {}) {
  const packed = new Map();
  const compressed = (file, body) => {
    const key = `${file}:${statSync(file).mtimeMs}`;
    if (!packed.has(key)) packed.set(key, gzipSync(body, { level: constants.Z_BEST_COMPRESSION }));
    return packed.get(key);
  };
  if (gzip) {
    for (const name of readdirSync(folder)) {
      const file = join(folder, name);
      if (statSync(file).isFile()) compressed(file, readFileSync(file));
    }
  }
  const server = createServer((req, res) => {
    const path = decodeURIComponent(new URL(req.url, 'http://x').pathname);
    const file = join(folder, path.endsWith('/') ? path + 'index.html' : path);
    if (!file.startsWith(folder) || !existsSync(file)) {
      res.writeHead(404);
      res.end();
      return;
    }
    const headers = { 'Content-Type': types[extname(file)] || 'application/octet-stream' };
    let body = readFileSync(file);
    if (gzip && /\bgzip\b/.test(req.headers['accept-encoding'] || '')) {
      body = compressed(file, body);
      headers['Content-Encoding'] = 'gzip';
    }
    res.writeHead(200, headers);
    res.end(body);
  });
  return new Promise((ok) => server.listen(0, '127.0.0.1', () => ok(server)));
}

export const chromiumArgs = ['--no-sandbox', '--disable-gpu', '--disable-background-networking',
                             '--disable-component-update', '--disable-sync', '--no-first-run'];
