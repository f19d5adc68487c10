// play_in_browser.mjs SITE REPLAY SHOTS [chromium|firefox|webkit]: plays the page in one of Debian's
// browsers, headless, by real pointer events (engines.mjs). A whole game, reloaded on the way, is
// held against the Qt build's REPLAY of the same clicks; then what a screen reader reads, the
// game offline, the page on phones, a tablet and a desktop screen (screenshots into SHOTS), kept
// games that cannot be read, and its texts on dark and forced colours; each a named case of
// node's test runner.
import { execFileSync } from 'node:child_process';
import { mkdirSync } from 'node:fs';
import { after, test } from 'node:test';
import { launch } from './engines.mjs';
import { serveSite } from './site_server.mjs';

const [siteRoot, replay, shots, engine = 'chromium'] = process.argv.slice(2);
const pageErrors = [];
const blocked = []; // what the page's own security policy refused
const fail = (what) => { throw new Error(what + pageErrors.map((e) => `; the page failed: ${e}`).join('')); };
const expect = (what, got, wanted) => {
    if (JSON.stringify(got) !== JSON.stringify(wanted))
        fail(`${what}: got ${JSON.stringify(got)}, expected ${JSON.stringify(wanted)}`);
};

let site = await serveSite(siteRoot);
const { browser, devTools, console: readsConsole, initScripts, ratios } = await launch(engine);
// Cases that need Chromium's own tools (its accessibility tree, forced colours, offline
// workers, touch emulation) run there alone.
const onlyChromium = { skip: !devTools && `not in ${engine}` };

async function open(options = {}) {
    const context = await browser.newContext({ viewport: { width: 1280, height: 800 }, ...options });
    const page = await context.newPage();
    page.on('pageerror', (error) => pageErrors.push(error.message));
    page.on('console', (message) => /Content.Security.Policy/i.test(message.text()) &&
        blocked.push(message.text()));
    await page.goto(site.url);
    await started(page);
    return page;
}
const centre = async (page, selector) => {
    const box = await page.locator(selector).boundingBox();
    return [box.x + box.width / 2, box.y + box.height / 2];
};
const clickCell = async (page, cell) => page.mouse.click(...await centre(page, `.cell >> nth=${cell}`));
const cellNames = (page) => page.$$eval('.cell', (cells) => cells.map((c) => c.getAttribute('aria-label')));
const openBox = (page) => page.evaluate(() => {
    const box = document.getElementById('box');
    return box.open && {
        title: box.querySelector('#box-caption').textContent,
        text: box.querySelector('#box-text').textContent.replaceAll('\n', '\\n'),
        buttons: [...box.querySelectorAll('button')].map((b) => b.textContent),
        focused: document.activeElement.textContent,
    };
});
// What a reload must bring back: the board, the scores, the banner, the breath, the progress
// and the box open.
const gameState = (page) => page.evaluate(() => {
    const text = (id) => document.getElementById(id).textContent;
    return [[...document.querySelectorAll('.cell')].map((c) => c.getAttribute('aria-label')),
        text('Label4'), text('Label6'), document.getElementById('Label7').hidden || text('Label7'),
        Slider1.value, Progre.max, Progre.value, box.open && [text('box-caption'), text('box-text')]];
});
// The rules loaded and any kept game played again; a page that drops its record loads again.
const started = (page) => page.waitForFunction(() => window.Module?.calledRun && !Form1.ariaBusy)
    .catch((error) => (/context was destroyed/.test(error.message) ? started(page) : Promise.reject(error)));
async function reloadKeepsTheGame(page, when) {
    const before = await gameState(page);
    await page.reload();
    await started(page);
    expect(`the game reloaded ${when}`, await gameState(page), before);
    expect(`told after a reload ${when}`, await page.textContent('#said'), '');
}
const answer = async (page, button) =>
    page.mouse.click(...await centre(page, `#box-buttons button:text-is("${button}")`));
// The accessibility tree as Chromium gives it to screen readers.
async function axTree(page) {
    const cdp = await page.context().newCDPSession(page);
    const { nodes } = await cdp.send('Accessibility.getFullAXTree');
    const byId = new Map(nodes.map((n) => [n.nodeId, n]));
    const text = (n) => n.name?.value || (n.childIds ?? []).map((id) => text(byId.get(id))).join('');
    const named = (role, name) => nodes.find((n) => n.role?.value === role && (!name || n.name?.value === name));
    return { nodes, byId, text, named };
}

