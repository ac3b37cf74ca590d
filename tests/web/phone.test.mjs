// The page on a phone, upright and sideways, and on a laptop: the demonstration's figures fill the
// screen above or beside the controls, every control text at one size (16 CSS pixels or more, the
// largest at most 1.25 times the smallest), every target a finger's, the phasor tips drawn 16
// pixels across at least with their 44 x 44 touch areas; lists that open with a tap and keep the
// keyboard away; finger drags that drop where the desktop drops; and a turn of the phone in the
// middle of a drag or after typing.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { launch, openPage, healthOf, assertHealthy, control, poll, pageUrl } from './browser.mjs';

const browser = await launch();
test.after(() => browser.close());

const upright = { width: 390, height: 844, deviceScaleFactor: 3, hasTouch: true };
const sideways = { width: 844, height: 390, deviceScaleFactor: 3, hasTouch: true };
const laptop = { width: 1280, height: 800, deviceScaleFactor: 1 };
const layouts = [
    [upright, 'upright'], [{ width: 360, height: 640, deviceScaleFactor: 2, hasTouch: true }, 'upright'],
    [sideways, 'sideways'], [{ width: 640, height: 360, deviceScaleFactor: 2, hasTouch: true }, 'sideways'],
    [laptop, 'uniform'],
];
// Each demonstration with every lesson of its own on, so that it shows all its figures.
const demos = [
    ['Plane Wave', 'demo=Plane+Wave'], ['Group Velocity', 'demo=Group+Velocity'],
    // As it opens first (its phase caption is the narrowest box's widest text; the ellipse, once
    // on, stays on).
    ['Polarisation', 'demo=Polarisation'],
    ['Polarisation', 'demo=Polarisation&two=Vertical&phase=45&ellipse'],
    ['Rayleigh', 'demo=Rayleigh&one=Ten&histogram&record'],
    ['Ricean', 'demo=Ricean&one=Five&histogram&record'],
    ['Phasors', 'demo=Phasors&tip1=2400,780&tip2=900,3000&numbers'],
];
const kGrid = 60;
const floorToGrid = (twips) => Math.floor(twips / kGrid) * kGrid;

// The browser delivers a resize with a later rendering step: asked again until it holds.
const until = (page, condition) =>
    poll(async () => ((await page.evaluate(condition)) ? true : null));

const hook = (page, name, ...args) =>
    page.evaluate(([n, a]) => window.propagationTest[n](...a), [name, args]);

async function pick(page, demo) {
    await page.locator('[id="cmbDemo"]').fill(demo);
    await hook(page, 'paint');
}

async function setUp(page, fragment) {
    assert.equal(await hook(page, 'setup', fragment), '', fragment);
    await hook(page, 'tick', 20);
    await hook(page, 'paint');
}

// Every target a finger has on the page now: the visible lists (their field and arrow), buttons
// (not the tips), scroll bars and their arrows, and the open menu's entries.
const targets = (page) => page.evaluate(() => {
    const box = (e) => {
        const r = e.getBoundingClientRect();
        return { x: r.x, y: r.y, width: r.width, height: r.height };
    };
    const shown = (e) => e.getClientRects().length > 0;
    const out = [];
    for (const e of document.querySelectorAll('.combo, .button:not(.graphical), .scrollbar')) {
        if (!shown(e)) continue;
        out.push({ name: e.id || e.querySelector('input').id, ...box(e), whole: true });
        for (const part of e.querySelectorAll('.combo-arrow, .scrollbar-arrow')) {
            out.push({ name: `${e.id || 'list'} arrow`, ...box(part), whole: false });
        }
    }
    for (const e of document.querySelectorAll('[role^="menuitem"]')) {
        if (shown(e)) out.push({ name: e.id, ...box(e), whole: true });
    }
    return out;
});

const tips = (page) => page.evaluate(() => ['cmdPhasor(0)', 'cmdPhasor(1)', 'cmdPhasor(2)'].map((id) => {
    const e = document.getElementById(id);
    const r = e.getBoundingClientRect();
    return { id, width: r.width, height: r.height, x: r.x + r.width / 2, y: r.y + r.height / 2 };
}));

