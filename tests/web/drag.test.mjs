// The phasor tips dragged with a mouse, a finger and a pen (Pointer Events), the outline shown
// while they move, the drops the window refuses, and the arrow keys' one-step moves.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { launch, openPage, healthOf, assertHealthy, control, pagePoint } from './browser.mjs';

const browser = await launch();
test.after(() => browser.close());

const kGrid = 60;  // twips: where the window's drop handler puts a tip's corner
const floorToGrid = (twips) => Math.floor(twips / kGrid) * kGrid;

async function phasors(options = {}) {
    const opened = await openPage(browser, options);
    await opened.page.locator('[id="cmbDemo"]').fill('Phasors');
    return opened;
}

const drops = async (page) => (await page.evaluate(() => window.propagationTest.events()))['Form.DragDrop'] ?? 0;

async function centreOf(page, name) {
    const tip = await control(page, name);
    return pagePoint(page, tip.left + tip.width / 2, tip.top + tip.height / 2);
}

// Where a tip dropped at page point p lands: its centre on the drop point, its corner then
// brought down onto the grid.
async function landing(page, name, p) {
    const tip = await control(page, name);
    const g = await page.evaluate(() => window.propagationTest.geometry());
    const x = (p.x - g.offsetX) / g.pixelsPerTwip;
    const y = (p.y - g.offsetY) / g.pixelsPerTwip;
    return { left: floorToGrid(x - tip.width / 2), top: floorToGrid(y - tip.height / 2) };
}

async function outline(page) {
    return page.evaluate(() => {
        const o = document.getElementById('dragOutline');
        const r = o.getBoundingClientRect();
        const style = getComputedStyle(o);
        return {
            shown: o.getClientRects().length > 0,
            refused: o.classList.contains('refused'),
            dashed: style.borderTopStyle === 'dashed',
            centre: { x: r.x + r.width / 2, y: r.y + r.height / 2 },
        };
    });
}

const targets = [{ x: 100, y: 130 }, { x: 300, y: 350 }];

test('each tip follows a mouse drag, shows a dashed outline and lands where the window puts it', async () => {
    const { page, context, watch } = await phasors();
    for (const [index, target] of targets.entries()) {
        const name = `cmdPhasor(${index})`;
        const from = await centreOf(page, name);
        const expected = await landing(page, name, target);
        const dropsBefore = await drops(page);
        await page.mouse.move(from.x, from.y);
        await page.mouse.down();
        await page.mouse.move(target.x, target.y, { steps: 6 });
        const shown = await outline(page);
        assert.equal(shown.shown, true);
        assert.equal(shown.dashed, true);
        assert.equal(shown.refused, false);
        assert.ok(Math.abs(shown.centre.x - target.x) <= 1 && Math.abs(shown.centre.y - target.y) <= 1);
        await page.mouse.up();
        assert.equal((await outline(page)).shown, false);
        const tip = await control(page, name);
        assert.deepEqual({ left: tip.left, top: tip.top }, expected, name);
        assert.equal(await drops(page), dropsBefore + 1);
    }
    // The resultant's tip is the sum's: pressing it starts no drag.
    const resultant = await control(page, 'cmdPhasor(2)');
    const from = await centreOf(page, 'cmdPhasor(2)');
    await page.mouse.move(from.x, from.y);
    await page.mouse.down();
    await page.mouse.move(200, 200, { steps: 3 });
    assert.equal((await outline(page)).shown, false);
    await page.mouse.up();
    const after = await control(page, 'cmdPhasor(2)');
    assert.deepEqual([after.left, after.top], [resultant.left, resultant.top]);
    assertHealthy(assert, await healthOf(page, watch));
    await context.close();
});

