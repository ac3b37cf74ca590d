// The teaching tools in the page: the context menu and its shortcuts, one frame at a time, slow
// motion, the set-up carried in the address, the pictures saved and copied, full screen.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import fs from 'node:fs';
import { GifReader } from 'omggif';
import {
    launch, openPage, healthOf, assertHealthy, control, elementBox, canvasPixels, canvasSummaries, pageUrl,
    poll,
} from './browser.mjs';

const browser = await launch();
test.after(() => browser.close());

// How aria-keyshortcuts names a key the menu shows as "Ctrl+Shift+C" or ".".
const ariaKeys = (shown) => shown.replace('Ctrl+', 'Control+').replace(/^\.$/, 'Period');
const roles = { action: 'menuitem', check: 'menuitemcheckbox', choice: 'menuitemradio' };

const toolState = (page) => page.evaluate(() => window.propagationTest.tools());
const frames = (page) => page.evaluate(() => window.propagationTest.frameCount());
const clock = (page) => page.evaluate(() => window.propagationTest.clock());

async function menu(page) {
    return page.evaluate(() => {
        const box = document.getElementById('toolMenu');
        return {
            shown: box.style.display !== 'none',
            role: box.getAttribute('role'),
            focused: document.activeElement.id,
            items: [...box.querySelectorAll('[role^="menuitem"]')].map((item) => ({
                id: item.id,
                role: item.getAttribute('role'),
                label: item.querySelector('.tool-menu-label').textContent,
                shortcut: item.querySelector('.tool-menu-shortcut').textContent,
                keys: item.getAttribute('aria-keyshortcuts'),
                name: item.textContent,
                disabled: item.getAttribute('aria-disabled'),
                checked: item.getAttribute('aria-checked'),
                description: item.getAttribute('aria-description'),
            })),
        };
    });
}

// The menu shows every tool of the catalogue, in its order, under its label and key, dimmed and
// ticked as the catalogue says for the window as it stands.
async function expectMenuFollowsCatalogue(page, shown, when) {
    const catalogue = await page.evaluate(() => window.propagationTest.catalogue());
    assert.deepEqual(shown.items.map((i) => i.id), catalogue.map((t) => t.id), when);
    catalogue.forEach((tool, n) => {
        const item = shown.items[n];
        assert.deepEqual(
            [item.label, item.shortcut, item.keys, item.name, item.role, item.disabled,
                item.checked, item.description],
            [tool.label, tool.key, ariaKeys(tool.key), `${tool.label} ${tool.key}`,
                roles[tool.kind], String(!tool.enabled),
                tool.kind === 'action' ? null : String(tool.checked), tool.hint || null],
            `${tool.id} ${when}`);
    });
}

// The notice a tool shows: its role and text, or null while none is shown.
const notice = (page) => page.evaluate(() => {
    const box = document.getElementById('notice');
    return box.style.display === 'none' ? null
        : { role: box.getAttribute('role'), text: document.getElementById('noticeText').textContent };
});

// The model state a set-up is made of, as the window shows it.
async function setUp(page) {
    const out = { tools: await toolState(page), clock: await clock(page) };
    for (const name of ['cmbDemo', 'cmbOne', 'cmbTwo']) out[name] = (await control(page, name)).text;
    for (const name of ['hscPhase', 'hscRate', 'hscFixed']) out[name] = (await control(page, name)).value;
    out.cmdStart = (await control(page, 'cmdStart')).caption;
    out.histogram = (await control(page, 'Line3')).visible;
    return out;
}

// The PNG's width and height, from its header.
function pngSize(bytes) {
    assert.equal(bytes.subarray(0, 8).toString('hex'), '89504e470d0a1a0a', 'a PNG');
    return { width: bytes.readUInt32BE(16), height: bytes.readUInt32BE(20) };
}

// Runs `action` and collects the `count` downloads it starts: {name: bytes}.
async function downloadsOf(page, count, action) {
    const started = [];
    const listener = (download) => started.push(download);
    page.on('download', listener);
    await action();
    await poll(async () => (started.length < count ? null : true));
    page.off('download', listener);
    assert.equal(started.length, count, 'downloads started');
    const files = {};
    for (const download of started) {
        files[download.suggestedFilename()] = fs.readFileSync(await download.path());
    }
    return files;
}

