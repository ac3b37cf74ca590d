// A long session of random user input through the real page: typed texts of every kind (huge,
// negative, not numbers at all, pasted or typed a key at a time), picks, clicks, scroll bars,
// drags of the tips with a mouse and a finger, arrow keys, the clock running and the window
// resized. After every action the program must have raised no exception, written no console
// error, shown no program error, and every control must still be finite and on the invariants
// that the native event fuzzer checks (tests/fuzz/invariant_checker, compiled into the page's
// test hook). At the end the animation must still run.
//
// PROPAGATION_WEB_EVENTS (default 10000) and PROPAGATION_WEB_SEED (default 20261208) repeat or
// widen a session.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { launch, openPage, healthOf, assertHealthy, control } from './browser.mjs';

// Closed however the session ends: a failed check would otherwise leave the browser open and the
// test waiting for its timeout.
const browser = await launch();
test.after(() => browser.close());

const kEvents = Number(process.env.PROPAGATION_WEB_EVENTS ?? 10000);
const kSeed = Number(process.env.PROPAGATION_WEB_SEED ?? 20261208);

// mulberry32: a small generator that repeats exactly from its seed.
function generator(seed) {
    let a = seed >>> 0;
    const next = () => {
        a = (a + 0x6d2b79f5) >>> 0;
        let t = a;
        t = Math.imul(t ^ (t >>> 15), t | 1);
        t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
        return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
    };
    return {
        next,
        int: (low, high) => low + Math.floor(next() * (high - low + 1)),
        pick: (items) => items[Math.floor(next() * items.length)],
        chance: (p) => next() < p,
    };
}

const kDemos = ['Plane Wave', 'Group Velocity', 'Polarisation', 'Rayleigh', 'Ricean', 'Phasors'];
const kTexts = ['0', '0.5', '1.0', '-1', '-0', '10.0', '1e308', '-1e308', '1e309', '1e-320',
    '4.9e-324', '32767', '32768', '-32769', '65536', '2147483648', '1e15', 'NaN', 'Infinity',
    '-Infinity', '-', '+', '.', 'e', '1e', '1e+', '--1', '0x1F', '&H10', '  7', '7  ', '1,5',
    'Two', 'Ten', 'Off', 'Vertical', 'Horizontal', 'Right-Hand Circular', '∞', '١٢', '½', '🌊',
    '\u200b', 'Plane', 'Plane Wave', 'Phasors', 'Ricean ', 'rayleigh', ''];

function randomText(random) {
    switch (random.int(0, 5)) {
        case 0:
        case 1:
            return random.pick(kTexts);
        case 2:
            return (random.next() * 10 ** random.int(-5, 12) * (random.chance(0.3) ? -1 : 1))
                .toPrecision(random.int(1, 17));
        case 3: {
            const alphabet = '0123456789.-+eE ';
            return Array.from({ length: random.int(1, 12) }, () => random.pick(alphabet)).join('');
        }
        case 4: {
            let text = '';
            for (let i = random.int(1, 10); i > 0; --i) text += String.fromCodePoint(random.int(32, 0x2fff));
            return text;
        }
        default:
            // Huge: hundreds of thousands of digits, or a number with an enormous exponent.
            return random.chance(0.5) ? '9'.repeat(random.int(300, 200000))
                : `1e${'9'.repeat(random.int(5, 400))}`;
    }
}

