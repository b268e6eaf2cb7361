// What the teaching view says about a run: the steps read off the program's output (steps.js)
// turned into sections of short Polish sentences and figures of words laid out by position.
// Every claim rests on a fact of the steps, so a section appears only once the program has
// printed what it explains; nothing here computes a syndrome or traps. No DOM: view.js draws it.
//
// explain(steps, exited) -> { now, sections }
//   now       one sentence: where the run stands (exited: the program has ended)
//   sections  [{ id, title, parts }] in the order of the run, only those reached; a part is
//     { text, tone, data }  a paragraph; tone 'verdict', 'note' or 'unusual'; data: facts for
//                           the page's data-* attributes (tests read them, not the prose);
//                           "x^{10}" in the text is a superscript
//     { figure: { caption, rows } }  words one above the other, position under position; a row
//       is { id, label, cells, note, current, trapped }, each cell { position, text, marks }
//       with marks among 'error' (a position where the word differs from the one sent),
//       'changed' (a bit the correction flips), 'outside' (a value other than 0 and 1) and
//       'span' (the errors' span); a syndrome's cells stand at positions 21..30, under the
//       window; a row the reader could not split into positions has text instead of cells
//     { chart: { points: [{ shift, weight }], threshold, limit } }  the weight per rotation
//       (shift 0: the received word) against the threshold 2, on an axis of rotations 0..limit
import { CODE_LENGTH, CORRECTABLE_WEIGHT, INFORMATION_LENGTH, sameList } from './steps.js';

// The program gives up after this many rotations.
const MOST_ROTATIONS = 22;
const WINDOW = `${INFORMATION_LENGTH}–${CODE_LENGTH - 1}`;

// --- Words --------------------------------------------------------------------------------

// Polish plural: 1 błąd, 2-4 (but not 12-14) błędy, else błędów.
function plural(n, one, few, many) {
  if (n === 1) return one;
  const tens = n % 100;
  return n % 10 >= 2 && n % 10 <= 4 && (tens < 12 || tens > 14) ? few : many;
}
const count = (n, one, few, many) => `${n} ${plural(n, one, few, many)}`;
// After "po": "1 przesunięciu", "5 przesunięciach".
const afterShifts = (n) => count(n, 'przesunięciu', 'przesunięciach', 'przesunięciach');
function list(items) {
  if (items.length <= 1) return items.join('');
  return `${items.slice(0, -1).join(', ')} i ${items.at(-1)}`;
}
// "na pozycji 16", "na pozycjach 0 i 29"
const atPositions = (ps) => `${ps.length === 1 ? 'na pozycji' : 'na pozycjach'} ${list(ps)}`;
// "pozycja 16", "pozycje 0 i 29"
const positionsNamed = (ps) => `${ps.length === 1 ? 'pozycja' : 'pozycje'} ${list(ps)}`;
const inInformation = (ps) => ps.filter((p) => p < INFORMATION_LENGTH);
const tooMany = (n, verb = 'jest') => `Błędów ${verb} ${n}, a kod poprawia co najwyżej dwa.`;

// --- Figures ------------------------------------------------------------------------------

// A word as a figure row: one cell per position, with the marks asked for, or the printed
// text whole where its values are not known.
function wordRow(id, label, row, marks = {}, extra = {}) {
  if (!row.values) return { id, label, text: row.text, ...extra };
  const outside = new Set(row.outside);
  const cells = row.values.map((value, position) => {
    const on = Object.keys(marks).filter((mark) => marks[mark] && marks[mark].includes(position));
    if (outside.has(position)) on.push('outside');
    return { position, text: String(value), marks: on };
  });
  return { id, label, cells, ...extra };
}

// A syndrome under the window: its value q at position 21 + q.
function syndromeRow(id, label, row, changed = null, extra = {}) {
  if (!row.values) return { id, label, text: row.text, under: true, ...extra };
  const cells = row.values.map((value, q) => {
    const position = INFORMATION_LENGTH + q;
    const marks = changed && changed.includes(position) ? ['changed'] : [];
    if (row.outside.includes(q)) marks.push('outside');
    return { position, text: String(value), marks };
  });
  return { id, label, cells, ...extra };
}

