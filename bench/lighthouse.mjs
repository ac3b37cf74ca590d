// How the browser edition loads, as Lighthouse sees it in Debian's Chromium (a report, not a test):
//   node bench/lighthouse.mjs [PAGE] [--runs N] [--no-gzip]
// PAGE defaults to build-web/propagation-demos.html; lighthouse comes from bench (npm install in
// bench installs it, with chrome-launcher). The page is served from 127.0.0.1 by a small HTTP
// server of this script's own, gzipped when the browser accepts it, as a web server would serve it
// (--no-gzip sends it as it is). Each of the N runs (default 5) starts a fresh headless Chromium
// (CHROME_PATH, else /usr/bin/chromium) and runs Lighthouse's performance and accessibility
// categories with its default settings: a mobile phone on a slow 4G network with a 4x slower CPU,
// simulated from one unthrottled load. It prints, per run and then as medians,
//   - the performance score and first-contentful-paint, largest-contentful-paint,
//     total-blocking-time, time to interactive and speed index, in ms;
//   - the accessibility score, and the score of the touch-target-size audit (1 passed, 0 failed);
// and the size of the page, what one request for it transfers, and the time and the load average
// (`uptime`) at the start and the end: Lighthouse's figures are worth little on a busy machine.
import { execFileSync } from 'node:child_process';
import { fileURLToPath } from 'node:url';
import fs from 'node:fs';
import http from 'node:http';
import path from 'node:path';
import zlib from 'node:zlib';
import lighthouse from 'lighthouse';
import * as chromeLauncher from 'chrome-launcher';

const here = path.dirname(fileURLToPath(import.meta.url));
const sourceDir = path.resolve(here, '..');

const options = {
    runs: 5, gzip: true,
    page: path.join(sourceDir, 'build-web', 'propagation-demos.html'),
};
for (let i = 2; i < process.argv.length; ++i) {
    const a = process.argv[i];
    if (a === '--runs') options.runs = Number(process.argv[++i]);
    else if (a === '--no-gzip') options.gzip = false;
    else options.page = path.resolve(a);
}
if (!Number.isInteger(options.runs) || options.runs < 1) {
    console.error('--runs wants a whole number of at least 1');
    process.exit(2);
}

const median = (values) => {
    const sorted = [...values].sort((a, b) => a - b);
    const middle = Math.floor(sorted.length / 2);
    return sorted.length % 2 ? sorted[middle] : (sorted[middle - 1] + sorted[middle]) / 2;
};

const uptime = () => {
    try {
        return execFileSync('uptime', { encoding: 'utf8' }).trim();
    } catch {
        return 'uptime failed';
    }
};
const stamp = (when) => console.log(`${when}: ${new Date().toISOString()}, ${uptime()}`);

// ---- the page, served
const body = fs.readFileSync(options.page);
const gzipped = zlib.gzipSync(body, { level: 9 });
console.log(`file: ${options.page}: ${body.length} bytes (${(body.length / 1024).toFixed(1)} KiB), ` +
    `gzipped ${gzipped.length} bytes (${(gzipped.length / 1024).toFixed(1)} KiB)`);
console.log(options.gzip
    ? 'served gzipped (Content-Encoding: gzip) to a browser that accepts it'
    : 'served as it is (--no-gzip)');

// Only the page itself, at / and under its own name; anything else (the browser's favicon) is 404.
const pageName = '/' + encodeURIComponent(path.basename(options.page));
let bytesSent = 0;
const server = http.createServer((request, response) => {
    const url = new URL(request.url, 'http://127.0.0.1');
    if (request.method !== 'GET' && request.method !== 'HEAD') {
        response.writeHead(405, { Allow: 'GET, HEAD' }).end();
        return;
    }
    if (url.pathname !== '/' && url.pathname !== pageName) {
        response.writeHead(404, { 'Content-Type': 'text/plain' }).end('not found\n');
        return;
    }
    // A plain look at Accept-Encoding: "gzip" listed and not refused with q=0.
    const accepts = (request.headers['accept-encoding'] ?? '').split(',').some((part) => {
        const [coding, ...params] = part.trim().toLowerCase().split(';').map((s) => s.trim());
        const q = params.find((p) => p.startsWith('q='));
        return (coding === 'gzip' || coding === '*') && !(q && Number(q.slice(2)) === 0);
    });
    const compressed = options.gzip && accepts;
    const payload = compressed ? gzipped : body;
    const headers = {
        'Content-Type': 'text/html; charset=utf-8',
        'Content-Length': payload.length,
        'Cache-Control': 'no-cache',
        Vary: 'Accept-Encoding',
    };
    if (compressed) headers['Content-Encoding'] = 'gzip';
    response.writeHead(200, headers);
    if (request.method === 'HEAD') {
        response.end();
        return;
    }
    bytesSent += payload.length;
    response.end(payload);
});
await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
const pageUrl = `http://127.0.0.1:${server.address().port}${pageName}`;
console.log(`url: ${pageUrl}`);

