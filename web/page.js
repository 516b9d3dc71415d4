// SPDX-License-Identifier: MIT
// The page as the calculators' face: it mirrors every change of the model
// into its element (never echoing it back) and hands every edit and leaving
// of the user to the model. It computes nothing itself. Results are outputs
// that the user cannot type into; the converters follow the typing; a panel
// that waits for a body mass says so.

import { CAPTION_CHANGED, FIELD_COUNT, PANELS_CHANGED, PANEL_COUNT } from './model.js';

export const byId = (id) => document.getElementById(id);

// Keys that switch the tabs never reach a field, as in the window.
function switchesTabs(event) {
  return event.ctrlKey && (event.key === 'PageDown' || event.key === 'PageUp' || event.key === 'Tab');
}

// How long results must stay as they are before they are read out.
const SETTLED_MS = 750;

export class Page {
  #model = null;
  #notation;
  // What the user did before the model arrived, in order, each waiting to be
  // handed to it: the fields take input from the start.
  #pending = [];
  #fields = [];
  #panels = [];
  #signs = [byId('Command1'), byId('Command2')];
  // The field whose focus went with the browser window: it comes back
  // without a select-all, and going was no leaving.
  #suspended = null;
  // The field a pointer is focusing: its click selects all once more.
  #selectOnClick = null;
  #announcer = new Announcer(byId('Announce'));

  // notation() gives the browser's number notation, worked out on first use.
  constructor(notation) {
    this.#notation = notation;
    for (let n = 1; n <= FIELD_COUNT; n += 1) this.#fields[n] = byId(`Text${n}`);
    this.#fields.forEach((field, n) => {
      if (field?.tagName === 'INPUT') this.#wireField(field, n);
    });
    for (const button of document.querySelectorAll('[data-sign-for]')) this.#wireSign(button);
    window.addEventListener('blur', () => {
      if (this.#fields.includes(document.activeElement)) this.#suspended = document.activeElement;
    });
  }

  // The model has arrived: it loads as the window does, takes what the user
  // did meanwhile, and the page shows the outcome at once.
  attach(model) {
    const focused = this.#fields.includes(document.activeElement) ? document.activeElement : null;
    // The fields are empty until the model fills them: the one entered
    // before then and not typed into had nothing to select.
    const untouched = focused?.value === '';
    this.#model = model;
    this.#panels = [];
    for (let n = 1; n <= PANEL_COUNT; n += 1) {
      if (model.needsBodyMass(n)) this.#panels.push(byId(`Frame${n}`));
    }
    let changes = model.start(this.#notation());
    for (const action of this.#pending) changes |= action(model);
    this.#pending = [];
    this.#mirror(changes | PANELS_CHANGED);
    this.#announcer.start();
    if (untouched) focused.select();
  }

  // Hands an action to the model and shows what it changed, or keeps it
  // until the model is there.
  #act(action) {
    if (this.#model) this.#mirror(action(this.#model));
    else this.#pending.push(action);
  }

  // Shows what an action of the model changed.
  #mirror(changes) {
    const model = this.#model;
    for (let n = 1; n <= FIELD_COUNT; n += 1) {
      if (changes & (1 << (n - 1))) {
        const field = this.#fields[n];
        const text = model.text(n);
        if (field.value === text) continue;
        field.value = text;
        if (field.tagName === 'OUTPUT') this.#announcer.changed(field);
      }
    }
    if (changes & PANELS_CHANGED) {
      const enabled = model.panelsEnabled();
      for (const panel of this.#panels) {
        panel.disabled = !enabled;
        showReason(panel, !enabled);
      }
    }
    // The other panels that give a reason convert by the body mass.
    const missing = model.bodyMassMissing();
    for (const reason of document.querySelectorAll('.reason')) {
      const panel = reason.closest('fieldset');
      if (!this.#panels.includes(panel)) showReason(panel, missing);
    }
    if (changes & CAPTION_CHANGED) {
      this.#signs.forEach((sign, i) => {
        sign.dataset.caption = model.caption(i + 1);
      });
    }
  }

  #wireField(field, n) {
    // A sign takes no room of the field's limit: "-12.5" is a grade of four.
    const signed = document.querySelector(`[data-sign-for="${field.id}"]`) !== null;
    const limit = field.maxLength;
    if (signed) field.maxLength = limit + 1;
    let before = null;
    field.addEventListener('focus', () => {
      if (this.#suspended === field) {
        this.#suspended = null;
        return;
      }
      this.#suspended = null;
      field.select();
    });
    field.addEventListener('mousedown', () => {
      if (document.activeElement !== field) this.#selectOnClick = field;
    });
    field.addEventListener('click', () => {
      // The click that focused the field placed the caret: select again.
      if (this.#selectOnClick === field) field.select();
      this.#selectOnClick = null;
    });
    field.addEventListener('blur', () => {
      this.#selectOnClick = null;
      // The browser window going to the background takes the focus without
      // the user leaving the field.
      if (this.#suspended === field || !document.hasFocus()) {
        this.#suspended = field;
        return;
      }
      this.#act((model) => model.leave(n));
    });
    field.addEventListener('beforeinput', () => {
      before = { text: field.value, start: field.selectionStart, end: field.selectionEnd };
    });
    field.addEventListener('input', () => {
      if (signed && before && field.value.replace(/^[-+−]/, '').length > limit) {
        field.value = before.text;
        field.setSelectionRange(before.start, before.end);
        return;
      }
      this.#takeEitherSeparator(field);
      const text = field.value;
      this.#act((model) => model.edit(n, text));
    });
  }

  // Phone keypads show a point or a comma whatever the page's language: the
  // one that is not the decimal separator is taken for it.
  #takeEitherSeparator(field) {
    const { decimal } = this.#notation();
    const other = decimal === '.' ? ',' : '.';
    if (!field.value.includes(other)) return;
    const before = field.value.slice(0, field.selectionStart);
    const caret = before.length + (decimal.length - 1) * (before.split(other).length - 1);
    field.value = field.value.replaceAll(other, decimal);
    field.setSelectionRange(caret, caret);
  }

  // The ± beside a field: turns what is typed into its opposite, and leaves
  // the focus in the field (a tap on it keeps the keypad open).
  #wireSign(button) {
    const field = byId(button.dataset.signFor);
    button.addEventListener('pointerdown', (event) => event.preventDefault());
    button.addEventListener('click', () => {
      const text = field.value;
      const caret = field.selectionEnd ?? text.length;
      const flipped = /^[-−]/.test(text) ? text.slice(1) : `${this.#notation().minus}${text.replace(/^\+/, '')}`;
      if (document.activeElement !== field) {
        this.#selectOnClick = null;
        field.focus();
      }
      field.value = flipped;
      const end = Math.max(0, caret + flipped.length - text.length);
      field.setSelectionRange(end, end);
      this.#act((model) => model.edit(Number(field.id.slice(4)), flipped));
    });
  }
}

