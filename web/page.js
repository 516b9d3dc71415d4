// SPDX-License-Identifier: MIT
// The page as the window's face: it mirrors every change of the model into
// its element (never echoing it back) and hands every edit, leaving, key and
// click of the user to the model. It computes nothing itself.

import { BODY_MASS_MISSING, CAPTION_CHANGED, FIELD_COUNT, PANELS_CHANGED, PANEL_COUNT } from './model.js';

const byId = (id) => document.getElementById(id);

// Keys that switch the tabs never reach a field, as in the window.
function switchesTabs(event) {
  return event.ctrlKey && (event.key === 'PageDown' || event.key === 'PageUp' || event.key === 'Tab');
}

export class Page {
  #model = null;
  // What the user did before the model arrived, in order, each waiting to be
  // handed to it: the fields take input from the start.
  #pending = [];
  #fields = [];
  #panels = [];
  #buttons = [byId('Command1'), byId('Command2')];
  // The field whose focus went with the browser window: it comes back
  // without a select-all, and going was no leaving.
  #suspended = null;
  // The field a pointer is focusing: its click selects all once more.
  #selectOnClick = null;

  constructor() {
    for (let n = 1; n <= FIELD_COUNT; n += 1) this.#fields[n] = byId(`Text${n}`);
    this.#fields.forEach((field, n) => {
      if (field) this.#wireField(field, n);
    });
    this.#buttons.forEach((button, i) => {
      // A click takes the focus, so the field being edited is left before
      // the button converts, whatever the browser does with focus on click.
      button.addEventListener('mousedown', () => button.focus());
      button.addEventListener('click', () => this.#act((model) => model.click(i + 1)));
    });
    window.addEventListener('blur', () => {
      if (this.#fields.includes(document.activeElement)) this.#suspended = document.activeElement;
    });
  }

  // The model has arrived: it loads as the window does, takes what the user
  // did meanwhile, and the page shows the outcome at once.
  attach(model, notation) {
    const focused = this.#fields.includes(document.activeElement) ? document.activeElement : null;
    // The fields are empty until the model fills them: the one entered
    // before then and not typed into had nothing to select.
    const untouched = focused?.value === '';
    this.#model = model;
    this.#panels = [];
    for (let n = 1; n <= PANEL_COUNT; n += 1) {
      if (model.needsBodyMass(n)) this.#panels.push(byId(`Frame${n}`));
    }
    let changes = model.start(notation);
    for (const action of this.#pending) changes |= action(model);
    this.#pending = [];
    this.#mirror(changes);
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
    for (let n = 1; n <= FIELD_COUNT; n += 1) {
      if (changes & (1 << (n - 1))) {
        const field = this.#fields[n];
        const text = this.#model.text(n);
        if (field.value !== text) field.value = text;
      }
    }
    if (changes & PANELS_CHANGED) {
      const enabled = this.#model.panelsEnabled();
      for (const panel of this.#panels) panel.disabled = !enabled;
    }
    if (changes & CAPTION_CHANGED) {
      this.#buttons.forEach((button, i) => {
        button.textContent = this.#model.caption(i + 1);
      });
    }
    if (changes & BODY_MASS_MISSING) showMessage();
  }

  #wireField(field, n) {
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
    field.addEventListener('keydown', (event) => {
      // Tab moves the focus away: it is no key in the field.
      if (event.key === 'Tab' || switchesTabs(event)) return;
      this.#act((model) => model.keyDown(n));
    });
    field.addEventListener('input', () => {
      const text = field.value;
      this.#act((model) => model.edit(n, text));
    });
  }
}

// The "body mass first" message: modal, its OK button focused; Enter, Escape
// or a click closes it, and the focus goes back where it was.
function showMessage() {
  const box = byId('MsgBox');
  if (box.open) return;
  const before = document.activeElement;
  box.addEventListener('close', () => before?.focus?.(), { once: true });
  box.showModal();
  byId('MsgBoxOK').focus();
}

export function wireMessageBox() {
  const box = byId('MsgBox');
  byId('MsgBoxOK').addEventListener('click', () => box.close());
}

// The tab control: a click, the arrow keys, Home and End on the row of tabs,
// and Ctrl+PageDown / Ctrl+PageUp anywhere.
export function wireTabs() {
  const tabs = [byId('SSTab1_0'), byId('SSTab1_1')];
  const pages = [byId('SSTab1_panel0'), byId('SSTab1_panel1')];
  const show = (index, focus) => {
    tabs.forEach((tab, i) => {
      tab.setAttribute('aria-selected', String(i === index));
      tab.tabIndex = i === index ? 0 : -1;
      pages[i].hidden = i !== index;
    });
    if (focus) tabs[index].focus();
  };
  const shown = () => tabs.findIndex((tab) => tab.getAttribute('aria-selected') === 'true');
  tabs.forEach((tab, i) => tab.addEventListener('click', () => show(i, true)));
  byId('SSTab1').addEventListener('keydown', (event) => {
    const to = { ArrowRight: shown() + 1, ArrowLeft: shown() - 1, Home: 0, End: tabs.length - 1 }[event.key];
    if (to === undefined) return;
    event.preventDefault();
    show((to + tabs.length) % tabs.length, true);
  });
  document.addEventListener('keydown', (event) => {
    if (!switchesTabs(event)) return;
    event.preventDefault();
    const by = event.key === 'PageUp' || (event.key === 'Tab' && event.shiftKey) ? -1 : 1;
    show((shown() + by + tabs.length) % tabs.length, false);
  });
}

// File ▸ Help. Opening the menu with the mouse leaves the focus where it is,
// as the window's menu does; from the keyboard the menu takes it.
export function wireMenu() {
  const file = byId('mnufile');
  const menu = byId('mnufile_menu');
  const help = byId('mnuhelp');
  const open = (focusEntry) => {
    menu.hidden = false;
    file.setAttribute('aria-expanded', 'true');
    if (focusEntry) help.focus();
  };
  const close = (focusFile) => {
    menu.hidden = true;
    file.setAttribute('aria-expanded', 'false');
    if (focusFile) file.focus();
  };
  for (const element of [file, help]) element.addEventListener('mousedown', (event) => event.preventDefault());
  file.addEventListener('click', (event) => {
    // detail is 0 for Enter and Space.
    if (menu.hidden) open(event.detail === 0);
    else close(false);
  });
  file.addEventListener('keydown', (event) => {
    if (event.key === 'ArrowDown') {
      event.preventDefault();
      open(true);
    }
  });
  menu.addEventListener('keydown', (event) => {
    if (event.key === 'Escape' || event.key === 'Tab') {
      if (event.key === 'Escape') event.preventDefault();
      close(event.key === 'Escape');
    }
  });
  help.addEventListener('click', () => close(false));
  document.addEventListener('mousedown', (event) => {
    if (!menu.hidden && !file.parentElement.contains(event.target)) close(false);
  });
}
