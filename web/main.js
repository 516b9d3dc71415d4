// SPDX-License-Identifier: MIT
// Starts the page: the reader's language and number notation, the model,
// then the fields take input and <html data-ready="1"> says so.

import { Model } from './model.js';
import { Page, wireMenu, wireMessageBox, wireTabs } from './page.js';

const root = document.documentElement;
let ready;
window.vorlentaReady = new Promise((resolve) => {
  ready = resolve;
});

// The first of the browser's languages that the page speaks; English else.
function pageLanguage() {
  const spoken = root.dataset.languages.split(' ');
  for (const tag of navigator.languages ?? [navigator.language]) {
    const language = tag.toLowerCase().split('-')[0];
    if (spoken.includes(language)) return language;
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

async function strings(language) {
  if (language === 'en') return null; // the document is English already
  try {
    const response = await fetch(`strings/${language}.json`);
    return response.ok ? await response.json() : null;
  } catch {
    return null; // the English words stay
  }
}

function translate(words, language) {
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

async function start() {
  const language = pageLanguage();
  const words = strings(language);
  // The module compiles off the main thread while the locale's number data
  // loads on it (a page's first number format takes tens of milliseconds).
  const loading = Model.load('vorlenta.wasm');
  const notation = browserNotation();
  const model = await loading;
  const translated = await words;
  // The script runs as soon as it arrives, perhaps before the document is
  // whole: the model is on its way by now, the fields may still be coming.
  if (document.readyState === 'loading') {
    await new Promise((parsed) => document.addEventListener('DOMContentLoaded', parsed, { once: true }));
  }
  if (translated) translate(translated, language);

  wireTabs();
  wireMenu();
  wireMessageBox();
  new Page(model).start(notation);

  // The window opens with the focus in the body mass, its text selected.
  if (document.activeElement === document.body || !document.activeElement) document.getElementById('Text11').focus();
  root.dataset.ready = '1';
  ready();
}

start();

// Caches the whole page for use without a network, once it has loaded.
if ('serviceWorker' in navigator) {
  window.addEventListener('load', () => {
    navigator.serviceWorker.register('sw.js').catch(() => {});
  });
}