test('a finger and a pen drag a tip too, and the page neither scrolls nor zooms', async () => {
    const { page, context, watch } = await phasors({ hasTouch: true });
    const session = await context.newCDPSession(page);
    assert.equal(await page.locator('[id="cmdPhasor(0)"]').evaluate(
        (e) => getComputedStyle(e).touchAction), 'none');

    // A finger on tip 1.
    let from = await centreOf(page, 'cmdPhasor(0)');
    let target = targets[1];
    let expected = await landing(page, 'cmdPhasor(0)', target);
    await session.send('Input.dispatchTouchEvent', { type: 'touchStart', touchPoints: [from] });
    for (let step = 1; step <= 6; ++step) {
        const point = { x: from.x + (target.x - from.x) * step / 6, y: from.y + (target.y - from.y) * step / 6 };
        await session.send('Input.dispatchTouchEvent', { type: 'touchMove', touchPoints: [point] });
    }
    assert.equal((await outline(page)).shown, true);
    await session.send('Input.dispatchTouchEvent', { type: 'touchEnd', touchPoints: [] });
    let tip = await control(page, 'cmdPhasor(0)');
    assert.deepEqual({ left: tip.left, top: tip.top }, expected, 'finger');
    const viewport = await page.evaluate(() => ({
        scale: window.visualViewport.scale, x: window.scrollX, y: window.scrollY,
    }));
    assert.deepEqual(viewport, { scale: 1, x: 0, y: 0 });

    // A pen on tip 2.
    from = await centreOf(page, 'cmdPhasor(1)');
    target = targets[0];
    expected = await landing(page, 'cmdPhasor(1)', target);
    const pen = { pointerType: 'pen', button: 'left', clickCount: 1 };
    await session.send('Input.dispatchMouseEvent', { type: 'mouseMoved', ...from, pointerType: 'pen' });
    await session.send('Input.dispatchMouseEvent', { type: 'mousePressed', ...from, ...pen });
    await session.send('Input.dispatchMouseEvent',
        { type: 'mouseMoved', x: (from.x + target.x) / 2, y: (from.y + target.y) / 2, ...pen });
    await session.send('Input.dispatchMouseEvent', { type: 'mouseMoved', ...target, ...pen });
    await session.send('Input.dispatchMouseEvent', { type: 'mouseReleased', ...target, ...pen });
    tip = await control(page, 'cmdPhasor(1)');
    assert.deepEqual({ left: tip.left, top: tip.top }, expected, 'pen');

    // A finger the system takes back (touchcancel) drops nothing.
    const before = await control(page, 'cmdPhasor(0)');
    from = await centreOf(page, 'cmdPhasor(0)');
    const dropsBefore = await drops(page);
    await session.send('Input.dispatchTouchEvent', { type: 'touchStart', touchPoints: [from] });
    await session.send('Input.dispatchTouchEvent', { type: 'touchMove', touchPoints: [{ x: 50, y: 50 }] });
    await session.send('Input.dispatchTouchEvent', { type: 'touchCancel', touchPoints: [] });
    assert.equal((await outline(page)).shown, false);
    tip = await control(page, 'cmdPhasor(0)');
    assert.deepEqual([tip.left, tip.top], [before.left, before.top]);
    assert.equal(await drops(page), dropsBefore);
    assertHealthy(assert, await healthOf(page, watch));
    await context.close();
});

test('a drop on a control that takes it, or outside the window, leaves the tip where it was', async () => {
    // A window wider than the picture, so that there is room beside it.
    const { page, context, watch } = await phasors({ width: 1000, height: 605 });
    const label1 = await control(page, 'Label1');
    const places = {
        'the demo list': await (async () => {
            const box = await page.locator('[id="cmbDemo"]').boundingBox();
            return { x: box.x + 10, y: box.y + box.height / 2 };
        })(),
        'the "Demo:" label': await pagePoint(page, label1.left + 100, label1.top + 100),
        'the margin beside the picture': { x: 20, y: 300 },
    };
    for (const [where, point] of Object.entries(places)) {
        const before = await control(page, 'cmdPhasor(0)');
        const dropsBefore = await drops(page);
        const from = await centreOf(page, 'cmdPhasor(0)');
        await page.mouse.move(from.x, from.y);
        await page.mouse.down();
        await page.mouse.move(point.x, point.y, { steps: 5 });
        assert.equal((await outline(page)).refused, true, where);
        await page.mouse.up();
        const after = await control(page, 'cmdPhasor(0)');
        assert.deepEqual([after.left, after.top], [before.left, before.top], where);
        assert.equal(await drops(page), dropsBefore, where);
    }
    assertHealthy(assert, await healthOf(page, watch));
    await context.close();
});

test('the arrow keys move a focused tip one grid step; the resultant does not move', async () => {
    const { page, context, watch } = await phasors();
    const tip = page.locator('[id="cmdPhasor(1)"]');
    await tip.focus();
    const start = await control(page, 'cmdPhasor(1)');
    const origin = { left: floorToGrid(start.left), top: floorToGrid(start.top) };
    const moves = [['ArrowRight', 1, 0], ['ArrowRight', 1, 0], ['ArrowDown', 0, 1],
        ['ArrowLeft', -1, 0], ['ArrowUp', 0, -1]];
    let expected = { left: start.left, top: start.top };
    for (const [key, dx, dy] of moves) {
        await page.keyboard.press(key);
        expected = {
            left: floorToGrid(expected.left + dx * kGrid), top: floorToGrid(expected.top + dy * kGrid),
        };
        const now = await control(page, 'cmdPhasor(1)');
        assert.deepEqual({ left: now.left, top: now.top }, expected, key);
    }
    assert.deepEqual(expected, { left: origin.left + kGrid, top: origin.top });
    assert.equal(await tip.evaluate((e) => e === document.activeElement), true);

    const resultant = await control(page, 'cmdPhasor(2)');
    await page.locator('[id="cmdPhasor(2)"]').focus();
    await page.keyboard.press('ArrowLeft');
    const after = await control(page, 'cmdPhasor(2)');
    assert.deepEqual([after.left, after.top], [resultant.left, resultant.top]);
    assertHealthy(assert, await healthOf(page, watch));
    await context.close();
});
