// The languages the page speaks, and how a catalogue's entry becomes a sentence. Each language
// has one catalogue (polish.js, english.js): keys to whole sentences with named
// placeholders, "{positions}". An entry whose words depend on a number is an object of plural
// forms chosen by Intl.PluralRules for the parameter `count`: { one, few, many, other } in
// Polish, { one, other } in English. A parameter that is a list is joined as the language joins
// one (Intl.ListFormat: "0, 1 i 2", "0, 1, and 2"); a number is written with a true minus sign.
// The numbers of the code itself are never written out in a catalogue: every sentence may name
// them as placeholders, which the speaker fills from the program's facts (FACTS below); a
// caller's parameter of the same name wins.
//
// speaker(language) -> say(key, parameters) -> text
// chooseLanguage(preferred) -> 'pl' or 'en': Polish where it comes before English in the
//   reader's list of languages (navigator.languages), else English
import {
  CODE_LENGTH,
  CORRECTABLE_WEIGHT,
  GENERATOR,
  INFORMATION_LENGTH,
  MOST_ROTATIONS,
  PARITY_LENGTH,
  WINDOW_FIRST,
  WINDOW_LAST,
} from '../program/program.js';
import { english } from './english.js';
import { polish } from './polish.js';

export const CATALOGUES = { pl: polish, en: english };
export const LANGUAGES = Object.keys(CATALOGUES);

// g(x) as the catalogues write a polynomial, highest degree first: "x^(10) + x^(9) + … + 1".
function polynomial(coefficients) {
  const degree = coefficients.length - 1;
  const power = (j) => ['1', 'x', `x^(${j})`][Math.min(j, 2)];
  return coefficients
    .map((coefficient, i) => (coefficient ? power(degree - i) : null))
    .filter((term) => term !== null)
    .join(' + ');
}

// The program's facts, under names no caller uses for anything else.
export const FACTS = {
  codeLength: CODE_LENGTH, // n: bits of a code word, positions 0..n-1
  informationLength: INFORMATION_LENGTH, // k: bits of the information word
  informationLast: INFORMATION_LENGTH - 1, // its last position
  parityLength: PARITY_LENGTH, // n - k: bits of the parity part and of a syndrome
  windowFirst: WINDOW_FIRST, // the window: the positions a syndrome stands under
  windowLast: WINDOW_LAST,
  windowLength: WINDOW_LAST - WINDOW_FIRST + 1,
  highestDegree: CODE_LENGTH - 1, // position p holds the coefficient of x^(n-1-p)
  generatorDegree: GENERATOR.length - 1, // deg g(x)
  generator: polynomial(GENERATOR),
  // Where g(x)'s leading coefficient stands in the information word i(x) = g(x).
  generatorAt: INFORMATION_LENGTH - GENERATOR.length,
  correctableWeight: CORRECTABLE_WEIGHT, // t: errors the code corrects; the weight threshold
  mostRotations: MOST_ROTATIONS,
};

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
    const values = { ...FACTS, ...parameters };
    return text.replace(/\{([A-Za-z]+)\}/g, (whole, name) =>
      name in values ? written(values[name]) : whole,
    );
  };
}