// A typed word as the program took it: its characters, values other than 0 and 1 marked.
function typedRow(id, label, word, marks) {
  const cells = [...word.text].map((text, position) => {
    const on = Object.keys(marks).filter((mark) => marks[mark].includes(position));
    if (word.outside.includes(position)) on.push('outside');
    return { position, text, marks: on };
  });
  return { id, label, cells };
}

// The cells of the errors' span: first, first + 1, ... last, round the word.
function spanRow(span) {
  const cells = [];
  for (let i = 0; i < span.length; i += 1) {
    cells.push({ position: (span.first + i) % CODE_LENGTH, text: '', marks: ['span'] });
  }
  return { id: 'span', label: '⟷', cells: cells.sort((a, b) => a.position - b.position) };
}

// --- Sentences about values other than 0 and 1 ---------------------------------------------

function outsideNote(word, where) {
  const typed = (p) => (word.text[p] === '\uFFFD' ? `bajt ${word.bytes[p]}` :
    `„${word.text[p]}”`);
  const which = word.outside.map((p) => `${p} (${typed(p)} = ${word.values[p]})`);
  return {
    text: `${where} wpisano wartość spoza 0 i 1 ${atPositions(which)}. Program bierze ` +
      'każdy znak jako liczbę (kod znaku − 48) i drukuje ją tak, jak jest; widok pokazuje ' +
      'wydrukowane cyfry bez zmian i mówi tylko to, co z nich wynika.',
    tone: 'unusual',
    data: { unusual: word.outside.join(' ') },
  };
}

// --- The sections -------------------------------------------------------------------------

function encoding(s) {
  const parts = [
    { text: 'Słowo informacyjne i(x) to 21 bitów na pozycjach 0–20. Część kontrolna ' +
      `(${WINDOW}) to reszta z dzielenia i(x)·x^{10} przez g(x) = x^{10} + x^{9} + x^{8} + ` +
      'x^{6} + x^{5} + x^{3} + 1.' },
    { text: 'Pozycje liczymy od 0 z lewej: pozycja p to współczynnik przy x^{30−p}.' },
    { figure: { caption: 'c: wektor kodowy, jak go wydrukował program.',
      rows: [wordRow('code-vector', 'c', s.codeVector)] } },
  ];
  if (s.information && !s.information.typed) {
    parts.push({ text: 'Nie wpisano słowa: program wziął swoje słowo domyślne.',
      tone: 'note' });
  }
  if (s.information && s.information.outside.length > 0) {
    parts.push(outsideNote(s.information, 'W słowie informacyjnym'));
  }
  if (s.warnings.includes('information-differs')) {
    parts.push({ text: 'Wpisane słowo nie zgadza się z początkiem wektora kodowego: widok ' +
      'pokazuje tylko wydrukowane cyfry.', tone: 'note' });
  }
  return { id: 'encoding', title: 'Kodowanie', parts };
}

function error(s) {
  const e = s.errors;
  const rows = [wordRow('code-vector', 'c', s.codeVector)];
  if (s.errorPattern) {
    rows.push(typedRow('error-pattern', 'e', s.errorPattern, { error: s.errorPattern.ones }));
  }
  rows.push(wordRow('received', 'r', s.received, { error: e && e.positions }));
  const parts = [{ figure: { caption: 'c: wektor kodowy; e: błąd (wzorzec dopełniony zerami ' +
    'lub obcięty do 31 znaków); r = c + e: odebrany ciąg.', rows } }];
  if (s.errorPattern) {
    const { ones } = s.errorPattern;
    parts.push({ text: ones.length === 0 ? 'Wzorzec błędu nie ma jedynek.' :
      `Jedynki wzorca błędu: ${positionsNamed(ones)}.`, data: { ones: ones.join(' ') } });
    if (s.errorPattern.outside.length > 0) {
      parts.push(outsideNote(s.errorPattern, 'We wzorcu błędu'));
    }
  }
  if (!e) {
    parts.push({ text: 'Tych wierszy nie da się jednoznacznie podzielić na 31 pozycji, więc ' +
      'widok nie porównuje ich pozycja po pozycji.', tone: 'unusual' });
  } else {
    parts.push({ text: e.positions.length === 0 ? 'Odebrany ciąg jest równy wektorowi kodowemu.' :
      `Odebrany ciąg różni się od wektora kodowego ${atPositions(e.positions)}: ` +
      `${count(e.positions.length, 'błąd', 'błędy', 'błędów')}.`,
      data: { errors: e.positions.join(' ') } });
    if (s.errorPattern && !sameList(s.errorPattern.ones, e.positions)) {
      // With values 0 and 1 alone, r = c + e differs from c exactly at e's ones.
      parts.push({ text: 'Różnice nie leżą dokładnie pod jedynkami wzorca: to skutek ' +
        'wartości spoza 0 i 1, które program dodaje jak liczby.', tone: 'unusual' });
    }
  }
  return { id: 'error', title: 'Błąd', parts };
}

