// SPDX-License-Identifier: MIT
// Keeps the squad on the device, in the browser's IndexedDB: the one thing
// the page stores, and nothing of it is ever sent anywhere. The squad is
// written as the coach types, at most WRITE_AFTER_MS after a change however
// long the typing goes on, and at once when the page is hidden or left, so
// that a browser that crashes loses at most the last second of typing.
// Writing a new record replaces the old one only once the new one is whole
// (one transaction). The page's service worker keeps its files apart, in
// caches of their own: no new version of the page touches the squad.

const DATABASE = 'vorlenta';
const STORE = 'squad';
const KEY = 'squad';
// The record's form; a record of a form this page does not know is left as
// it is (a newer page wrote it), never read wrong nor written over.
const FORMAT = 1;
const WRITE_AFTER_MS = 500;

export class StoreFault extends Error {
  constructor(kind, cause) {
    super(`the squad cannot be kept (${cause})`);
    this.kind = kind; // 'unavailable', 'newer' or 'write'
  }
}

const requested = (request) =>
  new Promise((resolve, reject) => {
    request.onsuccess = () => resolve(request.result);
    request.onerror = () => reject(request.error);
  });

export class SquadStore {
  #database;
  #record; // gives the squad's record as it is now
  #timer = 0;
  #written = Promise.resolve();
  onFault = () => {};

  constructor(database, record) {
    this.#database = database;
    this.#record = record;
    const now = () => this.flush();
    document.addEventListener('visibilitychange', () => {
      if (document.visibilityState === 'hidden') now();
    });
    window.addEventListener('pagehide', now);
  }

  // The store, or a StoreFault when this browser keeps nothing for the page.
  static async open(record) {
    let database;
    try {
      const opening = indexedDB.open(DATABASE, 1);
      opening.onupgradeneeded = () => opening.result.createObjectStore(STORE);
      database = await requested(opening);
    } catch (error) {
      throw new StoreFault('unavailable', error);
    }
    // Asks the browser not to clear the page's storage when space runs low.
    navigator.storage?.persist?.().catch(() => {});
    return new SquadStore(database, record);
  }

  // The squad kept, or null when there is none.
  async load() {
    const kept = await requested(this.#database.transaction(STORE).objectStore(STORE).get(KEY));
    if (kept === undefined) return null;
    if (kept?.format !== FORMAT) {
      this.#database = null; // leaves it for the page that wrote it
      throw new StoreFault('newer', `format ${kept?.format}`);
    }
    return kept;
  }

  // The squad changed: it is written soon.
  changed() {
    if (!this.#timer && this.#database) this.#timer = setTimeout(() => this.flush(), WRITE_AFTER_MS);
  }

  // Writes the squad now; resolves once it is on the device.
  flush() {
    clearTimeout(this.#timer);
    this.#timer = 0;
    if (!this.#database) return this.#written;
    const record = { format: FORMAT, ...this.#record() };
    this.#written = new Promise((resolve) => {
      const writing = this.#database.transaction(STORE, 'readwrite', { durability: 'strict' });
      writing.objectStore(STORE).put(record, KEY);
      writing.oncomplete = () => resolve();
      writing.onabort = () => {
        this.onFault(new StoreFault('write', writing.error));
        resolve();
      };
    });
    return this.#written;
  }
}