// A whole game by the mouse, to "Rejouer ?", as the Qt build plays the same clicks. On the way,
// the board and the words after the first shot as a screen reader has them.
async function wholeGameMatchesTheQtReplay() {
    const page = await open();
    const [x, y] = await centre(page, '#Slider1');
    await page.mouse.click(x + 80, y); // a long breath, for a long game
    const breath = await page.$eval('#Slider1', (s) => s.value);
    const seen = [];
    let cell = 0;
    let reloadedWithBox = false;
    for (; cell < 100; ++cell) {
        await clickCell(page, cell);
        if (cell === 30)
            await reloadKeepsTheGame(page, 'mid-way');
        for (let box; (box = await openBox(page));) {
            if (box.text === 'Rejouer ?' && !reloadedWithBox) {
                reloadedWithBox = true;
                await reloadKeepsTheGame(page, "at 'Rejouer ?'");
                continue;
            }
            seen.push(`box\t${box.title}\t${box.text}\t${box.buttons.join(',')}`);
            expect(`the keyboard on the box '${box.text}'`, box.focused, box.buttons[0]);
            if (box.text !== 'Rejouer ?') {
                await answer(page, 'OK');
                continue;
            }
            seen.push(`board\t${(await cellNames(page)).join('\t')}`);
            seen.push(['controls', ...await page.evaluate(() => {
                const text = (id) => document.getElementById(id).textContent.replaceAll('\n', '\\n');
                const bar = document.getElementById('Progre');
                return [text('Label4'), text('Label6'),
                    document.getElementById('Label7').hidden ? '(hidden)' : text('Label7'), bar.max, bar.value];
            })].join('\t'));
            await page.keyboard.press('Escape'); // "Oui" or "Non" must be chosen
            expect("'Rejouer ?' after Escape", (await openBox(page))?.text, 'Rejouer ?');
            await page.keyboard.press('Enter'); // on "Oui"
            expect("the board after 'Oui'", (await cellNames(page)).filter((n) => !n.endsWith(', mer')), []);
            const qt = execFileSync(replay, [breath, String(cell)], { encoding: 'utf8', stdio: ['ignore', 'pipe', 'ignore'] });
            expect('the page against the Qt build, box by box', seen, qt.trimEnd().split('\n'));
            // The second game's computer hides its ships where the first game left the draws.
            for (let next = 0; next < 12; ++next) {
                await clickCell(page, next);
                while (await openBox(page))
                    await answer(page, 'OK');
            }
            return reloadKeepsTheGame(page, 'in a second game');
        }
        if (cell === 11) // the eleventh click began the game; this is the first shot
            await firstShotIsTold(page);
    }
    fail("the game never reached 'Rejouer ?'");
}

