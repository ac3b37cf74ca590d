// What a screen reader meets in the page, read from Chromium's accessibility tree: the picture
// with its name and its description in words, the one polite live region that says what changed
// (once a change, never on a plain tick, typed text only after a pause), each control's
// description as its own and not as page text, a moved tip's new place, the histogram's switch,
// the scroll bars' values with their units, and an open list named after its list.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { launch, openPage, healthOf, assertHealthy, control, poll } from './browser.mjs';

const browser = await launch();
test.after(() => browser.close());

// The accessible node of the element `selector`: {role, name, description, properties}.
async function axNode(page, session, selector) {
    const { root } = await session.send('DOM.getDocument', { depth: 0 });
    const { nodeId } = await session.send('DOM.querySelector', { nodeId: root.nodeId, selector });
    assert.ok(nodeId, `no element ${selector}`);
    const { nodes } = await session.send('Accessibility.getPartialAXTree', { nodeId, fetchRelatives: false });
    const node = nodes[0];
    const properties = Object.fromEntries((node.properties ?? []).map((p) => [p.name, p.value.value]));
    return {
        role: node.role?.value, name: node.name?.value ?? '',
        description: node.description?.value ?? '', properties, ignored: node.ignored,
    };
}

// The accessible node once `holds` is true of it: the browser brings its tree in step with the
// page at its own pace. Returns the last node seen.
async function axWhen(page, session, selector, holds) {
    let last = null;
    await poll(async () => {
        last = await axNode(page, session, selector);
        return holds(last) ? true : null;
    }, { seconds: 5 });
    return last;
}

// The text a screen reader reads in browse mode: every unignored text node of the tree.
async function pageText(session) {
    const { nodes } = await session.send('Accessibility.getFullAXTree');
    return nodes.filter((n) => !n.ignored && (n.role?.value === 'StaticText' || n.role?.value === 'InlineTextBox'))
        .map((n) => n.name?.value ?? '').join('\n');
}

// Every text the live region takes, in order.
async function listen(page) {
    await page.evaluate(() => {
        window.heard = [];
        new MutationObserver(() => {
            const text = document.getElementById('pictureNews').textContent;
            if (text) window.heard.push(text);
        }).observe(document.getElementById('pictureNews'), { childList: true, characterData: true, subtree: true });
    });
    // A mutation observer's callback comes in a microtask: it has run when evaluate returns.
    return () => page.evaluate(() => window.heard.splice(0));
}

// A demonstration typed into its list; its words come once the typing has paused.
async function pick(page, demo) {
    await page.locator('[id="cmbDemo"]').fill(demo);
    await page.clock.runFor(2000);
}

test('the picture has a name and a description in words, and the live region says each change once', async () => {
    const { page, context, watch } = await openPage(browser);
    const session = await context.newCDPSession(page);
    let picture = await axWhen(page, session, '#picture', (n) => n.description !== '');
    assert.equal(picture.role, 'image');
    assert.equal(picture.name, 'Picture of Plane Wave');
    assert.match(picture.description, /Its wavelength is 8 steps/);
    assert.match(picture.description, /at the right end it has 0\.15 of its starting height/);
    const region = await axNode(page, session, '#pictureNews');
    assert.equal(region.properties.live, 'polite');
    const heard = await listen(page);

    // Running, the picture says nothing of its own.
    await page.clock.runFor(5000);
    assert.deepEqual(await heard(), [], 'no words on plain ticks');

    // One change, one update, of what it changed.
    await page.locator('[id="cmbTwo"] ~ .combo-arrow').click();
    await page.locator('[id="cmbTwo-list"] [role=option]', { hasText: '0.0' }).click();
    assert.deepEqual(await heard(),
        ['There is no attenuation: the wave keeps its full height all along the line.']);
    await page.getByRole('button', { name: 'Pause' }).click();
    assert.deepEqual(await heard(),
        ['The animation is paused: "Start" runs it again, and the full stop key steps one frame.']);
    await page.getByRole('button', { name: 'Start' }).click();
    assert.equal((await heard()).length, 1);

    // Typed text is said once the student has paused, not at every key.
    await page.locator('[id="cmbOne"]').click();
    await page.keyboard.press('Control+A');
    await page.keyboard.type('2.5');
    await page.clock.runFor(1000);
    assert.deepEqual(await heard(), [], 'nothing while typing');
    await page.clock.runFor(1000);
    assert.deepEqual(await heard(), ['Its wavelength is 20 steps, so a crest passes each point every 20 frames.']);

    // Another demonstration, typed: its whole description, after the pause.
    await page.locator('[id="cmbDemo"]').fill('Group Velocity');
    assert.deepEqual(await heard(), [], 'nothing while typing');
    await page.clock.runFor(2000);
    const [said, ...passing] = await heard();
    assert.match(said, /^Wave groups, each 30 steps long/);
    assert.match(said, /The crests ride with their groups/);
    // and then the running picture's own words, at most one in the two seconds
    assert.ok(passing.length <= 1 && passing.every((w) => w === 'A wave group reaches the green marker.'),
        passing.join(' | '));
    picture = await axWhen(page, session, '#picture', (n) => n.name === 'Picture of Group Velocity');
    assert.equal(picture.name, 'Picture of Group Velocity');

    // D reads the whole description on demand, the picture's name first.
    await page.evaluate(() => document.activeElement.blur());
    await page.keyboard.press('d');
    const described = await heard();
    assert.equal(described.length, 1);
    assert.match(described[0], /^Picture of Group Velocity\. Wave groups/);
    assertHealthy(assert, await healthOf(page, watch));
    await context.close();
});

