// SPDX-License-Identifier: MIT
// The calculator's model, compiled to WebAssembly, as JavaScript objects see
// it: texts cross as UTF-8, and every action answers with what it changed.

// Bits of an action's answer: bit n-1 for the field Textn whose text changed,
// then these two.
export const FIELD_COUNT = 23;
export const PANELS_CHANGED = 1 << FIELD_COUNT;
export const CAPTION_CHANGED = 1 << (FIELD_COUNT + 1);

const encoder = new TextEncoder();
const decoder = new TextDecoder();

// Why the model did not load, and whether trying again may mend it: a
// network that failed may come back; a missing file or a module that this
// browser cannot compile or link stays so.
export class LoadFault extends Error {
  constructor(cause, lasting) {
    super(`the calculator could not load (${cause})`);
    this.lasting = lasting;
  }
}

// Answers that the server may give otherwise next time.
const passing = (status) => status === 408 || status === 429 || status >= 500;

async function instantiate(url, imports) {
  if (typeof WebAssembly !== 'object') throw new LoadFault('no WebAssembly', true);
  let response;
  try {
    response = await fetch(url, { credentials: 'same-origin' });
  } catch (error) {
    throw new LoadFault(error, false);
  }
  if (!response.ok) throw new LoadFault(`HTTP ${response.status}`, !passing(response.status));
  try {
    // A server that does not call the file application/wasm: compile it
    // from its bytes instead.
    if (response.headers.get('Content-Type')?.startsWith('application/wasm')) {
      return await WebAssembly.instantiateStreaming(response, imports);
    }
    return await WebAssembly.instantiate(await response.arrayBuffer(), imports);
  } catch (error) {
    // A download cut short fails as a TypeError.
    throw new LoadFault(error, error instanceof WebAssembly.CompileError || error instanceof WebAssembly.LinkError);
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
    try {
      exports._initialize();
    } catch (error) {
      throw new LoadFault(error, true);
    }
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
