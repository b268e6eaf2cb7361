// What the teaching view says about a run: the steps read off the program's output (steps.js)
// turned into sections of short Polish sentences and figures of words laid out by position.
// Every claim rests on a fact of the steps, so a section appears only once the program has
// printed what it explains; nothing here computes a syndrome or traps. No DOM: view.js draws it.
//
// Two things are kept apart throughout: the code and this decoder. BCH(31,21) has minimum
// distance d = 5 and so corrects any two errors; error trapping, the program's decoder, corrects
// only errors that fit, cyclically, into the 10 positions of the window and get there within 22
// rotations. A sentence that holds only for at most two errors says so, and where a run has more
// it says that the condition fails.
//
// explain(steps, exited) -> { now, sections }
//   now       one sentence: where the run stands (exited: the program has ended)
//   sections  [{ id, title, parts }] in the order of the run, only those reached; a part is
//     { text, tone, data, why }  a paragraph; tone 'verdict', 'note' or 'unusual'; data: the
//                           facts it states, for the page's data-* attributes (tests read them,
//                           not the prose); why: the id of the point of the panel (why()) that
//                           explains it; "x^{10}" in the text is a superscript
//     { figure: { caption, rows } }  words one above the other, position under position; a row
//       is { id, label, cells, note, current, trapped, under, shift }, each cell { position,
//       text, marks } with marks among 'error' (a position where the word differs from the one
//       sent), 'changed' (a bit the correction flips), 'non-binary' (a value other than 0
//       and 1)
//       and 'span' (the errors' span); a syndrome's row has `under` set and its cells stand at
//       positions 21..30, under the window; a row of a rotation has its `shift`, `current` while
//       the program waits after it and `trapped` where the weight fell to 2 or less; a row the
//       reader could not split into positions has text instead of cells
//     { chart: { points: [{ shift, weight }], threshold, limit } }  the weight per rotation
//       (shift 0: the received word) against the threshold 2, on an axis of rotations 0..limit
//
// why() -> { title, points: [{ id, title, paragraphs }] }: the panel "why and how far".
import { CODE_LENGTH, CORRECTABLE_WEIGHT, MOST_ROTATIONS } from './program.js';
import { WINDOW_FIRST, WINDOW_LAST, sameList, windowPosition } from './steps.js';

const WINDOW = `${WINDOW_FIRST}–${WINDOW_LAST}`;

// --- Words --------------------------------------------------------------------------------

const polishPlural = new Intl.PluralRules('pl');
// Polish plural: 1 błąd, 2–4 (but not 12–14) błędy, else błędów.
function plural(n, one, few, many) {
  return { one, few }[polishPlural.select(n)] ?? many;
}
const count = (n, one, few, many) => `${n} ${plural(n, one, few, many)}`;
function list(items) {
  if (items.length <= 1) return items.join('');
  return `${items.slice(0, -1).join(', ')} i ${items.at(-1)}`;
}
// "na pozycji 16", "na pozycjach 0 i 29"
const atPositions = (ps) => `${ps.length === 1 ? 'na pozycji' : 'na pozycjach'} ${list(ps)}`;
// "pozycja 16", "pozycje 0 i 29"
const positionsNamed = (ps) => `${ps.length === 1 ? 'pozycja' : 'pozycje'} ${list(ps)}`;
const inInformation = (positions) => positions.filter((p) => p < WINDOW_FIRST);
const number = (n) => String(n).replace('-', '−');
// More errors than the code guarantees to correct: no decoder need get them right.
const beyondCode = (n, verb = 'jest') =>
  `Błędów ${verb} ${n}, a kod gwarantuje poprawienie najwyżej dwóch.`;

// --- Figures ------------------------------------------------------------------------------

// A word as a figure row: one cell per position, with the marks asked for, or the printed
// text whole where its values are not known.
function wordRow(id, label, row, marks = {}, extra = {}) {
  if (!row.values) return { id, label, text: row.text, ...extra };
  const nonBinary = new Set(row.nonBinary);
  const cells = row.values.map((value, position) => {
    const on = Object.keys(marks).filter((mark) => marks[mark] && marks[mark].includes(position));
    if (nonBinary.has(position)) on.push('non-binary');
    return { position, text: String(value), marks: on };
  });
  return { id, label, cells, ...extra };
}

