// SPDX-License-Identifier: MIT
// Keeps the squad on the device, in the browser's IndexedDB: the one thing
// the page stores, and nothing of it is ever sent anywhere. The squad is
// written as the coach types, at most WRITE_AFTER_MS after a change however
// long the typing goes on, so that a browser that crashes loses at most the
// last second of typing. Writing a new record replaces the old one only once
// the new one is whole (one transaction). A page that is hidden or left
// writes at once, and also into localStorage, which takes the squad before
// the page is gone: a write to IndexedDB that a closing page started may
// never end. Whichever of the two is newer is the squad the page opens.
// The page's service worker keeps its files apart, in caches of their own:
// no new version of the page touches the squad.

const DATABASE = 'vorlenta';
const STORE = 'squad';
const KEY = 'squad';
const JOURNAL = 'vorlenta-squad';
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
  #stamp = 0; // of the last record made: records are ordered by it
  #journaled = -1; // the stamp of the record in localStorage, if any
  onFault = () => {};

  constructor(database, record) {
    this.#database = database;
    this.#record = record;
    const leaving = () => this.#leave();
    document.addEventListener('visibilitychange', () => {
      if (document.visibilityState === 'hidden') leaving();
    });
    window.addEventListener('pagehide', leaving);
  }

  // The store, or a StoreFault when this browser keeps nothing for the page.
  static async open(record) {
    let database;
    try {
      const opening = indexedDB.open(DATABASE, 1);
      opening.onupgradeneeded = () => opening.result.createObjectStore(STORE);
      database = await requested(opening);
      // A newer page that needs another form of the database gets it.
      database.onversionchange = () => database.close();
    } catch (error) {
      throw new StoreFault('unavailable', error);
    }
    // Asks the browser not to clear the page's storage when space runs low.
    navigator.storage?.persist?.().catch(() => {});
    return new SquadStore(database, record);
  }

  // The squad kept, or null when there is none.
  async load() {
    const stored = await requested(this.#database.transaction(STORE).objectStore(STORE).get(KEY));
    if (stored !== undefined && stored?.format !== FORMAT) {
      this.#database = null; // leaves it for the page that wrote it
      throw new StoreFault('newer', `format ${stored?.format}`);
    }
    let journal = null;
    try {
      journal = JSON.parse(localStorage.getItem(JOURNAL));
    } catch {
      // none, or none that reads
    }
    const kept = journal?.format === FORMAT && journal.stamp > (stored?.stamp ?? -1) ? journal : (stored ?? null);
    this.#stamp = kept?.stamp ?? 0;
    this.#journaled = journal ? journal.stamp : -1;
    // The newer record of the two goes to IndexedDB before the journal goes.
    if (kept && kept === journal) this.changed();
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
    return this.#database ? this.#write(this.#made()) : this.#written;
  }

  #made() {
    this.#stamp = Math.max(Date.now(), this.#stamp + 1);
    return { format: FORMAT, stamp: this.#stamp, ...this.#record() };
  }

  #leave() {
    clearTimeout(this.#timer);
    this.#timer = 0;
    if (!this.#database) return;
    const record = this.#made();
    try {
      localStorage.setItem(JOURNAL, JSON.stringify(record));
      this.#journaled = record.stamp;
    } catch {
      // full, or not allowed: IndexedDB alone then
    }
    this.#write(record);
  }

  #write(record) {
    this.#written = new Promise((resolve) => {
      let writing;
      try {
        writing = this.#database.transaction(STORE, 'readwrite', { durability: 'strict' });
      } catch (error) {
        this.onFault(new StoreFault('write', error));
        resolve();
        return;
      }
      writing.objectStore(STORE).put(record, KEY);
      // At once: a page that is going away may not see another task.
      writing.commit?.();
      writing.oncomplete = () => {
        if (record.stamp >= this.#journaled) {
          localStorage.removeItem(JOURNAL);
          this.#journaled = -1;
        }
        resolve();
      };
      writing.onabort = () => {
        this.onFault(new StoreFault('write', writing.error));
        resolve();
      };
    });
    return this.#written;
  }
}
