// SPDX-License-Identifier: MIT
// Pins the rows of the squad's table near its scroll position: their name
// cells stay at the left when the table scrolls sideways, as the header's
// does. A cell that stays (position: sticky) costs the browser a layer of
// its own on every frame, in every row it renders, and it renders some
// eighty rows around the scroll position where the coach sees a dozen: with
// every row's cells staying, the frame after an edit in a squad of a
// thousand took several times as long.

// Rows this far above and below the visible ones are pinned too, so that
// a quick scroll shows no row whose name scrolled away.
const MARGIN_PX = 100;

export class RowPins {
  #scroller;
  #rows; // the rows' elements, top to bottom
  #pinned = [];
  #frame = 0;

  constructor(scroller, rows) {
    this.#scroller = scroller;
    this.#rows = rows;
    scroller.addEventListener('scroll', () => this.update(), { passive: true });
    new ResizeObserver(() => this.update()).observe(scroller);
  }

  // Pins the rows near the scroll position before the next frame.
  update() {
    this.#frame ||= requestAnimationFrame(() => {
      this.#frame = 0;
      this.#pin();
    });
  }

  #pin() {
    // A hidden view has no scroll position; its pins stay till it shows.
    if (!this.#scroller.clientHeight) return;
    const rows = this.#rows();
    const top = this.#scroller.scrollTop - MARGIN_PX;
    const bottom = this.#scroller.scrollTop + this.#scroller.clientHeight + MARGIN_PX;
    const near = [];
    for (let at = firstReaching(rows, top); at < rows.length && rows[at].offsetTop < bottom; at += 1) near.push(rows[at]);
    const kept = new Set(near);
    for (const row of this.#pinned) if (!kept.has(row)) row.classList.remove('pinned');
    for (const row of near) row.classList.add('pinned');
    this.#pinned = near;
  }
}

// The first of the rows (top to bottom) whose bottom is below y.
function firstReaching(rows, y) {
  let low = 0;
  let high = rows.length;
  while (low < high) {
    const middle = (low + high) >> 1;
    if (rows[middle].offsetTop + rows[middle].offsetHeight <= y) low = middle + 1;
    else high = middle;
  }
  return low;
}
