# SPDX-License-Identifier: MIT
"""Writes a WebAssembly module into a JavaScript module as base64 text, so
that the page's script carries its model and can start it before the first
paint, with no second request to wait for.

    embed_module.py MODULE.wasm OUT.js
"""
import base64
import sys


def main(module, out):
    with open(module, 'rb') as f:
        text = base64.b64encode(f.read()).decode('ascii')
    with open(out, 'w', encoding='ascii') as f:
        f.write('// The calculators\' model, WebAssembly in base64; written by the build.\n')
        f.write(f"export const MODEL = '{text}';\n")


if __name__ == '__main__':
    main(*sys.argv[1:])
