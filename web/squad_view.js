// SPDX-License-Identifier: MIT
// The squad view around its table: the columns the coach chooses, the
// formula columns, import and export of CSV files, print, removing a row,
// clearing the squad, the problems found and what the view says. Whatever
// would lose data asks first, in a dialog; a file that cannot be imported
// leaves the squad as it was. Everything the coach enters goes to the model
// and to the store, never elsewhere.

import { SquadTableView } from './squad_table.js';
import { translated, words } from './squad_words.js';

export const byId = (id) => document.getElementById(id);

// A squad's file is small: a few kilobytes for two hundred athletes. A
// bigger one is no squad, and is refused before it is read.
const MAX_FILE_BYTES = 5 * 1024 * 1024;
// The problems listed below the table; the table marks all of them.
const LISTED_PROBLEMS = 50;
// A new squad's columns.
export const FIRST_COLUMNS = ['name', 'body_mass'];

export class SquadView {
  #model;
  #store = null;
  #decimal;
  #table;
  #formulas = [];
  // The squad kept while the coach is asked whether an imported file is to
  // replace it: the model already holds the file's athletes, the device
  // keeps this until the coach agrees.
  #replacing = null;
  #status = byId('SquadStatus');

  constructor(model, decimal) {
    this.#model = model;
    this.#decimal = decimal;
    this.#table = new SquadTableView(byId('SquadTable'), model, decimal, captionOf);
    this.#table.onChange = () => this.#store?.changed();
    this.#table.onProblems = () => this.#listProblems();
    this.#table.onPasted = (rows) => {
      if (rows < 0) this.#say(words('What was pasted is not text.'), true);
      else this.#say(words('Rows pasted: %1.', rows));
    };
    this.#wire();
  }

  // The squad as the store keeps it.
  record() {
    if (this.#replacing) return this.#replacing;
    return {
      decimal: this.#decimal,
      columns: this.#table.header.slice(0, this.#model.columns()),
      cells: this.#model.snapshot(),
      formulas: this.#formulas,
    };
  }

  // Shows the squad the store kept (or a new one), and keeps it from now on.
  show(kept, store) {
    this.#store = store;
    if (kept) {
      this.#model.restore(kept, this.#decimal);
      this.#formulas = [...kept.formulas];
    } else {
      this.#start();
    }
    this.#refresh();
  }

  // A new squad: its first row waits for the first athlete.
  #start() {
    this.#formulas = [];
    this.#model.start(this.#decimal, FIRST_COLUMNS);
    this.#model.setCell(0, 0, '');
  }

  // Says something about the squad: `fault` for what went wrong.
  say(text, fault = false) {
    this.#say(text, fault);
  }

  #say(text, fault = false) {
    this.#status.textContent = text;
    this.#status.classList.toggle('fault', fault);
  }

  #refresh() {
    this.#showFormulas(this.#model.setFormulas(this.#formulas));
    this.#table.render();
    this.#showColumns();
  }

  #changed() {
    this.#refresh();
    this.#store?.changed();
  }

  #wire() {
    byId('SquadAddRow').addEventListener('click', () => this.#table.addRow());
    byId('SquadPrint').addEventListener('click', () => window.print());
    byId('SquadExport').addEventListener('click', () => this.#export());
    byId('SquadImport').addEventListener('click', () => byId('SquadFile').click());
    byId('SquadFile').addEventListener('change', (event) => {
      const [file] = event.target.files;
      event.target.value = '';
      if (file) this.#import(file);
    });
    byId('SquadClear').addEventListener('click', () => this.#clear());
    byId('SquadRemoveRow').addEventListener('click', () => this.#removeRow());
    byId('SquadFormulaForm').addEventListener('submit', (event) => {
      event.preventDefault();
      this.#addFormula();
    });
    byId('SquadOwnColumn').addEventListener('submit', (event) => {
      event.preventDefault();
      this.#addOwnColumn();
    });
    for (const fieldset of [byId('SquadTests'), byId('SquadOthers')]) {
      fieldset.addEventListener('change', (event) => this.#choose(event.target));
    }
  }

  // Asks before what cannot be undone: true when the coach agreed.
  #confirm(question, action) {
    const dialog = byId('SquadConfirm');
    byId('SquadConfirmText').textContent = question;
    byId('SquadConfirmOk').textContent = action;
    const focused = document.activeElement;
    dialog.showModal();
    return new Promise((resolve) => {
      const done = (agreed) => {
        controller.abort();
        dialog.close();
        focused?.focus();
        resolve(agreed);
      };
      const controller = new AbortController();
      const { signal } = controller;
      byId('SquadConfirmOk').addEventListener('click', () => done(true), { signal });
      byId('SquadConfirmCancel').addEventListener('click', () => done(false), { signal });
      dialog.addEventListener('cancel', () => done(false), { signal });
    });
  }

  // ---- Columns

  // The calculators' inputs, each checked when the table has it; then the
  // table's other columns, each to be taken away.
  #showColumns() {
    const columns = this.#table.header.slice(0, this.#model.columns());
    const inputs = this.#model.inputs();
    const present = new Set(columns.map(keyOf));
    const boxes = inputs.map(({ name, field }) => checkbox(name, captionOf(name, field).caption, present.has(name)));
    byId('SquadTests').replaceChildren(byId('SquadTests').firstElementChild, ...boxes);
    const others = columns.filter((name) => !inputs.some((input) => input.name === keyOf(name)));
    const otherBoxes = others.map((name) => checkbox(name, captionOf(name, 0).caption, true));
    byId('SquadOthers').replaceChildren(byId('SquadOthers').firstElementChild, ...otherBoxes);
    byId('SquadOthers').hidden = others.length === 0;
  }

  async #choose(box) {
    const name = box.value;
    if (box.checked) {
      this.#model.addColumn(name, this.#placeOf(name));
      this.#changed();
      return;
    }
    const column = this.#table.header.findIndex((header) => keyOf(header) === keyOf(name));
    const filled = this.#table.filledCells(column);
    if (this.#model.columns() === 1) {
      box.checked = true;
      return;
    }
    if (filled && !(await this.#confirm(words('Remove the column %1 and its %2 values?', name, filled), words('Remove')))) {
      box.checked = true;
      return;
    }
    this.#model.removeColumn(column);
    this.#changed();
  }

  // Where a calculators' input column goes: in the order of the inputs,
  // after the columns before it.
  #placeOf(name) {
    const inputs = this.#model.inputs().map((input) => input.name);
    const order = inputs.indexOf(name);
    const columns = this.#table.header.slice(0, this.#model.columns());
    const later = columns.findIndex((column) => inputs.indexOf(keyOf(column)) > order);
    if (later >= 0) return later;
    const earlier = columns.findLastIndex((column) => inputs.includes(keyOf(column)));
    return earlier >= 0 ? earlier + 1 : Math.min(1, columns.length);
  }

  #addOwnColumn() {
    const field = byId('SquadOwnName');
    const outcome = this.#model.addColumn(field.value, this.#model.columns());
    if (outcome === 0) {
      field.value = '';
      this.#changed();
      this.#say('');
      return;
    }
    this.#say(outcome === 1 ? words('Give the column a name.') : words('%1 is a column already.', field.value.trim()), true);
  }

  // ---- Formulas

  #addFormula() {
    const field = byId('SquadFormula');
    const text = field.value.trim();
    if (!text) return;
    const faults = this.#model.setFormulas([...this.#formulas, text]);
    const [held, why] = faults.slice(-2);
    if (held !== '1') {
      // A definition the table cannot hold stays in the field to be mended.
      this.#model.setFormulas(this.#formulas);
      this.#say(translated(why), true);
      field.focus();
      return;
    }
    this.#formulas.push(text);
    field.value = '';
    this.#say('');
    this.#table.render();
    this.#showFormulas(faults);
    this.#store?.changed();
  }

  // Each formula with what is wrong with it, and the way to mend it.
  #showFormulas(faults) {
    const items = this.#formulas.map((text, i) => {
      const item = document.createElement('li');
      const code = document.createElement('code');
      code.textContent = text;
      item.append(code);
      const fault = faults[2 * i + 1];
      if (fault) {
        const why = document.createElement('span');
        why.className = 'fault';
        why.textContent = translated(fault);
        item.append(why);
      }
      const buttons = document.createElement('span');
      buttons.className = 'buttons';
      buttons.append(
        button(words('Edit'), words('Edit %1', text), () => this.#takeBack(i, true)),
        button(words('Remove'), words('Remove %1', text), () => this.#takeBack(i, false)),
      );
      item.append(buttons);
      return item;
    });
    byId('SquadFormulas').replaceChildren(...items);
  }

  // Takes a formula out of the table, into the field to be edited.
  #takeBack(i, edit) {
    const [text] = this.#formulas.splice(i, 1);
    if (edit) {
      byId('SquadFormula').value = text;
      byId('SquadFormula').focus();
    }
    this.#changed();
  }

  // ---- Rows

  async #removeRow() {
    const row = this.#table.currentRow;
    if (row < 0 || row >= this.#table.rowCount) {
      this.#say(words('Choose the row first: a cell of it.'), true);
      return;
    }
    if (this.#table.filled(row)) {
      const name = this.#model.row(row)[0] ?? '';
      if (!(await this.#confirm(words('Remove row %1 (%2)?', row + 1, name), words('Remove')))) return;
    }
    this.#model.removeRow(row);
    this.#table.currentRow = -1;
    this.#changed();
  }

  async #clear() {
    if (!(await this.#confirm(words('Clear the whole squad? Every athlete and formula column is removed from this device.'), words('Clear')))) return;
    this.#start();
    this.#changed();
    this.#say(words('The squad is cleared.'));
  }

  // ---- Files

  // A file that can be a squad takes its place; one that cannot leaves it
  // as it was. A squad that holds anything is replaced only when the coach
  // agrees, once the file is known to be importable.
  async #import(file) {
    if (file.size > MAX_FILE_BYTES) {
      const megabytes = (size) => String(Math.round(size / 104857.6) / 10).replace('.', this.#decimal);
      this.#say(words('%1 is not imported: at %2 MB it is too large for a squad (at most %3 MB). The squad is as it was.',
        file.name, megabytes(file.size), megabytes(MAX_FILE_BYTES)), true);
      return;
    }
    let bytes;
    try {
      bytes = new Uint8Array(await file.arrayBuffer());
    } catch {
      this.#say(words('%1 could not be read. The squad is as it was.', file.name), true);
      return;
    }
    const kept = [...Array(this.#table.rowCount).keys()].some((row) => this.#table.filled(row)) ? this.record() : null;
    const { imported, problems } = this.#model.import(bytes);
    if (!imported) {
      const why = problems.length ? translated(problems[0].message) : '';
      this.#say(words('%1 is not imported (%2). The squad is as it was.', file.name, why), true);
      return;
    }
    const athletes = this.#model.rows();
    if (kept) {
      const question = words('Replace the squad by the athletes of %1? The squad\'s %2 rows are removed from this device.',
        file.name, kept.cells.length / kept.columns.length);
      this.#replacing = kept;
      const replace = await this.#confirm(question, words('Replace'));
      this.#replacing = null;
      if (!replace) {
        this.#model.restore(kept, this.#decimal);
        return;
      }
    }
    this.#changed();
    this.#say(problems.length ? words('Athletes imported from %1: %2. Problems: %3, marked in the table.', file.name, athletes, problems.length)
      : words('Athletes imported from %1: %2.', file.name, athletes), problems.length > 0);
  }

  // A download made here, on the device: the squad as the command line
  // writes it, in the page language's notation, with the byte-order mark
  // that spreadsheets look for in UTF-8.
  #export() {
    const blob = new Blob(['\uFEFF', this.#model.export()], { type: 'text/csv;charset=utf-8' });
    const link = document.createElement('a');
    link.href = URL.createObjectURL(blob);
    link.download = `squad-${new Date().toISOString().slice(0, 10)}.csv`;
    link.click();
    setTimeout(() => URL.revokeObjectURL(link.href), 60000);
    this.#say(words('Exported as %1.', link.download));
  }

  // ---- Problems

  #listProblems() {
    const section = byId('SquadProblems');
    const items = [];
    let count = 0;
    const rows = [...this.#table.problems.keys()].sort((a, b) => a - b);
    for (const row of rows) {
      for (const { column, message } of this.#table.problems.get(row)) {
        count += 1;
        if (items.length === LISTED_PROBLEMS) continue;
        const item = document.createElement('li');
        item.textContent = column ? words('Row %1, %2: %3', row + 1, column, translated(message))
          : words('Row %1: %2', row + 1, translated(message));
        items.push(item);
      }
    }
    if (count > items.length) {
      const more = document.createElement('li');
      more.textContent = words('… and %1 more.', count - items.length);
      items.push(more);
    }
    section.querySelector('ul').replaceChildren(...items);
    section.hidden = count === 0;
  }
}

// What a column's header shows: a calculators' column its caption in the
// page's language and its name, which files and formulas use; the name
// column its caption; any other its name.
function captionOf(name, field) {
  if (field) {
    const control = byId(`Text${field}`);
    const label = control?.labels?.[0] ?? byId(control?.getAttribute('aria-labelledby'));
    return { caption: label?.textContent.trim() ?? name, key: name };
  }
  if (keyOf(name) === 'name') return { caption: words('Name'), key: '' };
  return { caption: name, key: '' };
}

// Column names match as the model matches them: letter case and blanks aside.
const keyOf = (name) => name.trim().toLowerCase();

function checkbox(value, caption, checked) {
  const label = document.createElement('label');
  const box = document.createElement('input');
  box.type = 'checkbox';
  box.value = value;
  box.checked = checked;
  label.append(box, ` ${caption}`);
  return label;
}

function button(text, label, action) {
  const element = document.createElement('button');
  element.type = 'button';
  element.textContent = text;
  element.setAttribute('aria-label', label);
  element.addEventListener('click', action);
  return element;
}
