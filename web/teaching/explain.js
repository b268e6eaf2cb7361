// What the teaching view says about a run: the steps read off the program's output (steps.js)
// turned into sections of short sentences and figures of words laid out by position. Every
// claim rests on a fact of the steps, so a section appears only once the program has printed
// what it explains; nothing here computes a syndrome or traps. No DOM: view.js draws it. No
// prose either: each sentence is a key of the catalogue with the facts it needs, and `say`
// (language.js) makes it a sentence in the reader's language.
//
// Two things are kept apart throughout: the code and this decoder. BCH(31,21) has minimum
// distance d = 5 and so corrects any two errors; error trapping, the program's decoder, corrects
// only errors that fit, cyclically, into the 10 positions of the window and get there within 22
// rotations. A sentence that holds only for at most two errors says so, and where a run has more
// it says that the condition fails.
//
// explain(steps, exited, say) -> { now, sections }
//   now       one sentence: where the run stands (exited: the program has ended)
//   sections  [{ id, title, parts }] in the order of the run, only those reached; a part is
//     { text, tone, data, why }  a paragraph; tone 'verdict', 'note' or 'unusual'; data: the
//                           facts it states, for the page's data-* attributes (tests read them,
//                           not the prose, and they are the same in every language); why: the id
//                           of the point of the panel (why()) that explains it; "x^(10)" in the
//                           text is a superscript
//     { figure: { caption, rows } }  words one above the other, position under position; a row
//       is { id, label, cells, note, current, trapped, under, shift }, each cell { position,
//       text, marks } with marks among 'error' (a position where the word differs from the one
//       sent), 'changed' (a bit the correction flips), 'non-binary' (a value other than 0 and 1)
//       and 'span' (the errors' span); a syndrome's row has `under` set and its cells stand at
//       positions 21..30, under the window; a row of a rotation has its `shift`, `current` while
//       the program waits after it and `trapped` where the weight fell to 2 or less; a row the
//       reader could not split into positions has text instead of cells
//     { chart: { points: [{ shift, weight }], threshold, limit } }  the weight per rotation
//       (shift 0: the received word) against the threshold 2, on an axis of rotations 0..limit
//
// why(say) -> { title, points: [{ id, title, paragraphs }] }: the panel "why and how far".
import {
  CODE_LENGTH,
  CORRECTABLE_WEIGHT,
  MOST_ROTATIONS,
  WINDOW_FIRST,
  WINDOW_LAST,
} from '../program/program.js';
import { bitErrors, sameList, windowPosition } from './steps.js';
import { ARITHMETIC_WHY, clockNote, divisionParts, registerParts } from './explain_arithmetic.js';

const WINDOW = { first: WINDOW_FIRST, last: WINDOW_LAST };
const inInformation = (positions) => positions.filter((p) => p < WINDOW_FIRST);

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

// How many errors the run has, where that number is a fact the code's guarantees speak of.
const errorCount = (steps) => bitErrors(steps)?.length ?? null;
const beyondCode = (total) => total !== null && total > CORRECTABLE_WEIGHT;

// Where the received word's bits differ from the code vector's: the program adds a typed value
// as a number and keeps the remainder modulo 2, so a value other than 0 and 1 changes a bit only
// where it changes the value's parity. With values 0 and 1 alone, these are the errors. Null
// where either row's values are unknown.
function bitsDiffering(steps) {
  const sent = steps.codeVector?.values;
  const received = steps.rotations[0]?.word.values;
  if (!sent || !received) return null;
  return sent.flatMap((value, p) => (Math.abs(value - received[p]) % 2 === 1 ? [p] : []));
}

// The window positions whose bits the correction at a rotation flips: read off the printed
// result once it is there, else, with values 0 and 1 only, the syndrome's ones (adding 1 to a
// bit flips it). Null where neither is known.
function flippedInWindow(steps, rotation) {
  const { outcome } = steps;
  if (outcome && outcome.kind === 'corrected' && outcome.changed) {
    return outcome.changed.map((p) => (p + rotation.shift) % CODE_LENGTH).sort((a, b) => a - b);
  }
  return steps.unusual.length === 0 ? rotation.syndromeOnes : null;
}

