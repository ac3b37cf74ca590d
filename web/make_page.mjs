// Makes one self-contained page from what emscripten links (the runtime's JavaScript and the
// WebAssembly) and the page's shell:
//   node web/make_page.mjs SHELL RUNTIME.js PROGRAM.wasm OUTPUT.html [SCRIPT.js...]
// The WebAssembly goes in compressed with zlib and written in base64 (a third of its size rather
// than four thirds), with web/page_loader.js, which esbuild bundles with the npm packages it uses;
// the shell's {{{ SCRIPT }}} becomes one inline script: the loader, the page's other scripts
// (each bundled with the npm packages it imports, as web/animation_files.js with gifenc), then the
// runtime.
import fs from 'node:fs';
import path from 'node:path';
import zlib from 'node:zlib';
import { fileURLToPath } from 'node:url';
import { buildSync } from 'esbuild';

const [shellPath, runtimePath, wasmPath, outputPath, ...scriptPaths] = process.argv.slice(2);
if (!outputPath) {
    console.error('usage: node web/make_page.mjs SHELL RUNTIME.js PROGRAM.wasm OUTPUT.html');
    process.exit(2);
}
const here = path.dirname(fileURLToPath(import.meta.url));
const wasm = zlib.deflateSync(fs.readFileSync(wasmPath), { level: 9 });
const loader = buildSync({
    entryPoints: [path.join(here, 'page_loader.js')],
    bundle: true, minify: true, format: 'iife', target: 'es2017', write: false, legalComments: 'none',
    define: { WASM_DEFLATED: JSON.stringify(wasm.toString('base64')) },
}).outputFiles[0].text;
const scripts = scriptPaths.map((script) => buildSync({
    entryPoints: [path.resolve(script)],
    bundle: true, minify: true, format: 'iife', target: 'es2017', write: false, legalComments: 'none',
}).outputFiles[0].text).join('\n');
// A script may not hold "</script": the runtime's text is JavaScript, never HTML.
const runtime = fs.readFileSync(runtimePath, 'utf8').replaceAll('</script', '<\\/script');
const shell = fs.readFileSync(shellPath, 'utf8');
if (!shell.includes('{{{ SCRIPT }}}')) {
    console.error(`${shellPath} has no {{{ SCRIPT }}}`);
    process.exit(1);
}
const page = shell.replace('{{{ SCRIPT }}}', () => `<script>\n${loader}\n${scripts}\n${runtime}\n</script>`);
fs.writeFileSync(outputPath, page);
console.log(`${outputPath}: ${page.length} bytes (the WebAssembly ${fs.statSync(wasmPath).size} bytes, ` +
    `${wasm.length} compressed)`);