// The text of every control a student reads on screen: the captions painted in the controls'
// pane (the logo's lettering is a picture), the lists' and the buttons' texts.
async function controlTexts(page) {
    const painted = (await hook(page, 'paintedTexts'))
        .filter((t) => t.pane === 1 && !t.lesson)
        .map((t) => ({ name: t.text, px: t.pixelSize }));
    const elements = await page.evaluate(() => [...document.querySelectorAll('.combo, .button:not(.graphical)')]
        .filter((e) => e.getClientRects().length > 0)
        .map((e) => ({ name: e.id || e.querySelector('input').id, px: parseFloat(getComputedStyle(e).fontSize) })));
    return [...painted, ...elements];
}

function overlap(a, b) {
    return a.x < b.x + b.width - 0.5 && b.x < a.x + a.width - 0.5 &&
        a.y < b.y + b.height - 0.5 && b.y < a.y + a.height - 0.5;
}

// The height the figures' rows take in their pane: one region's height a row.
function figureRowsHeight(arrangement) {
    let covered = 0;
    let top = -1;
    for (const r of arrangement.regions) {
        if (r.pane !== 0 || r.page.top <= top) continue;
        top = r.page.top;
        covered += r.page.height;
    }
    return covered;
}

test('on a phone the figures fill the screen, every control text is one size and every target a finger\'s', async () => {
    for (const [size, kind] of layouts) {
        const { page, context, watch } = await openPage(browser, size);
        for (const [demo, fragment] of demos) {
            await setUp(page, fragment);
            const at = `${demo} at ${size.width} x ${size.height}`;
            const arrangement = await hook(page, 'arrangement');
            assert.equal(arrangement.kind, kind, at);
            const found = await targets(page);
            assert.ok(found.length > 0, at);
            for (const t of found) {
                assert.ok(t.width >= 24 - 1e-6 && t.height >= 24 - 1e-6,
                    `${at}: ${t.name} is ${t.width} x ${t.height}`);
            }
            const wholes = found.filter((t) => t.whole);
            for (let i = 0; i < wholes.length; ++i) {
                for (let j = i + 1; j < wholes.length; ++j) {
                    assert.ok(!overlap(wholes[i], wholes[j]), `${at}: ${wholes[i].name} over ${wholes[j].name}`);
                }
            }
            // Nothing wider than the page: no sideways scrolling.
            const wide = await page.evaluate(() => Math.max(document.getElementById('stage').scrollWidth,
                document.getElementById('controlsPane').scrollWidth));
            assert.ok(wide <= size.width, `${at}: content ${wide} wide`);
            assert.deepEqual(await hook(page, 'cutAtRegionEdges'), [], `${at}: cut at a region's edge`);
            if (kind === 'uniform') continue;

            const texts = await controlTexts(page);
            const sizes = texts.map((t) => t.px);
            // The lesson tools' words at least as large as the option rows' captions.
            const painted = await hook(page, 'paintedTexts');
            const captions = painted.filter((t) => t.pane === 1 && !t.lesson).map((t) => t.pixelSize);
            for (const t of painted.filter((x) => x.lesson && x.text !== 'Orvo')) {
                assert.ok(t.pixelSize >= Math.min(...captions), `${at}: the lesson's "${t.text}" at ${t.pixelSize} px`);
                assert.ok(t.whole, `${at}: the lesson's "${t.text}" cut at its region's edge`);
            }
            for (const t of texts) assert.ok(t.px >= 16, `${at}: "${t.name}" at ${t.px} px`);
            assert.ok(Math.max(...sizes) <= 1.25 * Math.min(...sizes),
                `${at}: control texts from ${Math.min(...sizes)} to ${Math.max(...sizes)} px`);
            const main = arrangement.regions[0].page;
            const wave = demo === 'Plane Wave' || demo === 'Group Velocity';
            if (kind === 'upright') {
                if (wave) assert.ok(Math.abs(main.width - size.width) < 1e-6, `${at}: the wave's width`);
                if (['Polarisation', 'Rayleigh', 'Ricean'].includes(demo)) {
                    assert.ok(main.width >= 0.85 * size.width - 1e-6, `${at}: the axes ${main.width} wide`);
                }
                const controls = arrangement.panes[1];
                if (controls.contentHeight <= controls.place.height + 0.5 && !wave) {
                    const empty = size.height - figureRowsHeight(arrangement) - controls.contentHeight;
                    assert.ok(empty <= 0.15 * size.height, `${at}: ${empty} px empty`);
                }
            } else {
                assert.ok(arrangement.panes[0].place.height === size.height, `${at}: the figures at the full height`);
            }
            if (demo === 'Phasors') {
                // Drawn 16 pixels across at least; their touch areas 44 x 44 each, apart from each
                // other and from every target.
                const shown = await tips(page);
                for (const tip of shown) {
                    assert.ok(tip.width >= 16 && tip.height >= 16, `${at}: ${tip.id} ${tip.width} x ${tip.height}`);
                }
                const [a, b] = shown;
                const area = (t) => ({ x: t.x - 22, y: t.y - 22, width: 44, height: 44 });
                assert.ok(!overlap(area(a), area(b)), `${at}: the tips' touch areas overlap`);
                for (const t of wholes) {
                    for (const tip of [a, b]) assert.ok(!overlap(area(tip), t), `${at}: ${tip.id} over ${t.name}`);
                }
            }
        }
        // The tools' menu too.
        await page.keyboard.press('Shift+F10');
        for (const t of (await targets(page)).filter((x) => x.name.startsWith('tool'))) {
            assert.ok(t.height >= 24, `menu entry ${t.name} at ${size.width}: ${t.height} high`);
        }
        await page.keyboard.press('Escape');
        assertHealthy(assert, await healthOf(page, watch));
        await context.close();
    }
});