// The values typed outside 0 and 1, as the catalogue's list of { position, character or byte,
// value } items.
function typedValues(word, say) {
  return word.nonBinary.map((position) =>
    say(word.text[position] === '\uFFFD' ? 'typed.byte' : 'typed.character', {
      position,
      byte: word.bytes[position],
      character: word.text[position],
      value: word.values[position],
    }),
  );
}

// --- The sections -------------------------------------------------------------------------

function encoding(steps, say) {
  const parts = [
    { text: say('encoding.parts', WINDOW) },
    { text: say('encoding.positions') },
    {
      figure: {
        caption: say('encoding.caption'),
        rows: [wordRow('code-vector', 'c', steps.codeVector)],
      },
    },
    ...divisionParts('encoding', steps, say),
  ];
  const word = steps.information;
  if (word && !word.typed) parts.push({ text: say('encoding.default'), tone: 'note' });
  if (word && word.nonBinary.length > 0) {
    parts.push({
      text: say('encoding.nonBinary', {
        count: word.nonBinary.length,
        values: typedValues(word, say),
      }),
      tone: 'unusual',
      data: { unusual: word.nonBinary.join(' ') },
    });
  }
  if (steps.warnings.includes('information-differs')) {
    parts.push({ text: say('encoding.differs'), tone: 'note' });
  }
  return { id: 'encoding', title: say('encoding.title'), parts };
}

function error(steps, say) {
  const { errors, errorPattern } = steps;
  const rows = [wordRow('code-vector', 'c', steps.codeVector)];
  if (errorPattern) {
    // Where the received word is known to differ, those are the errors the pattern made,
    // whatever character stood there; else its ones.
    rows.push(
      typedRow('error-pattern', 'e', errorPattern, {
        error: errors ? errors.positions : errorPattern.ones,
      }),
    );
  }
  rows.push(
    wordRow('received', 'r', steps.rotations[0].word, { error: errors && errors.positions }),
  );
  const parts = [
    { figure: { caption: say('error.caption'), rows } },
    ...(errorPattern ? patternParts(errorPattern, say) : []),
  ];
  if (!errors) {
    parts.push({ text: say('error.unsplit'), tone: 'unusual' });
  } else if (bitErrors(steps) === null && errors.positions.length > 0) {
    parts.push(valuesDiffer(steps, say));
  } else {
    const { positions } = errors;
    parts.push({
      text:
        positions.length === 0
          ? say('error.same')
          : say('error.differs', { count: positions.length, positions }),
      data: { errors: positions.join(' ') },
    });
    if (errorPattern && !sameList(errorPattern.ones, positions)) {
      // With values 0 and 1 alone, r = c + e differs from c exactly at e's ones.
      parts.push({ text: say('error.notUnderOnes'), tone: 'unusual' });
    }
  }
  return { id: 'error', title: say('error.title'), parts };
}

// What the typed error pattern holds: its ones, and its values other than 0 and 1.
function patternParts(errorPattern, say) {
  const { ones } = errorPattern;
  const parts = [
    {
      text:
        ones.length === 0
          ? say('error.noOnes')
          : say('error.ones', { count: ones.length, positions: ones }),
      data: { ones: ones.join(' ') },
    },
  ];
  if (errorPattern.nonBinary.length > 0) {
    parts.push({
      text: say('error.nonBinary', {
        count: errorPattern.nonBinary.length,
        values: typedValues(errorPattern, say),
      }),
      tone: 'unusual',
      data: { unusual: errorPattern.nonBinary.join(' ') },
    });
  }
  return parts;
}

// Where values other than 0 and 1 were typed, the words differ in values at some positions and
// in bits (modulo 2) at some of those: only the latter are errors of bits.
function valuesDiffer(steps, say) {
  const { positions } = steps.errors;
  const bits = bitsDiffering(steps) ?? [];
  return {
    text: [
      say('error.valuesDiffer', { count: positions.length, positions }),
      bits.length === 0
        ? say('error.noBitDiffers')
        : say('error.bitsDiffer', { count: bits.length, positions: bits }),
    ].join(' '),
    tone: 'unusual',
    data: { errors: positions.join(' '), bitErrors: bits.join(' ') },
  };
}

