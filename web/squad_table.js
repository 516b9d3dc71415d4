// SPDX-License-Identifier: MIT
// The squad's table: a row per athlete, the columns the rows hold as inputs
// (each an <input data-column="NAME"> in a row data-row="N", N from 1),
// then the computed ones, whose cells are the model's texts. Its rows are
// grids of their own rather than a <table>'s, with ARIA's table roles: a
// change in one row lays out that row alone, and rows out of sight are not
// laid out at all, so that an edit stays quick in a squad of a thousand (a
// <table> lays out every row again). It mirrors the model and hands it every
// edit; an edit shows its own row again, nothing else. Tab goes along the row; Enter goes down the column (a new row past
// the last), Shift+Enter and the arrow keys up and down: one test for the
// whole squad, as at a station with a clipboard. A paste of several cells
// (tab-separated rows, as spreadsheets copy) fills the cells from the one
// pasted into on.

import { NameRail } from './squad_rail.js';
import { translated } from './squad_words.js';

// Keys that move along a column.
const moves = { Enter: 1, ArrowDown: 1, ArrowUp: -1 };

// The rows stand in groups of this many, each skipped as a whole while out
// of sight, as each row in a group in sight is: on every frame the browser
// then looks at a few dozen groups and the rows near the scroll position
// rather than at every row of the squad, which in a squad of a thousand
// took the frame after an edit from 10.9 to 6.2 ms in a trace.
const GROUP_ROWS = 32;

export class SquadTableView {
  #model;
  #table;
  #head;
  #body;
  #decimal;
  #caption; // (column name, field) -> { caption, key }
  #header = [];
  #inputs = 0;
  #limits = [];
  #rows = []; // per row: its element, its inputs and its computed cells
  #problems = new Map(); // row -> its problems
  #rail;
  #sorted = null; // { column, descending }
  // The row of the cell focused last, for actions on "this row".
  currentRow = -1;
  // What the view calls when the squad changed, and when its problems did.
  onChange = () => {};
  onProblems = () => {};
  onPasted = () => {};

