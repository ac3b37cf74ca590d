// What the browser edition costs, in Debian's Chromium, headless (a report, not a test):
//   node bench/web_bench.mjs [PAGE] [--test-page TEST_PAGE] [--loads N] [--seconds S] [--runs R]
// PAGE, the page that users get, defaults to build-web/propagation-demos.html, TEST_PAGE (the same
// with the test hook, which the figures below that need the hook use) to
// build-web/propagation-demos-test.html; playwright-core comes from tests/web (tools/bootstrap-web
// installs it). It measures
//   - the size of the page;
//   - load to the first painted frame: the page's first-contentful-paint (the canvas and the
//     controls come in one frame), on PAGE; and the animation frame that paints the window (the
//     first after the program's "propagation-ready"), on TEST_PAGE; both from the start of the
//     navigation, N fresh pages each;
//   - one tick plus its repaint: window.propagationTest's tick(1) and paint() (which paints the
//     changed region at once), per demonstration, in batches of ten ticks (performance.now() is
//     coarsened to 0.1 ms in a page that is not cross-origin isolated);
//   - "Record animation": 100 frames as a GIF, from the choice to the download, and its size;
//   - CPU time of all of Chromium's processes (utime + stime from /proc) while "Plane Wave"
//     animates on its own clock for S seconds, against the same browser on about:blank; R runs.
// All figures are medians.
import { createRequire } from 'node:module';
import { fileURLToPath, pathToFileURL } from 'node:url';
import fs from 'node:fs';
import path from 'node:path';
import { chromiumSwitches, median } from './common.mjs';

const here = path.dirname(fileURLToPath(import.meta.url));
const sourceDir = path.resolve(here, '..');
const require = createRequire(path.join(sourceDir, 'tests', 'web', 'package.json'));
const { chromium } = require('playwright-core');

const options = {
    loads: 21, seconds: 30, runs: 3,
    page: path.join(sourceDir, 'build-web', 'propagation-demos.html'),
    testPage: path.join(sourceDir, 'build-web', 'propagation-demos-test.html'),
};
for (let i = 2; i < process.argv.length; ++i) {
    const a = process.argv[i];
    if (a === '--loads') options.loads = Number(process.argv[++i]);
    else if (a === '--test-page') options.testPage = path.resolve(process.argv[++i]);
    else if (a === '--seconds') options.seconds = Number(process.argv[++i]);
    else if (a === '--runs') options.runs = Number(process.argv[++i]);
    else options.page = path.resolve(a);
}
const shippedUrl = pathToFileURL(options.page).href;
const pageUrl = pathToFileURL(options.testPage).href;

const launchArgs = ['--headless', ...chromiumSwitches];
const launch = () => chromium.launch({
    executablePath: process.env.PROPAGATION_CHROMIUM ?? '/usr/bin/chromium', headless: true, args: launchArgs,
});

const waitForReady = () => (window.propagationTest && window.propagationTest.ready) ||
    new Promise((resolve) => window.addEventListener('propagation-ready', resolve, { once: true }));

// ---- size
const bytes = fs.statSync(options.page).size;
console.log(`file: ${options.page}: ${bytes} bytes (${(bytes / 1024).toFixed(1)} KiB)`);

// ---- load to the first painted frame
// The first contentful paint of `url` and, where the page says it is ready (the test page), the
// animation frame after that, over N fresh pages; one load first that is not counted warms the
// browser's caches.
async function loads(url, withReady) {
    const browser = await launch();
    const paints = [];
    const frames = [];
    for (let i = 0; i <= options.loads; ++i) {
        const context = await browser.newContext({ viewport: { width: 789, height: 605 } });
        const page = await context.newPage();
        // The program asks for its first paint while it loads, before it says it is ready: the
        // frame after "propagation-ready" is the one that paints the window.
        if (withReady) {
            await page.addInitScript(() => {
                window.benchFrame = new Promise((resolve) => window.addEventListener('propagation-ready',
                    () => requestAnimationFrame(() => resolve(performance.now())), { once: true }));
            });
        }
        await page.goto(url);
        const times = await page.evaluate(async () => {
            const frame = window.benchFrame ? await window.benchFrame : null;
            const paint = await new Promise((resolve) => {
                const found = () => performance.getEntriesByName('first-contentful-paint')[0];
                if (found()) return resolve(found().startTime);
                new PerformanceObserver(() => found() && resolve(found().startTime))
                    .observe({ type: 'paint', buffered: true });
            });
            return { frame, paint };
        });
        if (i > 0) {
            paints.push(times.paint);
            frames.push(times.frame);
        }
        await context.close();
    }
    await browser.close();
    return { paints, frames };
}
{
    const { paints } = await loads(shippedUrl, false);
    console.log(`load to first contentful paint: median ${median(paints).toFixed(1)} ms ` +
        `(min ${Math.min(...paints).toFixed(1)}, max ${Math.max(...paints).toFixed(1)}, ${paints.length} loads)`);
    const { frames } = await loads(pageUrl, true);
    console.log(`load to the frame that paints the window (test page): median ${median(frames).toFixed(1)} ms`);
}

