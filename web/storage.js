// What the page keeps in the browser (localStorage), under versioned keys:
//   bch.v1.progress   the exercises' progress (practice/progress.js says what the text holds)
//   bch.v1.language   the language the reader chose, 'pl' or 'en'
// Where the browser keeps nothing (a file opened from disk in some browsers, a private window,
// storage switched off), reading gives null and writing is dropped: the page still works, and
// forgets when it closes.
import { LANGUAGES } from './text/language.js';

const PROGRESS_KEY = 'bch.v1.progress';
const LANGUAGE_KEY = 'bch.v1.language';

function read(key) {
  try {
    return localStorage.getItem(key);
  } catch {
    return null;
  }
}

function write(key, text) {
  try {
    localStorage.setItem(key, text);
  } catch {
    // Not kept beyond this page.
  }
}

// Where the progress is kept outside a course: keeper.load() -> text or null, keeper.save(text).
export const browserKeeper = {
  load: () => read(PROGRESS_KEY),
  save: (text) => write(PROGRESS_KEY, text),
};

// The language the reader chose here before, or null.
export function storedLanguage() {
  const stored = read(LANGUAGE_KEY);
  return LANGUAGES.includes(stored) ? stored : null;
}

export function storeLanguage(language) {
  write(LANGUAGE_KEY, language);
}
