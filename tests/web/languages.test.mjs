// The page in the student's language: chosen by the browser's languages or by lang= in the
// address, every text translated (the tests' pseudo-language shows what is not), the model's
// English behind it, and Arabic read from the right over a picture that is not mirrored.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { launch, openPage, healthOf, assertHealthy, pageUrl } from './browser.mjs';

const browser = await launch();
test.after(() => browser.close());

const demos = ['Plane Wave', 'Group Velocity', 'Polarisation', 'Rayleigh', 'Ricean', 'Phasors'];
const hook = (page, name, ...args) =>
    page.evaluate(([n, a]) => window.propagationTest[n](...a), [name, args]);

// A word of four plain letters or more: English left untranslated (the pseudo-language accents
// every word that has a vowel).
const english = (text) => (text.match(/\b[A-Za-z]{4,}\b/g) ?? []);

// Every text a student reads on the page: the lists, buttons and their entries, the painted
// captions, the tools' menu and the picture's description.
async function textsOnScreen(page) {
    const painted = (await hook(page, 'paintedTexts')).map((t) => t.text);
    const elements = await page.evaluate(() => [
        ...[...document.querySelectorAll('.combo input')].map((e) => e.value),
        ...[...document.querySelectorAll('.combo-option, .button:not(.graphical), .tool-menu-label')]
            .map((e) => e.textContent),
        document.getElementById('pictureDescription').textContent,
        document.title,
    ]);
    return [...painted, ...elements].filter((t) => t.trim() !== '' && t !== 'Orvo');
}

test('in the pseudo-language no English is left on screen, in the menu or in the description', async () => {
    const { page, context, watch } = await openPage(browser, { url: `${pageUrl}?lang=en-XA` });
    assert.equal(await page.evaluate(() => document.documentElement.lang), 'en-XA');
    await page.locator('[id="toolsButton"]').click();
    await page.keyboard.press('Escape');
    for (const demo of demos) {
        // With every lesson tool the demonstration offers, so that their words are read too.
        const tools = { Rayleigh: '&histogram&theory=Rayleigh&record', Ricean: '&histogram&theory=Ricean&record',
            Polarisation: '&ellipse', Phasors: '&numbers' }[demo] ?? '';
        assert.equal(await hook(page, 'setup', `demo=${encodeURIComponent(demo)}${tools}`), '', demo);
        await hook(page, 'tick', 5);
        await hook(page, 'paint');
        const texts = await textsOnScreen(page);
        const left = texts.flatMap((t) => english(t).map((w) => `${w} in "${t}"`));
        assert.deepEqual(left, [], demo);
        // UTF-8 read as Latin-1 would turn every accent into "Ã" and a second character.
        assert.deepEqual(texts.filter((t) => /Ã/.test(t)), [], `${demo}: no text garbled`);
    }
    assertHealthy(assert, await healthOf(page, watch));
    await context.close();
});

test('every shipped language shows every demonstration and the tools\' menu without a page error or a garbled text', async () => {
    for (const lang of ['de', 'es', 'fr', 'pt-BR', 'zh-CN', 'ar']) {
        const { page, context, watch } = await openPage(browser, { url: `${pageUrl}?lang=${lang}` });
        assert.equal(await page.evaluate(() => document.documentElement.lang), lang);
        await page.locator('[id="toolsButton"]').click();
        await page.keyboard.press('Escape');
        for (const demo of demos) {
            assert.equal(await hook(page, 'setup', `demo=${encodeURIComponent(demo)}`), '', `${lang} ${demo}`);
            await hook(page, 'tick', 3);
            await hook(page, 'paint');
            const texts = await textsOnScreen(page);
            assert.deepEqual(texts.filter((t) => /Ã/.test(t)), [], `${lang} ${demo}: no text garbled`);
            // The demonstration's name in the list is the language's.
            const shown = await page.locator('[id="cmbDemo"]').inputValue();
            assert.ok(shown.length > 0, `${lang} ${demo}`);
        }
        assertHealthy(assert, await healthOf(page, watch));
        await context.close();
    }
});