// The record's second row is the advice to raise "Speed" until it is at its end, then the
// theory's share; in Spanish the one takes a line more than the other on a small phone, and the
// column of words follows, its text neither cut nor made smaller.
test('on a phone the lesson\'s words follow a row that grows or shrinks', async () => {
    const { page, context, watch } = await openPage(browser,
        { width: 360, height: 640, deviceScaleFactor: 2, hasTouch: true, url: `${pageUrl}?lang=es` });
    await setUp(page, 'demo=Rayleigh&one=Ten&record&rate=20');
    // The scroll bar moved from the keyboard, as a student would, rather than a new set-up.
    await page.locator('[id="hscRate"]').focus();
    for (const [key, rate] of [['ArrowLeft', 19], ['ArrowRight', 20], ['ArrowLeft', 19]]) {
        await page.keyboard.press(key);
        await hook(page, 'tick', 5);
        await hook(page, 'paint');
        const painted = await hook(page, 'paintedTexts');
        const captions = painted.filter((t) => t.pane === 1 && !t.lesson).map((t) => t.pixelSize);
        const words = painted.filter((t) => t.lesson);
        assert.ok(words.length > 0, `rate ${rate}`);
        for (const t of words) {
            assert.ok(t.whole && t.pixelSize >= Math.min(...captions), `rate ${rate}: "${t.text}" at ${t.pixelSize} px, whole ${t.whole}`);
        }
    }
    assertHealthy(assert, await healthOf(page, watch));
    await context.close();
});

test('a laptop and a tablet keep the one uniform scale, centred', async () => {
    for (const size of [laptop, { width: 1180, height: 820, deviceScaleFactor: 2, hasTouch: true }]) {
        const { page, context } = await openPage(browser, size);
        const arrangement = await hook(page, 'arrangement');
        assert.equal(arrangement.kind, 'uniform');
        assert.equal(arrangement.regions.length, 1);
        const zoom = Math.min(size.width / 789, size.height / 605);
        const page0 = arrangement.regions[0].page;
        assert.ok(Math.abs(page0.width - 789 * zoom) < 1e-6);
        assert.ok(Math.abs(page0.left - (size.width - 789 * zoom) / 2) < 1e-6);
        await context.close();
    }
});

// A finger's drag from `from` to `to` (viewport CSS pixels), through the DevTools protocol as a
// phone's touch screen sends it.
async function fingerDrag(session, from, to, steps = 6) {
    await session.send('Input.dispatchTouchEvent', { type: 'touchStart', touchPoints: [from] });
    for (let step = 1; step <= steps; ++step) {
        const point = { x: from.x + (to.x - from.x) * step / steps, y: from.y + (to.y - from.y) * step / steps };
        await session.send('Input.dispatchTouchEvent', { type: 'touchMove', touchPoints: [point] });
    }
    await session.send('Input.dispatchTouchEvent', { type: 'touchEnd', touchPoints: [] });
}

const dropsOf = async (page) => (await hook(page, 'events'))['Form.DragDrop'] ?? 0;

