// SPDX-License-Identifier: MIT
// Starts the page. The fields take input as soon as the page is in the
// reader's language and wired, and <html data-ready="1"> says so; the model
// arrives a little later, takes whatever was typed meanwhile, and from then
// on <html data-live="1"> says that results follow every keystroke.

import { Model } from './model.js';
import { Page, wireMenu, wireMessageBox, wireTabs } from './page.js';
import { WORDS } from './strings.js';

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
// language, with its region ("de-CH" writes 1.5, "de-DE" 1,5).
function browserNotation() {
  const locale = navigator.languages?.[0] ?? navigator.language;
  // One formatter shows every piece: "+1.5E0" the plus sign, the decimal
  // separator, the exponent symbol and a zero digit; "-1.5E0" the minus.
  const format = new Intl.NumberFormat(locale, { notation: 'scientific', signDisplay: 'exceptZero' });
  const parts = [...format.formatToParts(1.5), ...format.formatToParts(-1.5)];
  const part = (type, fallback) => parts.find((p) => p.type === type)?.value ?? fallback;
  return {
    decimal: part('decimal', '.'),
    minus: part('minusSign', '-'),
    plus: part('plusSign', '+'),
    exponent: part('exponentSeparator', 'e'),
    zero: part('exponentInteger', '0'),
  };
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

// The model, however long the network takes: what the user types meanwhile
// waits for it, so a download that failed (a phone between two cells, the
// first visit not yet stored) is tried again once the browser is back online,
// or after a while.
async function loadModel() {
  for (let wait = 1000; ; wait = Math.min(2 * wait, 30000)) {
    try {
      return await Model.load('vorlenta.wasm');
    } catch (error) {
      console.warn(`The calculator could not load (${error}); trying again.`);
      await new Promise((again) => {
        window.addEventListener('online', again, { once: true });
        setTimeout(again, wait);
      });
    }
  }
}

// The script is deferred and holds back the first paint, so the page is
// never seen in the wrong language or unwired.
const language = pageLanguage();
if (language !== 'en') translate(language);
const page = new Page();
wireTabs();
wireMenu();
wireMessageBox();
root.dataset.ready = '1';

// Then the model, once whoever watches data-ready has heard of it: the
// module compiles off the main thread while the locale's number data loads
// on it (a page's first number format takes tens of milliseconds, and twice
// that once the first layout and paint compete with it for the processor).
queueMicrotask(async () => {
  const loading = loadModel();
  const notation = browserNotation();
  page.attach(await loading, notation);
  root.dataset.live = '1';
});

// Caches the whole page for use without a network, once it has loaded.
if ('serviceWorker' in navigator) {
  window.addEventListener('load', () => {
    navigator.serviceWorker.register('sw.js').catch(() => {});
  });
}