test('the context menu lists every tool with its shortcut and opens by right click, long press and keyboard', async () => {
    const { page, context, watch } = await openPage(browser);
    assert.equal((await menu(page)).shown, false, 'no menu on the default page');

    const picture = await elementBox(page, 'picture');
    await page.mouse.click(picture.x + 300, picture.y + 300, { button: 'right' });
    let m = await menu(page);
    assert.equal(m.shown, true);
    assert.equal(m.role, 'menu');
    await expectMenuFollowsCatalogue(page, m, 'at start');
    // The keys a lecturer learns from the README; F for full screen, as the browser keeps F11.
    const keyOf = Object.fromEntries(m.items.map((i) => [i.id, i.shortcut]));
    assert.deepEqual([keyOf.toolStep, keyOf.toolSpeedHalf, keyOf.toolTheory, keyOf.toolFullScreen,
        keyOf.toolCopySetUp], ['.', 'Ctrl+2', 'T', 'F', 'Ctrl+Shift+C']);
    // Running, a frame cannot be stepped; Plane Wave has no histogram for a theory curve.
    // The deeper tools fit other demonstrations.
    assert.deepEqual(m.items.filter((i) => i.disabled === 'true').map((i) => i.id),
        ['toolStep', 'toolTheory', 'toolFadingRecord', 'toolThresholdDown', 'toolThresholdUp',
            'toolEllipse', 'toolPhasorNumbers']);
    assert.equal(m.focused, 'toolStep');
    await page.keyboard.press('ArrowUp');
    assert.equal((await menu(page)).focused, m.items.at(-1).id, 'the arrows wrap round');
    // The focus follows the pointer when it moves over an entry.
    const third = await elementBox(page, 'toolSpeedHalf');
    await page.mouse.move(third.x + third.width / 2, third.y + third.height / 2, { steps: 2 });
    assert.equal((await menu(page)).focused, 'toolSpeedHalf');
    await page.keyboard.press('Escape');
    assert.equal((await menu(page)).shown, false);

    // The states change with the window: paused, slow, a histogram with its curve, the projector.
    await page.locator('[id="cmbDemo"]').fill('Rayleigh');
    await page.locator('[id="cmdHist"]').click();
    await page.keyboard.press('t');
    await page.keyboard.press('Control+3');
    await page.keyboard.press('p');
    await page.getByRole('button', { name: 'Pause' }).click();
    await page.mouse.click(picture.x + 300, picture.y + 300, { button: 'right' });
    m = await menu(page);
    assert.deepEqual(m.items.filter((i) => i.checked === 'true').map((i) => i.id),
        ['toolSpeedQuarter', 'toolTheory', 'toolProjector']);
    await expectMenuFollowsCatalogue(page, m, 'paused, quarter speed, curve and projector on');
    await page.keyboard.press('Escape');
    await page.keyboard.press('p');
    await page.keyboard.press('Control+1');
    await page.getByRole('button', { name: 'Start' }).click();
    await page.locator('[id="cmbDemo"]').fill('Plane Wave');

    // From the keyboard: Shift+F10 on a button, an entry run with Enter, the focus given back.
    await page.focus('[id="cmdStart"]');
    await page.keyboard.press('Shift+F10');
    assert.equal((await menu(page)).shown, true);
    await page.keyboard.press('ArrowDown');
    await page.keyboard.press('ArrowDown');
    assert.equal((await menu(page)).focused, 'toolSpeedHalf');
    await page.keyboard.press('Enter');
    assert.equal((await toolState(page)).speed, 'Half');
    m = await menu(page);
    assert.equal(m.shown, false);
    assert.equal(m.focused, 'cmdStart');

    // A list's text field keeps the browser's own menu (cut, copy, paste).
    await page.locator('[id="cmbOne"]').click({ button: 'right' });
    assert.equal((await menu(page)).shown, false);
    await page.keyboard.press('Escape');

    // A finger resting on the picture, where there is no right button.
    await page.evaluate(([x, y]) => {
        document.getElementById('picture').dispatchEvent(new PointerEvent('pointerdown', {
            bubbles: true, pointerType: 'touch', pointerId: 7, clientX: x, clientY: y,
        }));
    }, [picture.x + 200, picture.y + 200]);
    await page.clock.runFor(300);
    assert.equal((await menu(page)).shown, false, 'not yet after 300 ms');
    await page.clock.runFor(400);
    assert.equal((await menu(page)).shown, true, 'open after a long press');
    await page.mouse.click(picture.x + 5, picture.y + 5);
    assert.equal((await menu(page)).shown, false, 'a press elsewhere closes it');
    assertHealthy(assert, await healthOf(page, watch));
    await context.close();
});

