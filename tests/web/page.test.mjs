// SPDX-License-Identifier: MIT
// The page beyond its scenarios: it computes and opens its help with the
// network cut after the first load, it says when this browser cannot run its
// model, a new version never disturbs an open page, results are read out
// once they settle, and its layout fits a phone and a desktop, light and
// dark, in every language, with nothing for axe-core to find.

import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { mkdirSync, readFileSync } from 'node:fs';
import { join } from 'node:path';
import { createRequire } from 'node:module';
import { launch, openContext, openPage, pageDir, phone, serve } from './browser.mjs';

let browser;
before(async () => { browser = await launch(); });
after(async () => { await browser?.close(); });

async function oneRepMax(page) {
    for (const [field, text] of [['Text11', '80'], ['Text2', '100'], ['Text3', '10']]) {
        await page.click(`#${field}`);
        await page.keyboard.press('Control+A');
        await page.keyboard.type(text);
    }
    await page.waitForSelector('html[data-live="1"]', { timeout: 15000 });
    return page.textContent('#Text4');
}

test('a model this browser cannot run says so, in the reader\'s language', async t => {
    const server = await serve();
    t.after(() => server.close());
    const faults = {
        'no WebAssembly': () => { delete window.WebAssembly; },
        'a module it cannot compile': () => {
            WebAssembly.Module = function () { throw new WebAssembly.CompileError('not for this browser'); };
        },
    };
    for (const [fault, script] of Object.entries(faults)) {
        await t.test(fault, async () => {
            const { context } = await openContext(browser, server.origin, { locale: 'de-DE' });
            await context.addInitScript(script);
            const page = await context.newPage();
            await page.goto(server.origin + '/');
            await page.waitForSelector('#LoadFailed:not([hidden])');
            assert.match(await page.textContent('#LoadFailed'), /nicht geladen.*Neu laden/s);
            assert.equal(await page.getAttribute('html', 'data-live'), null);
            await context.close();
        });
    }
});

test('computes offline after the first load, with its help and the squad view once opened', async () => {
    const server = await serve();
    const { context, log } = await openContext(browser, server.origin);
    const page = await openPage(context, server.origin);
    await page.click('#SSTab1_2');
    await page.waitForSelector('#SSTab1_panel2[data-ready="1"]', { timeout: 15000 });
    // Kept as they are asked for, not at the first visit.
    await page.waitForFunction(async () => {
        const kept = await Promise.all(['help/vorlenta_en.htm', 'squad.js', 'squad.wasm'].map(file => caches.match(file)));
        return kept.every(Boolean);
    });
    await server.close();
    await context.setOffline(true);
    await page.goto(server.origin + '/');
    await page.waitForSelector('html[data-ready="1"]', { timeout: 15000 });
    assert.equal(await oneRepMax(page), '133.37');
    const [help] = await Promise.all([context.waitForEvent('page'), page.click('#mnuhelp')]);
    await help.waitForLoadState();
    assert.match(help.url(), /\/help\/vorlenta_en\.htm$/);
    assert.match(await help.textContent('body'), /The two converters/, 'the page\'s help, offline too');
    await page.reload();
    await page.click('#SSTab1_2');
    await page.waitForSelector('#SSTab1_panel2[data-ready="1"]', { timeout: 15000 });
    await context.close();
    assert.deepEqual(log.errors, [], 'errors in the console');
});

test('a new version waits while an old page is open, and an old page gets only its own version\'s files', async t => {
    // The second version: the build's files, with the version they name renamed.
    const file = name => readFileSync(join(pageDir, name), 'utf8');
    const v1 = file('sw.js').match(/const VERSION = '(\w+)'/)[1];
    const v2 = [...v1].reverse().join('') === v1 ? `${v1}2` : [...v1].reverse().join('');
    const newer = {};
    const server = await serve(pageDir, newer);
    t.after(() => server.close());
    const { context } = await openContext(browser, server.origin);
    const old = await openPage(context, server.origin);
    await old.evaluate(() => navigator.serviceWorker.ready);
    await old.waitForFunction(() => navigator.serviceWorker.controller);
    for (const name of ['sw.js', 'index.html', 'main.js']) newer[`/${name}`] = file(name).replaceAll(v1, v2);
    const fetched = (page, path) => page.evaluate(async p => { const r = await fetch(p); return r.ok ? r.text() : r.status; }, path);
    const versionOf = async page => ((await fetched(page, 'main.js')).match(/const VERSION = '(\w+)'/) ?? [])[1];

    const other = await openPage(context, server.origin); // a second page, still of the old version
    await other.evaluate(() => navigator.serviceWorker.getRegistration().then(r => r.update()));
    await old.waitForSelector('#Update:not([hidden])');
    assert.equal(await versionOf(old), v1, 'the new version waits while the old pages are open');

    await Promise.all([other.waitForNavigation(), other.click('#Update .reload')]);
    await other.waitForSelector('html[data-live="1"]');
    assert.equal(await versionOf(other), v2, 'the page that asked runs the new version');
    assert.match(await fetched(old, `main.js?v=${v1}`), new RegExp(`'${v1}'`), 'the old page gets its own files');
    assert.equal(await fetched(old, `main.js?v=${v2.replace(/./, c => (c === 'a' ? 'b' : 'a'))}`), 404, 'and none of a version nobody stored');
    assert.ok((await old.evaluate(() => caches.keys())).includes(`vorlenta-${v1}`), 'the old files stay while their page is open');

    await old.close();
    await other.reload();
    await other.waitForFunction(v => caches.keys().then(names => !names.includes(`vorlenta-${v}`)), v1, { timeout: 10000 });
    await context.close();
});