  constructor(table, model, decimal, caption) {
    this.#table = table;
    this.#model = model;
    this.#decimal = decimal;
    this.#caption = caption;
    this.#head = table.querySelector('.squad-head > [role=row]');
    this.#body = table.querySelector('.squad-body');
    this.#rail = new NameRail(table.parentElement, table.querySelector('.squad-rail'), () => this.#body.children, (row) =>
      this.focus(row, 0),
    );
    this.#body.addEventListener('input', (event) => {
      this.#edited(event.target);
      this.#rail.update(); // a name, or a row's height
    });
    this.#body.addEventListener('keydown', (event) => this.#key(event));
    this.#body.addEventListener('paste', (event) => this.#paste(event));
    // A cell entered selects what it holds, so that typing replaces it, as
    // in the calculators' fields; a click into the cell that has the focus
    // places the caret.
    let clicked = null;
    this.#body.addEventListener('focusin', (event) => {
      if (event.target.dataset.column === undefined) return;
      this.currentRow = rowOf(event.target);
      event.target.select();
    });
    this.#body.addEventListener('mousedown', (event) => {
      clicked = document.activeElement === event.target ? null : event.target;
    });
    this.#body.addEventListener('click', (event) => {
      if (event.target === clicked) event.target.select();
      clicked = null;
    });
    this.#head.addEventListener('click', (event) => {
      const button = event.target.closest('button[data-sort]');
      if (button) this.#sort(Number(button.dataset.sort));
    });
  }

  get problems() {
    return this.#problems;
  }

  get header() {
    return this.#header;
  }

  // The whole table afresh from the model, the focus kept on its cell.
  render() {
    const focused = this.#focusedCell();
    this.#header = this.#model.header();
    this.#inputs = this.#model.columns();
    this.#limits = this.#header.slice(0, this.#inputs).map((_, column) => this.#model.limit(column));
    this.#renderHead();
    this.#table.style.setProperty('--squad-columns', this.#widths());
    this.#rows = [];
    this.#problems.clear();
    const count = this.#model.rows();
    this.#body.replaceChildren();
    this.#place(Array.from({ length: count }, (_, row) => this.#newRow(row)));
    this.#rail.update();
    for (let row = 0; row < count; row += 1) this.#show(row);
    this.onProblems();
    if (focused) this.focus(focused.row, focused.column);
  }

  // Focuses a cell the rows hold, adding rows up to it.
  focus(row, column) {
    if (row < 0 || column < 0 || column >= this.#inputs) return;
    if (row >= this.#rows.length) this.#addRows(row);
    const input = this.#rows[row].inputs[column];
    input.focus();
    input.select();
  }

  // An empty row at the end; focuses its first cell.
  addRow() {
    this.focus(this.#rows.length, 0);
  }

  // The columns' widths: the row numbers, the first column (the names),
  // numbers, texts, the calculators' results (the window's few decimals),
  // formula results (up to 17 digits; longer ones wrap); and at least the
  // longest word of the column's caption, which a header never breaks.
  #widths() {
    const least = (column) => {
      if (column >= this.#inputs) return this.#model.field(column) ? '6.5rem' : '14rem';
      return this.#limits[column] ? '6rem' : '8rem';
    };
    const measure = document.createElement('canvas').getContext('2d');
    const captions = [...this.#head.children].slice(1).map((head) => head.querySelector('.caption'));
    const widths = this.#header.map((_, column) => {
      if (column === 0) return 'var(--squad-name)';
      const caption = captions[column];
      if (!caption) return least(column);
      const style = getComputedStyle(caption); // whose font shorthand can be blank
      measure.font = `${style.fontStyle} ${style.fontWeight} ${style.fontSize} ${style.fontFamily}`;
      const word = Math.max(...caption.textContent.split(/\s+/).map((text) => measure.measureText(text).width));
      // Beside the word, the cell's padding and the button's.
      return `max(${least(column)}, calc(${Math.ceil(word)}px + 1rem + 2px))`;
    });
    return ['var(--squad-number)', ...widths].join(' ');
  }

  #renderHead() {
    // Above the row numbers: nothing to name, no header.
    const corner = document.createElement('div');
    corner.setAttribute('role', 'cell');
    const cells = [corner];
    this.#header.forEach((name, column) => {
      const head = document.createElement('div');
      head.setAttribute('role', 'columnheader');
      head.id = `SquadHead${column}`;
      head.dataset.column = name;
      if (column >= this.#inputs) head.className = 'computed';
      const button = document.createElement('button');
      button.type = 'button';
      button.dataset.sort = String(column);
      const { caption, key } = this.#caption(name, this.#model.field(column));
      for (const [text, kind] of [[caption, 'caption'], [key, 'key']]) {
        if (!text) continue;
        const span = document.createElement('span');
        span.className = kind;
        span.textContent = text;
        button.append(span);
      }
      if (this.#sorted?.column === column) head.ariaSort = this.#sorted.descending ? 'descending' : 'ascending';
      head.append(button);
      cells.push(head);
    });
    this.#head.replaceChildren(...cells);
  }

  #newRow(row) {
    const line = document.createElement('div');
    line.setAttribute('role', 'row');
    line.dataset.row = String(row + 1);
    const number = document.createElement('div');
    number.setAttribute('role', 'rowheader');
    number.id = `SquadRow${row + 1}`;
    number.textContent = String(row + 1);
    line.append(number);
    const inputs = [];
    const computed = [];
    this.#header.forEach((name, column) => {
      const box = document.createElement('div');
      box.setAttribute('role', 'cell');
      if (column < this.#inputs) {
        const input = document.createElement('input');
        input.type = 'text';
        input.dataset.column = name;
        input.autocomplete = 'off';
        input.spellcheck = false;
        input.enterKeyHint = 'next';
        input.setAttribute('aria-labelledby', `SquadHead${column} SquadRow${row + 1}`);
        if (this.#limits[column]) {
          input.inputMode = 'decimal';
          input.maxLength = this.#limits[column] + 1; // a sign takes no room, as in the window
          input.autocapitalize = 'off';
        }
        box.append(input);
        inputs.push(input);
      } else {
        box.className = 'computed';
        computed.push(box);
      }
      line.append(box);
    });
    this.#rows[row] = { line, inputs, computed };
    return line;
  }

  // New rows after the last, into its group while it has room.
  #place(lines) {
    const last = this.#body.lastElementChild;
    let group = last;
    for (const line of lines) {
      if (!group || group.childElementCount === GROUP_ROWS) {
        group = document.createElement('div');
        group.className = 'squad-group';
        this.#body.append(group);
      }
      group.append(line);
    }
    // The groups that grew, each's height while skipped.
    for (let grown = last ?? this.#body.firstElementChild; grown; grown = grown.nextElementSibling) {
      grown.style.setProperty('--rows', String(grown.childElementCount));
    }
  }

  // Rows up to `row`, new and empty, in the model and on the page.
  #addRows(row) {
    this.#model.setCell(row, 0, this.#model.row(row)[0] ?? '');
    const first = this.#rows.length;
    this.#place(Array.from({ length: row + 1 - first }, (_, at) => this.#newRow(first + at)));
    this.#rail.update();
    for (let at = first; at <= row; at += 1) this.#show(at);
    this.onChange();
  }

  // Shows the model's cells and problems of a row.
  #show(row) {
    const cells = this.#model.row(row);
    const { inputs, computed } = this.#rows[row];
    inputs.forEach((input, column) => {
      if (input.value !== cells[column] && document.activeElement !== input) input.value = cells[column];
    });
    computed.forEach((box, i) => {
      const text = cells[this.#inputs + i] ?? '';
      if (box.textContent === text && !box.classList.contains('fault')) return;
      box.textContent = text;
      box.removeAttribute('title');
      box.classList.remove('fault');
    });
    for (const input of inputs) {
      if (!input.hasAttribute('aria-invalid')) continue;
      input.removeAttribute('aria-invalid');
      input.removeAttribute('title');
    }
    const problems = this.#model.problems(row);
    if (problems.length) this.#problems.set(row, problems);
    else this.#problems.delete(row);
    for (const { column, message } of problems) this.#mark(row, column, translated(message));
  }

  #mark(row, name, message) {
    const column = this.#header.indexOf(name);
    if (column < 0) return;
    const { inputs, computed } = this.#rows[row];
    if (column < this.#inputs) {
      inputs[column].setAttribute('aria-invalid', 'true');
      inputs[column].title = message;
      return;
    }
    // A result that could not be computed: a sign, and the reason for
    // whoever points at it or reads the table aloud.
    const box = computed[column - this.#inputs];
    box.classList.add('fault');
    box.title = message;
    const sign = document.createElement('span');
    sign.ariaHidden = 'true';
    sign.textContent = '!';
    const reason = document.createElement('span');
    reason.className = 'visually-hidden';
    reason.textContent = message;
    box.replaceChildren(sign, reason);
  }

  #edited(input) {
    const column = this.#header.indexOf(input.dataset.column);
    if (column < 0 || column >= this.#inputs) return;
    if (this.#limits[column]) this.#takeEitherSeparator(input);
    const row = rowOf(input);
    this.#model.setCell(row, column, input.value);
    // Rows in a sorted order stay where they are; the order is no longer sure.
    if (this.#sorted) {
      this.#sorted = null;
      this.#head.querySelector('[aria-sort]')?.removeAttribute('aria-sort');
    }
    const before = this.#problems.has(row);
    this.#show(row);
    if (before || this.#problems.has(row)) this.onProblems();
    this.onChange();
  }

  // Keypads show a point or a comma whatever the page's language: in the
  // calculators' columns the one that is not the decimal separator is taken for it.
  #takeEitherSeparator(input) {
    const other = this.#decimal === '.' ? ',' : '.';
    if (!input.value.includes(other)) return;
    const caret = input.selectionStart;
    input.value = input.value.replaceAll(other, this.#decimal);
    input.setSelectionRange(caret, caret);
  }

  #key(event) {
    const by = moves[event.key];
    const input = event.target;
    if (!by || input.dataset.column === undefined || event.altKey || event.ctrlKey || event.metaKey) return;
    event.preventDefault();
    const row = rowOf(input) + (event.key === 'Enter' && event.shiftKey ? -by : by);
    const column = this.#header.indexOf(input.dataset.column);
    // Past the last row Enter starts a new one; the arrows stay in the table.
    if (row >= this.#rows.length && event.key !== 'Enter') return;
    this.focus(row, column);
  }

  #paste(event) {
    const input = event.target;
    const text = event.clipboardData?.getData('text/plain') ?? '';
    // One value is the input's own to paste; rows or cells go to the model.
    if (input.dataset.column === undefined || !/[\t\r\n]/.test(text.replace(/[\r\n]+$/, ''))) return;
    event.preventDefault();
    const row = rowOf(input);
    const column = this.#header.indexOf(input.dataset.column);
    const pasted = this.#model.paste(row, column, text);
    if (pasted > 0) {
      this.render();
      this.focus(row, column);
      this.onChange();
    }
    this.onPasted(pasted, row);
  }

  #sort(column) {
    const descending = this.#sorted?.column === column && !this.#sorted.descending;
    this.#sorted = { column, descending };
    this.#model.sort(column, descending);
    this.render();
    this.onChange();
  }

  #focusedCell() {
    const input = document.activeElement;
    if (!this.#body.contains(input) || input.dataset.column === undefined) return null;
    return { row: rowOf(input), column: this.#header.indexOf(input.dataset.column) };
  }

  // Whether the row holds anything.
  filled(row) {
    return this.#rows[row]?.inputs.some((input) => input.value.trim() !== '') ?? false;
  }

  get rowCount() {
    return this.#rows.length;
  }

  // How many cells of the column hold anything.
  filledCells(column) {
    return this.#rows.filter(({ inputs }) => inputs[column]?.value.trim()).length;
  }
}

const rowOf = (element) => Number(element.closest('[data-row]').dataset.row) - 1;
