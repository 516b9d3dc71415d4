// SPDX-License-Identifier: MIT
// The scenario tables of tests/scenarios played on the page by real typing,
// Tab, clicks, taps and key presses: each row in "." notation in an en-US
// desktop browser, and in "," notation on a de-DE phone (touch, 360 px).
// Meanwhile no request may leave the page's origin and no error may reach the
// console.

import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { launch, openContext, openPage, phone, serve } from './browser.mjs';

// The rows the page plays, all but those that name their players without it
// (tests/scenarios/scenario_file.h reads them too).
const rows = file => readFileSync(new URL(`../scenarios/${file}`, import.meta.url), 'utf8').split('\n')
    .filter(line => line.includes(' | ') && !line.startsWith('#'))
    .map(line => { const [, players, name, steps] = line.match(/^(?:([a-z+]+): )?(.*?) \| (.*)$/); return { players, name, steps }; })
    .filter(row => !row.players || row.players.split('+').includes('page'));

const keys = { Tab: 'Tab', Backtab: 'Shift+Tab', Left: 'ArrowLeft', Right: 'ArrowRight', Enter: 'Enter', Space: ' ', PgDown: 'Control+PageDown' };

class PagePlayer {
    constructor(page, phone) { Object.assign(this, { page, phone }); }

    // A finger on a phone, the mouse on a desktop.
    touch(selector) { return this.phone ? this.page.tap(selector) : this.page.click(selector); }

    focused() {
        return this.page.evaluate(() => document.activeElement?.closest('#SSTab1') ? 'SSTab1' : document.activeElement?.id);
    }

    // Clicks a control, showing its tab first, as a user must.
    async click(id) {
        const panel = await this.page.$eval(`#${id}`, e => e.closest('[role=tabpanel]')?.id);
        const tab = panel && `#SSTab1_${panel.at(-1)}`;
        if (tab && await this.page.getAttribute(tab, 'aria-selected') !== 'true') await this.touch(tab);
        await this.touch(`#${id}`);
    }

    async play(word) {
        const [, name, action, text] = word.match(/^([^=:]+)([=:]?)(.*)$/);
        const { page } = this;
        const sign = name.startsWith('±') && `[data-sign-for=${name.slice(1)}]`;
        if (action === '=') {
            if (await this.focused() === name) await page.keyboard.press('Control+A');
            else await this.click(name);
            if (text) await page.keyboard.type(text);
            else await page.keyboard.press('Delete');
        } else if (name === 'show') await this.touch(`#SSTab1_${text}`);
        else if (name === 'shown') assert.equal(await page.getAttribute(`#SSTab1_${text}`, 'aria-selected'), 'true');
        else if (name === 'reasons') {
            // A panel that says why it waits describes itself by the reason;
            // one that does not, by nothing ("?" marks a mismatch).
            const waiting = await page.$$eval('fieldset', frames => frames.map(f => {
                const reason = document.getElementById(`${f.id}_reason`);
                const shown = Boolean(reason && !reason.hidden), described = f.hasAttribute('aria-describedby');
                return shown === described ? (shown && f.getAttribute('aria-describedby') === reason.id ? f.id : '') : `${f.id}?`;
            }).filter(Boolean).join('+'));
            assert.equal(waiting, text, 'the panels that say they wait');
        } else if (action === ':') {
            const shown = await page.$eval(`#${name}`, e => ('value' in e ? e.value : e.dataset.caption));
            assert.equal(shown, text, name);
        } else if (sign) {
            await this.touch(sign);
        } else if (name.startsWith('@')) assert.equal(await this.focused(), name.slice(1), 'the focus');
        else if (name === '*') {
            assert.ok(await page.evaluate(() => { const e = document.activeElement; return e.selectionStart === 0 && e.selectionEnd === e.value.length; }), 'all selected');
        } else if (name.startsWith('>') || name.startsWith('Command')) await this.click(name.replace('>', ''));
        else if (name.endsWith('panels')) {
            for (const frame of ['Frame3', 'Frame4'])
                assert.equal(await page.$eval(`#${frame}`, e => e.disabled), name === '-panels', frame);
        } else if (keys[name]) await page.keyboard.press(keys[name]);
        else assert.fail(`unknown step ${name}`);
    }
}

let server, browser;
before(async () => { server = await serve(); browser = await launch(); });
after(async () => { await browser?.close(); await server?.close(); });

const all = [...rows('calculators.txt'), ...rows('window.txt'), ...rows('squad.txt')];
test('scenarios', { concurrency: true }, t => Promise.all([['en-US', false], ['de-DE', true]].map(([locale, german]) =>
    t.test(`in ${locale}`, async t => {
        const { context, log } = await openContext(browser, server.origin, { locale, ...(german ? phone : {}) });
        for (const row of all) {
            await t.test(row.name, async () => {
                const page = await openPage(context, server.origin);
                const player = new PagePlayer(page, german);
                const steps = german ? row.steps.replace(/[.,]/g, c => (c === '.' ? ',' : '.')) : row.steps;
                for (const word of steps.split(/\s+/).filter(Boolean))
                    await player.play(word).catch(e => { e.message = `at step ${word}: ${e.message}`; throw e; });
                await page.close();
            });
        }
        await context.close();
        assert.deepEqual(log.foreign, [], 'requests outside the origin');
        assert.deepEqual(log.errors, [], 'errors in the console');
    }))));
