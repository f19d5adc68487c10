// engines.mjs: the browser engines the page is tested in, each from Debian's packages, behind
// the part of Playwright's API the test uses: Chromium through Playwright itself, Firefox ESR
// through puppeteer-core over WebDriver BiDi, WebKitGTK through WebKitWebDriver (webkit.mjs).
import { chromium } from 'playwright-core';
import puppeteer from 'puppeteer-core';
import { selectorParts } from './selector.mjs';
import { webkit } from './webkit.mjs';

// A Playwright selector the test writes, found in a page that knows only CSS.
async function find(page, selector) {
    const [css, nth, text] = selectorParts(selector);
    const found = [];
    for (const handle of await page.$$(css))
        if (text === null || await handle.evaluate((e) => e.textContent) === text)
            found.push(handle);
    return found[nth];
}

function asPlaywright(page, context) {
    const own = {
        locator: (selector) => ({ boundingBox: async () => (await find(page, selector)).boundingBox() }),
        textContent: (selector) => page.$eval(selector, (e) => e.textContent),
        screenshot: async (options) => Buffer.from(await page.screenshot(options)),
        context: () => context,
    };
    return new Proxy(page, {
        get: (target, name) => own[name] ??
            (typeof target[name] === 'function' ? target[name].bind(target) : target[name]),
    });
}

async function firefox() {
    const browser = await puppeteer.launch({ browser: 'firefox', executablePath: '/usr/bin/firefox-esr',
        headless: true, protocolTimeout: 60000 });
    return {
        async newContext({ viewport = { width: 1280, height: 800 }, deviceScaleFactor = 1, hasTouch = false,
            isMobile = false } = {}) {
            const inner = await browser.createBrowserContext();
            const scripts = [];
            const context = {
                close: () => inner.close(),
                addInitScript: async (script) => { scripts.push(script); },
                async newPage() {
                    const page = await inner.newPage();
                    await page.setViewport({ ...viewport, deviceScaleFactor, hasTouch, isMobile });
                    for (const script of scripts)
                        await page.evaluateOnNewDocument(script);
                    return asPlaywright(page, context);
                },
            };
            return context;
        },
        close: () => browser.close(),
    };
}

// `chromium`, `firefox` or `webkit`: what each can be asked beyond the common part.
export async function launch(engine) {
    if (engine === 'firefox')
        return { browser: await firefox(), devTools: false, console: true, initScripts: true, ratios: [1, 1.25, 3] };
    if (engine === 'webkit') // whole screen ratios only, as GTK on X11 has them
        return { browser: await webkit(), devTools: false, console: false, initScripts: false, ratios: [1, 2, 3] };
    const browser = await chromium.launch({
        executablePath: '/usr/bin/chromium',
        args: ['--disable-gpu', '--no-first-run', '--disable-background-networking',
            '--disable-component-update', '--disable-sync'],
    });
    return { browser, devTools: true, console: true, initScripts: true, ratios: [1, 1.25, 3] };
}