test('a running picture says a deep fade or a passing group at most every four seconds', async () => {
    const { page, context, watch } = await openPage(browser);
    await pick(page, 'Rayleigh');
    await page.locator('[id="cmbOne"]').fill('Ten');
    await page.evaluate(() => document.activeElement.blur());
    const heard = await listen(page);
    await page.clock.runFor(2000);  // the words for the typed "Ten"
    assert.equal((await heard()).length, 1);
    // A minute of fading, in steps of one tick, each word with the time it came.
    const times = [];
    for (let ms = 0; ms < 60000; ms += 100) {
        await page.clock.runFor(100);
        for (const words of await page.evaluate(() => window.heard.splice(0))) times.push([ms, words]);
    }
    assert.ok(times.length > 0, 'ten rays fade deeply within a minute');
    for (const [, words] of times) assert.match(words, /^A deep fade\. The signal is now in a deep fade/);
    for (let i = 1; i < times.length; ++i) {
        assert.ok(times[i][0] - times[i - 1][0] >= 4000, `words ${times[i][0] - times[i - 1][0]} ms apart`);
    }
    assertHealthy(assert, await healthOf(page, watch));
    await context.close();
});

test('descriptions belong to their controls: not page text, and none of a hidden control', async () => {
    const { page, context } = await openPage(browser);
    const session = await context.newCDPSession(page);
    const text = await pageText(session);
    for (const description of ['Drag it, or move it with the arrow keys', 'How fast the phases of the rays wander',
        'First option of the demonstration', 'Start or pause the animation']) {
        assert.ok(!text.includes(description), `"${description}" is read as page text`);
    }
    const list = await axNode(page, session, '[id="cmbOne"]');
    assert.equal(list.description, 'First option of the demonstration: pick or type a value');
    assert.equal((await axNode(page, session, '[id="hscRate"]')).ignored, true, 'a hidden control is not there');
    await context.close();
});

test('a tip moved by the keys tells its place; Histogram is a switch; scroll bars say their units; an open list is named', async () => {
    const { page, context, watch } = await openPage(browser);
    const session = await context.newCDPSession(page);
    // The tip of phasor 1, one step right of its origin's grid point: (1440, 1380) + 127.5 from
    // the origin (1560, 1560) is (7.5, -52.5): 53 twips, the phase atan(7.5 / -52.5) + pi.
    await pick(page, 'Phasors');
    await page.locator('[id="cmdPhasor(0)"]').focus();
    await page.keyboard.press('ArrowRight');
    const tip = await control(page, 'cmdPhasor(0)');
    assert.deepEqual([tip.left, tip.top], [1440, 1380]);
    const phase = Math.round((Math.atan(7.5 / -52.5) + 3.1415926) * 180 / 3.1415926);
    const place = `53 twips long at phase ${phase} degrees, pointing up`;
    const expected = `${place}. Drag it, or move it with the arrow keys, to set phasor 1`;
    assert.equal((await axWhen(page, session, '[id="cmdPhasor(0)"]', (n) => n.description === expected))
        .description, expected);
    await page.clock.runFor(100);  // the resultant follows at the next tick
    assert.match((await axWhen(page, session, '[id="cmdPhasor(2)"]',
        (n) => n.description.startsWith(place))).description, new RegExp(`^${place}\\. `));

    await pick(page, 'Rayleigh');
    let histogram = await axNode(page, session, '[id="cmdHist"]');
    assert.equal(histogram.properties.pressed, 'false');
    await page.locator('[id="cmdHist"]').click();
    histogram = await axWhen(page, session, '[id="cmdHist"]', (n) => n.properties.pressed === 'true');
    assert.equal(histogram.properties.pressed, 'true');
    assert.equal(histogram.description, 'The histogram is on: press again to count afresh from zero');

    // Chromium's DevTools tree leaves a range's value text empty whatever the page says (a
    // slider's too): the attribute that the screen reader gets is read from the element.
    const valueText = (id) => page.locator(`[id="${id}"]`).getAttribute('aria-valuetext');
    assert.equal(await valueText('hscRate'), 'Speed 0 of 20');
    assert.equal(await page.locator('[id="hscRate"]').getAttribute('aria-controls'), 'picture');
    await page.locator('[id="hscRate"]').focus();
    await page.keyboard.press('ArrowRight');
    assert.equal(await valueText('hscRate'), 'Speed 5 of 20');
    await pick(page, 'Polarisation');
    await page.locator('[id="hscPhase"]').focus();
    for (let i = 0; i < 10; ++i) await page.keyboard.press('ArrowRight');
    assert.equal(await valueText('hscPhase'), '50 degrees');
    assert.equal(await valueText('hscAmp1'), 'amplitude 1');

    for (const [name, label] of [['cmbDemo', 'Demo'], ['cmbOne', 'Component 1']]) {
        await page.locator(`[id="${name}"] ~ .combo-arrow`).click();
        const popup = await axWhen(page, session, `[id="${name}-list"]`, (n) => n.name === label);
        assert.deepEqual([popup.role, popup.name], ['listbox', label]);
        await page.keyboard.press('Escape');
    }
    assertHealthy(assert, await healthOf(page, watch));
    await context.close();
});
