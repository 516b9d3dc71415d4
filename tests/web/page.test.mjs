// SPDX-License-Identifier: MIT
// The page beyond its scenarios: it computes and opens its help with the
// network cut after the first load, it gets its model after a failed
// download, and its layout fits a phone and a desktop in every language.

import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { mkdirSync } from 'node:fs';
import { join } from 'node:path';
import { launch, openContext, openPage, pageDir, serve } from './browser.mjs';

let browser;
before(async () => { browser = await launch(); });
after(async () => { await browser?.close(); });

async function oneRepMax(page) {
    for (const [field, text] of [['Text11', '80'], ['Text2', '100'], ['Text3', '10']]) {
        await page.click(`#${field}`);
        await page.keyboard.type(text);
    }
    await page.waitForSelector('html[data-live="1"]', { timeout: 15000 });
    return page.inputValue('#Text4');
}

test('fetches the model again after a failed download, and computes what was typed meanwhile', async t => {
    const server = await serve();
    t.after(() => server.close());
    const { context } = await openContext(browser, server.origin, { serviceWorkers: 'block' });
    // The download and its fallback fail, as on a network that drops.
    let tries = 0;
    await context.route('**/vorlenta.wasm*', route => (++tries <= 2 ? route.abort() : route.continue()));
    const page = await context.newPage();
    await page.goto(server.origin + '/');
    await page.waitForSelector('html[data-ready="1"]');
    assert.equal(await oneRepMax(page), '133.37');
    assert.equal(tries, 3);
    await context.close();
});

test('computes offline after the first load', async () => {
    const server = await serve();
    const { context, log } = await openContext(browser, server.origin);
    const page = await openPage(context, server.origin);
    await page.evaluate(() => navigator.serviceWorker.ready);
    await server.close();
    await context.setOffline(true);
    await page.reload();
    await page.waitForSelector('html[data-ready="1"]', { timeout: 15000 });
    assert.equal(await oneRepMax(page), '133.37');
    await page.click('#mnufile');
    const [help] = await Promise.all([context.waitForEvent('page'), page.click('#mnuhelp')]);
    await help.waitForLoadState();
    assert.match(help.url(), /\/help\/vorlenta_en\.htm$/);
    assert.match(await help.textContent('body'), /Body mass/, 'the help page, offline too');
    await context.close();
    assert.deepEqual(log.errors, [], 'errors in the console');
});

// Every caption, field and button on the shown tab: its text whole, inside
// its panel, overlapping none of the others; the page no wider than the screen.
function layoutFaults() {
    const faults = [];
    const shown = e => e.getClientRects().length && getComputedStyle(e).visibility !== 'hidden';
    const controls = [...document.querySelectorAll('[id^=Text],[id^=Command],[id^=Label],[role=tab],#mnufile,legend')].filter(shown);
    const box = e => e.getBoundingClientRect();
    const overlap = (a, b) => a.left < b.right - 1 && b.left < a.right - 1 && a.top < b.bottom - 1 && b.top < a.bottom - 1;
    for (const [i, e] of controls.entries()) {
        const name = e.id || `${e.tagName} "${e.textContent.trim()}"`;
        if (e.scrollWidth > e.clientWidth + 1 && getComputedStyle(e).display !== 'inline') faults.push(`${name} is clipped`);
        const frame = e.closest('fieldset');
        const f = frame && box(frame), r = box(e);
        if (f && (r.left < f.left - 1 || r.right > f.right + 1 || r.bottom > f.bottom + 1)) faults.push(`${name} sticks out of ${frame.id}`);
        for (const other of controls.slice(i + 1))
            if (!other.contains(e) && !e.contains(other) && overlap(r, box(other))) faults.push(`${name} overlaps ${other.id || other.tagName}`);
    }
    if (document.documentElement.scrollWidth > innerWidth) faults.push('the page scrolls sideways');
    return faults;
}

const shots = process.env.VORLENTA_SCREENSHOTS ?? join(pageDir, '../web-screenshots');
mkdirSync(shots, { recursive: true });
const viewports = { phone: { width: 360, height: 640 }, desktop: { width: 1280, height: 800 } };

test('layout fits phone and desktop in every language', async t => {
    const server = await serve();
    t.after(() => server.close());
    let english;
    for (const locale of ['en-US', 'de-DE', 'fr-FR', 'es-ES']) {
        for (const [form, viewport] of Object.entries(viewports)) {
            await t.test(`${locale} ${form}`, async () => {
                const { context, log } = await openContext(browser, server.origin, { locale, viewport });
                const page = await openPage(context, server.origin);
                const caption = await page.textContent('#Frame6 legend');
                english ??= caption;
                assert.ok(locale === 'en-US' || caption !== english, `the page speaks ${locale}`);
                for (const tab of [0, 1]) {
                    if (tab) await page.click('#SSTab1_1'); // clicking the shown tab would leave Text11
                    assert.deepEqual(await page.evaluate(layoutFaults), [], `tab ${tab}`);
                    await page.screenshot({ path: join(shots, `page-${form}-${locale.slice(0, 2)}-tab${tab}.png`), fullPage: true });
                }
                await context.close();
                assert.deepEqual(log.errors, [], 'errors in the console');
            });
        }
    }
});
