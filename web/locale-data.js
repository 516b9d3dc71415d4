// SPDX-License-Identifier: MIT
// Loads the number data of the reader's locale while the rest of the page
// downloads: a page's first number format takes tens of milliseconds to make,
// those after it a fraction of one. The page's start makes the same format
// again (main.js) and finds the data ready.
new Intl.NumberFormat(navigator.languages?.[0] ?? navigator.language, {
  notation: 'scientific',
  signDisplay: 'exceptZero',
}).formatToParts(1.5);