test('a shortcut works from a button and with no focus, never while a list is typed into', async () => {
    const { page, context, watch } = await openPage(browser);
    await page.focus('[id="cmdStart"]');
    await page.keyboard.press('p');
    assert.equal((await toolState(page)).projector, true);
    await page.evaluate(() => document.activeElement.blur());
    await page.keyboard.press('Control+3');
    assert.equal((await toolState(page)).speed, 'Quarter');

    await page.locator('[id="cmbOne"]').click();
    await page.keyboard.press('Control+A');
    await page.keyboard.type('2p');
    await page.keyboard.press('Control+1');
    assert.equal((await control(page, 'cmbOne')).text, '2p', 'the keys are the text');
    assert.deepEqual(await toolState(page),
        { paused: false, speed: 'Quarter', theory: 'Off', projector: true });
    assertHealthy(assert, await healthOf(page, watch));
    await context.close();
});

test('step one frame advances FrameCount by one only while paused', async () => {
    const { page, context, watch } = await openPage(browser);
    const running = await frames(page);
    await page.keyboard.press('.');
    assert.equal(await frames(page), running, 'running: the key does nothing');

    await page.getByRole('button', { name: 'Pause' }).click();
    const paused = await frames(page);
    await page.keyboard.press('.');
    assert.equal(await frames(page), paused + 1);
    await page.keyboard.press('.');
    await page.keyboard.press('.');
    assert.equal(await frames(page), paused + 3);
    await page.clock.runFor(1000);
    assert.equal(await frames(page), paused + 3, 'stepping starts no clock');
    assert.equal((await clock(page)).running, false);
    assert.equal((await control(page, 'cmdStart')).caption, 'Start');
    assertHealthy(assert, await healthOf(page, watch));
    await context.close();
});

test('slow motion makes the browser clock tick every 100, 200 or 400 ms, across demonstrations', async () => {
    const { page, context, watch } = await openPage(browser);
    const cases = [['Control+2', 200], ['Control+3', 400], ['Control+1', 100]];
    for (const [key, period] of cases) {
        await page.keyboard.press(key);
        assert.deepEqual(await clock(page), { running: true, period });
        const start = await frames(page);
        await page.clock.runFor(4000);
        assert.equal(await frames(page), start + 4000 / period, `key ${key}`);
    }
    await page.keyboard.press('Control+3');
    await page.locator('[id="cmbDemo"]').fill('Ricean');
    assert.deepEqual(await clock(page), { running: true, period: 400 });
    assertHealthy(assert, await healthOf(page, watch));
    await context.close();
});

