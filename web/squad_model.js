// SPDX-License-Identifier: MIT
// The squad's model, compiled to WebAssembly, as the squad view sees it: a
// table whose cells are texts, every computed cell the model's own. Texts
// cross as UTF-8; a list of texts has a NUL after each.

import { loadModule } from './wasm.js';

const encoder = new TextEncoder();
const decoder = new TextDecoder();

// No cell holds a NUL: it ends a text on the way to the model.
const withoutNul = (text) => text.replaceAll('\0', '');

export class SquadModel {
  #exports;

  constructor(exports) {
    this.#exports = exports;
  }

  static async load(url) {
    return new SquadModel(await loadModule(url));
  }

  #bytesIn(bytes) {
    const at = this.#exports.vs_incoming(bytes.length);
    new Uint8Array(this.#exports.memory.buffer, at, bytes.length).set(bytes);
  }

  #handIn(...texts) {
    this.#bytesIn(encoder.encode(texts.map((text) => `${withoutNul(text)}\0`).join('')));
  }

  #text(at) {
    return decoder.decode(new Uint8Array(this.#exports.memory.buffer, at, this.#exports.vs_length()));
  }

  #list(at) {
    const texts = this.#text(at).split('\0');
    texts.pop();
    return texts;
  }

  // A new squad with these columns, numbers written with this decimal point.
  start(decimal, columns) {
    this.#handIn(...columns);
    this.#exports.vs_start(decimal.charCodeAt(0));
  }

  // The squad as snapshot() and formulas gave it, its numbers written with
  // `decimal` there; written with `ours` from now on.
  restore({ decimal, columns, cells, formulas }, ours) {
    this.start(ours, []);
    this.#handIn(...columns, ...cells, ...formulas);
    this.#exports.vs_restore(columns.length, columns.length ? cells.length / columns.length : 0, decimal.charCodeAt(0));
  }

  rows() {
    return this.#exports.vs_rows();
  }

  // The columns the rows hold come first in the header; the others are computed.
  columns() {
    return this.#exports.vs_columns();
  }

  header() {
    return this.#list(this.#exports.vs_header());
  }

  // The window's field (1 to 23) whose text a calculators' column holds; 0 for others.
  field(column) {
    return this.#exports.vs_field(column);
  }

  // The most characters an input column takes; 0 for no limit.
  limit(column) {
    return this.#exports.vs_limit(column);
  }

  // The calculators' input columns: { name, field } each.
  inputs() {
    const texts = this.#list(this.#exports.vs_inputs());
    const inputs = [];
    for (let i = 0; i + 1 < texts.length; i += 2) inputs.push({ name: texts[i], field: Number(texts[i + 1]) });
    return inputs;
  }

  row(row) {
    return this.#list(this.#exports.vs_row(row));
  }

  // Every cell the rows hold, row after row.
  snapshot() {
    return this.#list(this.#exports.vs_snapshot());
  }

  // What is wrong in the row: { line, column, message } each.
  problems(row) {
    return problemsOf(this.#list(this.#exports.vs_problems(row)));
  }

  setCell(row, column, text) {
    this.#handIn(text);
    this.#exports.vs_set_cell(row, column);
  }

  // Tab-separated rows from the cell on: how many rows it wrote, or -1 for no text.
  paste(row, column, text) {
    this.#handIn(text);
    return this.#exports.vs_paste(row, column);
  }

  // A file's bytes take the squad's place, or leave it as it was:
  // { imported, problems }, the reason first when it was not imported.
  import(bytes) {
    this.#bytesIn(bytes);
    const imported = this.#exports.vs_import(bytes.length) !== 0;
    return { imported, problems: problemsOf(this.#list(this.#exports.vs_answer())) };
  }

  export() {
    return this.#text(this.#exports.vs_export());
  }

  sort(column, descending) {
    this.#exports.vs_sort(column, descending ? 1 : 0);
  }

  // 0 added, 1 a blank name, 2 a name taken.
  addColumn(name, at) {
    this.#handIn(name);
    return this.#exports.vs_add_column(at);
  }

  removeColumn(column) {
    this.#exports.vs_remove_column(column);
  }

  removeRow(row) {
    this.#exports.vs_remove_row(row);
  }

  // The formulas, "NAME = EXPRESSION" each: for each, whether the table
  // holds it ('1' or '0') and why it is not computed ('' when it is).
  setFormulas(formulas) {
    this.#handIn(...formulas);
    this.#exports.vs_set_formulas();
    return this.#list(this.#exports.vs_formula_faults());
  }
}

function problemsOf(texts) {
  const problems = [];
  for (let i = 0; i + 2 < texts.length; i += 3) {
    problems.push({ line: Number(texts[i]) || 0, column: texts[i + 1], message: texts[i + 2] });
  }
  return problems;
}