// ---- one tick and its repaint
{
    const browser = await launch();
    const context = await browser.newContext({ viewport: { width: 789, height: 605 } });
    const page = await context.newPage();
    // The program's own clock runs (a fake clock would stop performance.now() too), but no tick
    // of it can come between the measured ones: a batch is one uninterrupted script.
    await page.goto(pageUrl);
    await page.evaluate(waitForReady);
    const setups = [
        ['Plane Wave', 'demo=Plane%20Wave'],
        ['Group Velocity', 'demo=Group%20Velocity'],
        ['Polarisation', 'demo=Polarisation&one=Horizontal&two=Vertical&phase=45'],
        ['Rayleigh', 'demo=Rayleigh&one=Ten&histogram'],
        ['Ricean', 'demo=Ricean&one=Ten&fixed=6&histogram'],
        ['Phasors', 'demo=Phasors&tip1=2400,780&tip2=900,3000'],
    ];
    for (const [name, setup] of setups) {
        const perTick = await page.evaluate((s) => {
            const hook = window.propagationTest;
            hook.setup(s);
            hook.paint();
            for (let i = 0; i < 50; ++i) { hook.tick(1); hook.paint(); }
            const samples = [];
            for (let batch = 0; batch < 300; ++batch) {
                const start = performance.now();
                for (let i = 0; i < 10; ++i) { hook.tick(1); hook.paint(); }
                samples.push((performance.now() - start) / 10);
            }
            return samples;
        }, setup);
        console.log(`tick + repaint, ${name}: median ${(median(perTick) * 1000).toFixed(0)} µs`);
    }
    await browser.close();
}

// ---- "Record animation": 100 frames as a GIF (gifenc), from the press on the dialog's first
// choice to the download, with the GIF's size; five recordings each, on the test page.
{
    const browser = await launch();
    const context = await browser.newContext({ viewport: { width: 789, height: 605 },
        acceptDownloads: true });
    const page = await context.newPage();
    await page.goto(pageUrl);
    await page.evaluate(waitForReady);
    // A wavelength of 12.5 repeats after 100 frames; fading is recorded for 100.
    for (const [name, setup] of [['Plane Wave', 'demo=Plane%20Wave&one=12.5'],
        ['Rayleigh', 'demo=Rayleigh&one=Ten&histogram']]) {
        const times = [];
        let bytes = 0;
        for (let run = 0; run < 5; ++run) {
            await page.evaluate((s) => { window.propagationTest.setup(s); window.propagationTest.paint(); }, setup);
            await page.keyboard.press('a');
            const choice = page.locator('.message-choice').first();
            const label = await choice.textContent();
            if (!/100/.test(label)) throw new Error(`${name}: the first choice is "${label}"`);
            const start = Date.now();
            const [download] = await Promise.all([page.waitForEvent('download', { timeout: 120000 }), choice.click()]);
            times.push(Date.now() - start);
            bytes = fs.statSync(await download.path()).size;
        }
        console.log(`record 100 frames as GIF, ${name}: median ${median(times).toFixed(0)} ms, ${bytes} bytes`);
    }
    await browser.close();
}

// ---- CPU while "Plane Wave" animates, against about:blank
function descendants(root) {
    const parents = new Map();
    for (const entry of fs.readdirSync('/proc')) {
        if (!/^\d+$/.test(entry)) continue;
        try {
            const stat = fs.readFileSync(`/proc/${entry}/stat`, 'utf8');
            const fields = stat.slice(stat.lastIndexOf(')') + 2).split(' ');
            parents.set(Number(entry), Number(fields[1]));
        } catch { /* gone meanwhile */ }
    }
    const out = [];
    const walk = (pid) => {
        for (const [child, parent] of parents) if (parent === pid) { out.push(child); walk(child); }
    };
    walk(root);
    return out;
}

// Clock ticks of CPU (user + system) of every process below this node, Chromium's whole tree.
function chromiumTicks() {
    let total = 0;
    for (const pid of descendants(process.pid)) {
        try {
            const stat = fs.readFileSync(`/proc/${pid}/stat`, 'utf8');
            const fields = stat.slice(stat.lastIndexOf(')') + 2).split(' ');
            // utime, stime are fields 14 and 15 of stat (1-based), 12 and 13 after the name.
            total += Number(fields[11]) + Number(fields[12]);
        } catch { /* gone meanwhile */ }
    }
    return total;
}
const ticksPerSecond = 100;  // USER_HZ on Linux

async function cpuPercent(url, seconds) {
    const browser = await launch();
    const context = await browser.newContext({ viewport: { width: 789, height: 605 } });
    const page = await context.newPage();
    await page.goto(url);
    if (url === pageUrl) await page.evaluate(waitForReady);
    await new Promise((resolve) => setTimeout(resolve, 3000));  // settle
    const before = chromiumTicks();
    const start = process.hrtime.bigint();
    await new Promise((resolve) => setTimeout(resolve, seconds * 1000));
    const used = chromiumTicks() - before;
    const elapsed = Number(process.hrtime.bigint() - start) / 1e9;
    let frames = null;
    if (url === pageUrl) frames = await page.evaluate(() => window.propagationTest.frameCount());
    await browser.close();
    return { percent: (100 * used) / ticksPerSecond / elapsed, frames };
}

{
    const program = [];
    const blank = [];
    for (let run = 0; run < options.runs; ++run) {
        const p = await cpuPercent(pageUrl, options.seconds);
        const b = await cpuPercent('about:blank', options.seconds);
        program.push(p.percent);
        blank.push(b.percent);
        console.log(`CPU run ${run + 1}: Plane Wave ${p.percent.toFixed(2)} % of one core ` +
            `(FrameCount ${p.frames}), about:blank ${b.percent.toFixed(2)} %`);
    }
    console.log(`CPU over ${options.seconds} s: Plane Wave median ${median(program).toFixed(2)} %, ` +
        `about:blank median ${median(blank).toFixed(2)} %, difference ${(median(program) - median(blank)).toFixed(2)} %`);
}