test('a set-up in the address is made after load; a bad one is shown and nothing of it is made', async () => {
    const defaults = await (async () => {
        const { page, context } = await openPage(browser);
        const state = await setUp(page);
        await context.close();
        return state;
    })();

    const good = await openPage(browser, {
        url: `${pageUrl}#demo=Ricean&one=Ten&fixed=7&histogram&speed=half&theory=Ricean&paused`,
    });
    const made = await setUp(good.page);
    assert.equal(made.cmbDemo, 'Ricean');
    assert.equal(made.cmbOne, 'Ten');
    assert.equal(made.hscFixed, 7);
    assert.equal(made.cmdStart, 'Start');
    assert.equal(made.histogram, true, 'the Histogram button was pressed');
    assert.deepEqual(made.tools, { paused: true, speed: 'Half', theory: 'Ricean', projector: false });
    assert.equal(made.clock.running, false);
    assert.equal(await notice(good.page), null);
    // Another set-up's link opened in the same tab: only the fragment changes, no new page.
    await good.page.evaluate(() => { location.hash = '#demo=Phasors&speed=quarter'; });
    await good.page.waitForFunction(() => window.propagationTest.control('cmbDemo').text === 'Phasors');
    assert.equal((await toolState(good.page)).speed, 'Quarter');
    assertHealthy(assert, await healthOf(good.page, good.watch));
    await good.context.close();

    for (const [fragment, complaint] of [['demo=Ricean&one=Ten&bogus', /bogus/],
                                          ['demo=Ricean&one=Ten&fixed=99999', /fixed/],
                                          ['demo=Ricean&speed=warp', /warp|speed/]]) {
        const bad = await openPage(browser, { url: `${pageUrl}#${fragment}` });
        const shown = await notice(bad.page);
        assert.equal(shown?.role, 'alert', fragment);
        assert.match(shown.text, /set-up in the page's address was not used/);
        assert.match(shown.text, complaint);
        assert.deepEqual(await setUp(bad.page), defaults, `${fragment}: nothing made`);
        const health = await healthOf(bad.page, bad.watch);
        assert.deepEqual(health.shownErrors, [shown.text + 'Close']);
        assert.equal(health.programError, '');
        await bad.context.close();
    }
});

test('copy link gives an address whose fragment makes the same set-up again', async () => {
    const { page, context, watch } = await openPage(browser);
    await context.grantPermissions(['clipboard-read', 'clipboard-write']);
    await page.locator('[id="cmbDemo"]').fill('Ricean');
    await page.locator('[id="cmbOne"]').fill('Ten');
    await page.locator('[id="cmdHist"]').click();
    await page.focus('[id="hscFixed"]');
    await page.keyboard.press('ArrowRight');
    await page.keyboard.press('Control+2');
    await page.keyboard.press('t');
    await page.keyboard.press('p');
    await page.getByRole('button', { name: 'Pause' }).click();
    const before = await setUp(page);

    await page.keyboard.press('Control+Shift+C');
    await page.clock.runFor(10);
    const link = await page.evaluate(() => navigator.clipboard.readText());
    assert.ok(link.startsWith(`${pageUrl}#`), link);
    assert.equal(await page.evaluate(() => location.href), link, 'the address bar shows it too');
    assert.equal((await notice(page))?.role, 'status');
    assertHealthy(assert, await healthOf(page, watch));
    await context.close();

    const again = await openPage(browser, { url: link });
    assert.deepEqual(await setUp(again.page), before);
    assertHealthy(assert, await healthOf(again.page, again.watch));
    await again.context.close();
});

test('Save picture downloads the picture as PNG at the size on screen or twice it, and as SVG', async () => {
    const { page, context, watch } = await openPage(browser);
    let files = await downloadsOf(page, 2, () => page.keyboard.press('Control+s'));
    assert.deepEqual(Object.keys(files).sort(),
        ['propagation-demos-plane-wave.png', 'propagation-demos-plane-wave.svg']);
    assert.deepEqual(pngSize(files['propagation-demos-plane-wave.png']), { width: 789, height: 605 });

    // The PNG is the picture on the canvas, pixel for pixel.
    const differing = await page.evaluate(async (base64) => {
        const image = new Image();
        image.src = `data:image/png;base64,${base64}`;
        await image.decode();
        const read = (source) => {
            const c = document.createElement('canvas');
            c.width = 789;
            c.height = 605;
            const g = c.getContext('2d', { willReadFrequently: true });
            g.drawImage(source, 0, 0);
            return g.getImageData(0, 0, 789, 605).data;
        };
        const saved = read(image);
        const shown = read(document.getElementById('picture'));
        let count = 0;
        for (let i = 0; i < saved.length; i += 4) {
            if (Math.abs(saved[i] - shown[i]) + Math.abs(saved[i + 1] - shown[i + 1]) +
                Math.abs(saved[i + 2] - shown[i + 2]) > 6) ++count;
        }
        return count;
    }, files['propagation-demos-plane-wave.png'].toString('base64'));
    assert.equal(differing, 0);

    const svgOf = (text) => page.evaluate((source) => {
        const doc = new DOMParser().parseFromString(source, 'image/svg+xml');
        const root = doc.documentElement;
        const colours = new Set();
        for (const element of doc.querySelectorAll('*')) {
            for (const name of ['fill', 'stroke']) {
                const value = element.getAttribute(name);
                if (value) colours.add(value.toLowerCase());
            }
        }
        return {
            error: doc.querySelector('parsererror')?.textContent ?? '',
            root: root.localName, width: root.getAttribute('width'),
            height: root.getAttribute('height'), colours: [...colours],
        };
    }, text);
    let svg = await svgOf(files['propagation-demos-plane-wave.svg'].toString('utf8'));
    assert.deepEqual([svg.error, svg.root, svg.width, svg.height], ['', 'svg', '789', '605']);
    assert.ok(svg.colours.includes('#efefef'), 'the window background');
    assert.ok(!svg.colours.includes('#ff0000'), 'no theory curve');

    files = await downloadsOf(page, 2, () => page.keyboard.press('Control+Shift+S'));
    assert.deepEqual(pngSize(files['propagation-demos-plane-wave-2x.png']),
        { width: 1578, height: 1210 });

    // The tools' additions are in the picture: the white page and the red theory curve.
    await page.locator('[id="cmbDemo"]').fill('Rayleigh');
    await page.locator('[id="cmdHist"]').click();
    await page.clock.runFor(3000);
    await page.keyboard.press('t');
    await page.keyboard.press('p');
    files = await downloadsOf(page, 2, async () => {
        await page.focus('[id="cmdStart"]');
        await page.keyboard.press('Control+s');
    });
    svg = await svgOf(files['propagation-demos-rayleigh.svg'].toString('utf8'));
    assert.equal(svg.error, '');
    assert.ok(svg.colours.includes('#ffffff'), 'the projector\'s white page');
    assert.ok(svg.colours.includes('#ff0000'), 'the theory curve');
    assert.ok(!svg.colours.includes('#efefef'), 'no button face left');
    await page.evaluate(() => window.propagationTest.paint());
    assert.deepEqual(await canvasPixels(page, 1, 1, 1, 1), [[255, 255, 255]]);
    assertHealthy(assert, await healthOf(page, watch));
    await context.close();
});

test('Save data downloads a CSV a table and Copy data puts every table on the clipboard', async () => {
    const { page, context, watch } = await openPage(browser);
    await context.grantPermissions(['clipboard-read', 'clipboard-write']);
    await page.locator('[id="cmbDemo"]').fill('Phasors');
    // Neither tool has a key: each is run from the menu.
    const picture = await elementBox(page, 'picture');
    const runTool = async (id) => {
        await page.mouse.click(picture.x + 300, picture.y + 300, { button: 'right' });
        await page.locator(`[id="${id}"]`).click();
    };
    const files = await downloadsOf(page, 2, () => runTool('toolSaveData'));
    const phasors = files['propagation-demos-phasors-phasors.csv']?.toString('utf8');
    const sinusoids = files['propagation-demos-phasors-sinusoids.csv']?.toString('utf8');
    // Every tip on its origin: no length and no phase.
    assert.equal(phasors, 'phasor,length_twips,phase_degrees\n1,0.00,\n2,0.00,\nsum,0.00,\n');
    const lines = sinusoids.split('\n');
    assert.equal(lines[0], 'sample,phasor1_twips,phasor2_twips,sum_twips');
    assert.deepEqual([lines.length, lines[96], lines[97]], [98, '95,0.00,0.00,0.00', '']);

    await runTool('toolCopyData');
    await page.clock.runFor(10);
    const copied = await poll(() => page.evaluate(async () => {
        const text = await navigator.clipboard.readText();
        return text === '' ? null : text;
    }));
    assert.equal(copied, `${phasors}\n${sinusoids}`);
    assert.deepEqual(await notice(page),
        { role: 'status', text: 'The numbers behind the picture are on the clipboard.' });
    assertHealthy(assert, await healthOf(page, watch));
    await context.close();
});

test('Copy picture puts a PNG on the clipboard, and a refusal is said in the page', async () => {
    const allowed = await openPage(browser);
    await allowed.context.grantPermissions(['clipboard-read', 'clipboard-write']);
    await allowed.page.focus('[id="cmdStart"]');
    await allowed.page.keyboard.press('Control+c');
    await allowed.page.clock.runFor(10);
    // The picture is encoded after the key: the clipboard is read until it is there.
    const copied = await poll(() => allowed.page.evaluate(async () => {
        const items = await navigator.clipboard.read();
        if (items.length === 0 || !items[0].types.includes('image/png')) return null;
        const bitmap = await createImageBitmap(await items[0].getType('image/png'));
        return { width: bitmap.width, height: bitmap.height };
    }));
    assert.deepEqual(copied, { width: 789, height: 605 });
    assert.deepEqual(await notice(allowed.page),
        { role: 'status', text: 'The picture is on the clipboard.' });
    assertHealthy(assert, await healthOf(allowed.page, allowed.watch));
    await allowed.context.close();

    const refused = await openPage(browser);
    await refused.page.evaluate(() => {
        navigator.clipboard.write = () =>
            Promise.reject(new DOMException('Write permission denied.', 'NotAllowedError'));
    });
    await refused.page.keyboard.press('Control+c');
    await refused.page.clock.runFor(10);
    const shown = await notice(refused.page);
    assert.equal(shown?.role, 'alert');
    assert.match(shown.text, /did not let the page copy the picture \(Write permission denied\.\)/);
    await refused.page.keyboard.press('Escape');
    await refused.context.close();
});

test('F asks for full screen on the page\'s root and the picture fills it; a refusal is said', async () => {
    const { page, context, watch } = await openPage(browser);
    await page.evaluate(() => {
        window.fullScreenAsked = [];
        const request = Element.prototype.requestFullscreen;
        Element.prototype.requestFullscreen = function (...args) {
            window.fullScreenAsked.push(this === document.documentElement);
            return request.apply(this, args);
        };
    });
    await page.keyboard.press('f');
    assert.deepEqual(await page.evaluate(() => window.fullScreenAsked), [true]);
    await page.waitForFunction(() => document.fullscreenElement === document.documentElement);
    // The stage, and with it the picture, covers the whole screen.
    const stage = await elementBox(page, 'stage');
    const screen = await page.evaluate(() => ({ width: innerWidth, height: innerHeight }));
    assert.deepEqual([stage.x, stage.y, stage.width, stage.height], [0, 0, screen.width, screen.height]);
    await page.keyboard.press('f');
    await page.waitForFunction(() => document.fullscreenElement === null);
    assertHealthy(assert, await healthOf(page, watch));

    await page.evaluate(() => {
        Element.prototype.requestFullscreen = () =>
            Promise.reject(new TypeError('Permissions check failed'));
    });
    await page.keyboard.press('f');
    await page.clock.runFor(10);
    const shown = await notice(page);
    assert.equal(shown?.role, 'alert');
    assert.match(shown.text, /did not change to full screen \(Permissions check failed\)/);
    await context.close();
});

// The deeper tools from their keys, drawn by the page on a laptop and on a phone held upright,
// each in its own colour in its own area, and in the SVG the page saves.
test('R, E and N draw the fading record, the ellipse and the phasor numbers, on a phone too', async () => {
    const cases = [
        ['demo=Rayleigh&one=Ten&rate=20', 'r', { left: 7440, top: 5445, width: 4140, height: 1710 }, [0, 0, 176]],
        ['demo=Polarisation&one=Horizontal&two=Vertical&phase=45', 'e', { left: 0, top: 0, width: 7380, height: 7200 }, [192, 0, 192]],
        // The numbers' rows below the sinusoids, each keyed by a stroke in its phasor's colour.
        ['demo=Phasors&tip1=2400,780&tip2=900,3000', 'n', { left: 4740, top: 7200, width: 7020, height: 1560 }, [0, 192, 0]],
    ];
    for (const size of [{ width: 789, height: 605 }, { width: 390, height: 844, deviceScaleFactor: 2, hasTouch: true }]) {
        const { page, context, watch } = await openPage(browser, size);
        for (const [setup, key, area, colour] of cases) {
            const at = `${setup} at ${size.width}`;
            assert.equal(await page.evaluate((s) => window.propagationTest.setup(s), setup), '');
            const count = async () => {
                await page.evaluate(() => { window.propagationTest.tick(40); window.propagationTest.paint(); });
                if (size.hasTouch) {
                    // On a phone a tool's panel or words stand among the controls, its curves
                    // among the figures: the tool's colour on each of the page's canvases.
                    return (await canvasSummaries(page, '#stage canvas', colour)).map((s) => s.near);
                }
                const corner = await page.evaluate(([x, y]) => window.propagationTest.clientPoint(x, y), [area.left, area.top]);
                // The far corner's last twip: the corner itself is the next region's.
                const far = await page.evaluate(([x, y]) => window.propagationTest.clientPoint(x, y),
                    [area.left + area.width - 1, area.top + area.height - 1]);
                const ratio = size.deviceScaleFactor ?? 1;
                const pixels = await canvasPixels(page, Math.floor(corner.x * ratio), Math.floor(corner.y * ratio),
                    Math.ceil((far.x - corner.x) * ratio), Math.ceil((far.y - corner.y) * ratio));
                return pixels.filter(([r, g, b]) =>
                    Math.abs(r - colour[0]) + Math.abs(g - colour[1]) + Math.abs(b - colour[2]) < 60).length;
            };
            const without = await count();
            await page.evaluate(() => document.activeElement?.blur());
            await page.keyboard.press(key);
            const withTool = await count();
            assert.ok([withTool].flat().some((n, i) => n > [without].flat()[i] + 20), `${at}: the tool's colour in its area`);
            if (key === 'r' && size.width === 789) {
                const files = await downloadsOf(page, 2, () => page.keyboard.press('Control+s'));
                const svg = files['propagation-demos-rayleigh.svg'].toString('utf8');
                assert.match(svg, /stroke="#0000B0"/, 'the record\'s trace in the SVG');
                assert.match(svg, />-10</, 'the dB scale\'s labels in the SVG');
                assert.match(svg, /Below -10 dB: /);
            }
            await page.keyboard.press(key);
        }
        assertHealthy(assert, await healthOf(page, watch));
        await context.close();
    }
});

test('K and Help > Keys list every key in a dialog that Escape closes; About gives the version', async () => {
    const { page, context, watch } = await openPage(browser);
    const dialog = () => page.evaluate(() => {
        const box = document.getElementById('message');
        return {
            shown: box.getClientRects().length > 0,
            title: document.getElementById('messageTitle').textContent,
            rows: [...box.querySelectorAll('tr')].map((row) => [...row.cells].map((c) => c.textContent)),
            text: box.textContent,
            focused: box.contains(document.activeElement),
        };
    });
    await page.keyboard.press('k');
    let shown = await dialog();
    assert.equal(shown.shown, true);
    assert.equal(shown.title, 'Keys');
    assert.ok(shown.focused, 'the dialog takes the focus');
    const catalogue = await page.evaluate(() => window.propagationTest.catalogue());
    for (const tool of catalogue.filter((t) => t.key))
        assert.ok(shown.rows.some(([key, what]) => key === tool.key && what === tool.label), tool.id);
    assert.ok(shown.rows.some(([key]) => key === 'Tab, Shift+Tab'), 'the window\'s own keys too');
    await page.keyboard.press('Escape');
    assert.equal((await dialog()).shown, false);

    await page.locator('[id="toolsButton"]').click();
    await page.locator('[id="toolAbout"]').click();
    shown = await dialog();
    assert.equal(shown.shown, true);
    assert.match(shown.text, /Orvo's Propagation Demos, version \d+\.\d+/);
    await page.getByRole('button', { name: 'Close' }).click();
    assert.equal((await dialog()).shown, false);
    assertHealthy(assert, await healthOf(page, watch));
    await context.close();
});

// A GIF as omggif reads it: its frames' RGBA pixels, their delays (hundredths of a second) and
// its loop count (0: for ever).
function decodeGif(bytes) {
    const reader = new GifReader(new Uint8Array(bytes));
    const frames = [];
    const delays = [];
    for (let i = 0; i < reader.numFrames(); ++i) {
        const pixels = new Uint8Array(reader.width * reader.height * 4);
        reader.decodeAndBlitFrameRGBA(i, pixels);
        frames.push(pixels);
        delays.push(reader.frameInfo(i).delay);
    }
    return { width: reader.width, height: reader.height, frames, delays, loops: reader.loopCount() };
}

// The largest and the mean difference of a colour channel between a GIF frame and canvas pixels.
// gifenc sorts colours into bins of 5, 6 and 5 bits: a smoothed edge may come out up to about
// 40 levels off, the window's faces and lines exactly.
function differenceOf(frame, pixels) {
    let largest = 0;
    let sum = 0;
    pixels.forEach(([r, g, b], i) => {
        for (const d of [r - frame[4 * i], g - frame[4 * i + 1], b - frame[4 * i + 2]]) {
            largest = Math.max(largest, Math.abs(d));
            sum += Math.abs(d);
        }
    });
    return { largest, mean: sum / (3 * pixels.length) };
}

test('Record animation downloads one loop of the picture as a looping GIF and leaves the window as it was', async () => {
    const { page, context, watch } = await openPage(browser);
    await page.locator('[id="cmbOne"]').fill('2.0');
    await page.locator('[id="cmdStart"]').click();  // paused: the window stands still meanwhile
    await page.evaluate(() => window.propagationTest.paint());
    const before = { frame: await frames(page), pixels: await canvasPixels(page, 0, 0, 789, 605) };

    await page.keyboard.press('a');
    const choice = page.getByRole('button', { name: 'GIF, one loop: 16 frames' });
    assert.equal(await choice.evaluate((button) => button === document.activeElement), true,
        'the first choice has the focus');
    const files = await downloadsOf(page, 1, async () => {
        await choice.click();
        await page.clock.runFor(500);
    });
    const gif = decodeGif(files['propagation-demos-plane-wave.gif']);
    assert.deepEqual([gif.width, gif.height, gif.frames.length, gif.loops], [789, 605, 16, 0]);
    assert.deepEqual(gif.delays, Array(16).fill(10), '100 ms a frame');
    const first = differenceOf(gif.frames[0], before.pixels);
    assert.ok(first.largest <= 48 && first.mean < 0.25, `first frame ${JSON.stringify(first)}`);
    assert.equal(await frames(page), before.frame, 'the window did not move');
    // The last frame is the window's fifteen frames on, stepped one at a time.
    for (let i = 0; i < 15; ++i) await page.keyboard.press('.');
    await page.evaluate(() => window.propagationTest.paint());
    const last = differenceOf(gif.frames[15], await canvasPixels(page, 0, 0, 789, 605));
    assert.ok(last.largest <= 48 && last.mean < 0.25, `last frame ${JSON.stringify(last)}`);
    assert.match((await notice(page)).text, /saved/);
    assertHealthy(assert, await healthOf(page, watch));
    await context.close();
});

test('record-animation in the address records the set-up\'s animation once it is made', async () => {
    const { page, context, watch } = await openPage(browser, { url: `${pageUrl}#demo=Polarisation&record-animation&frames=3` });
    const files = await downloadsOf(page, 1, () => page.clock.runFor(100));
    const gif = decodeGif(files['propagation-demos-polarisation.gif']);
    assert.deepEqual([gif.frames.length, gif.delays, gif.loops], [3, [10, 10, 10], 0]);
    assert.equal((await control(page, 'cmbDemo')).text, 'Polarisation');
    assertHealthy(assert, await healthOf(page, watch));
    await context.close();
});

test('Record animation offers a WebM video where the browser records one, with a video track', async () => {
    const { page, context, watch } = await openPage(browser);
    await page.locator('[id="cmbDemo"]').fill('Polarisation');
    await page.keyboard.press('Escape');
    await page.locator('[id="cmdStart"]').focus();
    await page.keyboard.press('a');
    const choice = page.getByRole('button', { name: 'WebM video: 24 frames' });
    const files = await downloadsOf(page, 1, async () => {
        await choice.click();
        // The video films each frame for its 100 ms.
        for (let i = 0; i < 30; ++i) {
            await page.clock.runFor(100);
            await new Promise((resolve) => setTimeout(resolve, 20));
        }
    });
    const video = files['propagation-demos-polarisation.webm'];
    assert.equal(video.subarray(0, 4).toString('hex'), '1a45dfa3', 'an EBML (WebM) file');
    assert.ok(video.includes(Buffer.from('V_VP')), 'a VP8 or VP9 video track');
    assertHealthy(assert, await healthOf(page, watch));
    await context.close();
});
