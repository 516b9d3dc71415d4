// SPDX-License-Identifier: MIT
// What the page's tests and benchmark share: a static server of the built
// page on a free loopback port, Debian's headless Chromium, and a page loaded
// in a browser context of its own that records every request and every error.

import { createServer } from 'node:http';
import { readFile } from 'node:fs/promises';
import { extname, join, normalize, resolve } from 'node:path';
import { chromium } from 'playwright-core';

const here = new URL('.', import.meta.url).pathname;
export const pageDir = resolve(process.env.VORLENTA_WEB_DIR ?? join(here, '../../build/web'));

const types = {
    '.html': 'text/html', '.htm': 'text/html', '.js': 'text/javascript', '.mjs': 'text/javascript',
    '.css': 'text/css', '.wasm': 'application/wasm', '.json': 'application/json',
    '.webmanifest': 'application/manifest+json', '.png': 'image/png', '.svg': 'image/svg+xml',
};

// Serves dir (or the pages given as path → text) until close(); served(path,
// body) hears every answer.
export async function serve(dir = pageDir, extra = {}, served = () => {}) {
    const server = createServer(async (request, response) => {
        const path = decodeURIComponent(new URL(request.url, 'http://x').pathname);
        const file = path.endsWith('/') ? path + 'index.html' : path;
        try {
            const body = extra[file] ?? await readFile(join(dir, normalize(file).replace(/^(\.\.[/\\])+/, '')));
            response.writeHead(200, { 'Content-Type': types[extname(file)] ?? 'application/octet-stream' });
            response.end(body);
            served(file, body);
        } catch {
            response.writeHead(404).end();
        }
    });
    await new Promise(done => server.listen(0, '127.0.0.1', done));
    return {
        origin: `http://127.0.0.1:${server.address().port}`,
        close: () => new Promise(done => { server.closeAllConnections(); server.close(done); }),
    };
}

// A fresh profile each launch: no cache, no service worker from an earlier run.
export function launch() {
    return chromium.launch({
        executablePath: process.env.VORLENTA_CHROMIUM ?? '/usr/bin/chromium',
        args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
            '--disable-background-networking', '--disable-component-update', '--disable-sync'],
    });
}

// A phone as the page's tests emulate one: touch, 360 px wide.
export const phone = { viewport: { width: 360, height: 740 }, hasTouch: true, isMobile: true };

// A context in a locale, viewport and colour scheme (and with the options of
// a phone); its log gathers requests outside origin and the errors in the
// console of every page in it.
export async function openContext(browser, origin, { locale = 'en-US', viewport = { width: 1280, height: 800 }, ...options } = {}) {
    const context = await browser.newContext({ locale, viewport, ...options });
    const log = { foreign: [], errors: [] };
    context.on('request', r => { if (new URL(r.url()).origin !== origin) log.foreign.push(r.url()); });
    // The console is the page's: a help page it opens is a document of its own.
    const ours = page => !page?.url().includes('/help/');
    context.on('console', m => { if (m.type() === 'error' && ours(m.page())) log.errors.push(m.text()); });
    context.on('weberror', e => { if (ours(e.page())) log.errors.push(String(e.error())); });
    return { context, log };
}

// Loads the page and waits until its results follow the keys.
export async function openPage(context, origin) {
    const page = await context.newPage();
    await page.goto(origin + '/');
    await page.waitForSelector('html[data-live="1"]', { timeout: 15000 });
    return page;
}
