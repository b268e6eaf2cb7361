// The page's catalogues (web/text/polish.js, web/text/english.js through web/text/language.js): both languages
// have the same keys and each entry the same placeholders; an entry whose words depend on a
// number has the form each language's plural rules pick for every count that can occur; no
// entry writes out a number of the code (the speaker fills those in from the program's facts);
// known sentences come out word for word, in the right plural form and with lists joined by
// "i" / "and"; every key the page's modules and index.html name is there; the language follows
// the reader's list.
import assert from 'node:assert/strict';
import { readFileSync, readdirSync } from 'node:fs';
import { test } from 'node:test';
import {
  CATALOGUES,
  LANGUAGES,
  chooseLanguage,
  placeholders,
  speaker,
} from '../../web/text/language.js';

const web = new URL('../../web/', import.meta.url);
const forms = (entry) => (typeof entry === 'string' ? [entry] : Object.values(entry));
// 10, 20, 21, 22, 30 or 31 standing alone: not part of a longer number such as 210 or of a
// pattern of 0s and 1s such as 10000000001. Those numbers are the code's: {parityLength},
// {informationLast}, {windowFirst}, {mostRotations}, {windowLast}, {codeLength} and the like.
const CODE_NUMBER = /(?<!\d)(?:10|20|21|22|30|31)(?!\d)/;

test('both catalogues: the same keys, the same placeholders, every plural form needed', () => {
  const [first, ...others] = LANGUAGES;
  for (const language of others) {
    assert.deepEqual(
      Object.keys(CATALOGUES[language]).sort(),
      Object.keys(CATALOGUES[first]).sort(),
      `${language} against ${first}`,
    );
  }
  for (const [key, entry] of Object.entries(CATALOGUES[first])) {
    const names = placeholders(entry).sort();
    for (const language of others) {
      assert.deepEqual(
        placeholders(CATALOGUES[language][key]).sort(),
        names,
        `${language}: ${key}`,
      );
    }
  }
  for (const language of LANGUAGES) {
    const rules = new Intl.PluralRules(language);
    for (const [key, entry] of Object.entries(CATALOGUES[language])) {
      for (const text of forms(entry)) {
        assert.doesNotMatch(text, CODE_NUMBER, `${language}: ${key} writes a number of the code`);
      }
      if (typeof entry === 'string') continue;
      assert.ok('other' in entry, `${language}: ${key} has no "other" form`);
      // Where the number itself stands in the text, its own form for every count: "12 pozycji".
      if (!placeholders(entry).includes('count')) continue;
      for (let count = 0; count <= 200; count += 1) {
        assert.ok(rules.select(count) in entry, `${language}: ${key} for ${count}`);
      }
    }
  }
});

