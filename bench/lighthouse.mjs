// How the browser edition loads, as Lighthouse sees it in Debian's Chromium, beside the floor page
// in the same run (a report, not a test):
//   node bench/lighthouse.mjs [PAGE[#FRAGMENT]] [--floor FLOOR] [--runs N] [--no-gzip] [--detail]
// PAGE defaults to build-web/propagation-demos.html, opened with FRAGMENT as its address's own
// (build-web/propagation-demos.html#paused opens it paused: what the start costs without the
// picture running after it); FLOOR defaults to build-web/floor-page.html (the least
// page made with the same toolchain, flags, runtime and shell: bench/page/floor_page.cpp);
// lighthouse comes from bench (npm install in bench installs it, with chrome-launcher). The two
// pages are measured in turn, run by run, so that both meet the machine as it is; the ratios of
// the page's medians to the floor's are what another machine reproduces. The page is served from 127.0.0.1 by a small HTTP
// server of this script's own, gzipped when the browser accepts it, as a web server would serve it
// (--no-gzip sends it as it is). Each of the N runs (default 5) of each page starts a fresh headless Chromium
// (CHROME_PATH, else /usr/bin/chromium) and runs Lighthouse's performance and accessibility
// categories with its default settings: a mobile phone on a slow 4G network with a 4x slower CPU,
// simulated from one unthrottled load. It prints, per run and then as medians,
//   - the performance score and first-contentful-paint, largest-contentful-paint,
//     total-blocking-time, main-thread work, time to interactive and speed index, in ms;
//   - the accessibility score, and the score of the touch-target-size audit (1 passed, 0 failed);
// and the size of the page, what one request for it transfers, and the time and the load average
// (`uptime`) at the start and the end: Lighthouse's figures are worth little on a busy machine.
// --detail adds, per run, the main-thread work by kind and the long tasks (start and length).
import { execFileSync } from 'node:child_process';
import { fileURLToPath } from 'node:url';
import fs from 'node:fs';
import http from 'node:http';
import path from 'node:path';
import zlib from 'node:zlib';
import { chromiumSwitches, median } from './common.mjs';
import lighthouse from 'lighthouse';
import * as chromeLauncher from 'chrome-launcher';

const here = path.dirname(fileURLToPath(import.meta.url));
const sourceDir = path.resolve(here, '..');

const options = {
    runs: 5, gzip: true,
    page: path.join(sourceDir, 'build-web', 'propagation-demos.html'),
    floor: path.join(sourceDir, 'build-web', 'floor-page.html'),
};
for (let i = 2; i < process.argv.length; ++i) {
    const a = process.argv[i];
    if (a === '--runs') options.runs = Number(process.argv[++i]);
    else if (a === '--no-gzip') options.gzip = false;
    else if (a === '--detail') options.detail = true;
    else if (a === '--floor') options.floor = path.resolve(process.argv[++i]);
    else options.page = a;
}
const [pageFile, ...fragment] = options.page.split('#');
options.page = path.resolve(pageFile);
options.fragment = fragment.length ? '#' + fragment.join('#') : '';
if (!Number.isInteger(options.runs) || options.runs < 1) {
    console.error('--runs wants a whole number of at least 1');
    process.exit(2);
}

const uptime = () => {
    try {
        return execFileSync('uptime', { encoding: 'utf8' }).trim();
    } catch {
        return 'uptime failed';
    }
};
const stamp = (when) => console.log(`${when}: ${new Date().toISOString()}, ${uptime()}`);

// ---- the pages, served
const served = new Map();  // path -> {body, gzipped}
for (const file of [options.page, options.floor]) {
    const body = fs.readFileSync(file);
    const gzipped = zlib.gzipSync(body, { level: 9 });
    served.set('/' + encodeURIComponent(path.basename(file)), { body, gzipped });
    console.log(`file: ${file}: ${body.length} bytes (${(body.length / 1024).toFixed(1)} KiB), ` +
        `gzipped ${gzipped.length} bytes (${(gzipped.length / 1024).toFixed(1)} KiB)`);
}
console.log(options.gzip
    ? 'served gzipped (Content-Encoding: gzip) to a browser that accepts it'
    : 'served as it is (--no-gzip)');

