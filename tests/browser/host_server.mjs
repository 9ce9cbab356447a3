// Starts `ortaq-host serve` on a free port for a browser test, and waits for its end.
import { spawn } from 'node:child_process';

export const hostProgram = process.env.ORTAQ_HOST || 'build/default/bin/ortaq-host';

// The server with OPTIONS; ADDRESS resolves to the address it prints to open, which carries
// the session's token.
export function startServer(options = []) {
  const child = spawn(hostProgram, ['serve', '--port', '0', ...options], {
    stdio: ['ignore', 'pipe', 'pipe'],
  });
  let errors = '';
  child.stderr.on('data', (data) => { errors += data; });
  const exited = new Promise((resolve) => child.on('exit', (code) => resolve(code)));
  const address = new Promise((resolve, reject) => {
    let out = '';
    child.stdout.on('data', (data) => {
      out += data;
      const found = /http:\/\/127\.0\.0\.1:\d+\/\?token=[0-9a-f]{32}/.exec(out);
      if (found) resolve(found[0]);
    });
    exited.then((code) => reject(new Error(`ortaq-host serve ended (${code}): ${errors}`)));
  });
  return { child, address, exited, errors: () => errors };
}

// What a client other than the browser needs to be the page: the server's root, and the
// cookie the browser gets by opening ADDRESS.
export function asThePage(address) {
  const opened = new URL(address);
  return {
    root: new URL('/', opened).href,
    cookie: `ortaq_token_${opened.port}=${opened.searchParams.get('token')}`,
  };
}
