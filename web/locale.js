// SPDX-License-Identifier: MIT
// The browser's number notation, which the page's numbers are written in.

// How the browser's locale writes numbers: the locale of the reader's first
// language, with its region ("de-CH" writes 1.5, "de-DE" 1,5). Worked out
// once, when first needed: a page's first number format takes tens of
// milliseconds.
let notation = null;
export function browserNotation() {
  if (notation) return notation;
  const locale = navigator.languages?.[0] ?? navigator.language;
  // One formatter shows every piece: "+1.5E0" the plus sign, the decimal
  // separator, the exponent symbol and a zero digit; "-1.5E0" the minus.
  const format = new Intl.NumberFormat(locale, { notation: 'scientific', signDisplay: 'exceptZero' });
  const parts = [...format.formatToParts(1.5), ...format.formatToParts(-1.5)];
  const part = (type, fallback) => parts.find((p) => p.type === type)?.value ?? fallback;
  notation = {
    decimal: part('decimal', '.'),
    minus: part('minusSign', '-'),
    plus: part('plusSign', '+'),
    exponent: part('exponentSeparator', 'e'),
    zero: part('exponentInteger', '0'),
  };
  return notation;
}
