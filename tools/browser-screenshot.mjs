// The browser edition's picture for the README, taken in Debian's Chromium, headless:
//   node tools/browser-screenshot.mjs [PAGE] [OUTPUT.png]
// "Ricean" with five rays, the histogram on and 3000 ticks, as tools/screenshots takes the
// desktop's docs/screenshots/ricean.png; the ticks come through window.propagationTest with the
// page's clock stopped, so the picture is the same on every run.
import { createRequire } from 'node:module';
import { fileURLToPath, pathToFileURL } from 'node:url';
import path from 'node:path';

const sourceDir = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '..');
const require = createRequire(path.join(sourceDir, 'tests', 'web', 'package.json'));
const { chromium } = require('playwright-core');

const page = path.resolve(process.argv[2] ?? path.join(sourceDir, 'build-web', 'propagation-demos.html'));
const output = path.resolve(process.argv[3] ?? path.join(sourceDir, 'docs', 'screenshots', 'browser-edition.png'));

const browser = await chromium.launch({
    executablePath: process.env.PROPAGATION_CHROMIUM ?? '/usr/bin/chromium',
    headless: true,
    args: ['--headless', '--no-sandbox', '--disable-gpu', '--no-first-run', '--disable-background-networking'],
});
const context = await browser.newContext({ viewport: { width: 789, height: 605 } });
const tab = await context.newPage();
await tab.clock.install({ time: 0 });
await tab.clock.pauseAt(1000);
await tab.goto(pathToFileURL(page).href);
const error = await tab.evaluate(async () => {
    if (!(window.propagationTest && window.propagationTest.ready)) {
        await new Promise((resolve) => window.addEventListener('propagation-ready', resolve, { once: true }));
    }
    const hook = window.propagationTest;
    const e = hook.setup('demo=Ricean&one=Five&fixed=6&rate=10&histogram');
    hook.tick(3000);
    hook.paint();
    return e;
});
if (error) throw new Error(error);
await tab.screenshot({ path: output });
await browser.close();
console.log(`wrote ${output}`);
