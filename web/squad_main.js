// SPDX-License-Identifier: MIT
// Starts the squad view, which the page loads the first time the view is
// shown: its markup in the page's language, then the squad's model, then the
// squad the device keeps. One page at a time edits the squad: a second one
// waits until the first is closed, so that neither writes over the other.
// <section data-ready="1"> says the squad is shown and takes input.

import { browserNotation } from './locale.js';
import { SquadModel } from './squad_model.js';
import { SquadStore } from './squad_store.js';
import { SQUAD_CSS, SQUAD_HTML } from './squad_strings.js';
import { byId, SquadView } from './squad_view.js';
import { translateMarkup, useLanguage, words } from './squad_words.js';

const VERSION = '@VERSION@';
const section = byId('SSTab1_panel2');

// Holds the squad for this page until it closes, once no other page holds it.
function holdSquad(waiting) {
  if (!navigator.locks) return Promise.resolve();
  return new Promise((held) => {
    navigator.locks.request('vorlenta-squad', { ifAvailable: true }, (lock) => {
      if (lock) {
        held();
        return new Promise(() => {});
      }
      waiting();
      return navigator.locks.request('vorlenta-squad', () => {
        held();
        return new Promise(() => {});
      });
    });
  });
}

// The view's styles, beside the page's own: a stylesheet made by the script,
// which the page's Content-Security-Policy lets in as it lets in no
// <style> element but its own.
function addStyles() {
  const sheet = new CSSStyleSheet();
  sheet.replaceSync(SQUAD_CSS);
  document.adoptedStyleSheets = [...document.adoptedStyleSheets, sheet];
}

async function start() {
  addStyles();
  useLanguage(document.documentElement.lang);
  const template = document.createElement('template');
  template.innerHTML = SQUAD_HTML;
  translateMarkup(template.content);
  byId('SquadView').replaceChildren(template.content);
  byId('SquadLoading').hidden = true;
  const status = byId('SquadStatus');

  // Numbers as the page writes them; a squad's file knows a point or a comma.
  const decimal = browserNotation().decimal === ',' ? ',' : '.';
  const [model] = await Promise.all([
    SquadModel.load(`squad.wasm?v=${VERSION}`),
    holdSquad(() => {
      status.textContent = words('The squad is open in another tab or window of this browser; it opens here once that one is closed.');
    }),
  ]);
  status.textContent = '';
  const view = new SquadView(model, decimal);
  let store = null;
  let kept = null;
  try {
    store = await SquadStore.open(() => view.record());
    kept = await store.load();
  } catch (fault) {
    store = null;
    view.say(fault.kind === 'newer'
      ? words('A newer version of the page keeps a squad on this device: reload the page to open it.')
      : words('This browser does not let the page keep the squad: it is lost when the page is closed. Export it to keep it.'), true);
  }
  if (store) {
    store.onFault = () => view.say(words('The squad could not be stored on this device: is its storage full? Export it to keep it.'), true);
  }
  view.show(kept, store);
  section.dataset.ready = '1';
}

start().catch((fault) => {
  console.warn(String(fault)); // the page shows it and what to do
  byId('SquadLoading').hidden = true;
  byId('SquadFailed').hidden = false;
});