// A syndrome under the window: its value q at position 21 + q.
function syndromeRow(id, label, row, changed = null, extra = {}) {
  if (!row.values) return { id, label, text: row.text, under: true, ...extra };
  const cells = row.values.map((value, q) => {
    const position = windowPosition(q);
    const marks = changed && changed.includes(position) ? ['changed'] : [];
    if (row.nonBinary.includes(q)) marks.push('non-binary');
    return { position, text: String(value), marks };
  });
  return { id, label, cells, under: true, ...extra };
}

// A typed word as the program took it: its characters, values other than 0 and 1 marked.
function typedRow(id, label, word, marks) {
  const cells = [...word.text].map((text, position) => {
    const on = Object.keys(marks).filter((mark) => marks[mark].includes(position));
    if (word.nonBinary.includes(position)) on.push('non-binary');
    return { position, text, marks: on };
  });
  return { id, label, cells };
}

// The cells of the errors' span: first, first + 1, ... last, cyclically.
function spanRow(span) {
  const cells = [];
  for (let i = 0; i < span.length; i += 1) {
    cells.push({ position: (span.first + i) % CODE_LENGTH, text: '', marks: ['span'] });
  }
  return { id: 'span', label: '⟷', cells: cells.sort((a, b) => a.position - b.position) };
}

// --- Facts shared by several sections -----------------------------------------------------

// How many errors the run has, where that number is a fact the code's guarantees speak of:
// known positions, and only values 0 and 1 (other values are added as numbers, not as bits).
function errorCount(steps) {
  return steps.errors && steps.unusual.length === 0 ? steps.errors.positions.length : null;
}

// The window positions whose bits the correction at rotation r flips: read off the printed
// result once it is there, else, with values 0 and 1 only, the syndrome's ones (adding 1 to a
// bit flips it). Null where neither is known.
function flippedInWindow(steps, rotation) {
  const outcome = steps.outcome;
  if (outcome && outcome.kind === 'corrected' && outcome.changed) {
    return outcome.changed.map((p) => (p + rotation.shift) % CODE_LENGTH).sort((a, b) => a - b);
  }
  return steps.unusual.length === 0 ? rotation.syndromeOnes : null;
}

// --- Sentences about values other than 0 and 1 ---------------------------------------------

function typedValues(word) {
  const typed = (p) => (word.text[p] === '\uFFFD' ? `bajt ${word.bytes[p]}` :
    `„${word.text[p]}”`);
  return word.nonBinary.map((p) => `${p} (${typed(p)} = ${number(word.values[p])})`);
}

function informationNote(word) {
  const several = word.nonBinary.length > 1;
  return {
    text: `W słowie informacyjnym wpisano ${several ? 'wartości' : 'wartość'} spoza 0 i 1 ` +
      `${atPositions(typedValues(word))}. Program bierze każdy znak jako liczbę (kod znaku − ` +
      `48), koduje ją i drukuje w wektorze kodowym tak, jak jest; widok pokazuje wydrukowane ` +
      'cyfry bez zmian i mówi tylko to, co z nich wynika.',
    tone: 'unusual',
    data: { unusual: word.nonBinary.join(' ') },
  };
}

// The error pattern is never printed: each of its values is added to the code vector's value
// and the sum reduced by 2 with the sign of the dividend.
function errorPatternNote(word) {
  const several = word.nonBinary.length > 1;
  return {
    text: `We wzorcu błędu wpisano ${several ? 'wartości' : 'wartość'} spoza 0 i 1 ` +
      `${atPositions(typedValues(word))}. Wzorca program nie drukuje: na każdej pozycji dodaje ` +
      'jego liczbę (kod znaku − 48) do wartości wektora kodowego i bierze resztę z dzielenia ' +
      '(e + c + 2) przez 2, która ma znak dzielnej (−3 + 0 + 2 daje −1). Wynik stoi w ' +
      'wierszu r; błędem jest każda pozycja, na której r różni się od c.',
    tone: 'unusual',
    data: { unusual: word.nonBinary.join(' ') },
  };
}

// --- The sections -------------------------------------------------------------------------

