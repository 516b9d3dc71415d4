// SPDX-License-Identifier: MIT
// The names at the left of the squad's table while it is scrolled sideways,
// as the header's first cell stays there: one rail that stays at the left
// edge (position: sticky), above the rows near the scroll position, each
// name beside its row. A cell that stays in each row instead costs the
// browser a layer of its own on every frame, and one more for the row
// painted after it: with the rows near the scroll position pinned so, the
// frame after an edit in a squad of a thousand took twice as long. The rail
// is the names' picture alone, hidden from assistive technology, which reads
// each row's own first cell; a click on a name goes to that cell.

// Rows this far above and below the visible ones have their names on the
// rail too, so that a quick scroll shows no row without its name.
const MARGIN_PX = 100;

export class NameRail {
  #scroller;
  #rail;
  #groups; // the groups of rows, top to bottom
  #names = new Map(); // row element -> its name on the rail
  #frame = 0;

  constructor(scroller, rail, groups, pick) {
    this.#scroller = scroller;
    this.#rail = rail;
    this.#groups = groups;
    scroller.addEventListener('scroll', () => this.update(), { passive: true });
    new ResizeObserver(() => this.update()).observe(scroller);
    rail.addEventListener('click', (event) => {
      const name = event.target.closest('[data-of-row]');
      if (name) pick(Number(name.dataset.ofRow) - 1);
    });
  }

  // Draws the rail again before the next frame: after a scroll, an edit or
  // new rows.
  update() {
    this.#frame ||= requestAnimationFrame(() => {
      this.#frame = 0;
      this.#draw();
    });
  }

  #draw() {
    // A hidden view has no scroll position; its rail stays till it shows.
    if (!this.#scroller.clientHeight) return;
    const sideways = this.#scroller.scrollLeft > 0;
    this.#rail.hidden = !sideways;
    const near = sideways ? this.#near() : [];
    const kept = new Set(near.map(({ line }) => line));
    for (const [line, name] of this.#names) {
      if (kept.has(line)) continue;
      name.remove();
      this.#names.delete(line);
    }
    for (const { line, top, height } of near) {
      let name = this.#names.get(line);
      if (!name) {
        name = document.createElement('div');
        const shown = document.createElement('span');
        shown.className = 'field-look';
        name.append(shown);
        this.#rail.append(name);
        this.#names.set(line, name);
      }
      name.dataset.ofRow = line.dataset.row;
      name.style.top = `${top}px`;
      name.style.height = `${height}px`;
      const first = line.children[1]; // after the row's number
      const text = first?.firstElementChild?.value ?? first?.textContent ?? '';
      if (name.firstChild.textContent !== text) name.firstChild.textContent = text;
    }
  }

  // The rows near the scroll position, top to bottom, with their places on
  // the rail. Only the groups there are looked into: the rows of the others
  // are not laid out.
  #near() {
    const view = this.#scroller.getBoundingClientRect();
    const from = view.top - MARGIN_PX;
    const to = view.bottom + MARGIN_PX;
    const origin = this.#rail.getBoundingClientRect().top;
    const near = [];
    for (const group of this.#groups()) {
      const { top, bottom } = group.getBoundingClientRect();
      if (bottom <= from) continue;
      if (top >= to) break;
      for (const line of group.children) {
        const row = line.getBoundingClientRect();
        if (row.bottom <= from) continue;
        if (row.top >= to) break;
        near.push({ line, top: row.top - origin, height: row.height });
      }
    }
    return near;
  }
}
