// Opens the browser edition in Debian's Chromium, headless, driven by playwright-core. Every page
// is watched: each request it makes, each console error, each uncaught exception and each
// program error it shows are collected, so that a test can insist there were none.
import { chromium } from 'playwright-core';
import { fileURLToPath, pathToFileURL } from 'node:url';
import path from 'node:path';
import fs from 'node:fs';

const here = path.dirname(fileURLToPath(import.meta.url));
const sourceDir = path.resolve(here, '..', '..');

// The page under test, with the hook that the tests drive: PROPAGATION_WEB_PAGE, else the web
// preset's test page. The page that users get (PROPAGATION_SHIPPED_PAGE) has no hook.
export const pagePath = process.env.PROPAGATION_WEB_PAGE ??
    path.join(sourceDir, 'build-web', 'propagation-demos-test.html');
export const pageUrl = pathToFileURL(pagePath).href;
export const shippedPagePath = process.env.PROPAGATION_SHIPPED_PAGE ??
    path.join(sourceDir, 'build-web', 'propagation-demos.html');

const chromiumPath = process.env.PROPAGATION_CHROMIUM ?? '/usr/bin/chromium';

// Nothing may reach out: no first-run, sync, component updates or background fetches. Playwright
// starts every browser on a fresh profile of its own in a temporary directory.
const launchArgs = [
    '--headless',
    '--no-sandbox',
    '--disable-gpu',
    '--disable-quic',
    '--no-first-run',
    '--disable-background-networking',
    '--disable-component-update',
    '--disable-sync',
];

export async function launch() {
    for (const page of [pagePath, shippedPagePath]) {
        if (!fs.existsSync(page)) throw new Error(`no page at ${page}: build the web preset`);
    }
    return chromium.launch({ executablePath: chromiumPath, headless: true, args: launchArgs });
}

// A page at `width` x `height` CSS pixels with the clock stopped: timers and animation frames
// run only when a test advances the clock, so nothing depends on real time.
export async function openPage(browser, { width = 789, height = 605, deviceScaleFactor = 1,
                                          hasTouch = false, url = pageUrl } = {}) {
    const context = await browser.newContext({
        viewport: { width, height }, deviceScaleFactor, hasTouch,
    });
    const page = await context.newPage();
    const watch = { requests: [], consoleErrors: [], pageErrors: [] };
    page.on('request', (request) => watch.requests.push(request.url()));
    page.on('console', (message) => {
        if (message.type() === 'error' || message.type() === 'warning') {
            watch.consoleErrors.push(`${message.type()}: ${message.text()}`);
        }
    });
    page.on('pageerror', (error) => watch.pageErrors.push(String(error)));
    await page.clock.install({ time: 0 });
    await page.clock.pauseAt(1000);
    await page.goto(url);
    await page.evaluate(() => (window.propagationTest && window.propagationTest.ready) ||
        new Promise((resolve) => window.addEventListener('propagation-ready', resolve, { once: true })));
    await page.evaluate(() => window.propagationTest.paint());
    return { page, context, watch };
}

// What must hold after anything a user does: no exception, no console error or warning, no
// program error shown, every control finite and on its design invariants.
export async function healthOf(page, watch) {
    const state = await page.evaluate(() => ({
        invariants: window.propagationTest.invariants(),
        error: window.propagationTest.error(),
        shownErrors: [...document.querySelectorAll('[role=alert]')]
            .filter((e) => e.getClientRects().length > 0)
            .map((e) => e.textContent),
    }));
    return {
        invariants: state.invariants,
        programError: state.error,
        shownErrors: state.shownErrors,
        consoleErrors: watch.consoleErrors,
        pageErrors: watch.pageErrors,
    };
}

export function assertHealthy(assert, health) {
    assert.deepEqual(health.invariants, [], 'broken invariants');
    assert.equal(health.programError, '', 'program error');
    assert.deepEqual(health.shownErrors, [], 'errors shown in the page');
    assert.deepEqual(health.consoleErrors, [], 'console errors');
    assert.deepEqual(health.pageErrors, [], 'uncaught exceptions');
}

// The hook's view of a control.
export function control(page, name) {
    return page.evaluate((n) => window.propagationTest.control(n), name);
}

// The centre of a model box (twips) in the page's CSS pixels.
export async function pagePoint(page, xTwips, yTwips) {
    const g = await page.evaluate(() => window.propagationTest.geometry());
    return { x: g.offsetX + xTwips * g.pixelsPerTwip, y: g.offsetY + yTwips * g.pixelsPerTwip };
}

export async function elementBox(page, id) {
    return page.evaluate((i) => {
        const r = document.getElementById(i).getBoundingClientRect();
        return { x: r.x, y: r.y, width: r.width, height: r.height };
    }, id);
}

// The canvas's pixels in a rectangle of device pixels, as [r, g, b] triples, read from a copy
// (reading the page's canvas itself again and again makes the browser warn).
export async function canvasPixels(page, x, y, width, height) {
    return page.evaluate(([x, y, width, height]) => {
        const copy = document.createElement('canvas');
        copy.width = width;
        copy.height = height;
        const context = copy.getContext('2d', { willReadFrequently: true });
        context.drawImage(document.getElementById('picture'), x, y, width, height, 0, 0, width, height);
        const data = context.getImageData(0, 0, width, height).data;
        const out = [];
        for (let i = 0; i < data.length; i += 4) out.push([data[i], data[i + 1], data[i + 2]]);
        return out;
    }, [x, y, width, height]);
}

// A summary of each canvas that `selector` picks, read from a copy made for reading: a digest of
// its pixels (equal pictures, equal digests) and how many of its pixels are within 60 (the sum of
// the three channels' differences) of `colour`, where one is given.
export async function canvasSummaries(page, selector, colour = null) {
    return page.evaluate(([selector, c]) => [...document.querySelectorAll(selector)].map((canvas) => {
        const copy = document.createElement('canvas');
        copy.width = canvas.width;
        copy.height = canvas.height;
        const context = copy.getContext('2d', { willReadFrequently: true });
        context.drawImage(canvas, 0, 0);
        const data = context.getImageData(0, 0, copy.width, copy.height).data;
        let digest = 2166136261;
        let near = 0;
        for (let i = 0; i < data.length; ++i) digest = Math.imul(digest ^ data[i], 16777619) >>> 0;
        for (let i = 0; c && i < data.length; i += 4) {
            if (Math.abs(data[i] - c[0]) + Math.abs(data[i + 1] - c[1]) + Math.abs(data[i + 2] - c[2]) < 60) ++near;
        }
        return { digest, near };
    }), [selector, colour]);
}

// Asks `probe` (async) again and again, in real time, until it gives something other than null
// or the deadline passes; returns its last answer. What the browser does on its own (encoding a
// picture, starting a download, a resize) is awaited by the clock, not by a count of tries: a
// loaded machine is slow, and the page's own clock may be standing still.
export async function poll(probe, { seconds = 15 } = {}) {
    const deadline = Date.now() + seconds * 1000;
    let answer = await probe();
    while (answer === null && Date.now() < deadline) {
        await new Promise((resolve) => setTimeout(resolve, 20));
        answer = await probe();
    }
    return answer;
}
