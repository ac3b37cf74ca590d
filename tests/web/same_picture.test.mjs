// The browser draws the desktop's picture: for each demonstration at one set-up and tick count,
// the canvas against the Qt view's picture of the same state (tools/snapshot, the path in
// PROPAGATION_SNAPSHOT). Wherever either shows a shape (a trace, an axis, a circle, a bar, a
// shaft: a pixel clearly off the button face), the other shows one within a pixel. Text is set by
// two different font rasterisers, and the windowed controls are real widgets on the desktop but
// elements above the canvas in the page: their boxes, as the model and the drawing layer give
// them, are left out.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { launch, openPage, healthOf, assertHealthy } from './browser.mjs';

const snapshot = process.env.PROPAGATION_SNAPSHOT;
if (!snapshot) throw new Error('PROPAGATION_SNAPSHOT names no snapshot binary');

const browser = await launch();
test.after(() => browser.close());

// A channel this far off the face is a shape's stroke or fill, not the faint rim of its
// antialiasing.
const kClearlyOff = 64;

// Each set-up once as the desktop's command line, once as the page's fragment: the same parser.
const cases = [
    { demo: 'Plane Wave', settings: { one: '2.0', two: '0.5' }, ticks: 37 },
    { demo: 'Group Velocity', settings: { one: '0.5', two: '2.0' }, ticks: 23 },
    { demo: 'Polarisation', settings: { one: 'Horizontal', two: 'Vertical', phase: '45' }, ticks: 7 },
    { demo: 'Rayleigh', settings: { one: 'Ten', rate: '10', histogram: true }, ticks: 300 },
    { demo: 'Ricean', settings: { one: 'Five', fixed: '6', rate: '10', histogram: true }, ticks: 300 },
    { demo: 'Phasors', settings: { tip1: '2400,780', tip2: '900,3000' }, ticks: 9 },
];

function commandLine({ demo, settings, ticks }) {
    const out = ['--demo', demo];
    for (const [name, value] of Object.entries(settings)) {
        out.push(`--${name}`);
        if (value !== true) out.push(value);
    }
    return [...out, '--ticks', String(ticks)];
}

function fragment({ demo, settings }) {
    const parts = [`demo=${encodeURIComponent(demo)}`];
    for (const [name, value] of Object.entries(settings)) {
        parts.push(value === true ? name : `${name}=${encodeURIComponent(value)}`);
    }
    return parts.join('&');
}

// Runs in the page: decodes the desktop's PNG and compares it with the canvas. Returns the counts
// and the first mismatches, in pixels.
async function comparePictures({ png, boxes, clearlyOff }) {
    const canvas = document.getElementById('picture');
    const width = canvas.width;
    const height = canvas.height;
    const read = (source) => {
        const copy = document.createElement('canvas');
        copy.width = width;
        copy.height = height;
        const context = copy.getContext('2d', { willReadFrequently: true });
        context.drawImage(source, 0, 0);
        return context.getImageData(0, 0, width, height).data;
    };
    const image = new Image();
    image.src = `data:image/png;base64,${png}`;
    await image.decode();
    if (image.naturalWidth !== width || image.naturalHeight !== height) {
        return { sizeMismatch: `${image.naturalWidth}x${image.naturalHeight} against ${width}x${height}` };
    }
    const pictures = { desktop: read(image), browser: read(canvas) };

    // Left out: every box (twips) mapped to device pixels, widened by one for the rounding of
    // a widget's edges and a glyph's antialiasing.
    const g = window.propagationTest.geometry();
    const scale = g.pixelsPerTwip * g.devicePixelRatio;
    const excluded = new Uint8Array(width * height);
    for (const box of boxes) {
        const x0 = Math.max(0, Math.floor(g.offsetX * g.devicePixelRatio + box.left * scale) - 1);
        const y0 = Math.max(0, Math.floor(g.offsetY * g.devicePixelRatio + box.top * scale) - 1);
        const x1 = Math.min(width, Math.ceil(g.offsetX * g.devicePixelRatio + (box.left + box.width) * scale) + 1);
        const y1 = Math.min(height, Math.ceil(g.offsetY * g.devicePixelRatio + (box.top + box.height) * scale) + 1);
        for (let y = y0; y < y1; ++y) excluded.fill(1, y * width + x0, y * width + Math.max(x0, x1));
    }

    // The face: each picture's commonest colour (the window's background).
    const faceOf = (data) => {
        const counts = new Map();
        for (let i = 0; i < data.length; i += 4) {
            const key = (data[i] << 16) | (data[i + 1] << 8) | data[i + 2];
            counts.set(key, (counts.get(key) ?? 0) + 1);
        }
        const [key] = [...counts.entries()].reduce((a, b) => (b[1] > a[1] ? b : a));
        return [(key >> 16) & 255, (key >> 8) & 255, key & 255];
    };
    const shapesOf = (data) => {
        const face = faceOf(data);
        const shape = new Uint8Array(width * height);
        for (let p = 0; p < width * height; ++p) {
            if (excluded[p]) continue;
            const i = 4 * p;
            const off = Math.max(Math.abs(data[i] - face[0]), Math.abs(data[i + 1] - face[1]),
                Math.abs(data[i + 2] - face[2]));
            shape[p] = off > clearlyOff ? 1 : 0;
        }
        return { face, shape };
    };
    const desktop = shapesOf(pictures.desktop);
    const browser = shapesOf(pictures.browser);

    const near = (shape, x, y) => {
        for (let dy = -1; dy <= 1; ++dy) {
            for (let dx = -1; dx <= 1; ++dx) {
                const xx = x + dx;
                const yy = y + dy;
                if (xx >= 0 && yy >= 0 && xx < width && yy < height && shape[yy * width + xx]) return true;
            }
        }
        return false;
    };
    const result = {
        faces: { desktop: desktop.face, browser: browser.face },
        shapePixels: { desktop: 0, browser: 0 },
        missing: { desktop: 0, browser: 0 },
        examples: [],
    };
    for (const [side, other] of [['desktop', 'browser'], ['browser', 'desktop']]) {
        const mine = side === 'desktop' ? desktop.shape : browser.shape;
        const theirs = other === 'desktop' ? desktop.shape : browser.shape;
        for (let y = 0; y < height; ++y) {
            for (let x = 0; x < width; ++x) {
                if (!mine[y * width + x]) continue;
                ++result.shapePixels[side];
                if (near(theirs, x, y)) continue;
                ++result.missing[other];
                if (result.examples.length < 12) result.examples.push(`${side} only at ${x},${y}`);
            }
        }
    }
    return result;
}