function showReason(panel, shown) {
  const reason = byId(`${panel.id}_reason`);
  if (!reason) return;
  reason.hidden = !shown;
  if (shown) panel.setAttribute('aria-describedby', reason.id);
  else panel.removeAttribute('aria-describedby');
}

// Reads out, politely, the results that changed once they have settled: the
// results of the tab shown, each with its caption, after typing pauses.
class Announcer {
  #region;
  #changed = new Set();
  #timer = 0;
  #started = false;

  constructor(region) {
    this.#region = region;
  }

  start() {
    this.#started = true;
  }

  changed(output) {
    if (!this.#started) return;
    this.#changed.add(output);
    clearTimeout(this.#timer);
    this.#timer = setTimeout(() => this.#say(), SETTLED_MS);
  }

  #say() {
    const said = [...this.#changed]
      .filter((output) => output.value !== '' && !output.closest('[hidden]'))
      .map((output) => `${output.labels[0]?.textContent ?? ''} ${output.value}`);
    this.#changed.clear();
    if (said.length) this.#region.textContent = said.join('; ');
  }
}

// The views: each tab shows its page, and the address names the page shown
// (#power; the first has no name in the address). A click, the arrow keys,
// Home and End on the row of tabs, Ctrl+PageDown / Ctrl+PageUp anywhere, or
// a new #name switch them; the focus goes with the tab when the keyboard
// switched; shown(page) hears of each view shown. Returns goTo(id): shows
// the view that holds the element and focuses it.
export function wireTabs(shown = () => {}) {
  const tabs = [...document.querySelectorAll('#SSTab1 [role=tab]')];
  const pages = tabs.map((tab) => byId(tab.getAttribute('aria-controls')));
  const selected = () => tabs.findIndex((tab) => tab.getAttribute('aria-selected') === 'true');
  const show = (index, focus) => {
    tabs.forEach((tab, i) => {
      tab.setAttribute('aria-selected', String(i === index));
      tab.tabIndex = i === index ? 0 : -1;
      pages[i].hidden = i !== index;
    });
    document.documentElement.dataset.view = pages[index].dataset.view;
    shown(pages[index]);
    if (focus) tabs[index].focus();
    const hash = index === 0 ? '' : `#${pages[index].dataset.view}`;
    if (location.hash !== hash) history.replaceState(null, '', hash || location.pathname + location.search);
  };
  const named = () => Math.max(0, pages.findIndex((page) => `#${page.dataset.view}` === location.hash));
  tabs.forEach((tab, i) => tab.addEventListener('click', () => show(i, true)));
  byId('SSTab1').addEventListener('keydown', (event) => {
    const to = { ArrowRight: selected() + 1, ArrowLeft: selected() - 1, Home: 0, End: tabs.length - 1 }[event.key];
    if (to === undefined) return;
    event.preventDefault();
    show((to + tabs.length) % tabs.length, true);
  });
  document.addEventListener('keydown', (event) => {
    if (!switchesTabs(event)) return;
    event.preventDefault();
    const by = event.key === 'PageUp' || (event.key === 'Tab' && event.shiftKey) ? -1 : 1;
    show((selected() + by + tabs.length) % tabs.length, true);
  });
  window.addEventListener('hashchange', () => show(named(), false));
  if (named() !== 0) show(named(), false);
  return (id) => {
    const target = byId(id);
    const index = pages.findIndex((page) => page.contains(target));
    if (index >= 0 && index !== selected()) show(index, false);
    target.focus();
  };
}

// Links to a field, such as a reason's way to the body mass, across views.
export function wireFieldLinks(goTo) {
  for (const link of document.querySelectorAll('a.to-field')) {
    link.addEventListener('click', (event) => {
      event.preventDefault();
      goTo(link.hash.slice(1));
    });
  }
}