function encoding(steps) {
  const parts = [
    { text: 'Słowo informacyjne i(x) to 21 bitów na pozycjach 0–20. Część kontrolna ' +
      `(${WINDOW}) to reszta z dzielenia i(x)·x^{10} przez g(x) = x^{10} + x^{9} + x^{8} + ` +
      'x^{6} + x^{5} + x^{3} + 1.' },
    { text: 'Pozycje liczymy od 0 z lewej: pozycja p to współczynnik przy x^{30−p}.' },
    { figure: { caption: 'c: wektor kodowy, jak go wydrukował program.',
      rows: [wordRow('code-vector', 'c', steps.codeVector)] } },
  ];
  if (steps.information && !steps.information.typed) {
    parts.push({ text: 'Nie wpisano słowa: program wziął swoje słowo domyślne.',
      tone: 'note' });
  }
  if (steps.information && steps.information.nonBinary.length > 0) {
    parts.push(informationNote(steps.information));
  }
  if (steps.warnings.includes('information-differs')) {
    parts.push({ text: 'Wpisane słowo nie zgadza się z początkiem wektora kodowego: widok ' +
      'pokazuje tylko wydrukowane cyfry.', tone: 'note' });
  }
  return { id: 'encoding', title: 'Kodowanie', parts };
}

function error(steps) {
  const errors = steps.errors;
  const rows = [wordRow('code-vector', 'c', steps.codeVector)];
  if (steps.errorPattern) {
    // Where the received word is known to differ, those are the errors the pattern made,
    // whatever character stood there; else its ones.
    rows.push(typedRow('error-pattern', 'e', steps.errorPattern,
      { error: errors ? errors.positions : steps.errorPattern.ones }));
  }
  rows.push(wordRow('received', 'r', steps.rotations[0].word,
    { error: errors && errors.positions }));
  const parts = [{ figure: { caption: 'c: wektor kodowy; e: wektor błędu (wzorzec dopełniony ' +
    'zerami lub obcięty do 31 znaków); r = c + e: odebrany ciąg.', rows } }];
  if (steps.errorPattern) {
    const { ones } = steps.errorPattern;
    parts.push({ text: ones.length === 0 ? 'Wzorzec błędu nie ma jedynek.' :
      `Jedynki wzorca błędu: ${positionsNamed(ones)}.`, data: { ones: ones.join(' ') } });
    if (steps.errorPattern.nonBinary.length > 0) parts.push(errorPatternNote(steps.errorPattern));
  }
  if (!errors) {
    parts.push({ text: 'Tych wierszy nie da się jednoznacznie podzielić na 31 pozycji, więc ' +
      'widok nie porównuje ich pozycja po pozycji.', tone: 'unusual' });
  } else {
    parts.push({ text: errors.positions.length === 0 ? 'Odebrany ciąg jest równy wektorowi kodowemu.' :
      `Odebrany ciąg różni się od wektora kodowego ${atPositions(errors.positions)}: ` +
      `${count(errors.positions.length, 'błąd', 'błędy', 'błędów')}.`,
      data: { errors: errors.positions.join(' ') } });
    if (steps.errorPattern && !sameList(steps.errorPattern.ones, errors.positions)) {
      // With values 0 and 1 alone, r = c + e differs from c exactly at e's ones.
      parts.push({ text: 'Różnice nie leżą dokładnie pod jedynkami wzorca: to skutek ' +
        'wartości spoza 0 i 1, które program dodaje jak liczby.', tone: 'unusual' });
    }
  }
  return { id: 'error', title: 'Błąd', parts };
}

// The weight rule holds for at most two errors; with more, say that it does not apply here.
function ruleFails(steps) {
  const total = errorCount(steps);
  return total !== null && total > CORRECTABLE_WEIGHT ?
    ` Tu błędów jest ${total}, więc ten warunek nie jest spełniony i wniosek nie obowiązuje.` : '';
}

