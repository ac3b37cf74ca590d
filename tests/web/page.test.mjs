// The page as a whole: one file that runs offline and asks the network for nothing, the timer's
// cadence, the scaling to the browser window, and what a screen reader and the Tab key find.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import fs from 'node:fs';
import http from 'node:http';
import {
    launch, openPage, healthOf, assertHealthy, control, elementBox, pagePath, pageUrl,
    poll,
} from './browser.mjs';

const browser = await launch();
test.after(() => browser.close());

// The browser delivers a resize with its next rendering step: waits until
// `ready` holds in the page, then returns the view's geometry.
async function settled(page, ready) {
    await poll(async () => ((await page.evaluate(ready)) ? true : null));
    return page.evaluate(() => window.propagationTest.geometry());
}

async function pickDemo(page, name) {
    await page.locator('[id="cmbDemo"]').fill(name);
}

test('the page is one file that loads nothing else, from file:// and from a server', async () => {
    const html = fs.readFileSync(pagePath, 'utf8');
    assert.doesNotMatch(html, /<script[^>]+src=/i, 'no external script');
    assert.doesNotMatch(html, /<link[^>]+href="(?!data:)/i, 'no external style or icon');

    const { page, context, watch } = await openPage(browser);
    assert.deepEqual(watch.requests, [pageUrl]);
    await page.clock.runFor(2000);
    assert.deepEqual(watch.requests, [pageUrl]);
    assertHealthy(assert, await healthOf(page, watch));
    assert.equal(await page.title(), "Orvo's Propagation Demos");
    await context.close();

    const served = [];
    const server = http.createServer((request, response) => {
        served.push(request.url);
        response.writeHead(200, { 'content-type': 'text/html; charset=utf-8' });
        response.end(html);
    });
    await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
    try {
        const url = `http://127.0.0.1:${server.address().port}/propagation-demos.html`;
        const remote = await openPage(browser, { url });
        await remote.page.clock.runFor(2000);
        assert.deepEqual(remote.watch.requests, [url]);
        assert.deepEqual(served, ['/propagation-demos.html']);
        assertHealthy(assert, await healthOf(remote.page, remote.watch));
        await remote.context.close();
    } finally {
        server.close();
    }
});

test('the Content-Security-Policy refuses every connection the page might try', async () => {
    const { page, context } = await openPage(browser);
    const policy = await page.evaluate(() =>
        document.querySelector('meta[http-equiv="Content-Security-Policy"]').content);
    assert.match(policy, /default-src 'none'/);
    assert.match(policy, /connect-src 'none'/);
    const refused = await page.evaluate(() => new Promise((resolve) => {
        document.addEventListener('securitypolicyviolation',
            (event) => resolve(event.effectiveDirective), { once: true });
        fetch('http://127.0.0.1:9/').catch(() => {});
    }));
    assert.equal(refused, 'connect-src');
    await context.close();
});

test('the timer ticks ten times a second, Pause stops it and Start resumes it', async () => {
    const { page, context, watch } = await openPage(browser);
    const frames = () => page.evaluate(() => window.propagationTest.frameCount());
    assert.deepEqual(await page.evaluate(() => window.propagationTest.clock()),
        { running: true, period: 100 });
    const start = await frames();
    await page.clock.runFor(1000);
    assert.equal(await frames(), start + 10);

    await page.getByRole('button', { name: 'Pause' }).click();
    assert.equal((await control(page, 'cmdStart')).caption, 'Start');
    assert.equal((await page.evaluate(() => window.propagationTest.clock())).running, false);
    await page.clock.runFor(1000);
    assert.equal(await frames(), start + 10);

    await page.getByRole('button', { name: 'Start' }).click();
    await page.clock.runFor(500);
    assert.equal(await frames(), start + 15);
    assertHealthy(assert, await healthOf(page, watch));
    await context.close();
});

test('the picture scales uniformly to fill the window, centred, at any size and pixel ratio', async () => {
    const design = { width: 789, height: 605 };
    const sizes = [
        { width: 789, height: 605, deviceScaleFactor: 1 },
        { width: 1578, height: 1210, deviceScaleFactor: 1 },
        { width: 1200, height: 605, deviceScaleFactor: 2 },
        { width: 789, height: 1000, deviceScaleFactor: 1.5 },
        // Just large enough for a finger at the uniform scale (a smaller page is a phone's).
        { width: 700, height: 540, deviceScaleFactor: 3 },
    ];
    for (const size of sizes) {
        const { page, context, watch } = await openPage(browser, size);
        const zoom = Math.min(size.width / design.width, size.height / design.height);
        const g = await page.evaluate(() => window.propagationTest.geometry());
        assert.ok(Math.abs(g.pixelsPerTwip - zoom / 15) < 1e-9, `scale at ${size.width}`);
        assert.ok(Math.abs(g.offsetX - (size.width - 11835 * zoom / 15) / 2) < 1e-6);
        assert.ok(Math.abs(g.offsetY - (size.height - 9075 * zoom / 15) / 2) < 1e-6);
        assert.equal(g.devicePixelRatio, size.deviceScaleFactor);
        // The canvas has a device pixel for each of the screen's, so the picture stays crisp.
        const canvas = await page.evaluate(() => {
            const c = document.getElementById('picture');
            return { width: c.width, height: c.height, css: c.getBoundingClientRect().width };
        });
        assert.equal(canvas.width, Math.round(size.width * size.deviceScaleFactor));
        assert.equal(canvas.height, Math.round(size.height * size.deviceScaleFactor));
        assert.equal(canvas.css, size.width);
        // Every visible windowed control sits on its box, both edges rounded to whole pixels.
        for (const name of ['cmbDemo', 'cmbOne', 'cmbTwo', 'cmdStart']) {
            const model = await control(page, name);
            const box = await elementBox(page, name === 'cmdStart' ? name : name);
            const outer = name.startsWith('cmb')
                ? await page.evaluate((n) => {
                    const r = document.getElementById(n).parentElement.getBoundingClientRect();
                    return { x: r.x, y: r.y, width: r.width, height: r.height };
                }, name)
                : box;
            const left = Math.round(g.offsetX + model.left * g.pixelsPerTwip);
            const top = Math.round(g.offsetY + model.top * g.pixelsPerTwip);
            const right = Math.round(g.offsetX + (model.left + model.width) * g.pixelsPerTwip);
            const bottom = Math.round(g.offsetY + (model.top + model.height) * g.pixelsPerTwip);
            assert.deepEqual([outer.x, outer.y, outer.width, outer.height],
                [left, top, right - left, bottom - top], `${name} at ${size.width}x${size.height}`);
        }
        assertHealthy(assert, await healthOf(page, watch));
        await context.close();
    }
});

test('a resize of the window lays the picture out again', async () => {
    const { page, context, watch } = await openPage(browser);
    await page.setViewportSize({ width: 1578, height: 605 });
    const g = await settled(page, () => window.propagationTest.geometry().offsetX > 0);
    assert.ok(Math.abs(g.pixelsPerTwip - 1 / 15) < 1e-9);
    assert.ok(Math.abs(g.offsetX - (1578 - 789) / 2) < 1e-6);
    const box = await elementBox(page, 'cmdStart');
    assert.equal(box.x, Math.round((1578 - 789) / 2 + 2340 / 15));
    assertHealthy(assert, await healthOf(page, watch));
    await context.close();
});

test('every control has its role and a name that follows the captions beside it', async () => {
    const { page, context, watch } = await openPage(browser);
    // Plane Wave: the option lists are named by their labels.
    await page.getByRole('combobox', { name: 'Demo' }).waitFor();
    await page.getByRole('combobox', { name: 'Wavelength' }).waitFor();
    await page.getByRole('combobox', { name: 'Attenuation' }).waitFor();
    await page.getByRole('button', { name: 'Pause' }).waitFor();

    for (const demo of ['Polarisation', 'Ricean', 'Phasors']) {
        await pickDemo(page, demo);
        for (const name of ['cmbDemo', 'cmbOne', 'cmbTwo', 'cmdStart', 'cmdHist', 'hscPhase',
            'hscAmp1', 'hscAmp2', 'hscRate', 'hscFixed', 'cmdPhasor(0)', 'cmdPhasor(1)',
            'cmdPhasor(2)']) {
            const model = await control(page, name);
            const shown = await page.evaluate((n) => {
                const element = document.getElementById(n);
                const description = document.getElementById(element.getAttribute('aria-describedby'));
                return {
                    visible: element.getClientRects().length > 0,
                    role: element.getAttribute('role') ?? element.tagName.toLowerCase(),
                    description: description.textContent,
                };
            }, name);
            assert.equal(shown.visible, model.visible, `${name} shown in ${demo}`);
            if (!model.visible) continue;
            const role = { combo: 'combobox', button: 'button', scrollbar: 'scrollbar' }[model.kind];
            const found = page.getByRole(role, { name: model.accessibleName, exact: true });
            assert.equal(await found.count() >= 1, true, `${role} "${model.accessibleName}"`);
            assert.ok(model.accessibleName.length > 0, `${name} has a name`);
            assert.equal(shown.description, model.accessibleDescription);
        }
    }
    // In Polarisation the rows are the two components and their relative phase.
    await pickDemo(page, 'Polarisation');
    const one = await control(page, 'lblOne');
    await page.getByRole('combobox', { name: one.caption.trim().replace(/:$/, '') }).waitFor();
    await page.getByRole('scrollbar', { name: 'Relative Phase' }).waitFor();
    await pickDemo(page, 'Phasors');
    await page.getByRole('button', { name: 'Phasor 1 tip' }).waitFor();
    assertHealthy(assert, await healthOf(page, watch));
    await context.close();
});

test('Tab visits the visible controls in the design tab order', async () => {
    const { page, context, watch } = await openPage(browser);
    for (const demo of ['Ricean', 'Phasors', 'Polarisation']) {
        await pickDemo(page, demo);
        const names = ['cmbDemo', 'cmbOne', 'cmbTwo', 'cmdStart', 'cmdHist', 'hscPhase', 'hscAmp1',
            'hscAmp2', 'hscRate', 'hscFixed', 'cmdPhasor(0)', 'cmdPhasor(1)', 'cmdPhasor(2)'];
        const visible = [];
        for (const name of names) {
            const model = await control(page, name);
            if (model.visible) visible.push(model);
        }
        const expected = visible.sort((a, b) => a.tabIndex - b.tabIndex).map((c) => c.name);
        await page.evaluate((first) => document.getElementById(first).focus(), expected[0]);
        const visited = [expected[0]];
        for (let i = 1; i < expected.length; ++i) {
            await page.keyboard.press('Tab');
            visited.push(await page.evaluate(() => document.activeElement.id));
        }
        assert.deepEqual(visited, expected, demo);
        const back = [expected.at(-1)];
        for (let i = 1; i < expected.length; ++i) {
            await page.keyboard.press('Shift+Tab');
            back.push(await page.evaluate(() => document.activeElement.id));
        }
        assert.deepEqual(back, [...expected].reverse(), `${demo}, backwards`);
    }
    assertHealthy(assert, await healthOf(page, watch));
    await context.close();
});

test('a program error is shown in the page and stops the program, never swallowed', async () => {
    const { page, context, watch } = await openPage(browser);
    await page.evaluate(() => window.propagationTest.breakInvariant('index 97 is outside lnePlot'));
    const alert = page.getByRole('alert');
    assert.match(await alert.textContent(), /cannot recover from and has stopped/);
    assert.match(await alert.textContent(), /index 97 is outside lnePlot/);
    assert.equal(await alert.isVisible(), true);
    assert.equal(await page.evaluate(() => window.propagationTest.error()),
        'index 97 is outside lnePlot');
    // Stopped: no more frames, and input no longer reaches the model.
    const frames = await page.evaluate(() => window.propagationTest.frameCount());
    await page.clock.runFor(1000);
    assert.equal(await page.evaluate(() => window.propagationTest.frameCount()), frames);
    assert.equal((await page.evaluate(() => window.propagationTest.clock())).running, false);
    await page.locator('[id="cmdStart"]').click({ force: true });
    assert.equal((await control(page, 'cmdStart')).caption, 'Pause');
    assert.deepEqual(watch.pageErrors, []);
    await context.close();
});