function syndrome(steps, say) {
  const { errors } = steps;
  const received = steps.rotations[0];
  const total = errorCount(steps);
  const parts = [
    { text: say('syndrome.what', WINDOW) },
    {
      figure: {
        caption: say('syndrome.caption', WINDOW),
        rows: [
          wordRow('received', 'r', received.word, { error: errors && errors.positions }),
          syndromeRow('syndrome', 's', received.syndrome, null, { note: `w=${received.weight}` }),
        ],
      },
    },
    ...divisionParts('syndrome', steps, say),
  ];
  // The weight rule holds for at most two errors; with more, it says that it does not apply.
  const rule = (key) => ({
    text: [
      say(key),
      ...(beyondCode(total) ? [say('syndrome.ruleFails', { count: total })] : []),
    ].join(' '),
    data: { errorCount: total ?? '', ruleHolds: total === null ? '' : String(!beyondCode(total)) },
    why: 'why-window',
  });
  if (steps.verdict === 'correction') {
    parts.push({
      text: say('syndrome.correction', { weight: received.weight }),
      tone: 'verdict',
      data: { verdict: 'correction' },
    });
    parts.push(rule('syndrome.correctionRule'));
  } else if (steps.verdict === 'no-correction') {
    parts.push({
      text: say('syndrome.noCorrection', { weight: received.weight }),
      tone: 'verdict',
      data: { verdict: 'no-correction' },
    });
    parts.push(rule('syndrome.noCorrectionRule'));
    parts.push(...noCorrectionNote(steps, total, say));
  }
  return { id: 'syndrome', title: say('syndrome.title'), parts };
}

// Where no correction follows: errors in the parity part alone, or errors in the information
// that the syndrome did not show.
function noCorrectionNote(steps, total, say) {
  const { errors } = steps;
  const received = steps.rotations[0];
  if (errors && errors.parityOnly) {
    const { positions } = errors;
    const key = received.syndromeShowsErrors ? 'syndrome.parityOnlyShown' : 'syndrome.parityOnly';
    return [
      {
        text: say(key, { count: positions.length, positions }),
        tone: 'note',
        data: { parityOnly: positions.join(' ') },
      },
    ];
  }
  return missedNote(steps, total, say);
}

// Errors in the information part that the syndrome's weight did not show. With values other
// than 0 and 1, only a changed bit is an error, and the received word, holding such values, is
// no code word of bits whatever its syndrome.
function missedNote(steps, total, say) {
  const { errors } = steps;
  const received = steps.rotations[0];
  const binary = bitErrors(steps) !== null;
  const missed = inInformation((binary ? errors?.positions : bitsDiffering(steps)) ?? []);
  if (missed.length === 0) return [];
  const { values } = received.syndrome;
  const zero = values !== null && values.every((value) => value === 0);
  let weightKey = zero ? 'syndrome.missedZero' : 'syndrome.missedLight';
  if (!binary) weightKey = zero ? 'syndrome.missedZeroValues' : 'syndrome.missedLight';
  const sentences = [
    say(binary ? 'syndrome.missed' : 'syndrome.missedBits', {
      count: missed.length,
      positions: missed,
    }),
    say(weightKey, { weight: received.weight }),
    ...(beyondCode(total) ? [say('beyond.is', { count: total })] : []),
  ];
  return [
    {
      text: sentences.join(' '),
      tone: 'note',
      data: {
        missed: missed.join(' '),
        syndromeZero: String(zero),
        codeWord: String(binary && zero),
      },
      why: 'why-more',
    },
  ];
}