function syndrome(steps) {
  const errors = steps.errors;
  const received = steps.rotations[0];
  const total = errorCount(steps);
  const parts = [
    { text: 'Syndrom to reszta z dzielenia r(x) przez g(x): 10 bitów, które stoją pod oknem ' +
      `${WINDOW}. Jego waga to liczba jedynek.` },
    { figure: { caption: `r: odebrany ciąg; s: jego syndrom, pod pozycjami ${WINDOW}.`, rows: [
      wordRow('received', 'r', received.word, { error: errors && errors.positions }),
      syndromeRow('syndrome', 's', received.syndrome, null, { note: `w=${received.weight}` }),
    ] } },
  ];
  const ruleData = { errorCount: total ?? '', ruleHolds: total === null ? '' : String(total <= 2) };
  if (steps.verdict === 'correction') {
    parts.push({ text: `Waga ${received.weight} > 2: program zaczyna korekcję.`, tone: 'verdict',
      data: { verdict: 'correction' } });
    parts.push({ text: 'Przy najwyżej dwóch błędach to znak błędu w części informacyjnej: ' +
      'błędy stojące tylko w części kontrolnej mają syndrom równy wektorowi błędu, o wadze ' +
      `najwyżej 2.${ruleFails(steps)}`, data: ruleData, why: 'why-window' });
  } else if (steps.verdict === 'no-correction') {
    parts.push({ text: `Waga ${received.weight} ≤ 2: program niczego nie poprawia.`,
      tone: 'verdict',
      data: { verdict: 'no-correction' } });
    parts.push({ text: 'Przy najwyżej dwóch błędach część informacyjna jest wtedy bez ' +
      `błędu.${ruleFails(steps)}`, data: ruleData, why: 'why-window' });
    if (errors && errors.parityOnly) {
      const one = errors.positions.length === 1;
      const shown = received.syndromeShowsErrors ? `: syndrom jest równy wektorowi błędu, ${one ?
        'jedynka pod błędem' : 'jedynki pod błędami'}.` : '.';
      parts.push({ text: `${one ? 'Błąd stoi' : 'Błędy stoją'} tylko w części kontrolnej ` +
        `(${positionsNamed(errors.positions)})${shown} Program ${one ? 'go' : 'ich'} nie ` +
        'poprawia, bo informacja dotarła cała.', tone: 'note',
      data: { parityOnly: errors.positions.join(' ') } });
    } else if (errors && inInformation(errors.positions).length > 0) {
      const missed = inInformation(errors.positions);
      const { values } = received.syndrome;
      const zero = values !== null && values.every((value) => value === 0);
      const how = zero ? 'Syndrom jest zerowy: odebrany ciąg jest słowem kodowym, innym niż ' +
        'nadane, i błąd przeszedł niezauważony.' : `Syndrom nie jest zerowy, ale ma wagę ` +
        `${received.weight} ≤ 2, więc program uznał, że błędy stoją tylko w części kontrolnej.`;
      parts.push({ text: 'Odebrany ciąg różni się jednak od wektora kodowego w części ' +
        `informacyjnej (${positionsNamed(missed)}). ${how}` +
        (total !== null && total > 2 ? ` ${beyondCode(total)}` : ''), tone: 'note',
      data: { missed: missed.join(' '), syndromeZero: String(zero) }, why: 'why-more' });
    }
  }
  return { id: 'syndrome', title: 'Syndrom i waga', parts };
}

function rotations(steps) {
  const rows = [];
  const shifted = steps.rotations.slice(1);
  const caught = shifted.find((rotation) => rotation.trapped);
  for (const rotation of shifted) {
    const extra = { current: rotation.waiting, trapped: rotation.trapped === true, shift: rotation.shift };
    rows.push(wordRow(`rotation-${rotation.shift}`, String(rotation.shift), rotation.word, { error: rotation.errorsAt },
      { ...extra, note: rotation.weight === null ? '' : `w=${rotation.weight}` }));
    if (rotation.syndrome) {
      rows.push(syndromeRow(`rotation-${rotation.shift}-syndrome`, 's', rotation.syndrome,
        rotation === caught ? flippedInWindow(steps, rotation) : null, extra));
    }
  }
  const points = steps.rotations.filter((rotation) => rotation.weight !== null)
    .map((rotation) => ({ shift: rotation.shift, weight: rotation.weight }));
  const parts = [
    { text: 'Kod jest cykliczny: przesunięcie cykliczne słowa kodowego jest słowem kodowym, ' +
      'więc syndrom przesuniętego ciągu to syndrom przesuniętego wektora błędu. Każde ' +
      'przesunięcie w prawo przenosi błąd z pozycji p na (p + 1) mod 31. Gdy wszystkie błędy ' +
      `staną w oknie ${WINDOW}, syndrom jest równy wektorowi błędu, a jego waga liczbie ` +
      'błędów: przy najwyżej dwóch błędach najwyżej 2.', why: 'why-cyclic' },
    { chart: { points, threshold: CORRECTABLE_WEIGHT, limit: MOST_ROTATIONS } },
    { figure: { caption: 'Po lewej liczba przesunięć, pod każdym słowem jego syndrom, po ' +
      'prawej waga w.', rows } },
  ];
  // A rotation that brings every error into the window without trapping them: more than two
  // errors, whose syndrome there is the error pattern, of weight above 2.
  const all = shifted.find((rotation) => rotation.errorsInWindow && rotation.weight !== null);
  const total = errorCount(steps);
  if (all && total !== null && all.weight > CORRECTABLE_WEIGHT) {
    parts.push({ text: `Po ${all.shift}. przesunięciu wszystkie błędy (${total}) stoją w oknie: ` +
      `syndrom jest równy wektorowi błędu i ma wagę ${all.weight} > 2, bo błędów jest więcej ` +
      'niż dwa. Program przesuwa dalej.', data: { allInWindow: all.shift, weight: all.weight },
    why: 'why-more' });
  }
  return { id: 'rotations', title: 'Przesunięcia', parts };
}