function syndrome(s) {
  const e = s.errors;
  const parts = [
    { text: `Syndrom to reszta z dzielenia r(x) przez g(x): 10 bitów, które stoją pod oknem ` +
      `${WINDOW}. Jego waga to liczba jedynek.` },
    { figure: { caption: 'r: odebrany ciąg; s: jego syndrom, pod pozycjami 21–30.', rows: [
      wordRow('received', 'r', s.received, { error: e && e.positions }),
      syndromeRow('syndrome', 's', s.syndrome, null, { note: `w=${s.weight}` }),
    ] } },
  ];
  if (s.verdict === 'correction') {
    parts.push({ text: `Waga ${s.weight} > 2: program zaczyna korekcję.`, tone: 'verdict',
      data: { verdict: 'correction' } });
    parts.push({ text: 'Przy najwyżej dwóch błędach to znak błędu w części ' +
      'informacyjnej: błędy w samej części kontrolnej są swoim syndromem i dają wagę ' +
      'najwyżej 2.' });
  } else if (s.verdict === 'no-correction') {
    parts.push({ text: `Waga ${s.weight} ≤ 2: program niczego nie poprawia.`, tone: 'verdict',
      data: { verdict: 'no-correction' } });
    parts.push({ text: 'Przy najwyżej dwóch błędach część informacyjna jest wtedy bez ' +
      'błędu.' });
    if (e && e.parityOnly) {
      const shown = ': syndrom jest dokładnie tym błędem, jedynka pod jedynką.';
      parts.push({ text: 'Błąd stoi tylko w części kontrolnej ' +
        `(${positionsNamed(e.positions)})${s.syndromeShowsErrors ? shown : '.'} Program go ` +
        'nie poprawia, bo informacja dotarła cała.', tone: 'note',
        data: { parityOnly: e.positions.join(' ') } });
    } else if (e && inInformation(e.positions).length > 0) {
      const missed = inInformation(e.positions);
      parts.push({ text: 'Odebrany ciąg różni się jednak od wektora kodowego w części ' +
        `informacyjnej (${positionsNamed(missed)}), a syndrom tego nie pokazał.` +
        (s.unusual.length === 0 ? ` ${tooMany(e.positions.length)}` : ''), tone: 'note',
      data: { missed: missed.join(' ') } });
    }
  }
  return { id: 'syndrome', title: 'Syndrom i waga', parts };
}