test('a finger drags each tip on a phone and it lands where the desktop puts it; a touch beside a tip picks it', async () => {
    for (const size of [upright, sideways]) {
        const { page, context, watch } = await openPage(browser, size);
        await pick(page, 'Phasors');
        const session = await context.newCDPSession(page);
        // Drops at the same twips points as the desktop test uses.
        const drops = [['cmdPhasor(0)', 2400, 780, 0, 0], ['cmdPhasor(1)', 900, 3000, 0, 0],
            ['cmdPhasor(0)', 3300, 1200, 15, -12], ['cmdPhasor(1)', 1800, 4200, -16, 14]];
        for (const [name, x, y, besideX, besideY] of drops) {
            const tip = await control(page, name);
            const centre = await hook(page, 'clientPoint', tip.left + tip.width / 2, tip.top + tip.height / 2);
            const target = await hook(page, 'clientPoint', x, y);
            const before = await dropsOf(page);
            // Beside the tip: within the 44 x 44 area, outside the drawn tip.
            const start = { x: centre.x + besideX, y: centre.y + besideY };
            await fingerDrag(session, start, target);
            assert.equal(await dropsOf(page), before + 1, `${name} at ${size.width}`);
            // The drop point is the twips under the finger; the window's rule does the rest.
            const g = await hook(page, 'arrangement');
            const region = g.regions.find((r) => x >= r.twips.left && x < r.twips.left + r.twips.width &&
                y >= r.twips.top && y < r.twips.top + r.twips.height);
            const tolerance = 1 / region.pixelsPerTwip;  // a CSS pixel of the finger's place
            const after = await control(page, name);
            const w = (await control(page, 'cmdPhasor(0)')).width;
            const h = (await control(page, 'cmdPhasor(0)')).height;
            const expected = { left: floorToGrid(x - w / 2), top: floorToGrid(y - h / 2) };
            assert.ok(Math.abs(after.left - expected.left) <= kGrid * Math.ceil(tolerance / kGrid) &&
                Math.abs(after.top - expected.top) <= kGrid * Math.ceil(tolerance / kGrid),
            `${name} at ${size.width}: ${after.left},${after.top} for ${expected.left},${expected.top}`);
        }
        // A mouse beside a tip presses nothing: it needs the tip itself.
        const tip = await control(page, 'cmdPhasor(0)');
        const centre = await hook(page, 'clientPoint', tip.left + tip.width / 2, tip.top + tip.height / 2);
        const before = await dropsOf(page);
        await page.mouse.move(centre.x + 16, centre.y);
        await page.mouse.down();
        await page.mouse.move(centre.x + 60, centre.y + 60, { steps: 3 });
        await page.mouse.up();
        assert.equal(await dropsOf(page), before, 'a mouse beside a tip');
        assertHealthy(assert, await healthOf(page, watch));
        await context.close();
    }
});

test('a tap opens a list anywhere on it; names lists keep the keyboard away, numbers bring the keypad', async () => {
    const { page, context, watch } = await openPage(browser, upright);
    const tap = async (selector) => {
        const box = await page.locator(selector).boundingBox();
        await page.touchscreen.tap(box.x + box.width / 2, box.y + box.height / 2);
        await hook(page, 'paint');
    };
    const lists = [['Plane Wave', ['cmbDemo', 'cmbOne', 'cmbTwo'], [false, true, true]],
        ['Polarisation', ['cmbOne', 'cmbTwo'], [false, false]], ['Rayleigh', ['cmbOne'], [false]]];
    for (const [demo, names, numbers] of lists) {
        await pick(page, demo);
        await page.evaluate(() => document.activeElement?.blur());
        for (let i = 0; i < names.length; ++i) {
            const id = names[i];
            const at = `${id} in ${demo}`;
            const mode = () => page.evaluate((n) => document.getElementById(n).getAttribute('inputmode'), id);
            await tap(`[id="${id}"]`);
            assert.equal(await page.locator(`[id="${id}-list"]`).isVisible(), true, `${at}: a tap on the field opens it`);
            assert.equal(await mode(), 'none', `${at}: no keyboard for the open list`);
            for (const box of await page.locator(`[id="${id}-list"] [role=option]`).evaluateAll(
                (options) => options.map((o) => o.getBoundingClientRect().height))) {
                assert.ok(box >= 44, `${at}: an entry ${box} high`);
            }
            await tap(`[id="${id}"]`);
            assert.equal(await page.locator(`[id="${id}-list"]`).isVisible(), false, `${at}: a second tap closes it`);
            assert.equal(await mode(), numbers[i] ? 'decimal' : 'none',
                `${at}: ${numbers[i] ? 'the numeric keypad to type a number' : 'still no keyboard'}`);
            await page.evaluate(() => document.activeElement?.blur());
            assert.equal(await mode(), 'none', `${at}: no keyboard once it is left`);
        }
    }
    // An entry picked with a finger, and the buttons and scroll bars tapped.
    await tap('[id="cmbDemo"]');
    const option = page.locator('[id="cmbDemo-list"] [role=option]', { hasText: 'Rayleigh' });
    const box = await option.boundingBox();
    await page.touchscreen.tap(box.x + box.width / 2, box.y + box.height / 2);
    assert.equal((await control(page, 'cmbDemo')).text, 'Rayleigh');
    await tap('[id="cmdStart"]');
    assert.equal((await control(page, 'cmdStart')).caption, 'Start');
    const rate = (await control(page, 'hscRate')).value;
    await tap('[id="hscRate"] .scrollbar-arrow.right');
    assert.equal((await control(page, 'hscRate')).value, rate + 5);
    await tap('[id="cmdHist"]');
    assert.equal((await control(page, 'Line3')).visible, true, 'the histogram shows');
    assertHealthy(assert, await healthOf(page, watch));
    await context.close();
});

