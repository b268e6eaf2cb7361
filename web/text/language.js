// The languages the page speaks, and how a catalogue's entry becomes a sentence. Each language
// has one catalogue (polish.js, english.js): keys to whole sentences with named
// placeholders, "{positions}". An entry whose words depend on a number is an object of plural
// forms chosen by Intl.PluralRules for the parameter `count`: { one, few, many, other } in
// Polish, { one, other } in English. A parameter that is a list is joined as the language joins
// one (Intl.ListFormat: "0, 1 i 2", "0, 1, and 2"); a number is written with a true minus sign.
//
// speaker(language) -> say(key, parameters) -> text
// chooseLanguage(preferred) -> 'pl' or 'en': Polish where it comes before English in the
//   reader's list of languages (navigator.languages), else English
import { english } from './english.js';
import { polish } from './polish.js';

export const CATALOGUES = { pl: polish, en: english };
export const LANGUAGES = Object.keys(CATALOGUES);

export function chooseLanguage(preferred = []) {
  for (const tag of preferred) {
    const language = String(tag).toLowerCase().split('-')[0];
    if (LANGUAGES.includes(language)) return language;
  }
  return 'en';
}

// The placeholders of an entry (all its forms), in order of first use.
export function placeholders(entry) {
  const texts = typeof entry === 'string' ? [entry] : Object.values(entry);
  return [
    ...new Set(
      texts.flatMap((text) => [...text.matchAll(/\{([A-Za-z]+)\}/g)].map((match) => match[1])),
    ),
  ];
}

export function speaker(language) {
  const catalogue = CATALOGUES[language];
  const plurals = new Intl.PluralRules(language);
  const lists = new Intl.ListFormat(language, { style: 'long', type: 'conjunction' });
  const written = (value) => {
    if (Array.isArray(value)) return lists.format(value.map(written));
    if (typeof value === 'number') return String(value).replace('-', '−');
    return String(value);
  };
  return (key, parameters = {}) => {
    const entry = catalogue[key];
    if (entry === undefined) throw new Error(`no text "${key}" in the ${language} catalogue`);
    const text =
      typeof entry === 'string' ? entry : (entry[plurals.select(parameters.count)] ?? entry.other);
    return text.replace(/\{([A-Za-z]+)\}/g, (whole, name) =>
      name in parameters ? written(parameters[name]) : whole,
    );
  };
}
