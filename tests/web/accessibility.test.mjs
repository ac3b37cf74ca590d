// The page read by axe-core as a screen reader or a keyboard user meets it: every WCAG 2.0, 2.1
// and 2.2 A and AA rule and axe's best practices, for each demonstration on two phones held upright
// and sideways and on a laptop, with the tools' menu open from its Tools button and with a list's
// entries dropped down.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { createRequire } from 'node:module';
import { AxeBuilder } from '@axe-core/playwright';
import { launch, openPage, healthOf, assertHealthy } from './browser.mjs';

const browser = await launch();
test.after(() => browser.close());

const sizes = [
    { width: 390, height: 844, deviceScaleFactor: 3, hasTouch: true },
    { width: 360, height: 640, deviceScaleFactor: 2, hasTouch: true },
    { width: 844, height: 390, deviceScaleFactor: 3, hasTouch: true },
    { width: 640, height: 360, deviceScaleFactor: 2, hasTouch: true },
    { width: 1280, height: 800, deviceScaleFactor: 1 },
];
const demos = ['Plane Wave', 'Group Velocity', 'Polarisation', 'Rayleigh', 'Ricean', 'Phasors'];
const tags = ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'wcag22aa', 'best-practice'];

// axe waits between its rules on setTimeout, which never fires while the page's clock is stopped.
// This copy of axe (the one @axe-core/playwright ships) waits on the browser's task scheduler
// instead, which the clock leaves alone: the page holds still, frame for frame, while it is read.
const axe = createRequire(import.meta.resolve('@axe-core/playwright'))('axe-core');
const axeSource = `(function (setTimeout, clearTimeout) { ${axe.source} })(
    (run, delay, ...args) => {
        const timer = new AbortController();
        scheduler.postTask(() => run(...args), { delay, signal: timer.signal }).catch(() => {});
        return timer;
    },
    (timer) => timer?.abort?.());`;

// What a developer needs to mend each violation: the rule, how bad, what axe says and where.
function describe(violations) {
    return violations.map((v) => [
        `${v.id} (${v.impact}): ${v.help}`,
        ...v.nodes.map((node) => [
            `    ${node.target.map((t) => [t].flat().join(' >>> ')).join(' >> ')}`,
            ...(node.failureSummary ?? '').split('\n').map((line) => `        ${line}`),
        ].join('\n')),
    ].join('\n')).join('\n');
}

// The whole page through axe's rules; a list of every violation, by the state it was found in.
async function violationsOf(page, when) {
    const { violations } = await new AxeBuilder({ page, axeSource }).withTags(tags).analyze();
    return violations.length === 0 ? [] : [`${when}:\n${describe(violations)}`];
}

test('every demonstration, the tools\' menu and an open list meet WCAG 2.2 AA and axe\'s best practices', async () => {
    const found = [];
    for (const size of sizes) {
        const at = `${size.width} x ${size.height}`;
        const { page, context, watch } = await openPage(browser, size);
        for (const demo of demos) {
            await page.locator('[id="cmbDemo"]').fill(demo);
            await page.evaluate(() => window.propagationTest.paint());
            found.push(...await violationsOf(page, `${demo} at ${at}`));
        }

        // The menu in sight: the Tools button opens it by a tap on a touch screen, a click with
        // a mouse, and Enter from the keyboard; it is scanned while it is shown.
        const tools = page.locator('[id="toolsButton"]');
        const button = await tools.boundingBox();
        assert.ok(button.width >= 44 && button.height >= 44, `the Tools button is a finger's at ${at}`);
        if (size.hasTouch)
            await page.touchscreen.tap(button.x + button.width / 2, button.y + button.height / 2);
        else
            await tools.click();
        assert.equal(await page.locator('[id="toolMenu"]').isVisible(), true, `the Tools button opens the menu at ${at}`);
        assert.equal(await page.evaluate(() => document.activeElement.id), 'toolStep', `the first entry has the focus at ${at}`);
        found.push(...await violationsOf(page, `the tools' menu at ${at}`));
        await page.keyboard.press('Escape');
        assert.equal(await page.locator('[id="toolMenu"]').isVisible(), false, `the menu closes at ${at}`);
        assert.equal(await page.evaluate(() => document.activeElement.id), 'toolsButton', `the focus goes back at ${at}`);
        await page.keyboard.press('Enter');
        assert.equal(await page.locator('[id="toolMenu"]').isVisible(), true, `Enter on the Tools button opens the menu at ${at}`);
        await page.keyboard.press('Escape');
        // Help > Keys: a dialog over the window.
        await page.keyboard.press('k');
        assert.equal(await page.locator('[id="message"]').isVisible(), true, `the keys are shown at ${at}`);
        found.push(...await violationsOf(page, `the keys' dialog at ${at}`));
        await page.keyboard.press('Escape');
        // And from any button, with the keys a desktop menu has.
        await page.focus('[id="cmdStart"]');
        await page.keyboard.press('Shift+F10');
        assert.equal(await page.locator('[id="toolMenu"]').isVisible(), true, `Shift+F10 opens the menu at ${at}`);
        await page.keyboard.press('Escape');

        // A list's entries, dropped down by a tap on its field on a touch screen, by its arrow
        // with a mouse.
        if (size.hasTouch) {
            const box = await page.locator('[id="cmbDemo"]').boundingBox();
            await page.touchscreen.tap(box.x + box.width / 2, box.y + box.height / 2);
        } else {
            await page.locator('[id="cmbDemo"] ~ .combo-arrow').click();
        }
        await page.evaluate(() => window.propagationTest.paint());
        assert.equal(await page.locator('[id="cmbDemo-list"]').isVisible(), true, `the list opens at ${at}`);
        found.push(...await violationsOf(page, `the open list of demonstrations at ${at}`));
        await page.keyboard.press('Escape');

        assertHealthy(assert, await healthOf(page, watch));
        await context.close();
    }
    assert.ok(found.length === 0, `axe found violations:\n${found.join('\n')}`);
});
