// The page's catalogues (web/text/polish.js, web/text/english.js through web/text/language.js): both languages
// have the same keys and each entry the same placeholders; an entry whose words depend on a
// number has the form each language's plural rules pick for every count that can occur; every
// key the page's modules and index.html name is there; the language follows the reader's list.
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