function rotations(s) {
  const rows = [];
  for (const r of s.rotations) {
    const extra = { current: r.waiting, trapped: r.trapped === true, shift: r.shift };
    rows.push(wordRow(`rotation-${r.shift}`, String(r.shift), r.word, { error: r.errorsAt },
      { ...extra, note: r.weight === null ? '' : `w=${r.weight}` }));
    if (r.syndrome) {
      rows.push(syndromeRow(`rotation-${r.shift}-syndrome`, 's', r.syndrome,
        r.trapped ? r.syndromeOnes : null, { ...extra, under: true }));
    }
  }
  const points = [{ shift: 0, weight: s.weight },
    ...s.rotations.filter((r) => r.weight !== null)
      .map((r) => ({ shift: r.shift, weight: r.weight }))];
  return { id: 'rotations', title: 'Przesunięcia', parts: [
    { text: 'Kod jest cykliczny: syndrom przesuniętego słowa to syndrom przesuniętego ' +
      'błędu. Każde przesunięcie w prawo przenosi błąd z pozycji p na (p + 1) mod 31. Gdy ' +
      `wszystkie błędy staną w oknie ${WINDOW}, syndrom jest samym błędem i ma wagę ` +
      'najwyżej 2.' },
    { chart: { points, threshold: CORRECTABLE_WEIGHT, limit: MOST_ROTATIONS } },
    { figure: { caption: 'Po lewej liczba przesunięć, pod każdym słowem jego syndrom, po ' +
      'prawej waga w.', rows } },
  ] };
}

function trapped(s, r) {
  const e = s.errors;
  const data = { trapped: r.shift };
  const head = { text: `Złapane po ${afterShifts(r.shift)}: waga ${r.weight} ≤ 2.`,
    tone: 'verdict', data };
  if (r.errorsInWindow && r.syndromeShowsErrors) {
    return [head, { text: 'Wszystkie błędy stoją teraz w oknie ' +
      `(${positionsNamed(r.errorsAt)}), więc syndrom jest tam wzorcem błędu: jego jedynki ` +
      'stoją dokładnie pod błędami.' }];
  }
  if (r.errorsAt && r.syndromeOnes && !r.errorsInWindow) {
    return [head, { text: `Ale błędy stoją ${atPositions(r.errorsAt)}, nie wszystkie w ` +
      `oknie. Jedynki syndromu stoją pod ${list(r.syndromeOnes) || 'żadną pozycją'}: tam ` +
      'program zmieni bity, choć błędów tam nie ma.' +
      (s.unusual.length === 0 ? ` ${tooMany(e.positions.length)}` : ''), tone: 'note' }];
  }
  return [head, { text: 'Program uznaje, że błędy stoją w oknie, i poprawi bity pod ' +
    'jedynkami syndromu.' }];
}

function corrected(s, o) {
  const e = s.errors;
  const back = CODE_LENGTH - o.rotation;
  const rows = [
    wordRow('received', 'r', s.received, { error: e && e.positions }),
    wordRow('corrected', 'ĉ', o.corrected, { changed: o.changed, error: o.wrong }),
    wordRow('transmitted', 'c', o.transmitted),
  ];
  const parts = [
    { text: `Program dodał syndrom do okna i przesunął słowo jeszcze ${back} ` +
      `${plural(back, 'raz', 'razy', 'razy')}, razem 31 razy: słowo wróciło na swoje miejsce.` },
    { figure: { caption: 'r: odebrany ciąg; ĉ: skorygowany; c: nadany (wektor kodowy).', rows } },
  ];
  if (o.changed) {
    parts.push({ text: o.changed.length === 0 ? 'Korekcja nie zmieniła żadnego bitu.' :
      `Korekcja zmieniła ${o.changed.length === 1 ? 'bit' : 'bity'} ${atPositions(o.changed)}.`,
    data: { changed: o.changed.join(' ') } });
  }
  if (o.matchesTransmitted) {
    parts.push({ text: 'Skorygowany ciąg jest zgodny z nadanym.', tone: 'verdict',
      data: { outcome: 'corrected' } });
    return parts;
  }
  parts.push({ text: 'Skorygowany ciąg różni się od nadanego' +
    (o.wrong ? ` ${atPositions(o.wrong)}.` : '.'), tone: 'verdict',
  data: { outcome: 'miscorrected', wrong: o.wrong ? o.wrong.join(' ') : '' } });
  if (s.unusual.length === 0 && e && e.positions.length > 2) {
    parts.push({ text: `${tooMany(e.positions.length, 'było')} Korekcja „udała się”, ale ` +
      'dała inne słowo kodowe niż nadane.', tone: 'note' });
  }
  if (o.transmitted.outside && o.transmitted.outside.length > 0) {
    parts.push({ text: `Nadany ciąg ma ${atPositions(o.transmitted.outside)} wartość spoza ` +
      '0 i 1, której poprawianie bitów nie odtworzy.', tone: 'unusual' });
  }
  return parts;
}

