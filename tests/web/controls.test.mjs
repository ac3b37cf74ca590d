// The windowed controls as a user works them: typing into and picking from the lists, the push
// buttons, and the scroll bars' arrows, track, thumb and keys, each mapped onto the model's own
// events (counted by the test hook).
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { launch, openPage, healthOf, assertHealthy, control, elementBox } from './browser.mjs';

const browser = await launch();
test.after(() => browser.close());

const events = (page) => page.evaluate(() => window.propagationTest.events());

// The events raised between two counts, without the timer's.
function raised(before, after) {
    const out = {};
    for (const key of Object.keys(after)) {
        const times = after[key] - (before[key] ?? 0);
        if (times !== 0 && !key.endsWith('.Timer')) out[key] = times;
    }
    return out;
}

async function during(page, action) {
    const before = await events(page);
    await action();
    return raised(before, await events(page));
}

async function pickDemo(page, name) {
    await page.locator('[id="cmbDemo"]').fill(name);
}

const field = (page, name) => page.locator(`[id="${name}"]`);
const arrow = (page, name) => page.locator(`[id="${name}"] ~ .combo-arrow`);

test('typing into a list raises one Change per keystroke and never a Click', async () => {
    const { page, context, watch } = await openPage(browser);
    await field(page, 'cmbOne').click();
    await page.keyboard.press('Control+A');
    assert.deepEqual(await during(page, () => page.keyboard.type('2.5')), { 'cmbOne.Change': 3 });
    assert.equal((await control(page, 'cmbOne')).text, '2.5');
    assert.deepEqual(await during(page, () => page.keyboard.press('Backspace')),
        { 'cmbOne.Change': 1 });
    assert.deepEqual(await during(page, () => page.keyboard.insertText('0e400')),
        { 'cmbOne.Change': 1 });
    assert.equal((await control(page, 'cmbOne')).text, '2.0e400');
    // Moving the cursor changes nothing.
    assert.deepEqual(await during(page, () => page.keyboard.press('Home')), {});

    // A demonstration's name typed a letter at a time sets it up once the name is whole.
    await field(page, 'cmbDemo').click();
    await page.keyboard.press('Control+A');
    assert.deepEqual(await during(page, () => page.keyboard.type('Phasors')),
        { 'cmbDemo.Change': 7 });
    assert.equal((await control(page, 'cmdPhasor(0)')).visible, true);
    assertHealthy(assert, await healthOf(page, watch));
    await context.close();
});