// The rotation where the weight fell to 2 or less. Its title and first sentence say whether
// the errors were really trapped (all in the window) or only the weight fell.
function trapped(steps, rotation) {
  const total = errorCount(steps);
  const flipped = flippedInWindow(steps, rotation);
  if (rotation.errorsAt === null || rotation.errorsInWindow === null) {
    return { title: 'Waga najwyżej 2', parts: [
      { text: `Po ${rotation.shift}. przesunięciu waga ${rotation.weight} ≤ 2: program uznaje, że błędy ` +
        'stoją w oknie, i doda syndrom do okna.', tone: 'verdict',
      data: { trapped: rotation.shift, errorsTrapped: 'unknown' } }] };
  }
  if (rotation.errorsInWindow) {
    const one = rotation.errorsAt.length === 1;
    const parts = [{ text: `${one ? 'Błąd wyłapany' : 'Błędy wyłapane'} po ${rotation.shift}. ` +
      `przesunięciu: waga ${rotation.weight} ≤ 2.`, tone: 'verdict',
    data: { trapped: rotation.shift, errorsTrapped: 'yes' } }];
    if (rotation.syndromeShowsErrors) {
      parts.push({ text: `${one ? 'Błąd stoi' : 'Wszystkie błędy stoją'} teraz w oknie ` +
        `(${positionsNamed(rotation.errorsAt)}), więc syndrom jest tam równy wektorowi błędu: ` +
        `${one ? 'jego jedynka stoi dokładnie pod błędem' :
          'jego jedynki stoją dokładnie pod błędami'}. Program doda syndrom do okna, czyli ` +
        `zmieni ${one ? 'ten bit' : 'te bity'}.`, why: 'why-window' });
    } else {
      parts.push({ text: `Błędy stoją w oknie (${positionsNamed(rotation.errorsAt)}), ale syndrom ` +
        'nie jest równy wektorowi błędu: to skutek wartości spoza 0 i 1.', tone: 'unusual' });
    }
    return { title: one ? 'Błąd wyłapany' : 'Błędy wyłapane', parts };
  }
  // The weight fell, but some error stands outside the window: with at most two errors that
  // cannot happen (d = 5), so the run has more, and the correction changes the wrong bits.
  const parts = [{ text: `Po ${rotation.shift}. przesunięciu waga spadła do ${rotation.weight} ≤ 2, ale nie ` +
    `wszystkie błędy stoją w oknie: błędy stoją ${atPositions(rotation.errorsAt)}.`, tone: 'verdict',
  data: { trapped: rotation.shift, errorsTrapped: 'no' } }];
  if (flipped) {
    const wrongly = flipped.filter((p) => !rotation.errorsAt.includes(p));
    const rightly = flipped.filter((p) => rotation.errorsAt.includes(p));
    const sentences = [];
    if (flipped.length === 0) {
      sentences.push('Dodanie syndromu nie zmieni w oknie żadnego bitu.');
    } else {
      if (wrongly.length > 0) {
        sentences.push(`${wrongly.length === 1 ? 'Bit' : 'Bity'} ${atPositions(wrongly)} ` +
          `program zmieni, choć ${wrongly.length === 1 ? 'stoi' : 'stoją'} tam bez błędu.`);
      }
      if (rightly.length > 0) {
        sentences.push(`${rightly.length === 1 ? 'Błąd' : 'Błędy'} ${atPositions(rightly)} ` +
          'program poprawi.');
      }
    }
    const left = rotation.errorsAt.filter((p) => !flipped.includes(p));
    if (left.length > 0) {
      sentences.push(`${left.length === 1 ? 'Błąd' : 'Błędy'} ${atPositions(left)} ` +
        `${left.length === 1 ? 'zostanie' : 'zostaną'}.`);
    }
    parts.push({ text: sentences.join(' '), tone: 'note',
      data: { flipsWithoutError: wrongly.join(' '), fixes: rightly.join(' ') } });
  }
  if (total !== null && total > 2) {
    parts.push({ text: `${beyondCode(total)} Przy większej liczbie błędów waga ≤ 2 nie oznacza, ` +
      'że błędy stoją w oknie.', why: 'why-more' });
  }
  return { title: 'Waga spadła, błędy nie wyłapane', parts };
}

