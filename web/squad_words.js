// SPDX-License-Identifier: MIT
// The squad view's words in the page's language. The view's own texts are
// looked up by their English; the model's messages, which it writes in
// English with values in them ("not a number: 'abc'"), by the pattern of
// their English ("not a number: %1"), their values translated in turn. A
// text without a translation stays English.

import { SQUAD_WORDS } from './squad_strings.js';

let table = {};
let patterns = [];

const fill = (text, values) => text.replace(/%(\d)/g, (mark, n) => values[n - 1] ?? mark);
const escaped = (text) => text.replace(/[.*+?^${}()|[\]\\]/g, '\\$&');

export function useLanguage(language) {
  table = SQUAD_WORDS[language] ?? {};
  // The longest pattern first: "not a number: %1 (the decimal separator
  // here is '%2')" before "not a number: %1".
  patterns = Object.keys(table)
    .filter((english) => /%\d/.test(english))
    .sort((a, b) => b.length - a.length)
    .map((english) => {
      const order = [...english.matchAll(/%(\d)/g)].map((match) => Number(match[1]));
      const source = `^${escaped(english).replace(/%\d/g, '(.+?)')}$`;
      return { english, order, pattern: new RegExp(source, 's') };
    });
}

// A text of the view, "%1"… filled with the values.
export function words(english, ...values) {
  return fill(table[english] ?? english, values);
}

// A message of the model.
export function translated(message) {
  if (Object.hasOwn(table, message)) return table[message];
  for (const { english, order, pattern } of patterns) {
    const match = pattern.exec(message);
    if (!match) continue;
    const values = [];
    order.forEach((n, i) => {
      values[n - 1] = translated(match[i + 1]);
    });
    return fill(table[english], values);
  }
  return message;
}

// The markup's texts: data-s="ENGLISH" the content, data-s-label the
// accessible name, data-s-placeholder the placeholder.
export function translateMarkup(root) {
  for (const element of root.querySelectorAll('[data-s]')) element.textContent = words(element.dataset.s);
  for (const element of root.querySelectorAll('[data-s-label]')) {
    element.setAttribute('aria-label', words(element.dataset.sLabel));
  }
  for (const element of root.querySelectorAll('[data-s-placeholder]')) {
    element.placeholder = words(element.dataset.sPlaceholder);
  }
}
