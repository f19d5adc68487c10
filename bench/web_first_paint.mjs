// web_first_paint.mjs SITE [ROUNDS]: the page's first visit in Debian's Chromium, headless,
// against a bare page with the same controls (100 buttons showing the sea picture, the row and
// column labels, the score texts, a slider and a progress bar, at the scale the game's window is
// shown: no style, no script), alternating
// in one run: the time from navigation to the first frame that paints the whole board, and every
// byte each visit loads (the service worker's copies included).
import { spawn } from 'node:child_process';
import { once } from 'node:events';
import { writeFile, cp, mkdtemp, rm } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { chromium } from '../tests/web/node_modules/playwright-core/index.mjs';

// The site served by a process of its own, as a static host is: fresh for every visit, so that
// each is a first visit, and counting what it sends.
async function serveSite(root) {
    const server = spawn(process.execPath, [new URL('../tests/web/site_server.mjs', import.meta.url).pathname, root],
        { stdio: ['pipe', 'pipe', 'inherit'] });
    const [address] = await once(server.stdout, 'data');
    return {
        url: String(address).trim(),
        close: () => server.stdin.end(),
        served: async () => {
            server.stdin.write('\n');
            return Number(String((await once(server.stdout, 'data'))[0]));
        },
    };
}

const [siteRoot, rounds = '21', width = '1280', height = '800'] = process.argv.slice(2);
const root = await mkdtemp(join(tmpdir(), 'torvelle-bench-'));
await cp(siteRoot, root, { recursive: true });
const cells = Array.from({ length: 100 }, (_, i) =>
    `<button aria-label="${i}"><img alt="" src="pictures/2.svg" width="32" height="32"></button>${i % 10 === 9 ? '<br>' : ''}`);
const browser = await chromium.launch({
    executablePath: '/usr/bin/chromium',
    args: ['--disable-gpu', '--no-first-run', '--disable-background-networking',
        '--disable-component-update', '--disable-sync'],
});
// Shown at the scale the game's window has on this screen, in the arrangement it takes there.
const zoom = await (async () => {
    const site = await serveSite(siteRoot);
    const tab = await browser.newPage({ viewport: { width: Number(width), height: Number(height) } });
    await tab.goto(site.url);
    const scale = await tab.evaluate(() => getComputedStyle(document.documentElement).getPropertyValue('--s'));
    await tab.close();
    await site.close();
    return Number(scale);
})();
await writeFile(join(root, 'bare.html'), `<!doctype html><html lang="fr"><meta charset="utf-8"><title>bare</title><body style="zoom:${zoom}">
<div>${'ABCDEFGHIJ'.split('').join(' ')} 1 2 3 4 5 6 7 8 9 10</div><div class="cell-board">${cells.join('')}</div>
<p>SCORES : Joueur : Ordinateur :</p><input type="range" min="20" max="100"><progress max="1000" value="0"></progress>`);

// When the last picture of the board was painted, from the navigation's start, as the browser's
// element timing reports it: every picture is marked for it as the page is parsed.
const watchBoard = () => {
    new MutationObserver((changes) => changes.forEach((change) => change.addedNodes.forEach((node) => {
        if (node.nodeName === 'IMG' && node.parentNode.nodeName === 'BUTTON')
            node.setAttribute('elementtiming', 'cell');
    }))).observe(document, { childList: true, subtree: true });
    const painted = [];
    new PerformanceObserver((list) => {
        painted.push(...list.getEntries().map((entry) => entry.renderTime));
        if (painted.length === 100)
            window.boardPainted = Math.max(...painted);
    }).observe({ type: 'element', buffered: true });
};

async function visit(page) {
    const site = await serveSite(root);
    const context = await browser.newContext({ viewport: { width: Number(width), height: Number(height) } });
    const tab = await context.newPage();
    await tab.addInitScript(watchBoard);
    await tab.goto(site.url + page);
    const painted = await (await tab.waitForFunction(() => window.boardPainted)).jsonValue();
    const firstPaint = await tab.evaluate(() =>
        performance.getEntriesByType('paint').find((e) => e.name === 'first-contentful-paint')?.startTime ?? NaN);
    await tab.waitForLoadState('networkidle');
    if (page === '')
        await tab.waitForFunction(() => navigator.serviceWorker.controller, null, { timeout: 20000 });
    const bytes = await site.served();
    await context.close();
    await site.close();
    return { painted, firstPaint, bytes };
}

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const results = { game: [], bare: [] };
for (let round = 0; round < Number(rounds); ++round) {
    results.game.push(await visit(''));
    results.bare.push(await visit('bare.html'));
}
await browser.close();
await rm(root, { recursive: true });
const figure = (name, key) => median(results[name].map((r) => r[key]));
const line = (what, key) => console.log(`${what}: game ${figure('game', key).toFixed(1)} ms, bare ${figure('bare', key).toFixed(1)} ms: ` +
    `${(figure('game', key) / figure('bare', key)).toFixed(2)}× (median of ${rounds})`);
line('Navigation to the last picture of the board painted', 'painted');
line('Navigation to the first contentful paint', 'firstPaint');
console.log(`Bytes loaded on a first visit: game ${figure('game', 'bytes')} (${(figure('game', 'bytes') / 1024).toFixed(1)} KiB), bare ${figure('bare', 'bytes')}`);