async function firstShotIsTold(page) {
    let said = await page.textContent('#said'); // read from the tree where the engine gives it
    if (devTools) {
        const ax = await axTree(page);
        const grid = ax.named('group', 'Grille de jeu') ?? fail('no group named "Grille de jeu"');
        const cells = grid.childIds.flatMap((id) => ax.byId.get(id).childIds ?? [id]).map((id) => ax.byId.get(id))
            .filter((n) => n.role?.value === 'button');
        expect('the grid\'s buttons', cells.length, 100);
        expect('the first cells\' names', cells.slice(0, 2).map((n) => n.name.value), ['A1, votre bateau', 'A2, votre bateau']);
        said = ax.text(ax.named('status') ?? fail('no live region'));
    }
    const told = said.match(/^Votre tir en B2 : (touché !|dans l'eau\.) L'ordinateur tire en ([A-J]\d+) : (votre bateau est touché\.|dans l'eau\.) Score : vous \d+, l'ordinateur \d+\.$/)
        ?? fail(`told of the first shot: '${said}'`);
    const names = await cellNames(page);
    expect('the computer\'s shot told against the board', names.includes(`${told[2]}, votre bateau touché par l'ordinateur`),
        told[3].includes('touché'));
}

// With the network gone, the page comes back from the service worker's cache and plays.
async function playsOffline() { // Chromium's workers alone are seen under automation
    const page = await open();
    // The worker, once it has kept every file, takes the page over.
    await page.waitForFunction(() => navigator.serviceWorker.controller, null, { timeout: 20000 })
        .catch(() => fail('no service worker took the page over'));
    await site.close();
    await page.reload();
    await page.waitForFunction(() => window.Module && Module.calledRun, null, { timeout: 20000 })
        .catch(() => fail('the game did not start again offline'));
    await clickCell(page, 5);
    expect('a ship placed offline', (await cellNames(page))[5], 'A6, votre bateau');
    site = await serveSite(siteRoot);
    await page.context().close();
}

// What a finger and an eye get on the page as it is: every text, every target, every cell, each
// control within its window; the page neither overflows nor scrolls.
// Targets under `target` pass where WCAG 2.2 allows it: at least 24 px, or alone within a 24 px circle.
const tooSmall = (page, { cell, target }) => page.evaluate(([cellSide, side]) => {
    const name = (e) => e.id || e.getAttribute('aria-label') || e.className || e.textContent;
    const seen = [...document.querySelectorAll('body *')].filter((e) => e.checkVisibility())
        .map((e) => [e, e.getBoundingClientRect()]);
    const targets = seen.filter(([e]) => e.matches('button:not(.cell), input'));
    const near = (r, x, y) => Math.hypot(Math.max(r.left - x, 0, x - r.right), Math.max(r.top - y, 0, y - r.bottom));
    const bad = [];
    for (const [e, r] of seen) {
        const px = parseFloat(getComputedStyle(e).fontSize) * (e.currentCSSZoom ?? 1);
        if ([...e.childNodes].some((n) => n.nodeType === 3 && n.textContent.trim()) && px < (e.closest('#box') ? 16 : 14) - 0.01)
            bad.push(`${name(e)}: text ${px.toFixed(1)} px`);
        const least = e.matches('.cell') ? cellSide : targets.some(([t]) => t === e) && side;
        const [x, y] = [r.x + r.width / 2, r.y + r.height / 2];
        const allowed = least === side && side <= 24 && (Math.min(r.width, r.height) >= 24 ||
            targets.every(([t, q]) => t === e || near(q, x, y) >= 12));
        if (least && Math.min(r.width, r.height) < least - 0.01 && !allowed)
            bad.push(`${name(e)}: ${r.width.toFixed(1)} x ${r.height.toFixed(1)} px`);
        const frame = e.parentElement.closest('.client, .menubar, .caption, .window')?.getBoundingClientRect();
        if (frame && (r.left < frame.left - 1 || r.top < frame.top - 1 || r.right > frame.right + 1 || r.bottom > frame.bottom + 1))
            bad.push(`${name(e)}: cut off`);
    }
    const window = Form1.getBoundingClientRect();
    const scroll = document.scrollingElement;
    if (window.left < 0 || window.top < 0 || window.right > innerWidth || window.bottom > innerHeight ||
        scroll.scrollWidth > innerWidth || scroll.scrollHeight > innerHeight)
        bad.push('the window off the screen');
    return bad;
}, [cell, target]);

// On phones, a tablet and a desktop screen, light and dark: the sizes above, the main window, About
// and a box; every cell under its own place; the desktop's window where the Qt build has each control.
// Turning the phone keeps the game. Screenshots for a look.
// Pixels of a fresh board, inside its border, that are neither the sea's blue, its wave's
// white, nor a blend of the blue with either: where cells meet between two screen pixels, the
// ground would show as light or grey lines.
async function offTheSea(page) {
    const r = await page.locator('#Picture1').boundingBox();
    const across = await page.evaluate(() => innerWidth);
    const png = await page.screenshot();
    const blank = await page.context().newPage(); // decoded where no policy refuses a data address
    const count = await blank.evaluate(async ([data, { x, y, width, height }, across]) => {
        const image = new Image();
        image.src = `data:image/png;base64,${data}`;
        await image.decode();
        const [scale, side] = [image.width / across, (w) => Math.floor((w - 12) * image.width / across)];
        const canvas = new OffscreenCanvas(side(width), side(height)).getContext('2d');
        canvas.drawImage(image, -(x + 6) * scale, -(y + 6) * scale);
        const p = canvas.getImageData(0, 0, side(width), side(height)).data;
        let off = 0;
        for (let i = 0; i < p.length; i += 4)
            off += Math.abs(p[i] - p[i + 1]) > 3 || (p[i + 2] < 240 && p[i] > 3);
        return off;
    }, [png.toString('base64'), r, across]);
    await blank.close();
    return count;
}

async function fitsEveryScreen() {
    mkdirSync(shots, { recursive: true });
    for (const [width, height, touch, cell, target] of [[390, 844, 3, 34, 44], [844, 390, 3, 30, 44],
        [768, 1024, 2, 34, 24], [1280, 800, 0, 0, 0]]) {
        for (const colorScheme of ['light', 'dark']) {
            const page = await open({ viewport: { width, height }, colorScheme, hasTouch: !!touch, isMobile: !!touch, deviceScaleFactor: touch || 1.25 });
            const size = `${width}x${height}`;
            const seen = [...await tooSmall(page, { cell, target })];
            const missed = await page.evaluate(() => [...document.querySelectorAll('.cell')].filter((c) => {
                const r = c.getBoundingClientRect();
                return document.elementFromPoint(r.x + r.width / 2, r.y + r.height / 2)?.closest('.cell') !== c;
            }).length);
            expect(`cells that a tap at their centre misses at ${size}`, missed, 0);
            await page.screenshot({ path: `${shots}/${size}-${colorScheme}.png` });
            expect(`pixels of a fresh board off the sea at ${size}, ${colorScheme}`, await offTheSea(page), 0);
            await page.click('#aide');
            seen.push(...await tooSmall(page, { cell, target }));
            await page.click('#menuapropos');
            seen.push(...await tooSmall(page, { cell, target }));
            await page.screenshot({ path: `${shots}/${size}-${colorScheme}-about.png` });
            await page.click('#Dialog-OKButton');
            await page.click('#aide');
            await page.click('#menuaide');
            seen.push(...await tooSmall(page, { cell, target }));
            await page.screenshot({ path: `${shots}/${size}-${colorScheme}-box.png` });
            expect(`too small or cut off at ${size}, ${colorScheme}`, [...new Set(seen)], []);
            await answer(page, 'OK');
            if (width === 390 && colorScheme === 'light') { // taps are clicks; a double click is one
                await page.touchscreen.tap(...await centre(page, '.cell >> nth=99'));
                await page.mouse.dblclick(...await centre(page, '.cell >> nth=98'));
                await page.touchscreen.tap(...await centre(page, '.cell >> nth=0'));
                expect('said after a tap, a double click and a tap', await page.textContent('#said'),
                    'A1 : votre bateau. Encore 7 bateaux à placer.');
                const before = await gameState(page);
                await page.setViewportSize({ width: height, height: width });
                await page.evaluate(() => new Promise((done) => requestAnimationFrame(() => requestAnimationFrame(done))));
                expect('the phone turned', [await tooSmall(page, { cell: 30, target }), await gameState(page)], [[], before]);
            }
            await page.context().close();
        }
    }
}

// A kept game that cannot be read, or storage that the browser refuses or that is full: a new
// game, and no error.
async function unreadableRecordsStartANewGame() {
    for (const [what, from, to] of [
        ['an edited record', '"inputs"', '"inputs":'],
        ['a record of other rules', '"version":"\\w+"', '"version":"x"'],
        ['a record that does not replay', '\\[\\["c",5\\]', '[["a",0],["c",5]'],
        ['storage full at the third input'],
        ...initScripts ? [['refused storage']] : [],
    ]) {
        const context = await browser.newContext();
        if (what === 'refused storage')
            await context.addInitScript(() => Object.defineProperty(window, 'sessionStorage', { get: () => { throw new DOMException('', 'SecurityError'); } }));
        const page = await context.newPage();
        const errors = [];
        page.on('pageerror', (error) => errors.push(error.message));
        await page.goto(site.url);
        await started(page);
        await clickCell(page, 5);
        await clickCell(page, 6);
        await page.evaluate(([f, t, full]) => {
            if (f)
                sessionStorage.setItem('torvelle.game', sessionStorage.getItem('torvelle.game').replace(new RegExp(f), t));
            if (full) { // the next input cannot be kept
                Storage.prototype.setItem = () => { throw new DOMException('', 'QuotaExceededError'); };
                document.querySelectorAll('.cell')[2].click();
            }
        }, [from, to, what.startsWith('storage full')]);
        await page.reload();
        await started(page);
        expect(`after a reload with ${what}`, [(await cellNames(page)).slice(5, 7), errors], [['A6, mer', 'A7, mer'], []]);
        await clickCell(page, 7);
        expect(`a ship placed with ${what}`, (await cellNames(page))[7], 'A8, votre bateau');
        await context.close();
    }
}

// Every text at 4.5 : 1 on its ground, on a dark scheme and in forced colours; the About dialog
// and a box open too.
async function everyTextReadable() {
    for (const media of [{ colorScheme: 'dark' }, { forcedColors: 'active' }]) {
        const page = await open();
        await page.emulateMedia(media);
        await page.click('#aide');
        await page.click('#menuapropos');
        await page.click('#Dialog-Command1');
        const poor = await page.evaluate(() => {
            const rgb = (c) => c.match(/[\d.]+/g).map(Number);
            const lum = ([r, g, b]) => [r, g, b].map((v) => v / 255)
                .map((v) => (v <= 0.04045 ? v / 12.92 : ((v + 0.055) / 1.055) ** 2.4))
                .reduce((sum, v, i) => sum + v * [0.2126, 0.7152, 0.0722][i], 0);
            const ground = (e) => {
                for (; e; e = e.parentElement) {
                    const c = rgb(getComputedStyle(e).backgroundColor);
                    if (c.length < 4 || c[3] > 0)
                        return c;
                }
                return [255, 255, 255];
            };
            const texts = [...document.querySelectorAll('body *')].filter((e) => e.checkVisibility() &&
                [...e.childNodes].some((n) => n.nodeType === 3 && n.textContent.trim()));
            return texts.map((e) => {
                const [a, b] = [lum(rgb(getComputedStyle(e).color)), lum(ground(e))];
                return [e.id || e.textContent, (Math.max(a, b) + 0.05) / (Math.min(a, b) + 0.05)];
            }).filter(([, ratio]) => ratio < 4.5).map(([what, ratio]) => `${what} ${ratio.toFixed(1)} : 1`);
        });
        expect(`texts under 4.5 : 1 with ${JSON.stringify(media)}`, poor, []);
        await page.context().close();
    }
}

test('a whole game by the mouse, as the Qt build plays it, and kept across reloads', wholeGameMatchesTheQtReplay);
test('offline', onlyChromium, playsOffline);
test('fits every screen, light and dark', onlyChromium, fitsEveryScreen);
test('an unreadable kept game starts a new one', unreadableRecordsStartANewGame);
test('every text readable, in forced colours too', onlyChromium, everyTextReadable);
// The input a game by clicks never sends, as the desktops check it: one row a behaviour.
test('one row a behaviour: a key or a click on the grid, the slider\'s buttons and steps, the boxes, About, the end', async () => {
    const page = await open();
    const focused = () => page.evaluate(() => document.activeElement.id || document.activeElement.className);
    expect('focus at the start', await focused(), 'Picture1');
    await page.keyboard.press('x');
    expect('focus after a key on the grid', await focused(), 'Form1');
    await page.focus('#Picture1');
    await clickCell(page, 0);
    expect('focus after a click on a cell', await focused(), 'Form1');
    await page.focus('#Slider1');
    const slider = () => page.$eval('#Slider1', (s) => Number(s.value));
    const at = await slider();
    await page.keyboard.press('ArrowRight');
    await page.keyboard.press('PageDown');
    expect('the slider after Right and Page Down', await slider(), at + 6);
    for (const button of ['right', 'middle', 'left']) {
        await page.mouse.click(...await centre(page, '#Slider1'), { button });
        await page.waitForFunction(() => Progre.max === Slider1.value * 14); // the breath, in tenths
    }
    for (const key of ['Enter', 'Escape']) {
        await page.click('#aide');
        await page.click('#menuaide');
        await page.waitForFunction(() => box.open);
        await page.keyboard.press(key);
        expect(`the help after ${key}`, await openBox(page), false);
    }
    await page.click('#aide');
    await page.click('#menuapropos');
    await page.click('#Dialog-Command1');
    await page.waitForFunction(() => box.open);
    expect('the box of Payement', (await openBox(page)).title, 'Pour payer Torvelle');
    await page.keyboard.press('Enter');
    expect('About after its box', [await openBox(page), await page.$eval('#Dialog', (d) => d.open)], [false, true]);
    await page.click('#Dialog .close');
    expect('About after its close box', await page.$eval('#Dialog', (d) => d.open), false);
    // "&Quitter" ends the game: its farewell, then a board that no longer reacts, and a new game.
    await page.click('#quit');
    expect('the farewell', (await openBox(page))?.title, 'Dod irud er URIVE');
    await answer(page, 'OK');
    await clickCell(page, 6).catch(() => {});
    expect('a click after the end', (await cellNames(page))[6], 'A7, mer');
    await page.click('#newGame');
    await started(page);
    expect('the board of a new game', (await cellNames(page))[0], 'A1, mer');
    await page.context().close();
});

// In every engine: the window fitted to the screen, the drop-down under its title, and on a
// desktop's screen each control where the Qt build has it.
test('the window fitted, its menu under its title, its controls where the Qt build has them', async () => {
    const qt = execFileSync(replay, ['--places'], { encoding: 'utf8', stdio: ['ignore', 'pipe', 'ignore'] });
    for (const [width, height] of [[390, 844], [844, 390], [1280, 800]]) {
        const page = await open({ viewport: { width, height } });
        const size = `${width}x${height}`;
        const r = await page.locator('#Form1').boundingBox();
        const inside = r.x > -1 && r.y > -1 && r.x + r.width < width + 1 && r.y + r.height < height + 1;
        expect(`the window at ${size}: within the screen, and meeting it on one side`,
            [inside, Math.min(width - r.width, height - r.height) < 4], [true, true]);
        await page.click('#aide');
        const opener = await page.locator('#aide').boundingBox();
        expect(`what is under "?" at ${size}`, await page.evaluate(([x, y]) => document.elementFromPoint(x, y)
            ?.closest('.menu')?.id, [opener.x + opener.width / 2, opener.y + opener.height + 6]), 'aide-menu');
        if (width === 1280) {
            const fitted = (line) => (/^Label[3-9]\b|^Label[12]\(/.test(line) ? line.split('\t').slice(0, 3).join('\t') : line);
            const wanted = qt.trimEnd().split('\n').map(fitted);
            expect('the desktop\'s window against the Qt build', (await page.evaluate((names) => names.map((name) => {
                const e = document.getElementById(name.replace(/\((\d)\)/, '-$1'));
                const style = getComputedStyle(e); // a hidden control by its style
                return [name, ...(e.hidden ? [style.left, style.top, style.width, style.height].map(parseFloat)
                    : [e.offsetLeft, e.offsetTop, e.offsetWidth, e.offsetHeight])].join('\t');
            }), wanted.map((line) => line.split('\t')[0]))).map(fitted), wanted);
        }
        await page.context().close();
    }
});

test(`a fresh board without seams, at ratios of ${ratios.join(', ')}`, async () => {
    for (const [width, height, deviceScaleFactor] of [[1280, 800, ratios[0]], [1280, 800, ratios[1]], [390, 844, ratios[2]]]) {
        const page = await open({ viewport: { width, height }, deviceScaleFactor });
        expect(`pixels of a fresh board off the sea at ${width}x${height}, ratio ${deviceScaleFactor}`,
            await offTheSea(page), 0);
        await page.context().close();
    }
});

test('a click the rules fail on is said, and the next one is played', async () => {
    const page = await open();
    await page.evaluate(() => {
        const ccall = Module.ccall;
        Module.ccall = () => { Module.ccall = ccall; throw new Error('seeded'); };
    });
    await clickCell(page, 0);
    const said = await page.waitForFunction(() => document.getElementById('said').textContent);
    await clickCell(page, 1);
    await page.waitForFunction(() => !/mer$/.test(document.querySelectorAll('.cell')[1].ariaLabel));
    expect('the cells, and what was said of the failed click', [...(await cellNames(page)).slice(0, 2),
        await said.jsonValue()], ['A1, mer', 'A2, votre bateau', "Erreur : ce clic n'a pas pu être joué."]);
    await page.context().close();
});
test('nothing refused by the page\'s security policy', { skip: !readsConsole && `not in ${engine}` },
    () => expect('refused', blocked, []));
after(async () => {
    await browser.close();
    await site.close();
});
