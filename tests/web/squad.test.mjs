// SPDX-License-Identifier: MIT
// The squad view as a coach uses it: the athletes of the squad scenarios
// typed down each column show the window's texts; a spreadsheet's rows
// pasted, sorted, with formula columns; a CSV file exported and imported
// back as it was, names shown as typed; files that cannot be a squad leave
// it as it was; the squad survives a reload and a killed browser, and a
// page left while a file waits to replace it.

import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { spawn } from 'node:child_process';
import { mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { chromium } from 'playwright-core';
import { launch, openContext, phone, serve } from './browser.mjs';

let server, browser;
before(async () => { server = await serve(); browser = await launch(); });
after(async () => { await browser?.close(); await server?.close(); });

async function openSquad(context) {
    const page = await context.newPage();
    await page.goto(`${server.origin}/#squad`);
    await page.waitForSelector('#SSTab1_panel2[data-ready="1"]', { timeout: 15000 });
    return page;
}

const cell = (row, column) => `[data-row="${row}"] [data-column="${column}"]`;
// The column's cells as a user sees them, row after row.
const columnOf = (page, column) => page.$$eval('#SquadTable [data-row]', (rows, name) => {
    const at = [...document.querySelector('#SquadTable [role=row]').children].findIndex(head => head.dataset.column === name);
    return rows.map(row => { const c = row.children[at]; return c.querySelector('input')?.value ?? c.textContent; });
}, column);

async function choose(page, columns) {
    await page.click('#SquadColumns summary');
    for (const column of columns) await page.check(`#SquadTests input[value="${column}"]`);
    await page.click('#SquadColumns summary');
}

// The squad's file columns of the window's fields.
const columns = {
    Text11: 'body_mass', Text12: 'body_fat', Text14: 'target_body_fat', Text2: 'load', Text3: 'reps', Text6: 'dist1',
    Text7: 'time1', Text8: 'dist2', Text9: 'time2', Text16: 'speed', Text17: 'bike_mass', Text18: 'grade',
    Text21: 'running_speed', Text13: 'fat_free_mass', Text15: 'target_body_mass', Text4: 'one_rm', Text5: 'one_rm_per_kg',
    Text10: 'acceleration', Text19: 'power', Text20: 'power_per_kg', Text22: 'running_power',
};
const athletes = readFileSync(new URL('../scenarios/squad.txt', import.meta.url), 'utf8').split('\n')
    .filter(line => line.includes(' | ')).map(line => line.split(' | ')[1].split(/\s+/))
    .map(steps => ({
        typed: Object.fromEntries(steps.map(s => s.match(/^(Text\d+)=(.*)$/)).filter(Boolean).map(([, f, v]) => [columns[f], v])),
        shown: Object.fromEntries(steps.map(s => s.match(/^(Text\d+):(.*)$/)).filter(Boolean).map(([, f, v]) => [columns[f], v])),
    }));

for (const [locale, options] of [['en-US', {}], ['de-DE', phone]]) {
    test(`one test for the whole squad, down its column, shows the window's results (${locale})`, async () => {
        const { context, log } = await openContext(browser, server.origin, { locale, ...options });
        const page = await openSquad(context);
        const inputs = await page.$$eval('#SquadTests input', boxes => boxes.map(box => box.value));
        await choose(page, inputs.filter(name => name !== 'body_mass'));
        const german = text => (locale === 'de-DE' ? text.replace(/[.,]/g, c => (c === '.' ? ',' : '.')) : text);
        for (const column of inputs) {
            await (options.hasTouch ? page.tap(cell(1, column)) : page.click(cell(1, column)));
            for (const { typed } of athletes) {
                await page.keyboard.type(german(typed[column] ?? ''));
                await page.keyboard.press('Enter');
            }
        }
        for (const column of new Set(athletes.flatMap(({ shown }) => Object.keys(shown)))) {
            assert.deepEqual((await columnOf(page, column)).slice(0, athletes.length),
                athletes.map(({ shown }) => german(shown[column] ?? '')), column);
        }
        assert.equal(await page.evaluate(() => document.activeElement.closest('[data-row]').dataset.row), String(athletes.length + 1),
            'Enter went down to a new row');
        await context.close();
        assert.deepEqual(log, { foreign: [], errors: [] });
    });
}

test('the names stay at the left of a table scrolled sideways on a phone, and a tap on one goes to its cell', async () => {
    const { context, log } = await openContext(browser, server.origin, phone);
    const page = await openSquad(context);
    await choose(page, ['load', 'reps', 'speed', 'grade']);
    await page.tap(cell(1, 'name'));
    for (const name of ['Ana', 'Ben', 'Caro']) {
        await page.keyboard.type(name);
        await page.keyboard.press('Enter');
    }
    await page.tap(cell(2, 'grade'));
    // What the left edge of each row in sight shows, a frame after the scroll.
    const atLeft = () => page.evaluate(() => new Promise(shown => requestAnimationFrame(() => requestAnimationFrame(() => {
        const view = document.getElementById('SquadScroll').getBoundingClientRect();
        const below = document.querySelector('.squad-head').getBoundingClientRect().bottom;
        shown([...document.querySelectorAll('#SquadTable [role=row][data-row]')].flatMap(row => {
            const { top, height } = row.getBoundingClientRect();
            if (top + height / 2 < below || top + height / 2 > view.bottom) return [];
            const seen = document.elementFromPoint(view.left + 8, top + height / 2);
            return [seen.value ?? seen.textContent];
        }));
    }))));
    assert.ok(await page.evaluate(() => document.getElementById('SquadScroll').scrollLeft > 0), 'scrolled sideways');
    assert.deepEqual(await atLeft(), ['Ana', 'Ben', 'Caro', '']);
    await page.fill(cell(3, 'grade'), '2');
    await page.evaluate(() => { document.getElementById('SquadScroll').scrollTop += 10; });
    assert.deepEqual(await atLeft(), ['Ana', 'Ben', 'Caro', ''], 'after an edit and a scroll down');
    await page.tap('.squad-rail [data-of-row="2"]');
    assert.equal(await page.evaluate(() => `${document.activeElement.closest('[data-row]').dataset.row} ${document.activeElement.dataset.column}`),
        '2 name');
    assert.deepEqual(await atLeft(), ['1', '2', '3', '4'], 'the row numbers, scrolled back');

    // Forty athletes pasted: their rows in order, and the names beside the
    // rows far down, scrolled sideways.
    const names = Array.from({ length: 40 }, (_, i) => `Athlete ${i + 1}`);
    await page.tap(cell(1, 'name'));
    await page.evaluate(text => {
        const data = new DataTransfer();
        data.setData('text/plain', text);
        document.activeElement.dispatchEvent(new ClipboardEvent('paste', { clipboardData: data, bubbles: true, cancelable: true }));
    }, names.join('\r\n'));
    assert.deepEqual(await columnOf(page, 'name'), names);
    await page.tap(cell(37, 'grade'));
    const seen = await atLeft();
    assert.ok(seen.length >= 5 && seen.includes('Athlete 37'), seen.join());
    assert.deepEqual(seen, names.slice(names.indexOf(seen[0]), names.indexOf(seen[0]) + seen.length));
    await context.close();
    assert.deepEqual(log, { foreign: [], errors: [] });
});

test('pasted rows, sorted, with formula columns; exported and imported back; files that are no squad change nothing', async () => {
    const { context, log } = await openContext(browser, server.origin, { locale: 'de-DE' });
    const page = await openSquad(context);
    page.on('dialog', dialog => { log.errors.push(`a dialog: ${dialog.message()}`); dialog.dismiss(); });
    await choose(page, ['load', 'reps']);
    await page.click(cell(1, 'name'));
    await page.evaluate(text => {
        const data = new DataTransfer();
        data.setData('text/plain', text);
        document.activeElement.dispatchEvent(new ClipboardEvent('paste', { clipboardData: data, bubbles: true, cancelable: true }));
    }, 'Anna\t80\t100\t10\r\n<img src=x onerror=alert(1)>\t72,5\t150\t5\r\n=1+2\t70\t80\t8\r\n');
    assert.deepEqual(await columnOf(page, 'one_rm'), ['133,37', '168,77', '99,33']);

    for (const formula of ['rel = one_rm / body_mass', 'rel2 = rel * 2', 'bad = rel * (2']) {
        await page.fill('#SquadFormula', formula);
        await page.press('#SquadFormula', 'Enter');
    }
    assert.deepEqual(await columnOf(page, 'rel2'), ['3,33425', '4,655724137931035', '2,838']);
    assert.match(await page.textContent('#SquadFormulas'), /bad = rel \* \(2Schließende Klammer erwartet \(Position 9\)/);
    await page.fill('#SquadFormula', `long = ${'1+'.repeat(20000)}1`);
    await page.press('#SquadFormula', 'Enter');
    assert.match(await page.textContent('#SquadStatus'), /Ausdruck zu lang/);

    await page.click('#SquadTable [role=columnheader][data-column="body_mass"] button');
    assert.deepEqual(await columnOf(page, 'name'), ['=1+2', '<img src=x onerror=alert(1)>', 'Anna']);

    const [download] = await Promise.all([page.waitForEvent('download'), page.click('#SquadExport')]);
    const exported = readFileSync(await download.path(), 'utf8');
    assert.equal(exported, '\uFEFFname;body_mass;load;reps;one_rm;one_rm_per_kg;rel;rel2;bad\n'
        + '"\'=1+2";70;80;8;99,33;1,42;1,419;2,838;\n'
        + '<img src=x onerror=alert(1)>;72,5;150;5;168,77;2,33;2,3278620689655174;4,655724137931035;\n'
        + 'Anna;80;100;10;133,37;1,67;1,667125;3,33425;\n');

    const importing = async (name, buffer) => {
        const [chooser] = await Promise.all([page.waitForEvent('filechooser'), page.click('#SquadImport')]);
        // Playwright hands over files of more than 50 MB by their path alone.
        const dir = mkdtempSync(join(tmpdir(), 'vorlenta-'));
        const path = join(dir, name);
        writeFileSync(path, buffer);
        const said = await page.textContent('#SquadStatus');
        await chooser.setFiles(path);
        const asked = await page.waitForFunction(before => document.getElementById('SquadConfirm').open
            || document.getElementById('SquadStatus').textContent !== before, said).then(() => page.isVisible('#SquadConfirm'));
        rmSync(dir, { recursive: true });
        if (asked) await page.click('#SquadConfirmOk');
        return page.textContent('#SquadStatus');
    };
    const before = await columnOf(page, 'name');
    for (const [name, bytes, why] of [
        ['junk.csv', Buffer.from([0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a, 0, 0, 0, 0x0d, 0xff, 0xfe]), /kein UTF-8-Text/],
        ['huge.csv', Buffer.alloc(50 * 1024 * 1024, 'a,'), /zu groß/],
        ['wide.csv', Buffer.from(`${Array.from({ length: 10000 }, (_, i) => `c${i}`).join(',')}\n`), /mehr als 200 Spalten/],
        ['big.csv', Buffer.from(`${Array.from({ length: 1000 }, () => '1,'.repeat(199) + '1').join('\n')}\n`), /mehr als 650 Zeilen/],
    ]) {
        assert.match(await importing(name, bytes), why, name);
        assert.deepEqual(await columnOf(page, 'name'), before, `${name} left the squad as it was`);
    }

    await page.fill(cell(1, 'name'), 'someone else');
    assert.match(await importing('squad.csv', Buffer.from(exported)), /: 3\.$/);
    assert.deepEqual(await columnOf(page, 'name'), ['=1+2', '<img src=x onerror=alert(1)>', 'Anna'], 'names as typed');
    const [again] = await Promise.all([page.waitForEvent('download'), page.click('#SquadExport')]);
    assert.equal(readFileSync(await again.path(), 'utf8'), exported, 'an exported squad comes back as it was');
    await page.click('#SquadClear');
    await page.click('#SquadConfirmOk');
    assert.deepEqual([await columnOf(page, 'name'), await page.textContent('#SquadFormulas')], [[''], '']);

    await page.emulateMedia({ media: 'print' });
    assert.deepEqual([await page.isVisible('#SquadTable'), await page.isVisible('#SquadExport'), await page.isVisible('#SSTab1')],
        [true, false, false], 'printed: the table alone');
    await context.close();
    assert.deepEqual(log, { foreign: [], errors: [] });
});

// Chromium on a profile of its own, as a user's: its browser process can be
// killed as a crash kills it, and a new one opens the same profile.
async function startChromium(profile) {
    const browserProcess = spawn(process.env.VORLENTA_CHROMIUM ?? '/usr/bin/chromium', ['--headless', '--no-sandbox',
        '--disable-gpu', '--no-first-run', '--remote-debugging-port=0', `--user-data-dir=${profile}`, 'about:blank'],
    { stdio: ['ignore', 'ignore', 'pipe'], detached: true });
    const address = await new Promise((resolve, reject) => {
        let said = '';
        browserProcess.stderr.on('data', data => { said += data; const found = said.match(/DevTools listening on (ws:\S+)/); if (found) resolve(found[1]); });
        browserProcess.on('exit', () => reject(new Error(`chromium ended: ${said}`)));
    });
    const connected = await chromium.connectOverCDP(address);
    return { browserProcess, context: connected.contexts()[0] };
}

// SIGKILL to the browser process, then to whatever of it is left.
function kill({ browserProcess }) {
    if (browserProcess.exitCode !== null || browserProcess.signalCode) return Promise.resolve();
    return new Promise(gone => {
        browserProcess.on('exit', gone);
        browserProcess.kill('SIGKILL');
        try { process.kill(-browserProcess.pid, 'SIGKILL'); } catch { /* nothing left */ }
    });
}

test('the squad survives a reload, a killed browser and a page left while a file waits to replace it', async t => {
    const profile = mkdtempSync(join(tmpdir(), 'vorlenta-profile-'));
    let running = await startChromium(profile);
    t.after(async () => { await kill(running); rmSync(profile, { recursive: true, force: true }); });
    let page = await openSquad(running.context);
    await page.click(cell(1, 'name'));
    await page.keyboard.type('Anna');
    await page.keyboard.press('Tab');
    await page.keyboard.type('80');
    await page.reload();
    await page.waitForSelector('#SSTab1_panel2[data-ready="1"]');
    assert.deepEqual([await page.inputValue(cell(1, 'name')), await page.inputValue(cell(1, 'body_mass'))], ['Anna', '80']);

    await page.click(cell(1, 'body_mass'));
    await page.keyboard.type('72.5');
    await page.keyboard.press('Enter');
    await page.keyboard.press('Shift+Tab');
    await page.keyboard.type('Ben');
    await page.waitForTimeout(1000); // the typing stops a second before the crash
    await kill(running);
    running = await startChromium(profile);
    page = await openSquad(running.context);
    assert.deepEqual(await columnOf(page, 'name'), ['Anna', 'Ben']);
    assert.deepEqual(await columnOf(page, 'body_mass'), ['72.5', '']);

    // Left while asked whether a file is to replace the squad: the squad stays.
    const [chooser] = await Promise.all([page.waitForEvent('filechooser'), page.click('#SquadImport')]);
    await chooser.setFiles({ name: 'other.csv', mimeType: 'text/csv', buffer: Buffer.from('name,load,reps\nCleo,100,5\nDan,90,3\n') });
    await page.waitForSelector('#SquadConfirm[open]');
    await page.reload();
    await page.waitForSelector('#SSTab1_panel2[data-ready="1"]');
    assert.deepEqual(await columnOf(page, 'name'), ['Anna', 'Ben']);
});
