// SPDX-License-Identifier: MIT
// The calculator's model, compiled to WebAssembly, as JavaScript objects see
// it: texts cross as UTF-8, and every action answers with what it changed.

// Bits of an action's answer: bit n-1 for the field Textn whose text changed,
// then these three; the build takes them from the model's headers.
export { BODY_MASS_MISSING, CAPTION_CHANGED, FIELD_COUNT, PANELS_CHANGED, PANEL_COUNT } from './facts.js';

const encoder = new TextEncoder();
const decoder = new TextDecoder();

async function instantiate(url, imports) {
  const response = fetch(url, { credentials: 'same-origin' });
  try {
    return await WebAssembly.instantiateStreaming(response, imports);
  } catch (streamingFailed) {
    // A server that does not call the file application/wasm: compile it
    // from its bytes instead.
    const bytes = await (await fetch(url)).arrayBuffer();
    return WebAssembly.instantiate(bytes, imports);
  }
}

export class Model {
  #exports;

  constructor(exports) {
    this.#exports = exports;
  }

  static async load(url) {
    let exports;
    const zero = (at) => new DataView(exports.memory.buffer).setUint32(at, 0, true);
    // What the C library asks of its host: no environment, no exit, and
    // nothing to do when the memory grows (views are made afresh each time).
    const imports = {
      env: { emscripten_notify_memory_growth() {} },
      wasi_snapshot_preview1: {
        environ_sizes_get(count, size) {
          zero(count);
          zero(size);
          return 0;
        },
        environ_get() {
          return 0;
        },
        proc_exit(code) {
          throw new Error(`the calculator stopped (${code})`);
        },
      },
    };
    ({ exports } = (await instantiate(url, imports)).instance);
    exports._initialize();
    return new Model(exports);
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

  edit(field, text) {
    this.#handIn(text);
    return this.#exports.vl_edit(field);
  }

  leave(field) {
    return this.#exports.vl_leave(field);
  }

  keyDown(field) {
    return this.#exports.vl_key_down(field);
  }

  // 1 for Command1, 2 for Command2.
  click(button) {
    return this.#exports.vl_click(button);
  }

  text(field) {
    return this.#textAt(this.#exports.vl_text(field));
  }

  caption(button) {
    return this.#textAt(this.#exports.vl_caption(button));
  }

  panelsEnabled() {
    return this.#exports.vl_panels_enabled() !== 0;
  }

  // Whether the panel FrameN works only with a body mass.
  needsBodyMass(panel) {
    return this.#exports.vl_needs_body_mass(panel) !== 0;
  }
}