test('picking from a list raises one Click and no Change, by pointer or by keyboard', async () => {
    const { page, context, watch } = await openPage(browser);
    const items = (await control(page, 'cmbOne')).items;
    assert.deepEqual(items, ['0.5', '1.0', '2.0', '5.0', '10.0']);
    const expanded = () => field(page, 'cmbOne').getAttribute('aria-expanded');

    await arrow(page, 'cmbOne').click();
    assert.equal(await expanded(), 'true');
    const list = page.getByRole('listbox').filter({ visible: true });
    assert.deepEqual(await list.getByRole('option').allTextContents(), items);
    assert.deepEqual(await during(page, () => list.getByRole('option', { name: '5.0' }).click()),
        { 'cmbOne.Click': 1 });
    assert.equal((await control(page, 'cmbOne')).text, '5.0');
    assert.equal(await expanded(), 'false');

    // Up and Down on the closed list pick the neighbouring entry; not past the ends.
    assert.deepEqual(await during(page, () => page.keyboard.press('ArrowDown')),
        { 'cmbOne.Click': 1 });
    assert.equal((await control(page, 'cmbOne')).text, '10.0');
    assert.deepEqual(await during(page, () => page.keyboard.press('ArrowDown')), {});
    assert.deepEqual(await during(page, () => page.keyboard.press('ArrowUp')),
        { 'cmbOne.Click': 1 });
    assert.equal((await control(page, 'cmbOne')).text, '5.0');
    // Page Up and Page Down too, one entry each, as on the desktop.
    assert.deepEqual(await during(page, () => page.keyboard.press('PageUp')), { 'cmbOne.Click': 1 });
    assert.equal((await control(page, 'cmbOne')).text, '2.0');
    assert.deepEqual(await during(page, () => page.keyboard.press('PageDown')), { 'cmbOne.Click': 1 });
    assert.equal((await control(page, 'cmbOne')).text, '5.0');

    // Alt+Down opens the list on the current entry; the arrows move the highlight; Enter picks.
    await page.keyboard.press('Alt+ArrowDown');
    assert.equal(await expanded(), 'true');
    const highlighted = () => field(page, 'cmbOne').getAttribute('aria-activedescendant');
    assert.equal(await highlighted(), 'cmbOne-option-3');
    assert.deepEqual(await during(page, () => page.keyboard.press('ArrowUp')), {});
    assert.equal(await highlighted(), 'cmbOne-option-2');
    assert.deepEqual(await during(page, () => page.keyboard.press('Enter')),
        { 'cmbOne.Click': 1 });
    assert.equal((await control(page, 'cmbOne')).text, '2.0');

    // Escape and a press elsewhere close it without an event.
    await page.keyboard.press('F4');
    assert.deepEqual(await during(page, () => page.keyboard.press('Escape')), {});
    assert.equal(await expanded(), 'false');
    await arrow(page, 'cmbOne').click();
    assert.deepEqual(await during(page, () => page.mouse.click(300, 100)), {});
    assert.equal(await expanded(), 'false');

    // The wheel over a list: without the keyboard focus nothing happens (scrolling past the
    // window is safe); with it, each notch picks the entry below (towards the user) or above.
    const box = await field(page, 'cmbOne').boundingBox();
    await page.mouse.move(box.x + box.width / 2, box.y + box.height / 2);
    await page.locator('[id="cmbTwo"]').focus();
    assert.deepEqual(await during(page, () => page.mouse.wheel(0, 100)), {});
    await field(page, 'cmbOne').focus();
    assert.deepEqual(await during(page, () => page.mouse.wheel(0, 100)), { 'cmbOne.Click': 1 });
    assert.equal((await control(page, 'cmbOne')).text, '5.0');
    assert.deepEqual(await during(page, () => page.mouse.wheel(0, -100)), { 'cmbOne.Click': 1 });
    assert.equal((await control(page, 'cmbOne')).text, '2.0');

    // A typed text that names no entry: Down picks the first.
    await field(page, 'cmbOne').fill('7');
    assert.deepEqual(await during(page, () => page.keyboard.press('ArrowDown')),
        { 'cmbOne.Click': 1 });
    assert.equal((await control(page, 'cmbOne')).text, '0.5');

    // A pick from the demo list sets the demonstration up.
    await arrow(page, 'cmbDemo').click();
    // (the set-up's own writes to the option lists raise their Change, as any program write does)
    const picked = await during(page, () => page.getByRole('option', { name: 'Polarisation' }).click());
    assert.equal(picked['cmbDemo.Click'], 1);
    assert.equal(picked['cmbDemo.Change'], undefined);
    assert.equal((await control(page, 'hscPhase')).visible, true);
    assertHealthy(assert, await healthOf(page, watch));
    await context.close();
});

test('the buttons raise Click from a pointer, Space and Enter', async () => {
    const { page, context, watch } = await openPage(browser);
    const start = page.locator('[id="cmdStart"]');
    assert.deepEqual(await during(page, () => start.click()),
        { 'cmdStart.MouseDown': 1, 'cmdStart.Click': 1 });
    assert.equal((await control(page, 'cmdStart')).caption, 'Start');
    assert.equal(await start.textContent(), 'Start');
    assert.deepEqual(await during(page, () => page.keyboard.press('Space')), { 'cmdStart.Click': 1 });
    assert.equal((await control(page, 'cmdStart')).caption, 'Pause');
    assert.deepEqual(await during(page, () => page.keyboard.press('Enter')), { 'cmdStart.Click': 1 });
    assert.equal((await control(page, 'cmdStart')).caption, 'Start');

    await pickDemo(page, 'Rayleigh');
    assert.deepEqual(await during(page, () => page.locator('[id="cmdHist"]').click()),
        { 'cmdHist.MouseDown': 1, 'cmdHist.Click': 1 });
    // A caption too wide for its box at the design size is set smaller, never clipped.
    for (const name of ['cmdStart', 'cmdHist']) {
        const fits = await page.evaluate((n) => {
            const button = document.getElementById(n);
            return button.scrollWidth <= button.clientWidth;
        }, name);
        assert.equal(fits, true, `${name}'s caption fits`);
    }
    assertHealthy(assert, await healthOf(page, watch));
    await context.close();
});

// The parts of a scroll bar along its box, as ScrollBarElement lays them out.
async function partsOf(page, name) {
    const box = await elementBox(page, name);
    const thumb = await elementBox(page, `${name}`).then(() => page.evaluate((n) => {
        const r = document.getElementById(n).querySelector('.scrollbar-thumb').getBoundingClientRect();
        return { x: r.x, width: r.width };
    }, name));
    const arrowWidth = Math.min(box.height, Math.floor(box.width / 3));
    const y = box.y + box.height / 2;
    return {
        leftArrow: { x: box.x + arrowWidth / 2, y },
        rightArrow: { x: box.x + box.width - arrowWidth / 2, y },
        trackLeft: { x: box.x + arrowWidth + 1, y },
        trackRight: { x: box.x + box.width - arrowWidth - 1, y },
        thumb: { x: thumb.x + thumb.width / 2, y },
        box,
    };
}