function corrected(steps, outcome) {
  const errors = steps.errors;
  const total = errorCount(steps);
  const back = CODE_LENGTH - outcome.rotation;
  const rows = [
    wordRow('received', 'r', steps.rotations[0].word, { error: errors && errors.positions }),
    wordRow('corrected', 'ĉ', outcome.corrected, { changed: outcome.changed, error: outcome.wrong }),
    wordRow('transmitted', 'c', outcome.transmitted),
  ];
  const parts = [
    { text: `Program dodał syndrom do okna i przesunął słowo jeszcze ${back} ` +
      `${plural(back, 'raz', 'razy', 'razy')}, razem 31 razy: słowo wróciło na swoje miejsce.`,
    data: { rotateBack: back } },
    { figure: { caption: 'r: odebrany ciąg; ĉ: skorygowany; c: nadany (wektor kodowy).', rows } },
  ];
  if (outcome.changed) {
    parts.push({ text: outcome.changed.length === 0 ? 'Korekcja nie zmieniła żadnego bitu.' :
      `Korekcja zmieniła ${outcome.changed.length === 1 ? 'bit' : 'bity'} ${atPositions(outcome.changed)}.`,
    data: { changed: outcome.changed.join(' ') } });
  }
  if (outcome.matchesTransmitted) {
    parts.push({ text: 'Skorygowany ciąg jest zgodny z nadanym: dekodowanie metodą ' +
      'wyłapywania błędów odtworzyło nadane słowo.', tone: 'verdict',
    data: { outcome: 'corrected' }, why: 'why-window' });
    return parts;
  }
  const beyond = total !== null && total > 2;
  parts.push({ text: 'Skorygowany ciąg różni się od nadanego' +
    (outcome.wrong ? ` ${atPositions(outcome.wrong)}.` : '.'), tone: 'verdict',
  data: { outcome: 'miscorrected', wrong: outcome.wrong ? outcome.wrong.join(' ') : '',
    limit: beyond ? 'code' : '' }, why: beyond ? 'why-more' : null });
  if (beyond) {
    parts.push({ text: `${beyondCode(total, 'było')} Dekoder doprowadził ciąg do innego słowa ` +
      'kodowego niż nadane: to błędna korekcja, nie poprawienie.', tone: 'note' });
  }
  if (outcome.transmitted.nonBinary && outcome.transmitted.nonBinary.length > 0) {
    parts.push({ text: `Nadany ciąg ma ${atPositions(outcome.transmitted.nonBinary)} wartość spoza ` +
      '0 i 1, której poprawianie bitów nie odtworzy.', tone: 'unusual' });
  }
  return parts;
}