// Everything the actions need to know of the page, in one look.
function lookAtPage(page) {
    return page.evaluate(() => {
        const t = window.propagationTest;
        const rect = (id) => {
            const element = document.getElementById(id);
            if (!element || element.getClientRects().length === 0) return null;
            const target = element.tagName === 'INPUT' ? element.parentElement : element;
            const r = target.getBoundingClientRect();
            return { x: r.x, y: r.y, width: r.width, height: r.height };
        };
        const names = ['cmbDemo', 'cmbOne', 'cmbTwo', 'cmdStart', 'cmdHist', 'hscPhase', 'hscAmp1',
            'hscAmp2', 'hscRate', 'hscFixed', 'cmdPhasor(0)', 'cmdPhasor(1)', 'cmdPhasor(2)'];
        const shown = {};
        const arrows = {};
        for (const name of names) {
            const box = rect(name);
            if (box) shown[name] = box;
            const arrow = document.getElementById(name)?.parentElement?.querySelector('.combo-arrow');
            if (box && arrow) {
                const r = arrow.getBoundingClientRect();
                arrows[name] = { x: r.x, y: r.y, width: r.width, height: r.height };
            }
        }
        // The options of an open list, where they can be pressed.
        const options = [...document.querySelectorAll('[role=option]')]
            .filter((o) => o.getClientRects().length > 0)
            .map((o) => {
                const r = o.getBoundingClientRect();
                return { x: r.x, y: r.y, width: r.width, height: r.height };
            })
            .filter((r) => r.y >= 0 && r.y + r.height <= innerHeight && r.x >= 0 && r.x + r.width <= innerWidth);
        return {
            shown,
            arrows,
            options,
            items: {
                cmbDemo: t.control('cmbDemo').items.length,
                cmbOne: t.control('cmbOne').items.length,
                cmbTwo: t.control('cmbTwo').items.length,
            },
            viewport: { width: innerWidth, height: innerHeight },
        };
    });
}

const centre = (box) => ({ x: box.x + box.width / 2, y: box.y + box.height / 2 });