test('a scroll bar steps by SmallChange on its arrows and arrow keys, LargeChange on its track and Page keys', async () => {
    const { page, context, watch } = await openPage(browser);
    await pickDemo(page, 'Polarisation');
    const phase = async () => (await control(page, 'hscPhase')).value;
    const click = async (where) => page.mouse.click(where.x, where.y);
    let parts = await partsOf(page, 'hscPhase');
    const design = await control(page, 'hscPhase');
    assert.deepEqual([design.min, design.max, design.smallChange, design.largeChange],
        [-180, 180, 5, 10]);
    assert.equal(await phase(), 0);

    assert.deepEqual(await during(page, () => click(parts.rightArrow)), { 'hscPhase.Change': 1 });
    assert.equal(await phase(), 5);
    assert.equal((await control(page, 'lblFour')).caption, ' 5 Degrees');
    assert.deepEqual(await during(page, () => click(parts.leftArrow)), { 'hscPhase.Change': 1 });
    assert.equal(await phase(), 0);
    assert.deepEqual(await during(page, () => click(parts.trackRight)), { 'hscPhase.Change': 1 });
    assert.equal(await phase(), 10);
    assert.deepEqual(await during(page, () => click(parts.trackLeft)), { 'hscPhase.Change': 1 });
    assert.equal(await phase(), 0);

    const bar = page.getByRole('scrollbar', { name: 'Relative Phase' });
    assert.equal(await bar.evaluate((e) => e === document.activeElement), true);
    // As the desktop's scroll bar: Right and Up step up, Page Up pages up.
    const keys = [['ArrowRight', 5], ['ArrowLeft', 0], ['PageUp', 10], ['PageDown', 0],
        ['ArrowUp', 5], ['ArrowDown', 0], ['End', 180], ['ArrowRight', 180], ['Home', -180],
        ['ArrowLeft', -180], ['ArrowDown', -180], ['PageUp', -170]];
    for (const [key, value] of keys) {
        const before = await phase();
        assert.deepEqual(await during(page, () => page.keyboard.press(key)),
            value === before ? {} : { 'hscPhase.Change': 1 }, key);
        assert.equal(await phase(), value, key);
        assert.equal(await bar.getAttribute('aria-valuenow'), String(value));
    }

    // The wheel over a scroll bar: only with the focus, one small step a notch, to the left for
    // a turn away from the user, as on the desktop.
    await page.keyboard.press('Home');
    await page.mouse.move(parts.thumb.x, parts.thumb.y);
    assert.deepEqual(await during(page, () => page.mouse.wheel(0, 100)), { 'hscPhase.Change': 1 });
    assert.equal(await phase(), -175);
    await page.mouse.wheel(0, -100);
    assert.equal(await phase(), -180);
    await page.locator('[id="cmbDemo"]').focus();
    assert.deepEqual(await during(page, () => page.mouse.wheel(0, 100)), {});
    await bar.focus();

    // The thumb follows the pointer to the end of the track.
    parts = await partsOf(page, 'hscPhase');
    await page.mouse.move(parts.thumb.x, parts.thumb.y);
    await page.mouse.down();
    await page.mouse.move(parts.box.x + parts.box.width + 50, parts.thumb.y, { steps: 8 });
    await page.mouse.up();
    assert.equal(await phase(), 180);

    // A held arrow repeats after 400 ms, then every 50 ms, until it is let go.
    await page.keyboard.press('Home');
    parts = await partsOf(page, 'hscPhase');
    await page.mouse.move(parts.rightArrow.x, parts.rightArrow.y);
    await page.mouse.down();
    assert.equal(await phase(), -175);
    await page.clock.runFor(399);
    assert.equal(await phase(), -175);
    await page.clock.runFor(1);
    assert.equal(await phase(), -170);
    await page.clock.runFor(100);
    assert.equal(await phase(), -160);
    await page.mouse.up();
    await page.clock.runFor(1000);
    assert.equal(await phase(), -160);

    // The amplitudes: 0 to 100 by 1 and 10, from the 50 every set-up leaves.
    const amp = async () => (await control(page, 'hscAmp1')).value;
    assert.equal(await amp(), 50);
    parts = await partsOf(page, 'hscAmp1');
    await click(parts.rightArrow);
    assert.equal(await amp(), 51);
    await page.keyboard.press('PageUp');
    assert.equal(await amp(), 61);
    await click(parts.trackLeft);
    assert.equal(await amp(), 51);
    assertHealthy(assert, await healthOf(page, watch));
    await context.close();
});