// Sentences as the reader sees them: the code's numbers filled in (a caller's own value of the
// same name wins, and a caller's {first} and {last} are its own), each plural form with its
// count, and lists joined as the language joins them.
const range = (n) => [...Array(n).keys()];
const KNOWN_SENTENCES = [
  ['pl', 'page.title', {}, 'Kod BCH(31,21)'],
  ['en', 'page.title', { codeLength: 15, informationLength: 7 }, 'The BCH(15,7) code'],
  ['en', 'exercises.grade', { count: 3, total: 11, passing: 8 }, '3 of 11 solved; passed from 8'],
  [
    'pl',
    'exercises.grade',
    { count: 3, total: 11, passing: 8 },
    'rozwiązane: 3 z 11; zaliczenie od 8',
  ],
  [
    'en',
    'exercises.gradePassed',
    { count: 10, total: 14, passing: 10 },
    '10 of 14 solved; passed, pass mark 10',
  ],
  [
    'pl',
    'exercises.gradePassed',
    { count: 8, total: 11, passing: 8 },
    'rozwiązane: 8 z 11; zaliczone, próg 8',
  ],
  [
    'pl',
    'encoding.parts',
    { first: 21, last: 30 },
    'Słowo informacyjne i(x) to 21 bitów na pozycjach 0–20. Część kontrolna (21–30) to reszta ' +
      'z dzielenia i(x)·x^(10) przez g(x) = x^(10) + x^(9) + x^(8) + x^(6) + x^(5) + x^(3) + 1.',
  ],
  [
    'en',
    'encoding.positions',
    {},
    'Positions count from 0 at the left: position p is the coefficient of x^(30−p).',
  ],
  ['pl', 'figure.information', { last: 20 }, 'informacja 0–20'],
  [
    'en',
    'uncorrectable.spanAt',
    { count: 2, positions: [0, 29], first: 29, last: 0 },
    'The errors at positions 0 and 29 lie in the cyclic burst from 29 to 0.',
  ],
  ['pl', 'exercise.longest.hint', {}, 'Program robi najwyżej 22 przesunięcia.'],
  [
    'en',
    'legend.trapped',
    {},
    'rotation after which the weight fell to 2 or less: number and weight boxed',
  ],
  // Every plural form, with its noun.
  ['pl', 'error.differs', { count: 1, positions: [4] }, '…na pozycji 4: 1 błąd.'],
  ['pl', 'error.bitsDiffer', { count: 5, positions: [0, 1, 2, 3, 4] }, '…: 5 błędów bitów.'],
  ['pl', 'uncorrectable.count', { count: 3 }, '…w oknie 3 błędy dają syndrom o wadze 3 > 2'],
  ['pl', 'uncorrectable.count', { count: 5 }, '…w oknie 5 błędów daje syndrom o wadze 5 > 2'],
  ['pl', 'error.differs', { count: 2, positions: [4, 9] }, '…na pozycjach 4 i 9: 2 błędy.'],
  ['pl', 'error.differs', { count: 3, positions: [0, 1, 2] }, '…na pozycjach 0, 1 i 2: 3 błędy.'],
  [
    'pl',
    'error.differs',
    { count: 5, positions: range(5) },
    '…pozycjach 0, 1, 2, 3 i 4: 5 błędów.',
  ],
  ['pl', 'error.differs', { count: 12, positions: range(12) }, '…9, 10 i 11: 12 błędów.'],
  ['pl', 'error.differs', { count: 22, positions: range(22) }, '…19, 20 i 21: 22 błędy.'],
  ['en', 'error.differs', { count: 1, positions: [4] }, '…at position 4: 1 error.'],
  ['en', 'error.differs', { count: 2, positions: [4, 9] }, '…at positions 4 and 9: 2 errors.'],
  [
    'en',
    'error.differs',
    { count: 3, positions: [0, 1, 2] },
    '…at positions 0, 1, and 2: 3 errors.',
  ],
  ['en', 'error.differs', { count: 5, positions: range(5) }, '…0, 1, 2, 3, and 4: 5 errors.'],
  ['en', 'error.differs', { count: 12, positions: range(12) }, '…9, 10, and 11: 12 errors.'],
  ['en', 'error.differs', { count: 22, positions: range(22) }, '…19, 20, and 21: 22 errors.'],
  ['pl', 'uncorrectable.spanLength', { count: 1 }, 'Ten odcinek ma 1 pozycję.'],
  ['pl', 'uncorrectable.spanLength', { count: 2 }, 'Ten odcinek ma 2 pozycje.'],
  ['pl', 'uncorrectable.spanLength', { count: 5 }, 'Ten odcinek ma 5 pozycji.'],
  ['pl', 'uncorrectable.spanLength', { count: 12 }, 'Ten odcinek ma 12 pozycji.'],
  ['pl', 'uncorrectable.spanLength', { count: 22 }, 'Ten odcinek ma 22 pozycje.'],
  ['en', 'uncorrectable.spanLength', { count: 1 }, 'This burst is 1 position long.'],
  ['en', 'uncorrectable.spanLength', { count: 12 }, 'This burst is 12 positions long.'],
  ['pl', 'result.back', { count: 1, total: 31 }, '…jeszcze 1 raz, razem 31 razy:'],
  ['pl', 'result.back', { count: 9, total: 31 }, '…jeszcze 9 razy, razem 31 razy:'],
  ['en', 'result.back', { count: 1, total: 31 }, '…the word 1 more time, 31 times in all:'],
  ['en', 'result.back', { count: 9, total: 31 }, '…the word 9 more times, 31 times in all:'],
];

test("known sentences: the code's numbers, plural forms and lists as the reader reads them", () => {
  const says = Object.fromEntries(LANGUAGES.map((language) => [language, speaker(language)]));
  for (const [language, key, parameters, expected] of KNOWN_SENTENCES) {
    const text = says[language](key, parameters);
    // A whole sentence, or with "…" a part of a long one.
    const where = `${language}: ${key} ${JSON.stringify(parameters)}`;
    if (!expected.startsWith('…')) assert.equal(text, expected, where);
    else assert.ok(text.includes(expected.slice(1)), `${where}: "${text}" lacks "${expected}"`);
  }
});

test('every key named by the page is in the catalogues', () => {
  const named = new Set();
  for (const file of readdirSync(web, { recursive: true }).filter((name) => name.endsWith('.js'))) {
    const code = readFileSync(new URL(file, web), 'utf8');
    for (const [, key] of code.matchAll(/say\(\s*(?:[^'`()]*\?\s*)?'([A-Za-z-]+\.[A-Za-z.-]+)'/g)) {
      named.add(key);
    }
    for (const [, key] of code.matchAll(/: '([a-z]+\.[A-Za-z]+)'\)/g)) named.add(key);
  }
  const page = readFileSync(new URL('index.html', web), 'utf8');
  for (const [, key] of page.matchAll(/data-(?:text|label|title)="([^"]+)"/g)) named.add(key);
  assert.ok(named.size > 100, `only ${named.size} keys found`);
  for (const key of named) assert.ok(key in CATALOGUES.pl, key);
  const say = speaker('pl');
  assert.throws(() => say('no.such.key'), /no text "no.such.key"/);
});

test("the language: Polish where it comes before English in the reader's list", () => {
  const cases = [
    [['pl'], 'pl'],
    [['pl-PL', 'en'], 'pl'],
    [['en-GB', 'pl'], 'en'],
    [['de', 'pl'], 'pl'],
    [['de', 'fr'], 'en'],
    [[], 'en'],
    [['EN-us'], 'en'],
  ];
  for (const [preferred, language] of cases) {
    assert.equal(chooseLanguage(preferred), language, preferred.join(' '));
  }
});