// Only the pages themselves, under their own names; anything else (the browser's favicon) is 404.
let bytesSent = 0;
const server = http.createServer((request, response) => {
    const url = new URL(request.url, 'http://127.0.0.1');
    if (request.method !== 'GET' && request.method !== 'HEAD') {
        response.writeHead(405, { Allow: 'GET, HEAD' }).end();
        return;
    }
    const file = served.get(url.pathname);
    if (!file) {
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
    const payload = compressed ? file.gzipped : file.body;
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
const urlOf = (file) => `http://127.0.0.1:${server.address().port}/${encodeURIComponent(path.basename(file))}`;
const pages = [['page', urlOf(options.page) + options.fragment], ['floor', urlOf(options.floor)]];
for (const [name, url] of pages) console.log(`${name}: ${url}`);

// ---- Lighthouse, N fresh browsers
// The network here is closed: without the switches that keep Chromium from reaching out, it
// spends the run on connections that are refused.
const chromeFlags = ['--headless=new', ...chromiumSwitches];
const chromePath = process.env.CHROME_PATH ?? '/usr/bin/chromium';

const metrics = [
    ['performance', 'performance score', (lhr) => lhr.categories.performance.score * 100, ''],
    ['fcp', 'first-contentful-paint', (lhr) => lhr.audits['first-contentful-paint'].numericValue, ' ms'],
    ['lcp', 'largest-contentful-paint', (lhr) => lhr.audits['largest-contentful-paint'].numericValue, ' ms'],
    ['tbt', 'total-blocking-time', (lhr) => lhr.audits['total-blocking-time'].numericValue, ' ms'],
    ['work', 'main-thread work', (lhr) => lhr.audits['mainthread-work-breakdown'].numericValue, ' ms'],
    ['tti', 'interactive', (lhr) => lhr.audits.interactive.numericValue, ' ms'],
    ['si', 'speed-index', (lhr) => lhr.audits['speed-index'].numericValue, ' ms'],
    ['accessibility', 'accessibility score', (lhr) => lhr.categories.accessibility.score * 100, ''],
    ['targetSize', 'target-size score', (lhr) => lhr.audits['target-size'].score, ''],
];
const show = (value, unit) => value === null || Number.isNaN(value) ? 'n/a'
    : unit ? `${value.toFixed(0)}${unit}` : String(Math.round(value * 100) / 100);

stamp('start');
const results = Object.fromEntries(pages.map(([name]) => [name, Object.fromEntries(metrics.map(([key]) => [key, []]))]));
let version = null;
for (let run = 1; run <= options.runs; ++run) {
    for (const [name, pageUrl] of pages) {
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
        if (lhr.runtimeError) console.log(`${name} run ${run}: Lighthouse: ${lhr.runtimeError.code}: ${lhr.runtimeError.message}`);
        for (const warning of lhr.runWarnings) console.log(`${name} run ${run}: Lighthouse warns: ${warning}`);
        const values = metrics.map(([key, , get]) => {
            let value;
            try {
                value = get(lhr);
            } catch {
                value = null;
            }
            if (value === undefined || Number.isNaN(value)) value = null;
            results[name][key].push(value);
            return value;
        });
        const target = lhr.audits['target-size'];
        const document = lhr.audits['network-requests']?.details?.items?.find((item) => item.url === pageUrl.split('#')[0]);
        console.log(`${name} run ${run}: ` + metrics.map(([, label, , unit], i) => `${label} ${show(values[i], unit)}`).join(', ') +
            ` (target-size: ${target?.scoreDisplayMode ?? 'missing'})` +
            (document ? `, transferred ${document.transferSize} bytes` : ''));
        if (options.detail) {
            const kinds = lhr.audits['mainthread-work-breakdown']?.details?.items ?? [];
            console.log(`  work by kind: ` + kinds.map((k) => `${k.group} ${k.duration.toFixed(0)}`).join(', '));
            const tasks = lhr.audits['long-tasks']?.details?.items ?? [];
            console.log(`  long tasks (start+length): ` + tasks.map((t) => `${t.startTime.toFixed(0)}+${t.duration.toFixed(0)}`).join(', '));
        }
    }
}
stamp('end');
server.close();

console.log(`Lighthouse ${version}, ${chromePath}, default mobile emulation and simulated throttling, ` +
    `${options.runs} runs of each page, ${options.gzip ? 'gzipped' : 'not gzipped'}, ${bytesSent} bytes served in all`);
const medians = {};
for (const [name] of pages) {
    medians[name] = {};
    console.log(`${name} medians: ` + metrics.map(([key, label, , unit]) => {
        const known = results[name][key].filter((v) => v !== null);
        medians[name][key] = known.length ? median(known) : null;
        return `${label} ${known.length ? show(medians[name][key], unit) : 'n/a'}` +
            (known.length < results[name][key].length ? ` (of ${known.length} runs)` : '');
    }).join(', '));
}
console.log('page against the floor: ' + ['work', 'tbt', 'lcp', 'fcp'].map((key) => {
    const [label] = metrics.filter(([k]) => k === key).map(([, l]) => l);
    const page = medians.page[key];
    const floor = medians.floor[key];
    return `${label} x${floor ? (page / floor).toFixed(2) : 'n/a'} (${show(page, ' ms')} against ${show(floor, ' ms')})`;
}).join(', '));
const targetScores = results.page.targetSize;
console.log(`the page's target-size: ${targetScores.every((s) => s === 1) ? 'passed in every run'
    : targetScores.every((s) => s === 0) ? 'failed in every run'
        : `scores ${targetScores.map((s) => s === null ? 'n/a' : s).join(', ')}`}`);
