// The canvas backend: the drawing layer's primitives come out in the right places and colours,
// crisp at any device pixel ratio, and a picture repainted piece by piece after every event is
// the picture painted whole.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import {
    launch, openPage, healthOf, assertHealthy, control, canvasPixels,
} from './browser.mjs';

const browser = await launch();
test.after(() => browser.close());

const kButtonFace = [239, 239, 239];

async function pickDemo(page, name) {
    await page.locator('[id="cmbDemo"]').fill(name);
}

async function ticks(page, count) {
    await page.evaluate((n) => {
        window.propagationTest.tick(n);
        window.propagationTest.paint();
    }, count);
}

// The canvas pixel under a model point (twips), as [r, g, b].
async function pixelAt(page, xTwips, yTwips) {
    const g = await page.evaluate(() => window.propagationTest.geometry());
    const x = Math.floor((g.offsetX + xTwips * g.pixelsPerTwip) * g.devicePixelRatio);
    const y = Math.floor((g.offsetY + yTwips * g.pixelsPerTwip) * g.devicePixelRatio);
    return (await canvasPixels(page, x, y, 1, 1))[0];
}

// The pixels inside a model box.
async function pixelsIn(page, box) {
    const g = await page.evaluate(() => window.propagationTest.geometry());
    const d = g.devicePixelRatio;
    const x = Math.ceil((g.offsetX + box.left * g.pixelsPerTwip) * d);
    const y = Math.ceil((g.offsetY + box.top * g.pixelsPerTwip) * d);
    return canvasPixels(page, x, y, Math.floor(box.width * g.pixelsPerTwip * d) - 1,
        Math.floor(box.height * g.pixelsPerTwip * d) - 1);
}

const rgbOf = (css) => [1, 3, 5].map((i) => parseInt(css.slice(i, i + 2), 16));

test('lines, circles, captions and the logo are painted where the model puts them, in its colours', async () => {
    const { page, context, watch } = await openPage(browser);
    await ticks(page, 5);
    for (const index of [10, 40, 70]) {
        const segment = await control(page, `lnePlot(${index})`);
        assert.equal(segment.visible, true);
        const colour = await pixelAt(page, (segment.x1 + segment.x2) / 2, (segment.y1 + segment.y2) / 2);
        assert.deepEqual(colour, rgbOf(segment.colour), `lnePlot(${index})`);
    }
    // The caption "Demo:" is dark text on the button face; the logo has colours of its own.
    const label = await pixelsIn(page, await control(page, 'Label1'));
    assert.ok(label.some(([r, g, b]) => r < 80 && g < 80 && b < 80), 'the caption is drawn');
    assert.ok(label.some((p) => p.join() === kButtonFace.join()), 'on the button face');
    const logo = await pixelsIn(page, await control(page, 'imgTarm'));
    assert.ok(logo.filter(([r, g, b]) => Math.max(r, g, b) - Math.min(r, g, b) > 60).length > 100,
        'the logo is drawn in colour');

    await pickDemo(page, 'Polarisation');
    await ticks(page, 3);
    // The sum's circle, the topmost: off its centre, where no projection line runs.
    const circle = await control(page, 'Shape1(2)');
    assert.equal(circle.visible, true);
    const colour = await pixelAt(page, circle.left + circle.width * 0.62, circle.top + circle.height * 0.62);
    assert.deepEqual(colour, rgbOf(circle.fillColour), 'Shape1(2)');
    assertHealthy(assert, await healthOf(page, watch));
    await context.close();
});

test('a one-pixel axis is crisp at device pixel ratios 1, 2 and 3: whole device pixels, no grey', async () => {
    for (const ratio of [1, 2, 3]) {
        const { page, context, watch } = await openPage(browser, { deviceScaleFactor: ratio });
        await pickDemo(page, 'Rayleigh');
        await page.evaluate(() => window.propagationTest.paint());
        const axis = await control(page, 'Line1');
        assert.equal(axis.visible, true);
        // A column across the horizontal axis, far from the rays at the origin.
        const g = await page.evaluate(() => window.propagationTest.geometry());
        const x = Math.floor((g.offsetX + 800 * g.pixelsPerTwip) * ratio);
        const y = Math.floor((g.offsetY + axis.y1 * g.pixelsPerTwip) * ratio);
        const column = (await canvasPixels(page, x, y - 8, 1, 17)).map((p) => p.join());
        const black = column.filter((p) => p === '0,0,0').length;
        const face = column.filter((p) => p === kButtonFace.join()).length;
        assert.equal(black, ratio, `${ratio}x: ${column}`);
        assert.equal(black + face, column.length, `${ratio}x: no partly covered rows: ${column}`);
        assertHealthy(assert, await healthOf(page, watch));
        await context.close();
    }
});

test('the picture repainted piece by piece after every event is the picture painted whole', async () => {
    const { page, context, watch } = await openPage(browser, { deviceScaleFactor: 1.5 });
    for (const demo of ['Plane Wave', 'Group Velocity', 'Polarisation', 'Rayleigh', 'Phasors']) {
        await pickDemo(page, demo);
        for (let i = 0; i < 25; ++i) await ticks(page, 1);
        // A resize lays the page out again and paints everything. A pixel left over from an
        // earlier frame differs from the button face or from any of the program's colours by
        // 239 levels in some channel; an antialiased edge differs by far less where it is drawn
        // under the clip of a repainted part (the rasteriser takes another path there), or
        // where a trace's joint is one disc or two (the labels between its halves painted with
        // it or not).
        const differing = await page.evaluate(() => {
            const canvas = document.getElementById('picture');
            const read = () => {
                const copy = document.createElement('canvas');
                copy.width = canvas.width;
                copy.height = canvas.height;
                const context2d = copy.getContext('2d', { willReadFrequently: true });
                context2d.drawImage(canvas, 0, 0);
                return context2d.getImageData(0, 0, canvas.width, canvas.height).data;
            };
            const pieces = read();
            window.dispatchEvent(new Event('resize'));
            window.propagationTest.paint();
            const whole = read();
            let count = 0;
            for (let i = 0; i < whole.length; ++i) if (Math.abs(whole[i] - pieces[i]) > 100) ++count;
            return count;
        });
        assert.equal(differing, 0, `${demo}: ${differing} channel values differ`);
    }
    assertHealthy(assert, await healthOf(page, watch));
    await context.close();
});