function uncorrectable(s) {
  const e = s.errors;
  const inWindow = s.rotations.find((r) => r.errorsInWindow);
  const parts = [];
  if (inWindow) {
    // With values 0 and 1 and at most two errors in the window, the weight is at most 2.
    parts.push({ text: `Po ${afterShifts(inWindow.shift)} wszystkie błędy stały w oknie, ale ` +
      'waga nie spadła do 2: słowa nie da się skorygować.', tone: 'verdict',
    data: { outcome: 'uncorrectable' } });
    if (s.unusual.length === 0) parts.push({ text: tooMany(e.positions.length) });
    return parts;
  }
  parts.push({ text: `Po ${afterShifts(s.rotations.length)} waga wciąż > 2: słowa nie da się ` +
    'skorygować.', tone: 'verdict', data: { outcome: 'uncorrectable' } });
  if (e) {
    parts.push({ text: 'Żadne przesunięcie nie wprowadziło wszystkich błędów naraz do ' +
      'okna.' });
  }
  if (e && e.span) {
    const { first, last, length } = e.span;
    const data = { spanFirst: first, spanLast: last, spanLength: length };
    let why;
    if (e.trapRotation === null) {
      why = 'To więcej niż 10 pozycji okna: żadne przesunięcie nie zmieści ich w nim naraz.';
    } else if (e.trapRotation === 0) {
      why = 'Stały w oknie już w odebranym ciągu, a przesunięcia je z niego wyprowadziły.';
    } else {
      why = `Do okna weszłyby razem dopiero po ${e.trapRotation}. przesunięciu, a program ` +
        `robi najwyżej ${MOST_ROTATIONS}.`;
    }
    parts.push({ figure: { caption: 'r: odebrany ciąg; ⟷: odcinek, najkrótszy łuk (liczony ' +
      'w kółko, po 30 jest 0), który obejmuje wszystkie błędy.', rows: [
      wordRow('received', 'r', s.received, { error: e.positions }), spanRow(e.span)] } });
    parts.push({ text: `Błędy ${atPositions(e.positions)} zajmują odcinek od ${first} do ` +
      `${last}, w kółko: ${count(length, 'pozycję', 'pozycje', 'pozycji')}. ${why}` +
      (e.positions.length > 2 && s.unusual.length === 0 ? ` ${tooMany(e.positions.length)}` :
        ''), data });
  }
  return parts;
}

function now(s, exited) {
  const last = s.rotations.at(-1);
  switch (s.waiting) {
    case 'information': return 'Program czeka na słowo informacyjne: 21 bitów, 0 lub 1.';
    case 'error': return 'Program czeka na wzorzec błędu: 31 bitów, 1 tam, gdzie ma być ' +
      'błąd (pierwszy znak to pozycja 0).';
    case 'rotation': return `Przesunięcie ${last.shift}: program czeka na Enter.`;
    case 'closing': return exited ? 'Program zakończył działanie.' :
      'Koniec programu: czeka na ostatni Enter.';
    default: return exited ? 'Program zakończył działanie.' : 'Program pracuje…';
  }
}

export function explain(s, exited = false) {
  const sections = [];
  if (s.codeVector) sections.push(encoding(s));
  if (s.received) sections.push(error(s));
  if (s.weight !== null) sections.push(syndrome(s));
  if (s.rotations.length > 0) sections.push(rotations(s));
  const caught = s.rotations.find((r) => r.trapped);
  if (caught) sections.push({ id: 'trapped', title: 'Błędy w oknie', parts: trapped(s, caught) });
  if (s.outcome) {
    sections.push({ id: 'result', title: 'Wynik', parts: s.outcome.kind === 'corrected' ?
      corrected(s, s.outcome) : uncorrectable(s) });
  }
  return { now: now(s, exited), sections };
}