function uncorrectable(steps) {
  const errors = steps.errors;
  const total = errorCount(steps);
  const rounds = steps.rotations.length - 1;
  const gaveUp = `Po ${rounds}. przesunięciu waga wciąż > 2: dekoder metodą wyłapywania ` +
    'błędów się poddał, a program napisał, że ciągu nie da się skorygować.';
  const verdict = (data, extra = '', why = 'why-limit') => ({ text: `${gaveUp}${extra}`,
    tone: 'verdict', data: { outcome: 'uncorrectable', ...data }, why });
  const allIn = steps.rotations.slice(1).find((rotation) => rotation.errorsInWindow);
  if (allIn) {
    // All the errors stood in the window and the weight stayed above 2: more than two errors.
    return [verdict({ limit: total !== null && total > 2 ? 'code' : '', reason: 'all-in-window' },
      ` Po ${allIn.shift}. przesunięciu wszystkie błędy stały w oknie, ale waga ` +
      `wynosiła ${allIn.weight}: syndrom jest wtedy wektorem błędu, a błędów jest więcej ` +
      'niż dwa.' + (total !== null && total > 2 ? ` ${beyondCode(total)}` : ''), 'why-more')];
  }
  if (!errors || !errors.span) {
    return [verdict({ limit: total !== null && total > 2 ? 'code' : '' })];
  }
  const { first, last, length } = errors.span;
  const data = { spanFirst: first, spanLast: last, spanLength: length };
  let reason;
  let why;
  if (errors.trapRotation === null) {
    reason = 'span';
    why = 'To więcej niż 10 pozycji okna: żadne przesunięcie nie zmieści ich w nim naraz.';
  } else if (errors.trapRotation === 0) {
    reason = 'left-window';
    why = 'Stały w oknie już w odebranym ciągu, a przesunięcia je z niego wyprowadziły.';
  } else {
    reason = 'rotations';
    data.trapRotation = errors.trapRotation;
    why = `Do okna weszłyby razem dopiero po ${errors.trapRotation}. przesunięciu, a program ` +
      `robi najwyżej ${MOST_ROTATIONS} przesunięcia.`;
  }
  const limit = total === null ? '' : (total > 2 ? 'code' : 'decoder');
  const parts = [verdict({ limit, reason })];
  if (limit === 'decoder') {
    parts.push({ text: `Kod BCH(31,21) ma odległość minimalną d = 5 i poprawia każd${total === 1 ?
      'y pojedynczy błąd' : 'e dwa błędy'}: to słowo da się poprawić, ale nie tym dekoderem. ` +
      'Dekoder algebraiczny (np. Berlekampa–Masseya) by je poprawił.', tone: 'note',
    why: 'why-algebraic' });
  }
  parts.push({ figure: { caption: 'r: odebrany ciąg; ⟷: odcinek cykliczny, najkrótszy (po 30 ' +
    'jest 0), który obejmuje wszystkie błędy.', rows: [
    wordRow('received', 'r', steps.rotations[0].word, { error: errors.positions }),
    spanRow(errors.span)] } });
  parts.push({ text: `${errors.positions.length === 1 ? 'Błąd' : 'Błędy'} ${atPositions(errors.positions)} ` +
    `${errors.positions.length === 1 ? 'zajmuje' : 'zajmują'} odcinek cykliczny od ${first} do ` +
    `${last}: ${count(length, 'pozycję', 'pozycje', 'pozycji')}. ${why}` +
    (limit === 'code' ? ` ${beyondCode(total)}` : ''), data, why: 'why-limit' });
  return parts;
}

function now(steps, exited) {
  const last = steps.rotations.at(-1);
  switch (steps.waiting) {
    case 'information': return 'Program czeka na słowo informacyjne: 21 bitów, 0 lub 1.';
    case 'error': return 'Program czeka na wzorzec błędu: 31 bitów, 1 tam, gdzie ma być ' +
      'błąd (pierwszy znak to pozycja 0).';
    case 'rotation': return `Przesunięcie ${last.shift}: program czeka na Enter.`;
    case 'closing': return exited ? 'Program zakończył działanie.' :
      'Koniec programu: czeka na ostatni Enter.';
    default: return exited ? 'Program zakończył działanie.' : 'Program pracuje…';
  }
}

export function explain(steps, exited = false) {
  const sections = [];
  if (steps.codeVector) sections.push(encoding(steps));
  const received = steps.rotations[0];
  if (received) sections.push(error(steps));
  if (received && received.weight !== null) sections.push(syndrome(steps));
  if (steps.rotations.length > 1) sections.push(rotations(steps));
  const caught = steps.rotations.slice(1).find((rotation) => rotation.trapped);
  if (caught) sections.push({ id: 'trapped', ...trapped(steps, caught) });
  if (steps.outcome) {
    sections.push({ id: 'result', title: 'Wynik', parts: steps.outcome.kind === 'corrected' ?
      corrected(steps, steps.outcome) : uncorrectable(steps) });
  }
  return { now: now(steps, exited), sections };
}