// ---- Lighthouse, N fresh browsers
// The network here is closed: without the switches that keep Chromium from reaching out, it
// spends the run on connections that are refused.
const chromeFlags = ['--headless=new', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
    '--disable-background-networking', '--disable-component-update', '--disable-sync'];
const chromePath = process.env.CHROME_PATH ?? '/usr/bin/chromium';

const metrics = [
    ['performance', 'performance score', (lhr) => lhr.categories.performance.score * 100, ''],
    ['fcp', 'first-contentful-paint', (lhr) => lhr.audits['first-contentful-paint'].numericValue, ' ms'],
    ['lcp', 'largest-contentful-paint', (lhr) => lhr.audits['largest-contentful-paint'].numericValue, ' ms'],
    ['tbt', 'total-blocking-time', (lhr) => lhr.audits['total-blocking-time'].numericValue, ' ms'],
    ['tti', 'interactive', (lhr) => lhr.audits.interactive.numericValue, ' ms'],
    ['si', 'speed-index', (lhr) => lhr.audits['speed-index'].numericValue, ' ms'],
    ['accessibility', 'accessibility score', (lhr) => lhr.categories.accessibility.score * 100, ''],
    ['targetSize', 'target-size score', (lhr) => lhr.audits['target-size'].score, ''],
];
const show = (value, unit) => value === null || Number.isNaN(value) ? 'n/a'
    : unit ? `${value.toFixed(0)}${unit}` : String(Math.round(value * 100) / 100);

stamp('start');
const results = Object.fromEntries(metrics.map(([key]) => [key, []]));
let version = null;
for (let run = 1; run <= options.runs; ++run) {
    const chrome = await chromeLauncher.launch({ chromePath, chromeFlags, logLevel: 'silent' });
    let lhr;
    try {
        const result = await lighthouse(pageUrl, {
            port: chrome.port, output: 'json', logLevel: 'error',
            onlyCategories: ['performance', 'accessibility'],
        });
        lhr = result.lhr;
    } finally {
        await chrome.kill();
    }
    version = lhr.lighthouseVersion;
    if (lhr.runtimeError) console.log(`run ${run}: Lighthouse: ${lhr.runtimeError.code}: ${lhr.runtimeError.message}`);
    for (const warning of lhr.runWarnings) console.log(`run ${run}: Lighthouse warns: ${warning}`);
    const values = metrics.map(([key, , get]) => {
        let value;
        try {
            value = get(lhr);
        } catch {
            value = null;
        }
        if (value === undefined || Number.isNaN(value)) value = null;
        results[key].push(value);
        return value;
    });
    const target = lhr.audits['target-size'];
    const document = lhr.audits['network-requests']?.details?.items?.find((item) => item.url === pageUrl);
    console.log(`run ${run}: ` + metrics.map(([, label, , unit], i) => `${label} ${show(values[i], unit)}`).join(', ') +
        ` (target-size: ${target?.scoreDisplayMode ?? 'missing'})` +
        (document ? `, page transferred ${document.transferSize} bytes` : ''));
}
stamp('end');
server.close();

console.log(`Lighthouse ${version}, ${chromePath}, default mobile emulation and simulated throttling, ` +
    `${options.runs} runs, page ${options.gzip ? 'gzipped' : 'not gzipped'}, ${bytesSent} bytes served in all`);
console.log('medians: ' + metrics.map(([key, label, , unit]) => {
    const known = results[key].filter((v) => v !== null);
    return `${label} ${known.length ? show(median(known), unit) : 'n/a'}` +
        (known.length < results[key].length ? ` (of ${known.length} runs)` : '');
}).join(', '));
const targetScores = results.targetSize;
console.log(`target-size: ${targetScores.every((s) => s === 1) ? 'passed in every run'
    : targetScores.every((s) => s === 0) ? 'failed in every run'
        : `scores ${targetScores.map((s) => s === null ? 'n/a' : s).join(', ')}`}`);
