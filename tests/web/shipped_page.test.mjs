// The page that users get: no test code in it and nothing for tests on `window`, no bigger than
// its limit, and still the whole program through what a user has: the address, the keys and the
// pointer.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import zlib from 'node:zlib';
import { pathToFileURL } from 'node:url';
import { launch, shippedPagePath, canvasPixels, canvasSummaries } from './browser.mjs';

// The size the shipped page may reach, in bytes: 360 KB, which leaves the languages room under
// their own limit. It measured 223,699 bytes when this limit was set, with the WebAssembly
// compressed (441,155 bytes before, with it in base64 as it was linked).
const kSizeLimit = 360_000;

const browser = await launch();
test.after(() => browser.close());
const shippedUrl = pathToFileURL(shippedPagePath).href;

// The shipped page with the clock stopped, as the other suites open the test page; it has no
// hook to say it is ready, so the wait is for the demonstration's name in its list.
async function openShipped(fragment = '', demo = 'Plane Wave', initScript = null) {
    const context = await browser.newContext({ viewport: { width: 789, height: 605 } });
    const page = await context.newPage();
    if (initScript) await page.addInitScript(initScript);
    const errors = [];
    page.on('pageerror', (error) => errors.push(String(error)));
    page.on('console', (message) => {
        if (message.type() === 'error' || message.type() === 'warning') errors.push(message.text());
    });
    await page.clock.install({ time: 0 });
    await page.clock.pauseAt(1000);
    await page.goto(shippedUrl + fragment);
    await page.waitForFunction((name) => document.getElementById('cmbDemo')?.value === name, demo);
    await page.clock.runFor(20);  // an animation frame paints the window
    return { page, context, errors };
}

// A digest of the picture's pixels: equal pictures, equal digests.
const pictureDigest = async (page) => (await canvasSummaries(page, '#picture'))[0].digest;

const boxOf = (page, id) => page.evaluate((i) => {
    const r = document.getElementById(i).getBoundingClientRect();
    return { x: r.x, y: r.y, width: r.width, height: r.height };
}, id);

test('the shipped page holds no test code, evaluates no text, defines nothing for tests and stays within its size', async () => {
    const html = fs.readFileSync(shippedPagePath, 'utf8');
    const size = fs.statSync(shippedPagePath).size;
    assert.ok(size <= kSizeLimit, `${size} bytes, limit ${kSizeLimit}`);
    // Its policy lets no text become code, and nothing in it asks to.
    const policy = html.match(/Content-Security-Policy"\s+content="([^"]*)"/)[1];
    assert.ok(!policy.includes("'unsafe-eval'"), policy);
    assert.ok(!/new Function\(|\beval\(/.test(html), 'text made into code');
    // The hook's names and the invariant checker's messages are nowhere in it, the WebAssembly
    // included (inlined compressed, in base64, so its strings are looked for inflated).
    const inlined = [...html.matchAll(/"([A-Za-z0-9+/=]{100000,})"/g)]
        .map((m) => zlib.inflateSync(Buffer.from(m[1], 'base64')).toString('latin1')).join('');
    for (const text of [html, inlined]) {
        for (const name of ['propagationTest', 'testTick', 'testInvariants', 'propagation-ready',
            'nonShapeBoxes']) {
            assert.ok(!text.includes(name), `${name} in the shipped page`);
        }
    }
    assert.ok(inlined.length > 100_000, 'the WebAssembly was found in the page');

    // What the page adds to `window` (against an empty page's from the disk too) and to its
    // Module.
    const empty = path.join(fs.mkdtempSync(path.join(os.tmpdir(), 'shipped-')), 'empty.html');
    fs.writeFileSync(empty, '<!doctype html><title>empty</title>');
    const blankContext = await browser.newContext();
    const blankPage = await blankContext.newPage();
    await blankPage.goto(pathToFileURL(empty).href);
    const blank = await blankPage.evaluate(() => Object.getOwnPropertyNames(window));
    await blankContext.close();
    const { page, context, errors } = await openShipped();
    const found = await page.evaluate((builtIn) => {
        const own = Object.getOwnPropertyNames(window).filter((name) => !builtIn.includes(name));
        const moduleNames = typeof Module === 'object' ? Object.keys(Module) : [];
        return {
            hook: typeof window.propagationTest,
            own,
            testish: [...own, ...moduleNames].filter((name) => /test|invariant/i.test(name)),
        };
    }, blank);
    assert.ok(found.own.includes('Module'), `the page's own globals: ${found.own}`);
    assert.equal(found.hook, 'undefined');
    assert.deepEqual(found.testish, []);
    assert.deepEqual(errors, []);
    await context.close();
});

test('a browser without a DecompressionStream inflates the program with the page\'s own inflater', async () => {
    const usual = await openShipped('#demo=Polarisation', 'Polarisation');
    const expected = await pictureDigest(usual.page);
    await usual.context.close();
    const older = await openShipped('#demo=Polarisation', 'Polarisation', () => {
        delete window.DecompressionStream;
    });
    assert.equal(await older.page.evaluate(() => typeof DecompressionStream), 'undefined');
    assert.equal(await pictureDigest(older.page), expected);
    assert.deepEqual(older.errors, []);
    await older.context.close();
});

test('the shipped page makes a set-up from its address, answers keys and takes a dragged tip', async () => {
    // The address: Ricean, ten rays, the histogram, paused.
    let { page, context, errors } =
        await openShipped('#demo=Ricean&one=Ten&histogram&paused', 'Ricean');
    assert.equal(await page.inputValue('[id="cmbOne"]'), 'Ten');
    assert.equal((await page.textContent('[id="cmdStart"]')).trim(), 'Start');
    const still = await pictureDigest(page);
    await page.clock.runFor(1000);
    assert.equal(await pictureDigest(page), still, 'paused: nothing moves');
    // Keys: a frame stepped changes the picture; P turns the background white.
    await page.keyboard.press('.');
    await page.clock.runFor(20);
    assert.notEqual(await pictureDigest(page), still, 'one frame stepped');
    await page.keyboard.press('p');
    await page.clock.runFor(20);
    assert.deepEqual(await canvasPixels(page, 1, 1, 1, 1), [[255, 255, 255]]);
    assert.deepEqual(errors, []);
    await context.close();

    // The pointer: a phasor tip dragged with the mouse lands on the window's 60-twip grid.
    ({ page, context, errors } = await openShipped('#demo=Phasors', 'Phasors'));
    const from = await boxOf(page, 'cmdPhasor(0)');
    await page.mouse.move(from.x + from.width / 2, from.y + from.height / 2);
    await page.mouse.down();
    await page.mouse.move(300, 350, { steps: 5 });
    await page.mouse.up();
    await page.clock.runFor(20);
    const to = await boxOf(page, 'cmdPhasor(0)');
    assert.notDeepEqual([to.x, to.y], [from.x, from.y], 'the tip moved');
    // The tip's corner is on the grid (60 twips = 4 pixels at the design size), its centre
    // within a grid step of the drop point.
    assert.equal(to.x % 4, 0);
    assert.equal(to.y % 4, 0);
    assert.ok(Math.abs(to.x + to.width / 2 - 300) <= 5, `x ${to.x}`);
    assert.ok(Math.abs(to.y + to.height / 2 - 350) <= 5, `y ${to.y}`);
    assert.deepEqual(errors, []);
    await context.close();
});
