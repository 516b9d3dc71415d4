// SPDX-License-Identifier: MIT
// The calculator's model, compiled to WebAssembly, as JavaScript objects see
// it: texts cross as UTF-8, and every action answers with what it changed.

import { MODEL } from './model_bytes.js';
import { startModule } from './wasm.js';

// Bits of an action's answer: bit n-1 for the field Textn whose text changed,
// then these two; the build takes them from the model's headers.
export { CAPTION_CHANGED, FIELD_COUNT, PANELS_CHANGED, PANEL_COUNT } from './facts.js';

const encoder = new TextEncoder();
const decoder = new TextDecoder();

export class Model {
  #exports;

  constructor(exports) {
    this.#exports = exports;
  }

  // The model that comes with the page's script: at once, or a promise of
  // it where the browser compiles only off the page's thread.
  static create() {
    const bytes = Uint8Array.fromBase64?.(MODEL) ?? Uint8Array.from(atob(MODEL), (c) => c.charCodeAt(0));
    const exports = startModule(bytes);
    return exports instanceof Promise ? exports.then((e) => new Model(e)) : new Model(exports);
  }

  // Writes the texts, each ended by a NUL, where the model reads its input.
  #handIn(...texts) {
    const bytes = encoder.encode(texts.map((text) => `${text}\0`).join(''));
    const at = this.#exports.vl_incoming(bytes.length);
    new Uint8Array(this.#exports.memory.buffer, at, bytes.length).set(bytes);
  }

  #textAt(at) {
    const memory = new Uint8Array(this.#exports.memory.buffer);
    let end = at;
    while (memory[end] !== 0) end += 1;
    return decoder.decode(memory.subarray(at, end));
  }

  // Loads as the window does, numbers written in this notation.
  start({ decimal, minus, plus, exponent, zero }) {
    this.#handIn(decimal, minus, plus, exponent, zero);
    return this.#exports.vl_start();
  }

  // The user changed the field's text; a conversion field converts from it.
  edit(field, text) {
    this.#handIn(text);
    return this.#exports.vl_edit(field);
  }

  leave(field) {
    return this.#exports.vl_leave(field);
  }

  text(field) {
    return this.#textAt(this.#exports.vl_text(field));
  }

  // 1 for Command1, 2 for Command2.
  caption(button) {
    return this.#textAt(this.#exports.vl_caption(button));
  }

  panelsEnabled() {
    return this.#exports.vl_panels_enabled() !== 0;
  }

  // Whether a conversion by body mass has none to convert with.
  bodyMassMissing() {
    return this.#exports.vl_body_mass_missing() !== 0;
  }

  // Whether the panel FrameN works only with a body mass.
  needsBodyMass(panel) {
    return this.#exports.vl_needs_body_mass(panel) !== 0;
  }
}