function rotations(steps, say) {
  const rows = [];
  const shifted = steps.rotations.slice(1);
  const caught = shifted.find((rotation) => rotation.trapped);
  for (const rotation of shifted) {
    const { shift } = rotation;
    const extra = { current: rotation.waiting, trapped: rotation.trapped === true, shift };
    rows.push(
      wordRow(
        `rotation-${shift}`,
        String(shift),
        rotation.word,
        { error: rotation.errorsAt },
        { ...extra, note: rotation.weight === null ? '' : `w=${rotation.weight}` },
      ),
    );
    if (rotation.syndrome) {
      rows.push(
        syndromeRow(
          `rotation-${shift}-syndrome`,
          's',
          rotation.syndrome,
          rotation === caught ? flippedInWindow(steps, rotation) : null,
          { ...extra, ...clockNote(steps, rotation) },
        ),
      );
    }
  }
  const points = steps.rotations
    .filter((rotation) => rotation.weight !== null)
    .map((rotation) => ({ shift: rotation.shift, weight: rotation.weight }));
  const parts = [
    { text: say('rotations.cyclic', WINDOW), why: 'why-cyclic' },
    { chart: { points, threshold: CORRECTABLE_WEIGHT, limit: MOST_ROTATIONS } },
    { figure: { caption: say('rotations.caption'), rows } },
    ...registerParts(steps, say),
  ];
  parts.push(...typedAtPauses(shifted, say));
  // A rotation that brings every error into the window without trapping them: more than two
  // errors, whose syndrome there is the error pattern, of weight above 2.
  const all = shifted.find((rotation) => rotation.errorsInWindow && rotation.weight !== null);
  const total = errorCount(steps);
  if (all && total !== null && all.weight > CORRECTABLE_WEIGHT) {
    // The program rotates on after any rotation but its last, where it gives up.
    const last = all.shift >= MOST_ROTATIONS;
    parts.push({
      text: [
        say('rotations.allInWindow', { shift: all.shift, count: total, weight: all.weight }),
        say(last ? 'rotations.givesUp' : 'rotations.goesOn', { shift: all.shift }),
      ].join(' '),
      data: { allInWindow: all.shift, weight: all.weight, next: last ? 'gives-up' : 'rotation' },
      why: 'why-more',
    });
  }
  return { id: 'rotations', title: say('rotations.title'), parts };
}

// A pause takes one byte: where something other than Enter was typed there, the program took
// that and the line's Enter went on to the next pause.
function typedAtPauses(shifted, say) {
  return shifted
    .filter((rotation) => rotation.took !== null && rotation.took !== 10)
    .map(({ shift, took }) => ({
      text:
        took > 32 && took < 127
          ? say('rotations.typedAtPause', { shift, character: String.fromCharCode(took) })
          : say('rotations.byteAtPause', { shift, byte: took }),
      tone: 'unusual',
      data: { typedAtPause: shift },
    }));
}

// The rotation where the weight fell to 2 or less. Its title and first sentence say whether
// the errors were really trapped (all in the window) or only the weight fell.
function trapped(steps, rotation, say) {
  const { shift, weight, errorsAt } = rotation;
  if (errorsAt === null || rotation.errorsInWindow === null) {
    return {
      title: say('trapped.unknownTitle'),
      parts: [
        {
          text: say('trapped.unknown', { shift, weight }),
          tone: 'verdict',
          data: { trapped: shift, errorsTrapped: 'unknown' },
        },
      ],
    };
  }
  const count = errorsAt.length;
  if (rotation.errorsInWindow) {
    return {
      title: say('trapped.yesTitle', { count }),
      parts: [
        {
          text: say('trapped.yes', { count, shift, weight }),
          tone: 'verdict',
          data: { trapped: shift, errorsTrapped: 'yes' },
        },
        rotation.syndromeShowsErrors
          ? { text: say('trapped.shown', { count, positions: errorsAt }), why: 'why-window' }
          : { text: say('trapped.notShown', { count, positions: errorsAt }), tone: 'unusual' },
      ],
    };
  }
  // The weight fell, but some error stands outside the window: with at most two errors that
  // cannot happen (d = 5), so the run has more, and the correction changes the wrong bits.
  const parts = [
    {
      text: say('trapped.no', { shift, weight, count, positions: errorsAt }),
      tone: 'verdict',
      data: { trapped: shift, errorsTrapped: 'no' },
    },
  ];
  const flipped = flippedInWindow(steps, rotation);
  if (flipped) parts.push(flipsNote(flipped, errorsAt, say));
  const total = errorCount(steps);
  if (beyondCode(total)) {
    parts.push({
      text: `${say('beyond.is', { count: total })} ${say('trapped.beyond')}`,
      why: 'why-more',
    });
  }
  return { title: say('trapped.noTitle'), parts };
}

