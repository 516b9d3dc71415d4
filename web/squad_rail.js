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
  #rows; // () => per row: its element and its inputs
  #names = new Map(); // row element -> its name on the rail
  #frame = 0;

  constructor(scroller, rail, rows, pick) {
    this.#scroller = scroller;
    this.#rail = rail;
    this.#rows = rows;
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
    const top = this.#rail.offsetTop;
    for (const { line, inputs } of near) {
      let name = this.#names.get(line);
      if (!name) {
        name = document.createElement('div');
        name.append(document.createElement('span'));
        this.#rail.append(name);
        this.#names.set(line, name);
      }
      name.dataset.ofRow = line.dataset.row;
      name.style.top = `${line.offsetTop - top}px`;
      name.style.height = `${line.offsetHeight}px`;
      const text = inputs[0]?.value ?? '';
      if (name.firstChild.textContent !== text) name.firstChild.textContent = text;
    }
  }

  // The rows near the scroll position, top to bottom.
  #near() {
    const rows = this.#rows();
    const top = this.#scroller.scrollTop - MARGIN_PX;
    const bottom = this.#scroller.scrollTop + this.#scroller.clientHeight + MARGIN_PX;
    const near = [];
    for (let at = firstReaching(rows, top); at < rows.length && rows[at].line.offsetTop < bottom; at += 1) {
      near.push(rows[at]);
    }
    return near;
  }
}

// The first of the rows (top to bottom) whose bottom is below y.
function firstReaching(rows, y) {
  let low = 0;
  let high = rows.length;
  while (low < high) {
    const middle = (low + high) >> 1;
    const { line } = rows[middle];
    if (line.offsetTop + line.offsetHeight <= y) low = middle + 1;
    else high = middle;
  }
  return low;
}