test('every demonstration paints on the canvas the shapes the desktop paints, within a pixel', async () => {
    const directory = fs.mkdtempSync(path.join(os.tmpdir(), 'same-picture-'));
    const report = [];
    const failures = [];
    for (const c of cases) {
        const png = path.join(directory, `${c.demo.replace(/ /g, '-')}.png`);
        execFileSync(snapshot, [...commandLine(c), png], { env: { ...process.env, QT_QPA_PLATFORM: 'offscreen' } });

        const { page, context, watch } = await openPage(browser);
        const error = await page.evaluate(([f, n]) => {
            const e = window.propagationTest.setup(f);
            window.propagationTest.tick(n);
            window.propagationTest.paint();
            return e;
        }, [fragment(c), c.ticks]);
        assert.equal(error, '', `${c.demo}: the set-up ${fragment(c)}`);
        const boxes = await page.evaluate(() => {
            const b = window.propagationTest.nonShapeBoxes();
            return [...b.texts, ...b.windowed];
        });
        const result = await page.evaluate(comparePictures, {
            png: fs.readFileSync(png).toString('base64'), boxes, clearlyOff: kClearlyOff,
        });
        assert.equal(result.sizeMismatch, undefined, `${c.demo}: ${result.sizeMismatch}`);
        assertHealthy(assert, await healthOf(page, watch));

        const compared = result.shapePixels.desktop + result.shapePixels.browser;
        const mismatched = result.missing.desktop + result.missing.browser;
        report.push(`${c.demo}: ${compared} shape pixels compared (desktop ${result.shapePixels.desktop}, ` +
            `browser ${result.shapePixels.browser}), ${mismatched} mismatched ` +
            `(missing on the desktop ${result.missing.desktop}, in the browser ${result.missing.browser})`);
        assert.deepEqual(result.faces.browser, result.faces.desktop, `${c.demo}: the button face`);
        // Both pictures must hold the demonstration's shapes, or there is nothing to compare.
        assert.ok(result.shapePixels.desktop > 0 && result.shapePixels.browser > 0, `${c.demo}: no shapes`);
        if (mismatched > 0) {
            const canvasPng = path.join(directory, `${c.demo.replace(/ /g, '-')}-browser.png`);
            await page.locator('#picture').screenshot({ path: canvasPng });
            failures.push(`${c.demo}: ${result.examples.join('; ')} (pictures: ${png}, ${canvasPng})`);
        }
        await context.close();
    }
    console.log(report.join('\n'));
    assert.deepEqual(failures, [], 'shapes on one side only');
});
