// run.mjs SITE: Lighthouse on the browser build, served on this machine, in Debian's Chromium:
// the page as a phone loads it and as a desktop does. Prints each category's score and the
// audits a phone player depends on; a figure to read, not a test.
import * as chromeLauncher from 'chrome-launcher';
import lighthouse from 'lighthouse';
import desktopConfig from 'lighthouse/core/config/desktop-config.js';
import { serveSite } from '../../tests/web/site_server.mjs';

const [siteRoot] = process.argv.slice(2);
const site = await serveSite(siteRoot);
const chrome = await chromeLauncher.launch({
    chromePath: '/usr/bin/chromium',
    chromeFlags: ['--headless=new', '--no-sandbox', '--disable-gpu', '--no-first-run', '--disable-background-networking',
        '--disable-component-update', '--disable-sync'],
});
const watched = ['font-size', 'target-size', 'viewport', 'color-contrast', 'errors-in-console',
    'first-contentful-paint', 'largest-contentful-paint', 'total-blocking-time', 'cumulative-layout-shift'];
try {
    for (const [device, config] of [['mobile', undefined], ['desktop', desktopConfig]]) {
        const { lhr } = await lighthouse(site.url, { port: chrome.port, output: 'json', logLevel: 'error' }, config);
        const scores = Object.values(lhr.categories).map((c) => `${c.title} ${Math.round(c.score * 100)}`);
        console.log(`Lighthouse ${lhr.lighthouseVersion}, ${device}: ${scores.join(', ')}`);
        for (const id of watched) {
            const audit = lhr.audits[id];
            if (audit)
                console.log(`  ${audit.title}: ${audit.displayValue ?? (audit.score === null ? 'n/a' : audit.score === 1 ? 'passed' : 'failed')}`);
        }
        for (const audit of Object.values(lhr.audits).filter((a) => a.score !== null && a.score < 1 && a.scoreDisplayMode === 'binary'))
            console.log(`  not passed: ${audit.title}`);
    }
} finally {
    await chrome.kill();
    await site.close();
}