test(`a session of ${kEvents} random user events keeps every invariant`, { timeout: 3_000_000 },
    async () => {
        const { page, context, watch } = await openPage(browser, { hasTouch: true });
        const touch = await context.newCDPSession(page);
        const random = generator(kSeed);
        let events = 0;
        const log = [];
        const did = (what, count = 1) => {
            events += count;
            log.push(what);
            if (log.length > 12) log.shift();
        };

        // Every press is made at a point, whatever lies there now (an open list, say), as a user
        // presses; nothing waits for a control to become ready.
        const typeInto = async (state, name) => {
            const p = centre(state.shown[name]);
            await page.mouse.click(p.x, p.y);
            did(`click ${name}`);
            if (random.chance(0.5)) {
                await page.keyboard.press('Control+A');
                did('select all');
            }
            const text = name === 'cmbDemo' && random.chance(0.6)
                ? random.pick(kDemos).slice(0, random.int(1, 14)) : randomText(random);
            if (text.length > 16 || random.chance(0.2)) {
                await page.keyboard.insertText(text);  // a paste: one keystroke's worth
                did(`paste ${text.length} characters into ${name}`);
            } else {
                await page.keyboard.type(text);
                did(`type ${JSON.stringify(text)} into ${name}`, Math.max(text.length, 1));
            }
            if (random.chance(0.2)) {
                await page.keyboard.press('Backspace');
                did('Backspace');
            }
        };

        const actions = [
            [6, async (state) => {
                const names = ['cmbOne', 'cmbTwo', 'cmbDemo'].filter((n) => state.shown[n]);
                await typeInto(state, random.pick(names));
            }],
            [5, async (state) => {
                const names = ['cmbOne', 'cmbTwo', 'cmbDemo'].filter((n) => state.shown[n] && state.items[n] > 0);
                if (names.length === 0) return;
                const name = random.pick(names);
                const arrow = centre(state.arrows[name]);
                await page.mouse.click(arrow.x, arrow.y);
                did(`open ${name}`);
                const { options } = await lookAtPage(page);
                if (options.length > 0 && random.chance(0.9)) {
                    const option = centre(random.pick(options));
                    await page.mouse.click(option.x, option.y);
                    did(`pick from ${name}`);
                } else {
                    await page.keyboard.press('Escape');
                    did('Escape');
                }
            }],
            [3, async (state) => {
                const names = ['cmbOne', 'cmbTwo', 'cmbDemo'].filter((n) => state.shown[n]);
                await page.locator(`[id="${random.pick(names)}"]`).focus();
                for (let i = random.int(1, 4); i > 0; --i) {
                    const key = random.pick(['ArrowDown', 'ArrowUp', 'Alt+ArrowDown', 'Enter', 'Escape', 'F4', 'Home', 'End']);
                    await page.keyboard.press(key);
                    did(key);
                }
            }],
            [4, async (state) => {
                const names = ['cmdStart', 'cmdHist'].filter((n) => state.shown[n]);
                const name = random.pick(names);
                if (random.chance(0.7)) {
                    const p = centre(state.shown[name]);
                    await page.mouse.click(p.x, p.y, { button: random.chance(0.9) ? 'left' : 'right' });
                } else {
                    await page.locator(`[id="${name}"]`).focus();
                    await page.keyboard.press(random.pick(['Space', 'Enter']));
                }
                // (a focused button takes Space and Enter as a click)
                did(`press ${name}`);
            }],
            [6, async (state) => {
                const names = ['hscPhase', 'hscAmp1', 'hscAmp2', 'hscRate', 'hscFixed'].filter((n) => state.shown[n]);
                if (names.length === 0) return;
                const box = state.shown[random.pick(names)];
                const y = box.y + box.height / 2;
                const x = box.x + random.next() * box.width;
                switch (random.int(0, 2)) {
                    case 0:
                        await page.mouse.click(x, y);
                        did('click a scroll bar');
                        break;
                    case 1:
                        await page.mouse.move(x, y);
                        await page.mouse.down();
                        await page.mouse.move(box.x + (random.next() * 1.6 - 0.3) * box.width, y + random.int(-40, 40),
                            { steps: random.int(1, 5) });
                        if (random.chance(0.3)) await page.clock.runFor(random.int(0, 900));
                        await page.mouse.up();
                        did('drag on a scroll bar', 3);
                        break;
                    default:
                        await page.mouse.click(x, y);
                        for (let i = random.int(1, 5); i > 0; --i) {
                            const key = random.pick(['ArrowLeft', 'ArrowRight', 'ArrowUp', 'ArrowDown', 'PageUp', 'PageDown', 'Home', 'End']);
                            await page.keyboard.press(key);
                            did(key);
                        }
                }
            }],
            [5, async (state) => {
                const tips = ['cmdPhasor(0)', 'cmdPhasor(1)', 'cmdPhasor(2)'].filter((n) => state.shown[n]);
                if (tips.length === 0) {
                    await page.locator('[id="cmbDemo"]').focus();
                    await page.keyboard.press('Control+A');
                    await page.keyboard.insertText('Phasors');
                    did('paste Phasors into cmbDemo');
                    return;
                }
                const from = centre(state.shown[random.pick(tips)]);
                const to = {
                    x: random.next() * state.viewport.width * 1.2 - 0.1 * state.viewport.width,
                    y: random.next() * state.viewport.height * 1.2 - 0.1 * state.viewport.height,
                };
                const clamp = (p) => ({
                    x: Math.min(Math.max(p.x, 0), state.viewport.width - 1),
                    y: Math.min(Math.max(p.y, 0), state.viewport.height - 1),
                });
                if (random.chance(0.7)) {
                    await page.mouse.move(from.x, from.y);
                    await page.mouse.down({ button: random.chance(0.9) ? 'left' : 'middle' });
                    await page.mouse.move(to.x, to.y, { steps: random.int(1, 6) });
                    await page.mouse.up({ button: 'left' });
                    await page.mouse.up({ button: 'middle' });
                    did('drag a tip with the mouse', 3);
                } else {
                    const end = clamp(to);
                    await touch.send('Input.dispatchTouchEvent', { type: 'touchStart', touchPoints: [from] });
                    await touch.send('Input.dispatchTouchEvent', { type: 'touchMove', touchPoints: [end] });
                    await touch.send('Input.dispatchTouchEvent',
                        { type: random.chance(0.9) ? 'touchEnd' : 'touchCancel', touchPoints: [] });
                    did('drag a tip with a finger', 3);
                }
            }],
            [3, async (state) => {
                const tips = ['cmdPhasor(0)', 'cmdPhasor(1)', 'cmdPhasor(2)'].filter((n) => state.shown[n]);
                if (tips.length === 0) return;
                await page.locator(`[id="${random.pick(tips)}"]`).focus();
                for (let i = random.int(1, 8); i > 0; --i) {
                    await page.keyboard.press(random.pick(['ArrowLeft', 'ArrowRight', 'ArrowUp', 'ArrowDown']));
                    did('arrow key on a tip');
                }
            }],
            [5, async () => {
                if (random.chance(0.5)) {
                    await page.clock.runFor(random.int(0, 2000));
                    did('the clock runs');
                } else {
                    const ticks = random.int(1, 60);
                    await page.evaluate((n) => window.propagationTest.tick(n), ticks);
                    did(`${ticks} ticks`);
                }
            }],
            [2, async (state) => {
                const names = Object.keys(state.shown).filter((n) => n.startsWith('cmb') || n.startsWith('hsc'));
                const p = centre(state.shown[random.pick(names)]);
                await page.mouse.move(p.x, p.y);
                await page.mouse.wheel(0, random.pick([-300, -100, -40, 40, 100, 250]));
                did('a turn of the wheel');
            }],
            [1, async () => {
                await page.setViewportSize({ width: random.int(200, 1700), height: random.int(150, 1200) });
                did('resize');
            }],
            [2, async (state) => {
                const key = random.pick(['Tab', 'Shift+Tab', 'Escape', 'Enter', 'Space']);
                if (random.chance(0.5)) {
                    await page.keyboard.press(key);
                    did(key);
                } else {
                    await page.mouse.click(random.next() * state.viewport.width, random.next() * state.viewport.height);
                    did('click somewhere');
                }
            }],
        ];
        const totalWeight = actions.reduce((sum, [weight]) => sum + weight, 0);

        let lastFrame = 0;
        while (events < kEvents) {
            const state = await lookAtPage(page);
            let roll = random.next() * totalWeight;
            const [, action] = actions.find(([weight]) => (roll -= weight) < 0) ?? actions[0];
            await action(state);
            // Picking a language opens the page anew in it: a user's choice, but the end of this
            // session's page. The dialog that offers the languages is closed before a click can
            // land on one.
            if (await page.locator('.message-choice[lang]').count() > 0) {
                await page.keyboard.press('Escape');
                did('Escape from the languages');
            }
            const now = await page.evaluate(() => ({
                faults: window.propagationTest.invariants(),
                error: window.propagationTest.error(),
                frame: window.propagationTest.frameCount(),
            }));
            const where = `after ${events} events, the last: ${log.join(' | ')}`;
            assert.deepEqual(now.faults, [], where);
            assert.equal(now.error, '', where);
            assert.ok(Number.isInteger(now.frame) && now.frame >= 0, `FrameCount ${now.frame} ${where}`);
            assert.deepEqual(watch.consoleErrors, [], where);
            assert.deepEqual(watch.pageErrors, [], where);
            lastFrame = now.frame;
        }
        assert.ok(lastFrame >= 0);
        // The session reached what it is meant to: typing and picks on every list, drops, the
        // buttons, the scroll bars, the timer.
        const raised = await page.evaluate(() => window.propagationTest.events());
        for (const event of ['cmbDemo.Change', 'cmbDemo.Click', 'cmbOne.Change', 'cmbOne.Click',
            'cmbTwo.Change', 'cmdStart.Click', 'cmdHist.Click', 'hscPhase.Change', 'hscRate.Change',
            'cmdPhasor(0).MouseDown', 'cmdPhasor(1).MouseDown', 'Form.DragDrop', 'tmrOne.Timer']) {
            assert.ok((raised[event] ?? 0) > 0 || kEvents < 2000, `the session never raised ${event}`);
        }

        // The animation still runs: a demonstration picked from the list, the button at "Pause",
        // ten frames a second.
        await page.setViewportSize({ width: 789, height: 605 });
        // At normal speed: the session may have picked slow motion from the tools' menu.
        await page.evaluate(() => document.activeElement?.blur());
        await page.keyboard.press('Escape');
        await page.keyboard.press('Control+1');
        await page.locator('[id="cmbDemo"]').focus();
        await page.keyboard.press('Escape');
        await page.locator('[id="cmbDemo"] ~ .combo-arrow').click();
        await page.locator('[id="cmbDemo-list"] [role=option]', { hasText: 'Plane Wave' }).click();
        if ((await control(page, 'cmdStart')).caption === 'Start') await page.locator('[id="cmdStart"]').click();
        const before = await page.evaluate(() => window.propagationTest.frameCount());
        await page.clock.runFor(1000);
        assert.equal(await page.evaluate(() => window.propagationTest.frameCount()), before + 10);
        assertHealthy(assert, await healthOf(page, watch));
        await context.close();
    });