test('reads out results once they settle, those of the tab shown', async t => {
    const server = await serve();
    t.after(() => server.close());
    const { context } = await openContext(browser, server.origin);
    const page = await openPage(context, server.origin);
    await page.evaluate(() => {
        window.announced = [];
        new MutationObserver(() => window.announced.push(document.getElementById('Announce').textContent))
            .observe(document.getElementById('Announce'), { childList: true, characterData: true, subtree: true });
    });
    await oneRepMax(page);
    await page.waitForFunction(() => window.announced.length > 0);
    await page.waitForTimeout(1000);
    const announced = await page.evaluate(() => window.announced);
    assert.equal(announced.length, 1, 'one announcement for the whole typing');
    assert.match(announced[0], /1RM \(kg\) 133\.37; 1RM per kg body mass 1\.67/);
    assert.doesNotMatch(announced[0], /Power/, 'results of the hidden tab');
    await context.close();
});

test('the address names the view shown', async t => {
    const server = await serve();
    t.after(() => server.close());
    const { context } = await openContext(browser, server.origin);
    const page = await context.newPage();
    await page.goto(`${server.origin}/#power`);
    await page.waitForSelector('html[data-live="1"]');
    assert.equal(await page.isVisible('#Text6'), true, '#power opens the second view');
    await page.click('#SSTab1_0');
    assert.equal(await page.evaluate(() => location.hash), '', 'the first view has no name');
    await page.evaluate(() => { location.hash = '#power'; });
    await page.waitForSelector('#Text6', { state: 'visible' });
    await context.close();
});

// Every caption, field and button on the shown tab: its text whole, inside
// its panel, overlapping none of the others; the page no wider than the screen.
function layoutFaults() {
    const faults = [];
    const shown = e => e.getClientRects().length && getComputedStyle(e).visibility !== 'hidden';
    const controls = [...document.querySelectorAll('[id^=Text],[id^=Command],[id^=Label],[role=tab],#mnuhelp,h1,legend,.reason,.sign,.squad button,.squad summary,.squad label')].filter(shown);
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

// The squad view with two athletes, one of them with a result and a fault.
async function squadOfTwo(page) {
    await page.waitForSelector('#SSTab1_panel2[data-ready="1"]');
    await page.click('#SquadColumns summary');
    await page.check('#SquadTests input[value="body_fat"]');
    await page.fill('[data-row="1"] [data-column="name"]', 'Anna Lindqvist-Martínez');
    await page.fill('[data-row="1"] [data-column="body_mass"]', '80');
    await page.fill('[data-row="1"] [data-column="body_fat"]', '20');
    await page.click('#SquadAddRow');
    await page.keyboard.type('Ben');
    await page.keyboard.press('Tab');
    await page.keyboard.type('7O');
}

const axeSource = readFileSync(createRequire(import.meta.url).resolve('axe-core/axe.min.js'), 'utf8');
const axeFindings = async page => {
    await page.addScriptTag({ content: axeSource });
    const { violations } = await page.evaluate(() => window.axe.run(document, { resultTypes: ['violations'] }));
    return violations.map(v => `${v.id}: ${v.nodes.map(n => n.target.join(' ')).join(', ')}`);
};

const shots = process.env.VORLENTA_SCREENSHOTS ?? join(pageDir, '../web-screenshots');
mkdirSync(shots, { recursive: true });
const forms = { phone, desktop: { viewport: { width: 1280, height: 800 } } };

test('layout fits phone and desktop, light and dark, in every language, and axe-core finds nothing', async t => {
    const server = await serve();
    t.after(() => server.close());
    let english;
    for (const locale of ['en-US', 'de-DE', 'fr-FR', 'es-ES']) {
        for (const [form, options] of Object.entries(forms)) {
            for (const colorScheme of ['light', 'dark']) {
                await t.test(`${locale} ${form} ${colorScheme}`, async () => {
                    // The policy forbids inline script, axe-core's too: this context alone lets it in.
                    const { context, log } = await openContext(browser, server.origin, { locale, colorScheme, bypassCSP: true, ...options });
                    const page = await openPage(context, server.origin);
                    const caption = await page.textContent('#Frame6 legend');
                    english ??= caption;
                    assert.ok(locale === 'en-US' || caption !== english, `the page speaks ${locale}`);
                    for (const tab of [0, 1, 2]) {
                        if (tab) await page.click(`#SSTab1_${tab}`); // clicking the shown tab would leave Text11
                        if (tab === 2) await squadOfTwo(page);
                        assert.deepEqual(await page.evaluate(layoutFaults), [], `tab ${tab}`);
                        assert.deepEqual(await axeFindings(page), [], `axe-core on tab ${tab}`);
                        await page.screenshot({ path: join(shots, `page-${form}-${colorScheme}-${locale.slice(0, 2)}-tab${tab}.png`), fullPage: true });
                    }
                    await context.close();
                    assert.deepEqual(log.errors, [], 'errors in the console');
                });
            }
        }
    }
});
