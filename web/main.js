// SPDX-License-Identifier: MIT
// Starts the page. The fields take input as soon as the page is in the
// reader's language and wired, and <html data-ready="1"> says so; once the
// model that comes with the script has started, <html data-live="1"> says
// that results follow every keystroke.

import { browserNotation } from './locale.js';
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

// Shows one of the page's notices.
function notice(id) {
  byId(id).hidden = false;
}

// Asks the service worker to keep one of the files it does not store at the
// first visit, for use offline.
function keepOffline(file) {
  navigator.serviceWorker?.ready.then((ready) => ready.active?.postMessage({ keep: file }));
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
    notice('Update');
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
    keepOffline(byId('mnuhelp').getAttribute('href')); // the help in the reader's language
    offer(registration.waiting);
    registration.addEventListener('updatefound', () => {
      const worker = registration.installing;
      worker?.addEventListener('statechange', () => {
        if (worker.state === 'installed') offer(worker);
      });
    });
  });
}

// The squad view, the first time it is shown: its script, which brings its
// own model. Both are kept for use offline from then on.
let squadScript = null;
function openSquadView(view) {
  if (view.dataset.view !== 'squad' || squadScript) return;
  squadScript = document.createElement('script');
  squadScript.src = `squad.js?v=${VERSION}`;
  squadScript.addEventListener('load', () => ['squad.js', 'squad.wasm'].forEach(keepOffline));
  squadScript.addEventListener('error', () => {
    byId('SquadLoading').hidden = true;
    byId('SquadFailed').hidden = false;
  });
  document.head.append(squadScript);
}

// The script is deferred and holds back the first paint, so the page is
// never seen in the wrong language or unwired.
const language = pageLanguage();
if (language !== 'en') translate(language);
const page = new Page(browserNotation);
wireFieldLinks(wireTabs(openSquadView));
document.querySelector('#LoadFailed .reload').addEventListener('click', () => location.reload());
root.dataset.ready = '1';

// Then the model, which came with this script, once whoever watches
// data-ready has heard of it, and still before the first paint: the page is
// never seen waiting for it. The locale's number data is the most of that
// wait (a page's first number format takes tens of milliseconds).
queueMicrotask(async () => {
  try {
    const model = Model.create();
    browserNotation(); // meanwhile, where the module compiles off this thread
    page.attach(await model);
    root.dataset.live = '1';
  } catch (fault) {
    notice('LoadFailed');
    console.warn(String(fault)); // the page shows it and what to do
  }
});

if ('serviceWorker' in navigator) watchForNewVersions();