// What the correction at a rotation does where the errors are not all in the window: the bits
// it flips with no error there, the errors it fixes, and those it leaves.
function flipsNote(flipped, errorsAt, say) {
  const wrongly = flipped.filter((p) => !errorsAt.includes(p));
  const rightly = flipped.filter((p) => errorsAt.includes(p));
  const left = errorsAt.filter((p) => !flipped.includes(p));
  const sentences = flipped.length === 0 ? [say('trapped.flipsNothing')] : [];
  for (const [key, positions] of [
    ['trapped.flipsWrongly', wrongly],
    ['trapped.fixes', rightly],
    ['trapped.leaves', left],
  ]) {
    if (positions.length > 0) sentences.push(say(key, { count: positions.length, positions }));
  }
  return {
    text: sentences.join(' '),
    tone: 'note',
    data: { flipsWithoutError: wrongly.join(' '), fixes: rightly.join(' ') },
  };
}

function corrected(steps, outcome, say) {
  const { errors } = steps;
  const total = errorCount(steps);
  const back = CODE_LENGTH - outcome.rotation;
  const rows = [
    wordRow('received', 'r', steps.rotations[0].word, { error: errors && errors.positions }),
    wordRow('corrected', 'ĉ', outcome.corrected, {
      changed: outcome.changed,
      error: outcome.wrong,
    }),
    wordRow('transmitted', 'c', outcome.transmitted),
  ];
  const parts = [
    { text: say('result.back', { count: back, total: CODE_LENGTH }), data: { rotateBack: back } },
    { figure: { caption: say('result.caption'), rows } },
  ];
  if (outcome.changed) {
    parts.push({
      text:
        outcome.changed.length === 0
          ? say('result.changedNone')
          : say('result.changed', { count: outcome.changed.length, positions: outcome.changed }),
      data: { changed: outcome.changed.join(' ') },
    });
  }
  if (outcome.matchesTransmitted) {
    parts.push({
      text: say('result.matches'),
      tone: 'verdict',
      data: { outcome: 'corrected' },
      why: 'why-window',
    });
    return parts;
  }
  return [...parts, ...miscorrected(outcome, total, say)];
}

// The corrected word is not the one sent: where it differs, and why.
function miscorrected(outcome, total, say) {
  const beyond = beyondCode(total);
  const parts = [];
  parts.push({
    text: outcome.wrong
      ? say('result.wrong', { count: outcome.wrong.length, positions: outcome.wrong })
      : say('result.differs'),
    tone: 'verdict',
    data: {
      outcome: 'miscorrected',
      wrong: outcome.wrong ? outcome.wrong.join(' ') : '',
      limit: beyond ? 'code' : '',
    },
    why: beyond ? 'why-more' : null,
  });
  if (beyond) {
    parts.push({
      text: `${say('beyond.was', { count: total })} ${say('result.miscorrected')}`,
      tone: 'note',
    });
  }
  const { nonBinary } = outcome.transmitted;
  if (nonBinary && nonBinary.length > 0) {
    parts.push({
      text: say('result.transmittedNonBinary', { count: nonBinary.length, positions: nonBinary }),
      tone: 'unusual',
    });
  }
  return parts;
}

function uncorrectable(steps, say) {
  const { errors } = steps;
  const total = errorCount(steps);
  const rounds = steps.rotations.length - 1;
  const beyond = beyondCode(total);
  const verdict = (data, extra = [], why = 'why-limit') => ({
    text: [say('uncorrectable.gaveUp', { shift: rounds }), ...extra].join(' '),
    tone: 'verdict',
    data: { outcome: 'uncorrectable', ...data },
    why,
  });
  const allIn = steps.rotations.slice(1).find((rotation) => rotation.errorsInWindow);
  if (allIn && total !== null) {
    // All the errors stood in the window and the weight stayed above 2: more than two errors.
    const said = [say('uncorrectable.allInWindow', { shift: allIn.shift, weight: allIn.weight })];
    if (beyond) said.push(say('beyond.is', { count: total }));
    return [verdict({ limit: beyond ? 'code' : '', reason: 'all-in-window' }, said, 'why-more')];
  }
  // Where values other than 0 and 1 were typed, the words differ in values that are no errors
  // of bits, and their span says nothing about trapping.
  if (!errors || !errors.span || total === null) return [verdict({ limit: '' })];
  const { positions, span } = errors;
  const reason = beyond ? 'count' : uncorrectableReason(errors);
  const limit = beyond ? 'code' : 'decoder';
  const parts = [verdict({ limit, reason })];
  if (limit === 'decoder') {
    parts.push({
      text: say('uncorrectable.decoder', { count: total }),
      tone: 'note',
      why: 'why-algebraic',
    });
  }
  parts.push({
    figure: {
      caption: say('uncorrectable.caption'),
      rows: [
        wordRow('received', 'r', steps.rotations[0].word, { error: positions }),
        spanRow(span),
      ],
    },
  });
  parts.push(spanParagraph(errors, reason, limit === 'code' ? total : null, say));
  return parts;
}

