// webkit.mjs: WebKitGTK's MiniBrowser on an Xvfb display of its own, driven by WebKitWebDriver
// over the W3C WebDriver protocol, behind the part of Playwright's API the test uses. A
// context is a driver and a browser of its own (a driver holds one session), at its own
// screen scale; a page is one of its windows.
import { spawn } from 'node:child_process';
import { mkdtempSync, mkdirSync, readdirSync, rmSync, writeFileSync } from 'node:fs';
import { createServer } from 'node:net';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { setTimeout as sleep } from 'node:timers/promises';
import { selectorParts } from './selector.mjs';

const keys = { Enter: '\uE007', Escape: '\uE00C', ArrowRight: '\uE014', PageDown: '\uE00F' };
const miniBrowser = readdirSync('/usr/lib').filter((d) => d.endsWith('-linux-gnu'))
    .map((d) => `/usr/lib/${d}/webkit2gtk-4.1/MiniBrowser`)[0];

const freePort = () => new Promise((done) => {
    const server = createServer().listen(0, '127.0.0.1', () => {
        const { port } = server.address();
        server.close(() => done(port));
    });
});

async function startDisplay() {
    const xvfb = spawn('Xvfb', ['-displayfd', '3', '-screen', '0', '2600x2600x24', '-nolisten', 'tcp'],
        { stdio: ['ignore', 'ignore', 'ignore', 'pipe'] });
    const display = await new Promise((done, failed) => {
        xvfb.stdio[3].once('data', (data) => done(`:${String(data).trim()}`));
        xvfb.once('exit', () => failed(new Error('Xvfb did not start')));
    });
    // The browser's own bar as small as it goes, so that a phone's width fits beside it.
    const config = mkdtempSync(join(tmpdir(), 'torvelle-webkit-'));
    mkdirSync(join(config, 'gtk-3.0'));
    writeFileSync(join(config, 'gtk-3.0', 'gtk.css'), '* { font-size: 1px; min-width: 0; min-height: 0;' +
        ' padding: 0; margin: 0; border-width: 0; -gtk-icon-transform: scale(0.1); }\n');
    const drivers = new Set();
    process.once('exit', () => [xvfb, ...drivers].forEach((p) => p.kill())); // should the test end first
    return { display, config, drivers, close: () => { xvfb.kill(); rmSync(config, { recursive: true, force: true }); } };
}

// A function of the test run in the page; its promise, if any, awaited there.
const script = (fn) => `const done = arguments[arguments.length - 1];
    Promise.resolve().then(() => (${fn})(arguments[0]))
        .then((v) => done({ v }), (e) => done({ e: String(e?.stack ?? e) }));`;

async function session(screen, { viewport = { width: 1280, height: 800 }, deviceScaleFactor = 1 }) {
    const port = await freePort();
    const driver = spawn('WebKitWebDriver', [`--port=${port}`], { stdio: 'ignore',
        env: { ...process.env, DISPLAY: screen.display, XDG_CONFIG_HOME: screen.config,
            GDK_SCALE: String(deviceScaleFactor) } });
    screen.drivers.add(driver);
    const call = async (method, path, body) => {
        const response = await fetch(`http://127.0.0.1:${port}${path}`, { method,
            headers: { 'content-type': 'application/json' }, body: body && JSON.stringify(body) });
        const { value } = await response.json();
        if (value?.error)
            throw new Error(`WebDriver ${path}: ${value.message}`);
        return value;
    };
    for (let tries = 0; !(await call('GET', '/status').catch(() => null))?.ready; ++tries)
        await (tries < 100 ? sleep(50) : Promise.reject(new Error('WebKitWebDriver did not start')));
    const { sessionId } = await call('POST', '/session', { capabilities: { alwaysMatch: {
        'webkitgtk:browserOptions': { binary: miniBrowser, args: ['--automation'] } } } });
    const at = (path) => `/session/${sessionId}${path}`;
    let current = await call('GET', at('/window'));
    const on = async (handle) => {
        if (handle !== current)
            await call('POST', at('/window'), { handle: (current = handle) });
    };
    // The window's outer size that gives the page the viewport asked for.
    const fit = async (handle, { width, height }) => {
        await on(handle);
        await call('POST', at('/window/rect'), { width, height });
        const [across, down] = await call('POST', at('/execute/sync'), { script: 'return [innerWidth, innerHeight]', args: [] });
        await call('POST', at('/window/rect'), { width: 2 * width - across, height: 2 * height - down });
    };
    const context = {
        close: async () => {
            await call('DELETE', at('')).catch(() => {});
            driver.kill();
            screen.drivers.delete(driver);
        },
        addInitScript: () => { throw new Error('no script runs before a page in WebDriver'); },
        async newPage() {
            const handle = context.used ? (await call('POST', at('/window/new'), {})).handle : current;
            context.used = true;
            await fit(handle, viewport);
            return page(handle, context, { call, at, on, fit });
        },
    };
    return context;
}

