// The browser edition's pictures for the README, taken in Debian's Chromium, headless:
//   node tools/browser-screenshot.mjs [TEST_PAGE] [OUTPUT_FOLDER]
// TEST_PAGE defaults to build-web/propagation-demos-test.html (the set-ups and ticks come through
// its window.propagationTest, with the page's clock stopped, so the pictures are the same on
// every run), OUTPUT_FOLDER to docs/screenshots. It writes
//   browser-edition.png   "Ricean" with five rays, the histogram on and 3000 ticks, as
//                         tools/screenshots takes the desktop's docs/screenshots/ricean.png;
//   phone-upright-*.png, phone-sideways-*.png   "Polarisation" with its ellipse, "Rayleigh" with
//                         the histogram, the theory curve and the record, and "Phasors" with their
//                         numbers, on a phone of 390 x 844 CSS pixels, upright and turned, at a
//                         device pixel ratio of 2;
//   tools-button-laptop.png, tools-button-phone.png   the Tools button with the tools' menu it
//                         opens, "Rayleigh" on a laptop of 1280 x 800 and on the upright phone;
//   language-arabic-phone.png   the page in Arabic (?lang=ar), "Rayleigh" on the upright phone.
import { createRequire } from 'node:module';
import { fileURLToPath, pathToFileURL } from 'node:url';
import path from 'node:path';

const sourceDir = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '..');
const require = createRequire(path.join(sourceDir, 'tests', 'web', 'package.json'));
const { chromium } = require('playwright-core');

const page = path.resolve(process.argv[2] ?? path.join(sourceDir, 'build-web', 'propagation-demos-test.html'));
const folder = path.resolve(process.argv[3] ?? path.join(sourceDir, 'docs', 'screenshots'));

const shots = [
    ['browser-edition.png', { width: 789, height: 605 }, 'demo=Ricean&one=Five&fixed=6&rate=10&histogram', 3000],
    ...['upright', 'sideways'].flatMap((turn) => [
        [`phone-${turn}-polarisation.png`, 'demo=Polarisation&one=Horizontal&two=Vertical&phase=45&ellipse', 30],
        [`phone-${turn}-rayleigh.png`, 'demo=Rayleigh&one=Ten&rate=20&histogram&theory=Rayleigh&record', 3000],
        [`phone-${turn}-phasors.png`, 'demo=Phasors&tip1=2400,780&tip2=900,3000&numbers', 1],
    ].map(([name, setup, ticks]) => [name,
        turn === 'upright' ? { width: 390, height: 844, phone: true } : { width: 844, height: 390, phone: true },
        setup, ticks])),
    ['tools-button-laptop.png', { width: 1280, height: 800 }, 'demo=Rayleigh&one=Ten&rate=20&histogram', 300, true],
    ['tools-button-phone.png', { width: 390, height: 844, phone: true }, 'demo=Rayleigh&one=Ten&rate=20&histogram', 300, true],
    ['language-arabic-phone.png', { width: 390, height: 844, phone: true }, 'demo=Rayleigh&one=Ten&rate=20&histogram&record', 300, false, '?lang=ar'],
];

const browser = await chromium.launch({
    executablePath: process.env.PROPAGATION_CHROMIUM ?? '/usr/bin/chromium',
    headless: true,
    args: ['--headless', '--no-sandbox', '--disable-gpu', '--no-first-run', '--disable-background-networking'],
});
for (const [name, size, setup, ticks, openTools, query = ''] of shots) {
    const context = await browser.newContext({
        viewport: { width: size.width, height: size.height },
        deviceScaleFactor: size.phone ? 2 : 1, hasTouch: Boolean(size.phone), isMobile: Boolean(size.phone),
    });
    const tab = await context.newPage();
    await tab.clock.install({ time: 0 });
    await tab.clock.pauseAt(1000);
    await tab.goto(pathToFileURL(page).href + query);
    const error = await tab.evaluate(async ([s, n]) => {
        if (!(window.propagationTest && window.propagationTest.ready)) {
            await new Promise((resolve) => window.addEventListener('propagation-ready', resolve, { once: true }));
        }
        const hook = window.propagationTest;
        const e = hook.setup(s);
        hook.tick(n);
        hook.paint();
        return e;
    }, [setup, ticks]);
    if (error) throw new Error(`${name}: ${error}`);
    if (openTools) {
        if (size.phone) await tab.locator('#toolsButton').tap();
        else await tab.locator('#toolsButton').click();
    }
    const output = path.join(folder, name);
    await tab.screenshot({ path: output });
    await context.close();
    console.log(`wrote ${output}`);
}
await browser.close();