// Why trapping could not catch the errors: their span is longer than the window, they stood
// in it before any rotation (and the rotations moved them out), or they would enter it
// together only after more rotations than the program makes. With more than two errors none of
// these is the cause (uncorrectable() says 'count'): in the window, their syndrome is the error
// vector, of weight above 2, so no rotation would trap them.
function uncorrectableReason({ trapRotation }) {
  if (trapRotation === null) return 'span';
  return trapRotation === 0 ? 'left-window' : 'rotations';
}

// The errors' shortest cyclic span and why the decoder did not trap it; `beyond`: the count of
// errors where it is beyond the code.
function spanParagraph({ positions, span, trapRotation }, reason, beyond, say) {
  const because = {
    span: () => say('uncorrectable.span'),
    'left-window': () => say('uncorrectable.leftWindow'),
    rotations: () => say('uncorrectable.rotations', { shift: trapRotation, most: MOST_ROTATIONS }),
    count: () => say('uncorrectable.count', { count: positions.length }),
  }[reason]();
  return {
    text: [
      say('uncorrectable.spanAt', {
        count: positions.length,
        positions,
        first: span.first,
        last: span.last,
      }),
      say('uncorrectable.spanLength', { count: span.length }),
      because,
      ...(beyond === null ? [] : [say('beyond.is', { count: beyond })]),
    ].join(' '),
    data: {
      spanFirst: span.first,
      spanLast: span.last,
      spanLength: span.length,
      ...(reason === 'rotations' ? { trapRotation } : {}),
    },
    why: 'why-limit',
  };
}

function now(steps, exited, say) {
  switch (steps.waiting) {
    case 'information':
      return say('now.information');
    case 'error':
      return say('now.error');
    case 'rotation':
      return say('now.rotation', { shift: steps.rotations.at(-1).shift });
    case 'closing':
      return say(exited ? 'now.ended' : 'now.closing');
    default:
      return say(exited ? 'now.ended' : 'now.working');
  }
}

export function explain(steps, exited, say) {
  const sections = [];
  if (steps.codeVector) sections.push(encoding(steps, say));
  const received = steps.rotations[0];
  if (received) sections.push(error(steps, say));
  if (received && received.weight !== null) sections.push(syndrome(steps, say));
  if (steps.rotations.length > 1) sections.push(rotations(steps, say));
  const caught = steps.rotations.slice(1).find((rotation) => rotation.trapped);
  if (caught) sections.push({ id: 'trapped', ...trapped(steps, caught, say) });
  if (steps.outcome) {
    sections.push({
      id: 'result',
      title: say('result.title'),
      parts:
        steps.outcome.kind === 'corrected'
          ? corrected(steps, steps.outcome, say)
          : uncorrectable(steps, say),
    });
  }
  return { now: now(steps, exited, say), sections };
}

// --- Why, and how far ---------------------------------------------------------------------

// What a teacher would put on a handout: why error trapping works and where this decoder stops.
// The figures for two errors (465 = 45 + 198 + 222) hold for any information word: the code is
// linear, so what happens depends on the error pattern alone.
const WHY_POINTS = {
  'why-distance': 1,
  'why-cyclic': 1,
  'why-window': 2,
  'why-limit': 2,
  'why-algebraic': 1,
  'why-more': 1,
  ...ARITHMETIC_WHY,
};
export function why(say) {
  const facts = { ...WINDOW, most: MOST_ROTATIONS };
  return {
    title: say('why.title'),
    points: Object.entries(WHY_POINTS).map(([id, count]) => ({
      id,
      title: say(`${id}.title`, facts),
      paragraphs: Array.from({ length: count }, (_, i) => say(`${id}.${i + 1}`, facts)),
    })),
  };
}