// --- Why, and how far ---------------------------------------------------------------------

// What a teacher would put on a handout: why error trapping works and where this decoder stops.
// The figures for two errors (465 = 45 + 198 + 222) are those of any information word: the
// code is linear, so what happens depends on the error pattern alone.
export function why() {
  return { title: 'Dlaczego i kiedy to działa', points: [
    { id: 'why-distance', title: 'Ile błędów poprawia kod', paragraphs: [
      'Kod BCH(31,21) ma odległość minimalną d = 5: dwa różne słowa kodowe różnią się na co ' +
      'najmniej pięciu pozycjach. Dlatego poprawia t = ⌊(d − 1)/2⌋ = 2 błędy: słowo z ' +
      'najwyżej dwoma błędami leży bliżej nadanego słowa niż każdego innego.'] },
    { id: 'why-cyclic', title: 'Dlaczego wolno przesuwać', paragraphs: [
      'Kod jest cykliczny: przesunięcie cykliczne słowa kodowego jest znów słowem kodowym. ' +
      'Przesunięty ciąg odebrany to przesunięte słowo kodowe plus przesunięty wektor błędu, ' +
      'więc jego syndrom zależy tylko od przesuniętego wektora błędu.'] },
    { id: 'why-window', title: 'Dlaczego waga ≤ 2 znaczy „błędy w oknie”', paragraphs: [
      `Gdy wszystkie błędy stoją w oknie ${WINDOW}, wektor błędu e(x) ma stopień mniejszy ` +
      'niż 10, jest więc swoją własną resztą z dzielenia przez g(x): syndrom jest równy ' +
      'wektorowi błędu, a jego waga liczbie błędów.',
      'Odwrotnie, przy najwyżej dwóch błędach waga syndromu ≤ 2 oznacza, że błędy stoją w ' +
      'oknie. Gdyby nie stały, wektor błędu plus syndrom wpisany w okno byłby niezerowym ' +
      'słowem kodowym (jego reszta z dzielenia przez g(x) to s + s = 0) o wadze najwyżej ' +
      '2 + 2 = 4 < 5 = d, a takiego słowa nie ma.'] },
    { id: 'why-limit', title: 'Granice tego dekodera', paragraphs: [
      'Dekodowanie metodą wyłapywania błędów poprawia błędy tylko wtedy, gdy wszystkie ' +
      'mieszczą się w odcinku cyklicznym najwyżej 10 kolejnych pozycji i któreś z ' +
      `${MOST_ROTATIONS} przesunięć wprowadzi ten odcinek do okna. Pojedynczy błąd na ` +
      'pozycji p wchodzi do okna po 21 − p przesunięciach, więc każdy zostaje poprawiony.',
      'Z 465 układów dwóch błędów 45 stoi w części kontrolnej i nie wymaga korekcji, 198 ' +
      'dekoder poprawia, a 222 nie: 186 ma odcinek dłuższy niż 10, a 36 weszłoby do okna ' +
      `dopiero po więcej niż ${MOST_ROTATIONS} przesunięciach. Kod poprawia wszystkie 465; ` +
      'ten dekoder 243.'] },
    { id: 'why-algebraic', title: 'Dekodery, które poprawiają każde dwa błędy', paragraphs: [
      'Dekodery algebraiczne kodów BCH (algorytm Berlekampa–Masseya z procedurą Chiena albo ' +
      'rozwiązanie równania kwadratowego w GF(32)) obliczają syndromy S₁ i S₃ jako wartości ' +
      'r(x) w pierwiastkach g(x) i wyznaczają z nich położenia błędów. Poprawiają każdy ' +
      'układ najwyżej dwóch błędów, także tych, których wyłapywanie nie obejmie.'] },
    { id: 'why-more', title: 'Więcej niż dwa błędy', paragraphs: [
      'Przy trzech i więcej błędach kod niczego nie gwarantuje. Waga ≤ 2 może się wtedy ' +
      'pojawić, choć błędy nie stoją w oknie: dekoder zmienia wtedy ciąg w inne słowo ' +
      'kodowe (błędna korekcja). Gdy błąd sam jest słowem kodowym, syndrom jest zerowy i ' +
      'błąd przechodzi niezauważony.'] },
  ] };
}
