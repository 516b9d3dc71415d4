// SPDX-License-Identifier: MIT
// Starts the page. The fields take input as soon as the page is in the
// reader's language and wired, and <html data-ready="1"> says so; the model
// arrives a little later, takes whatever was typed meanwhile, and from then
// on <html data-live="1"> says that results follow every keystroke.

import { Model } from './model.js';
import { byId, Page, wireFieldLinks, wireTabs } from './page.js';
import { WORDS } from './strings.js';

// The build's version: every file the page asks for names it, so that the
// service worker answers with the files of this version and no other.
const VERSION = '@VERSION@';

const root = document.documentElement;

// The first of the browser's languages that the page speaks; English else.
function pageLanguage() {
  for (const tag of navigator.languages ?? [navigator.language]) {
    const language = tag.toLowerCase().split('-')[0];
    if (language === 'en' || Object.hasOwn(WORDS, language)) return language;
  }
  return 'en';
}

// How the browser's locale writes numbers: the locale of the reader's first
// language, with its region ("de-CH" writes 1.5, "de-DE" 1,5). Worked out
// once, when first needed: a page's first number format takes tens of
// milliseconds.
let notation = null;
function browserNotation() {
  if (notation) return notation;
  const locale = navigator.languages?.[0] ?? navigator.language;
  // One formatter shows every piece: "+1.5E0" the plus sign, the decimal
  // separator, the exponent symbol and a zero digit; "-1.5E0" the minus.
  const format = new Intl.NumberFormat(locale, { notation: 'scientific', signDisplay: 'exceptZero' });
  const parts = [...format.formatToParts(1.5), ...format.formatToParts(-1.5)];
  const part = (type, fallback) => parts.find((p) => p.type === type)?.value ?? fallback;
  notation = {
    decimal: part('decimal', '.'),
    minus: part('minusSign', '-'),
    plus: part('plusSign', '+'),
    exponent: part('exponentSeparator', 'e'),
    zero: part('exponentInteger', '0'),
  };
  return notation;
}

// The document is English; the others' words come with this script.
function translate(language) {
  const words = WORDS[language];
  root.lang = language;
  const set = (attribute, apply) => {
    for (const element of document.querySelectorAll(`[${attribute}]`)) {
      const text = words[element.getAttribute(attribute)];
      if (text !== undefined) apply(element, text.replace('%1', element.textContent));
    }
  };
  set('data-s', (element, text) => {
    element.textContent = text;
  });
  set('data-s-label', (element, text) => element.setAttribute('aria-label', text));
  set('data-s-title', (element, text) => element.setAttribute('title', text));
  set('data-s-help', (element, text) => element.setAttribute('href', `help/${text.split('/').pop()}`));
}

// Shows one of the page's notices, or hides it.
function notice(id, shown) {
  byId(id).hidden = !shown;
}

// The model, however long the network takes: what the user types meanwhile
// waits for it, so a download that failed for want of a network (a phone
// between two cells, the first visit not yet stored) is tried again once the
// browser is back online, or after a while. A fault that trying again cannot
// mend (no such file, a module this browser cannot run) is shown and ends it.
async function loadModel() {
  for (let wait = 1000; ; wait = Math.min(2 * wait, 30000)) {
    try {
      const model = await Model.load(`vorlenta.wasm?v=${VERSION}`);
      notice('LoadWaiting', false);
      return model;
    } catch (fault) {
      if (fault.lasting !== false) {
        notice('LoadWaiting', false);
        notice('LoadFailed', true);
        throw fault;
      }
      notice('LoadWaiting', true);
      await new Promise((again) => {
        const waiting = new AbortController();
        const done = () => {
          waiting.abort();
          clearTimeout(timer);
          again();
        };
        const timer = setTimeout(done, wait);
        window.addEventListener('online', done, { signal: waiting.signal });
      });
    }
  }
}

// A new version installs beside this one and waits until no page of this
// version is open; the page offers to switch now. Only the page that asked
// reloads; the others keep their version's files until they close.
function watchForNewVersions() {
  const workers = navigator.serviceWorker;
  let waiting = null;
  let asked = false;
  const offer = (worker) => {
    if (!worker || !workers.controller) return;
    waiting = worker;
    notice('Update', true);
  };
  document.querySelector('#Update .reload').addEventListener('click', () => {
    asked = true;
    if (waiting?.state === 'installed') waiting.postMessage('activate');
    else location.reload();
  });
  workers.addEventListener('controllerchange', () => {
    if (asked) location.reload();
  });
  // The worker asks which version each page runs before it deletes a
  // version's files.
  workers.addEventListener('message', (event) => {
    if (event.data === 'version?') event.ports[0]?.postMessage(VERSION);
  });
  workers.startMessages();
  window.addEventListener('load', async () => {
    const registration = await workers.register('sw.js').catch(() => null);
    if (!registration) return;
    offer(registration.waiting);
    registration.addEventListener('updatefound', () => {
      const worker = registration.installing;
      worker?.addEventListener('statechange', () => {
        if (worker.state === 'installed') offer(worker);
      });
    });
  });
}

// The script is deferred and holds back the first paint, so the page is
// never seen in the wrong language or unwired.
const language = pageLanguage();
if (language !== 'en') translate(language);
const page = new Page(browserNotation);
wireFieldLinks(wireTabs());
document.querySelector('#LoadFailed .reload').addEventListener('click', () => location.reload());
root.dataset.ready = '1';

// Then the model, once whoever watches data-ready has heard of it: the
// module compiles off the main thread while the locale's number data loads
// on it (a page's first number format takes tens of milliseconds, and twice
// that once the first layout and paint compete with it for the processor).
queueMicrotask(async () => {
  const loading = loadModel();
  browserNotation();
  try {
    page.attach(await loading);
    root.dataset.live = '1';
  } catch (fault) {
    console.warn(String(fault)); // the page shows it and what to do
  }
});

if ('serviceWorker' in navigator) watchForNewVersions();