function page(handle, context, { call, at, on, fit }) {
    const run = async (path, body) => { await on(handle); return call('POST', at(path), body); };
    const evaluate = async (fn, arg) => {
        const { v, e } = await run('/execute/async', { script: script(fn), args: [arg] });
        if (e !== undefined)
            throw new Error(`in the page: ${e}`);
        return v;
    };
    const act = (type, id, actions) => run('/actions', { actions: [{ type, id, actions,
        ...(type === 'pointer' && { parameters: { pointerType: 'mouse' } }) }] });
    const buttons = { left: 0, middle: 1, right: 2 };
    const click = async (x, y, { button = 'left', clickCount = 1 } = {}) => act('pointer', 'mouse', [
        { type: 'pointerMove', x: Math.round(x), y: Math.round(y), origin: 'viewport', duration: 0 },
        ...Array(clickCount).fill([{ type: 'pointerDown', button: buttons[button] },
            { type: 'pointerUp', button: buttons[button] }]).flat()]);
    // WebKit gives an element's rectangle in the units of its CSS zoom, not the screen's.
    const boundingBox = (selector) => evaluate(([css, nth, text]) => {
        const e = [...document.querySelectorAll(css)].filter((f) => text === null || f.textContent === text)[nth];
        if (!e?.checkVisibility())
            return null;
        let zoom = 1;
        for (let a = e; a; a = a.parentElement)
            zoom *= parseFloat(getComputedStyle(a).zoom) || 1;
        const r = e.getBoundingClientRect();
        return { x: r.x * zoom, y: r.y * zoom, width: r.width * zoom, height: r.height * zoom };
    }, selectorParts(selector));
    const waitForFunction = async (fn, arg, { timeout = 30000 } = {}) => {
        for (const end = Date.now() + timeout; ; await sleep(50)) {
            const value = await evaluate(fn, arg).catch((error) => (Date.now() < end ? undefined : Promise.reject(error)));
            if (value)
                return { jsonValue: async () => value };
            if (Date.now() > end)
                throw new Error(`waiting for ${fn} timed out`);
        }
    };
    const centre = async (selector) => {
        const box = await boundingBox(selector);
        return box ? [box.x + box.width / 2, box.y + box.height / 2] : Promise.reject(new Error(`no ${selector}`));
    };
    return {
        on: () => {}, // WebDriver tells neither the page's errors nor its console
        context: () => context,
        goto: (url) => run('/url', { url }),
        reload: () => run('/refresh', {}),
        evaluate, waitForFunction,
        $eval: (selector, fn) => evaluate(`(s) => (${fn})(document.querySelector(s))`, selector),
        $$eval: (selector, fn) => evaluate(`(s) => (${fn})([...document.querySelectorAll(s)])`, selector),
        textContent: (selector) => evaluate((s) => document.querySelector(s).textContent, selector),
        focus: (selector) => evaluate((s) => document.querySelector(s).focus(), selector),
        locator: (selector) => ({ boundingBox: () => boundingBox(selector) }),
        click: async (selector) => {
            for (const end = Date.now() + 10000; !(await boundingBox(selector)) && Date.now() < end;)
                await sleep(50);
            return click(...await centre(selector));
        },
        mouse: { click, dblclick: (x, y) => click(x, y, { clickCount: 2 }) },
        keyboard: { press: (key) => act('key', 'keyboard', [{ type: 'keyDown', value: keys[key] ?? key },
            { type: 'keyUp', value: keys[key] ?? key }]) },
        screenshot: async ({ path } = {}) => { // of the page as last painted
            await evaluate(() => new Promise((done) => requestAnimationFrame(() => requestAnimationFrame(done))));
            const png = Buffer.from(await call('GET', at('/screenshot')), 'base64');
            if (path)
                writeFileSync(path, png);
            return png;
        },
        setViewportSize: (size) => fit(handle, size),
        close: async () => { await on(handle); await call('DELETE', at('/window')); },
    };
}

export async function webkit() {
    const screen = await startDisplay();
    const contexts = [];
    return {
        async newContext(options = {}) {
            const context = await session(screen, options);
            contexts.push(context);
            return context;
        },
        close: async () => { await Promise.all(contexts.map((c) => c.close())); screen.close(); },
    };
}