test('German from the browser: a typed "2,5" and the German for "Vertical" drive the model', async () => {
    const context = await browser.newContext({ viewport: { width: 789, height: 605 }, locale: 'de-DE' });
    const page = await context.newPage();
    await page.goto(`${pageUrl}#demo=Polarisation`);
    await page.evaluate(() => window.propagationTest?.ready ||
        new Promise((resolve) => window.addEventListener('propagation-ready', resolve, { once: true })));
    assert.equal(await page.evaluate(() => document.documentElement.lang), 'de');
    const vertical = await page.evaluate(() => [...document.querySelectorAll('[id="cmbOne-list"] .combo-option')]
        .map((e) => e.textContent));
    assert.ok(!vertical.includes('Vertical'), `the entries are German: ${vertical}`);
    await page.locator('[id="cmbOne"]').fill(vertical[1]);
    assert.equal((await hook(page, 'control', 'cmbOne')).text, 'Vertical');
    assert.equal(await hook(page, 'setup', 'demo=Plane%20Wave'), '');
    assert.equal(await page.locator('[id="cmbOne"]').inputValue(), '1,0');
    await page.locator('[id="cmbOne"]').fill('2,5');
    assert.equal((await hook(page, 'control', 'cmbOne')).text, '2.5');
    await context.close();
});

test('Arabic reads from the right, and its picture is the English one, not mirrored', async () => {
    const picture = async (url) => {
        const { page, context } = await openPage(browser, { url });
        assert.equal(await hook(page, 'setup', 'demo=Polarisation&one=Horizontal&two=Vertical&phase=45&paused'), '');
        await hook(page, 'paint');
        const shown = await page.evaluate(() => {
            const canvas = document.getElementById('picture');
            // The figures above the controls: rows 0 to 440 of the 789 x 605 window.
            const data = canvas.getContext('2d').getImageData(0, 0, canvas.width, 440).data;
            let sum = 0;
            for (let i = 0; i < data.length; i += 7) sum = (sum * 31 + data[i]) % 1000000007;
            return {
                sum,
                dir: document.documentElement.dir,
                lang: document.documentElement.lang,
                menuDir: getComputedStyle(document.getElementById('toolMenu')).direction,
                descriptionDir: getComputedStyle(document.getElementById('pictureDescription')).direction,
            };
        });
        await context.close();
        return shown;
    };
    const english = await picture(pageUrl);
    const arabic = await picture(`${pageUrl}?lang=ar`);
    assert.deepEqual([arabic.lang, arabic.dir, arabic.menuDir, arabic.descriptionDir], ['ar', 'rtl', 'rtl', 'rtl']);
    assert.deepEqual([english.lang, english.dir], ['en', 'ltr']);
    assert.equal(arabic.sum, english.sum, 'the same figures, pixel for pixel');
});

test('Tools > Language... lists the languages by their own names and opens the page in the one picked, on the same set-up', async () => {
    const { page, context } = await openPage(browser, { url: `${pageUrl}#demo=Ricean&one=Five` });
    await page.locator('[id="toolsButton"]').click();
    await page.locator('[id="toolLanguage"]').click();
    const choices = await page.evaluate(() => [...document.querySelectorAll('#message .message-choice')]
        .map((b) => [b.lang, b.textContent, b.getAttribute('aria-current')]));
    assert.deepEqual(choices.map(([code]) => code), ['en', 'ar', 'de', 'es', 'fr', 'pt-BR', 'zh-CN']);
    assert.deepEqual(choices[0], ['en', 'English', 'true']);
    assert.equal(await page.evaluate(() => document.activeElement.lang), 'en', 'the focus on the language in use');
    await Promise.all([page.waitForURL(/\?lang=de#/), page.locator('#message .message-choice[lang="de"]').click()]);
    await page.evaluate(() => window.propagationTest?.ready ||
        new Promise((resolve) => window.addEventListener('propagation-ready', resolve, { once: true })));
    assert.equal(await page.evaluate(() => document.documentElement.lang), 'de');
    assert.deepEqual([(await hook(page, 'control', 'cmbDemo')).text, (await hook(page, 'control', 'cmbOne')).text],
        ['Ricean', 'Five']);
    await context.close();
});