test('turning the phone ends a drag cleanly and keeps what was typed', async () => {
    const { page, context, watch } = await openPage(browser, upright);
    await pick(page, 'Phasors');
    const session = await context.newCDPSession(page);
    const before = await control(page, 'cmdPhasor(0)');
    const drops = await dropsOf(page);
    const centre = await hook(page, 'clientPoint', before.left + before.width / 2, before.top + before.height / 2);
    await session.send('Input.dispatchTouchEvent', { type: 'touchStart', touchPoints: [centre] });
    await session.send('Input.dispatchTouchEvent',
        { type: 'touchMove', touchPoints: [{ x: centre.x + 40, y: centre.y + 30 }] });
    await page.setViewportSize({ width: sideways.width, height: sideways.height });
    assert.ok(await until(page, () => window.propagationTest.arrangement().kind === 'sideways'));
    assert.equal(await page.evaluate(() => document.getElementById('dragOutline').getClientRects().length), 0,
        'no outline left');
    await session.send('Input.dispatchTouchEvent',
        { type: 'touchMove', touchPoints: [{ x: centre.x + 80, y: centre.y + 60 }] });
    await session.send('Input.dispatchTouchEvent', { type: 'touchEnd', touchPoints: [] });
    const after = await control(page, 'cmdPhasor(0)');
    assert.deepEqual([after.left, after.top], [before.left, before.top], 'no drop after the turn');
    assert.equal(await dropsOf(page), drops);
    // A new drag works at once.
    const tip = await control(page, 'cmdPhasor(0)');
    const from = await hook(page, 'clientPoint', tip.left + tip.width / 2, tip.top + tip.height / 2);
    await fingerDrag(session, from, await hook(page, 'clientPoint', 2400, 780));
    assert.equal(await dropsOf(page), drops + 1);

    // Typing into a list, then turning back: the text, the model's and the field's, and the focus
    // stay.
    await pick(page, 'Plane Wave');
    await page.locator('[id="cmbOne"]').click();
    await page.keyboard.press('Control+A');
    await page.keyboard.type('2.5');
    await page.setViewportSize({ width: upright.width, height: upright.height });
    assert.ok(await until(page, () => window.propagationTest.arrangement().kind === 'upright'));
    assert.equal((await control(page, 'cmbOne')).text, '2.5');
    assert.equal(await page.inputValue('[id="cmbOne"]'), '2.5');
    assert.equal(await page.evaluate(() => document.activeElement.id), 'cmbOne');
    await page.keyboard.type('5');
    assert.equal((await control(page, 'cmbOne')).text, '2.55');
    // A keyboard that slides up takes height from the page: the figures stay on screen above the
    // controls, which scroll in what is left. (Until the browser delivers the resize, the page
    // still has the arrangement for 844 pixels: wait for the new one.)
    await page.setViewportSize({ width: 390, height: 420 });
    assert.ok(await until(page, () => window.propagationTest.arrangement().height < 844));
    const a = await hook(page, 'arrangement');
    const [figures, controls] = a.panes;
    assert.ok(figures.place.top === 0 && figures.place.height > 0, 'the figures on screen');
    assert.equal(controls.place.top, figures.place.height, 'the controls right under them');
    assert.ok(controls.place.top + controls.place.height <= 420, 'the controls on screen');
    assert.equal(await page.evaluate(() => document.activeElement.id), 'cmbOne', 'still typing');
    assertHealthy(assert, await healthOf(page, watch));
    await context.close();
});
