// The main thread's work while pages start, in Debian's Chromium, headless (a report, not a test):
//   node bench/start_tasks.mjs PAGE [PAGE...] [--loads N] [--seconds S] [--after A]
// Each page is opened from the disk N times (default 7), the pages in turn, each in a fresh
// context emulating a phone as Lighthouse does (412 x 823 CSS pixels at ratio 1.75, touch) with
// the CPU 4 times slower, and Chromium's trace of its first S seconds (default 4) is read: the
// main thread's top-level tasks are added up (their total), and so is each one's time past 50 ms
// (blocking time, as Lighthouse counts it, here from the start of the load). It prints the
// medians and, per load, the long tasks' lengths in order. Comparing two builds of the page in one
// run is what it is for: the spread from load to load on a shared machine is a fifth or more.
// With --after A only the tasks that start from A seconds on are counted: the picture running
// after the start (--after 2 --seconds 5: three seconds of "Plane Wave", ten ticks a second).
// playwright-core comes from tests/web (tools/bootstrap-web installs it).
import { createRequire } from 'node:module';
import { fileURLToPath } from 'node:url';
import path from 'node:path';
import { chromiumSwitches, median } from './common.mjs';

const here = path.dirname(fileURLToPath(import.meta.url));
const require = createRequire(path.join(here, '..', 'tests', 'web', 'package.json'));
const { chromium } = require('playwright-core');

const pages = [];
let loads = 7;
let seconds = 4;
let after = 0;
for (let i = 2; i < process.argv.length; ++i) {
    const a = process.argv[i];
    if (a === '--loads') loads = Number(process.argv[++i]);
    else if (a === '--seconds') seconds = Number(process.argv[++i]);
    else if (a === '--after') after = Number(process.argv[++i]);
    else pages.push(path.resolve(a));
}
if (!pages.length || !(loads >= 1) || !(seconds > 0) || !(after >= 0 && after < seconds)) {
    console.error('usage: node bench/start_tasks.mjs PAGE [PAGE...] [--loads N] [--seconds S] [--after A]');
    process.exit(2);
}

const browser = await chromium.launch({
    executablePath: process.env.PROPAGATION_CHROMIUM ?? '/usr/bin/chromium', headless: true,
    args: ['--headless', ...chromiumSwitches],
});
const results = pages.map(() => ({ total: [], blocking: [], long: [] }));
for (let load = 0; load < loads; ++load) {
    for (const [p, file] of pages.entries()) {
        const context = await browser.newContext({
            viewport: { width: 412, height: 823 }, deviceScaleFactor: 1.75, hasTouch: true, isMobile: true,
        });
        const page = await context.newPage();
        const cdp = await context.newCDPSession(page);
        await cdp.send('Emulation.setCPUThrottlingRate', { rate: 4 });
        await browser.startTracing(page, { categories: ['devtools.timeline', 'toplevel'] });
        const started = Date.now();
        await page.goto('file://' + file);
        await page.waitForTimeout(Math.max(0, seconds * 1000 - (Date.now() - started)));
        const trace = JSON.parse((await browser.stopTracing()).toString());
        await context.close();
        const events = trace.traceEvents;
        const main = events.find((e) => e.name === 'thread_name' && e.args?.name === 'CrRendererMain');
        const tasks = events.filter((e) => e.pid === main.pid && e.tid === main.tid && e.ph === 'X' &&
            (e.name === 'RunTask' || e.name === 'ThreadControllerImpl::RunTask')).sort((a, b) => a.ts - b.ts);
        // Only the outermost: a task may hold another of the same name.
        const outer = [];
        let end = -Infinity;
        for (const task of tasks) {
            if (task.ts >= end) {
                outer.push(task);
                end = task.ts + task.dur;
            }
        }
        const first = outer.length ? outer[0].ts : 0;
        const within = outer.filter((task) => task.ts - first >= after * 1e6 && task.ts - first < seconds * 1e6)
            .map((task) => task.dur / 1000);
        results[p].total.push(within.reduce((sum, d) => sum + d, 0));
        results[p].blocking.push(within.reduce((sum, d) => sum + Math.max(0, d - 50), 0));
        results[p].long.push(within.filter((d) => d > 50).map((d) => d.toFixed(0)).join('/'));
    }
}
await browser.close();
console.log(`${new Date().toISOString()}, ${loads} loads of each page in turn, ` +
    (after ? `from ${after} s to ${seconds} s, ` : `the first ${seconds} s, `) +
    'CPU 4 times slower, 412 x 823 at ratio 1.75 with touch');
for (const [p, file] of pages.entries()) {
    console.log(`${file}: main-thread tasks ${median(results[p].total).toFixed(0)} ms, ` +
        `blocking ${median(results[p].blocking).toFixed(0)} ms (medians); ` +
        `long tasks per load: ${results[p].long.join(' | ')}`);
}
