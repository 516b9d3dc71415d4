// SPDX-License-Identifier: MIT
// Loads one of the page's WebAssembly modules: the calculators' model, or
// the squad's. Each stands alone and asks its host for nearly nothing.

// Why a module did not load, in the words the console shows.
class LoadFault extends Error {
  constructor(cause) {
    super(`the calculator could not load (${cause})`);
  }
}

async function instantiate(url, imports) {
  if (typeof WebAssembly !== 'object') throw new LoadFault('no WebAssembly');
  let response;
  try {
    response = await fetch(url, { credentials: 'same-origin' });
  } catch (error) {
    throw new LoadFault(error);
  }
  if (!response.ok) throw new LoadFault(`HTTP ${response.status}`);
  try {
    // A server that does not call the file application/wasm: compile it
    // from its bytes instead.
    if (response.headers.get('Content-Type')?.startsWith('application/wasm')) {
      return await WebAssembly.instantiateStreaming(response, imports);
    }
    return await WebAssembly.instantiate(await response.arrayBuffer(), imports);
  } catch (error) {
    throw new LoadFault(error);
  }
}

// What the C library asks of its host: no environment, no exit, and nothing
// to do when the memory grows (views are made afresh each time). The
// exports come later, once the instance is made.
function hostImports(exportsOf) {
  const zero = (at) => new DataView(exportsOf().memory.buffer).setUint32(at, 0, true);
  return {
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
}

function started(exports) {
  try {
    exports._initialize();
  } catch (error) {
    throw new LoadFault(error);
  }
  return exports;
}

// The module's exports, once it has started: downloaded from the url.
export async function loadModule(url) {
  let exports;
  ({ exports } = (await instantiate(url, hostImports(() => exports))).instance);
  return started(exports);
}

// The module's exports, once it has started: from its bytes, at once where
// the browser compiles on the calling thread, as every browser does for a
// module this small; the few that refuse (RangeError) compile it off it.
export function startModule(bytes) {
  if (typeof WebAssembly !== 'object') throw new LoadFault('no WebAssembly');
  let exports;
  const imports = hostImports(() => exports);
  try {
    try {
      ({ exports } = new WebAssembly.Instance(new WebAssembly.Module(bytes), imports));
    } catch (error) {
      if (!(error instanceof RangeError)) throw error;
      return WebAssembly.instantiate(bytes, imports).then(({ instance }) => started((exports = instance.exports)));
    }
  } catch (error) {
    throw new LoadFault(error);
  }
  return started(exports);
}
