// Reads what the console program has printed so far into the steps of one cycle of the code:
// the code vector, the error, the received word with its syndrome, every rotation of the error
// trapping, and the outcome. Every fact comes from the printed text (its fixed labels and the
// digits after them) and, for the two words the program took, from the typed input read by the
// program's own rules (skip blanks, take one word, drop the rest of its line, pad with '0' or cut).
// Nothing here encodes, divides by g(x) or traps: the derived facts only compare printed values
// and follow positions through rotations. No DOM; it never throws.
//
// readSteps(output, input) -> steps
//   output  the program's output so far: its bytes (Uint8Array) or that text decoded. The program
//           writes ASCII only, so both give the same steps.
//   input   optional, what was typed: the chunks handed over (an array of Uint8Array or string),
//           or all of it as one Uint8Array or string, handed over line by line. Strings count as
//           UTF-8, as the page sends them. A word is read from it only once the output shows
//           that the program took that word.
//
// steps, plain data; null (or a shorter list) always means "not printed yet":
//   stage        the last step printed in full, one of STAGES (in the order a run prints them)
//   waiting      where the program reads, when the output ends right there: 'information' or
//                'error' (a prompt), 'rotation' (the pause after a rotation), 'closing' (the last
//                pause, or the run has ended); else null
//   partial      the end of the output that is not yet a whole label, row or number (a line cut
//                short); '' when the output ends at a read
//   unexpected   null, or { at, text }: the output stops being this program's text at byte `at`;
//                nothing from there on is read
//   information  the information word as the program took it, 21 positions: { bytes, text,
//                values, typed, nonBinary }; bytes are the buffer's bytes, text one character per
//                byte (U+FFFD where not printable ASCII), values their digit values (the byte as
//                a signed 8-bit number minus 48), typed false when the input ended before any
//                word (the program's own default word), nonBinary the positions of values other
//                than 0 and 1. Null without input.
//   codeVector   Row of 31 values
//   errorPattern the error pattern as the program took it, 31 positions, like information, with
//                ones: the positions of the value 1
//   rotations    the received word and every printed rotation of it, rotations[k] the word
//                after k rotations (rotations[0] the received word itself): { shift (k), word:
//                Row of 31, syndrome: Row of 10, weight: the printed syndrome weight, trapped:
//                weight <= 2, waiting: the output ends at its pause, followsReceived: word is
//                the received word rotated by shift, errorsAt: errors.positions moved to
//                (p + shift) mod 31, errorsInWindow: all of errorsAt lie in 21..30,
//                syndromeOnes: 21 + q for each syndrome value 1 at q (the window position under
//                which it stands), syndromeShowsErrors: syndromeOnes equals errorsAt, took: the
//                byte the program read at the pause after it (one byte, whatever was typed:
//                10 for an Enter alone), once the output shows it went on; else null }
//   verdict      'no-correction' (weight 2 or less) or 'correction'
//   errors       once codeVector and the received word are split: { positions: where the
//                received value differs from the code vector's, parityOnly: positions is not
//                empty and all lie in 21..30, span: null or { first, last, length }, the shortest
//                cyclic run of positions first, first+1, ... last (mod 31) holding them all,
//                trapRotation: the least k in 0..30 after which every position p, moved to
//                (p + k) mod 31, lies in 21..30, or null when no k does (span longer than 10) }
//   outcome      { kind: 'uncorrectable', rotations } or { kind: 'corrected', rotation (the
//                trapped one), corrected: Row, transmitted: Row, matchesTransmitted (the two
//                printed rows are the same text), changed: where corrected differs from the
//                received word,
//                wrong: where corrected differs from transmitted, fromSyndrome: the window
//                positions of the trapped syndrome's ones moved back, (w - rotation) mod 31 }
//   closing      true once "Koniec programu!" and its pause are printed
//   unusual      paths ('information', 'codeVector', 'rotations.3.syndrome', ...) of the words
//                and rows that hold anything other than 0 and 1, in printed order
//   warnings     'information-differs': the typed word's digit values are not what the printed
//                code vector (or transmitted word) begins with; the input is not this run's
// Row: { text: the printed digits, values: the numbers, or null unless the split is certain,
//        split: 'unique' (only one way to read the text as so many "%d" values), 'input' (the
//        information part read with the typed word's values, the rest unique), 'ambiguous' (more
//        than one way, values null), 'malformed' (no way), nonBinary: positions of values other
//        than 0 and 1 (null without values) }
// Lists of positions are ascending. Only stage, waiting, partial and closing can change as the
// output grows; every other fact, once there, stays as it is.

import {
  CODE_LENGTH,
  CORRECTABLE_WEIGHT,
  DEFAULT_INFORMATION,
  INFORMATION_LENGTH,
  MESSAGES,
  PARITY_LENGTH,
  WORD_LIMIT,
  WINDOW_FIRST,
} from '../program/program.js';

// Syndrome position q stands under window position WINDOW_FIRST + q: the window, the parity
// part, is where error trapping wants every error.
export const windowPosition = (q) => WINDOW_FIRST + q;

export const STAGES = [
  'start',
  'information-prompt',
  'code-vector',
  'error-prompt',
  'received',
  'syndrome',
  'verdict',
  'rotation',
  'outcome',
  'closing',
];

// The program's texts as this reader meets them: a ruler is its indent and marks, the prompt
// follows on the next line; a row's line end is read with the row, and a number's with it.
const TEXT = {
  ...MESSAGES,
  informationRuler:
    ' '.repeat(MESSAGES.informationIndent) + MESSAGES.rulerMark.repeat(INFORMATION_LENGTH),
  informationPrompt: MESSAGES.informationPrompt.replace('%d', INFORMATION_LENGTH),
  errorRuler: ' '.repeat(MESSAGES.errorIndent) + MESSAGES.rulerMark.repeat(CODE_LENGTH),
  weight: MESSAGES.weight.slice(0, MESSAGES.weight.indexOf('%d')),
  transmitted: MESSAGES.transmitted.replace(/^\n/, ''),
};

// The byte that pads a short word.
const ZERO = 48;

// ---------------------------------------------------------------------------------------------
// Printed rows of values

// "%d" of a 32-bit integer: 0, or an optional minus and a digit 1-9 and further digits.
function tokensAt(text, at) {
  const found = [];
  if (text[at] === '0') return [[0, 1]];
  let end = at;
  if (text[end] === '-') end += 1;
  if (!(text[end] >= '1' && text[end] <= '9')) return found;
  while (end < text.length && text[end] >= '0' && text[end] <= '9' && end - at < 11) {
    end += 1;
    const value = Number(text.slice(at, end));
    if (value >= -2147483648 && value <= 2147483647) found.push([value, end - at]);
  }
  return found;
}

// Reads text as exactly `count` values printed one after another. With more characters than
// values one of them has several digits, and where that can be read in two ways the row is
// ambiguous: the values are then unknown rather than guessed.
function splitValues(text, count) {
  // As many characters as values: each value is one character, and only a digit is a value.
  if (text.length === count) {
    if (!/^[0-9]*$/.test(text)) return { values: null, split: 'malformed' };
    return { values: [...text].map(Number), split: 'unique' };
  }
  // ways[i][n]: how many readings (counted up to 2) the text from i has as n values.
  const ways = Array.from({ length: text.length + 1 }, () => new Array(count + 1).fill(0));
  ways[text.length][0] = 1;
  for (let i = text.length - 1; i >= 0; i -= 1) {
    for (const [, size] of tokensAt(text, i)) {
      for (let n = 1; n <= count; n += 1) {
        ways[i][n] = Math.min(2, ways[i][n] + ways[i + size][n - 1]);
      }
    }
  }
  if (ways[0][count] === 0) return { values: null, split: 'malformed' };
  if (ways[0][count] > 1) return { values: null, split: 'ambiguous' };
  const values = [];
  for (let i = 0, n = count; n > 0; n -= 1) {
    const [value, size] = tokensAt(text, i).find(([, s]) => ways[i + s][n - 1] === 1);
    values.push(value);
    i += size;
  }
  return { values, split: 'unique' };
}

const isBit = (value) => value === 0 || value === 1;
function positionsWhere(length, test) {
  const found = [];
  for (let p = 0; p < length; p += 1) if (test(p)) found.push(p);
  return found;
}

function makeRow(text, values, split) {
  const nonBinary = values && positionsWhere(values.length, (p) => !isBit(values[p]));
  return { text, values, split, nonBinary };
}

function readRow(text, count) {
  const { values, split } = splitValues(text, count);
  return makeRow(text, values, split);
}

// A code vector row (the code vector, or the transmitted copy of it): its 21 information values
// are those of the typed word, so with the word known they are read from it, the parity part
// after them as 10 values.
function readCodeVectorRow(text, information, warnings) {
  if (information) {
    const head = information.values.join('');
    const parity = text.startsWith(head) && splitValues(text.slice(head.length), PARITY_LENGTH);
    if (parity && parity.values) {
      return makeRow(text, information.values.concat(parity.values), 'input');
    }
    if (!warnings.includes('information-differs')) warnings.push('information-differs');
  }
  return readRow(text, CODE_LENGTH);
}

// ---------------------------------------------------------------------------------------------
// The typed words

const isWhiteSpace = (byte) => byte === 32 || (byte >= 9 && byte <= 13);
const encoder = new TextEncoder();
function asBytes(chunk) {
  if (typeof chunk === 'string') return encoder.encode(chunk);
  return chunk instanceof Uint8Array ? chunk : new Uint8Array(0);
}

// The input as a terminal hands it over: one chunk per line, a last line without its end alone.
function toChunks(input) {
  if (Array.isArray(input)) return input.map(asBytes);
  const bytes = asBytes(input);
  const chunks = [];
  for (let start = 0; start < bytes.length;) {
    const end = bytes.indexOf(10, start);
    const stop = end < 0 ? bytes.length : end + 1;
    chunks.push(bytes.subarray(start, stop));
    start = stop;
  }
  return chunks;
}

// Reads one word as the program does, from the place `at` ({ chunk, offset }) onwards: white space
// is skipped, the word runs to the next white space (across chunks) or the end of the input,
// and then the rest of the line the reading stopped on is dropped: up to and including its line
// end, within the chunk (a chunk handed over without one is dropped to its end). Called only
// when the output shows the program went on after the read, so input running out means it ended.
function readTypedWord(chunks, at) {
  let { chunk, offset } = at;
  for (; chunk < chunks.length; chunk += 1, offset = 0) {
    while (offset < chunks[chunk].length && isWhiteSpace(chunks[chunk][offset])) offset += 1;
    if (offset < chunks[chunk].length) break;
  }
  if (chunk >= chunks.length) return { word: null, at: { chunk, offset: 0 } };
  const word = [];
  for (;;) {
    const bytes = chunks[chunk];
    const start = offset;
    while (offset < bytes.length && !isWhiteSpace(bytes[offset])) offset += 1;
    word.push(...bytes.subarray(start, Math.min(offset, start + WORD_LIMIT - word.length)));
    if (offset < bytes.length || chunk + 1 >= chunks.length) break;
    chunk += 1; // the word goes on in the next chunk
    offset = 0;
  }
  const lineEnd = chunks[chunk].indexOf(10, offset);
  return { word, at: { chunk, offset: lineEnd < 0 ? chunks[chunk].length : lineEnd + 1 } };
}

// The buffer as the program leaves it: the word (or, with none typed, what the buffer held) up
// to its first zero byte, padded with '0' to `length` or cut there.
function takenWord(word, initial, length) {
  const held = word === null ? initial : word;
  const zero = held.indexOf(0);
  const bytes = (zero < 0 ? held : held.slice(0, zero)).slice(0, length);
  while (bytes.length < length) bytes.push(ZERO);
  const values = bytes.map((byte) => (byte < 128 ? byte : byte - 256) - ZERO);
  return {
    bytes,
    text: bytes
      .map((byte) => (byte > 32 && byte < 127 ? String.fromCharCode(byte) : '\uFFFD'))
      .join(''),
    values,
    typed: word !== null,
    nonBinary: positionsWhere(length, (p) => !isBit(values[p])),
  };
}

// ---------------------------------------------------------------------------------------------
// Facts derived from positions

export const sameList = (a, b) => a.length === b.length && a.every((x, i) => x === b[i]);
const differing = (a, b) => positionsWhere(a.length, (p) => a[p] !== b[p]);
// Where positions stand after k rotations to the right (k < 0: back), ascending.
const moved = (positions, k) =>
  positions.map((p) => (((p + k) % CODE_LENGTH) + CODE_LENGTH) % CODE_LENGTH).sort((a, b) => a - b);
export const allInWindow = (positions) => positions.every((p) => p >= WINDOW_FIRST);

// The positions of a run's errors where they are errors of bits, else null: known positions,
// and only values 0 and 1 typed and printed (another value is added as a number, and where the
// words then differ is not where bits were flipped).
export function bitErrors(steps) {
  return steps.errors && steps.unusual.length === 0 ? steps.errors.positions : null;
}

function errorFacts(positions) {
  let span = null;
  for (const first of positions) {
    const length = Math.max(...moved(positions, -first)) + 1;
    if (span === null || length < span.length) {
      span = { first, last: (first + length - 1) % CODE_LENGTH, length };
    }
  }
  let trapRotation = null;
  for (let k = 0; k < CODE_LENGTH && trapRotation === null && positions.length > 0; k += 1) {
    if (allInWindow(moved(positions, k))) trapRotation = k;
  }
  return {
    positions,
    parityOnly: positions.length > 0 && allInWindow(positions),
    span,
    trapRotation,
  };
}

// ---------------------------------------------------------------------------------------------
// Reading the output

// One character per byte, so that offsets in the text are offsets in the output. The program
// writes ASCII only; any other byte is unexpected wherever it stands.
const byteDecoder = new TextDecoder('latin1');
function asText(output) {
  if (typeof output === 'string') return output;
  return output instanceof Uint8Array ? byteDecoder.decode(output) : '';
}

// A cursor over the output. Each read either takes a whole element or stops the reading: at the
// end of the output (what is left is a beginning of the expected text) or at unexpected text.
class Reader {
  constructor(text) {
    this.text = text;
    this.at = 0;
    this.stopped = false;
    this.unexpected = null;
  }

  stop(isPrefix) {
    this.stopped = true;
    if (!isPrefix) this.unexpected = { at: this.at, text: this.text.slice(this.at, this.at + 80) };
  }

  // Index of the one of `texts` that follows, or -1 (stopped).
  oneOf(...texts) {
    if (this.stopped) return -1;
    const found = texts.findIndex((text) => this.text.startsWith(text, this.at));
    if (found >= 0) {
      this.at += texts[found].length;
      return found;
    }
    const rest = this.text.slice(this.at);
    this.stop(texts.some((text) => text.startsWith(rest)));
    return -1;
  }

  literal(text) {
    return this.oneOf(text) === 0;
  }

  // The characters up to the next line end (taken with it), if they all match `pattern`.
  line(pattern) {
    if (this.stopped) return null;
    const end = this.text.indexOf('\n', this.at);
    const body = this.text.slice(this.at, end < 0 ? this.text.length : end);
    if (!pattern.test(body)) this.stop(false);
    else if (end < 0) this.stop(true);
    if (this.stopped) return null;
    this.at = end + 1;
    return body;
  }

  row() {
    return this.line(/^[-0-9]*$/);
  }

  number() {
    const body = this.line(/^-?[0-9]{0,10}$/);
    if (body === null) return null;
    if (/^-?[0-9]+$/.test(body)) return Number(body);
    this.at -= body.length + 1;
    this.stop(false);
    return null;
  }
}

// The state of one reading: the output's reader, the steps found so far, and where the next
// typed word starts.
class Reading {
  constructor(text, chunks) {
    this.text = text;
    this.chunks = chunks;
    this.reader = new Reader(text);
    this.typedAt = { chunk: 0, offset: 0 };
    this.steps = {
      stage: 'start',
      waiting: null,
      partial: '',
      unexpected: null,
      information: null,
      codeVector: null,
      errorPattern: null,
      verdict: null,
      errors: null,
      rotations: [],
      outcome: null,
      closing: false,
      unusual: [],
      warnings: [],
    };
    // A row holds only zeros and ones exactly when it is that many characters, each 0 or 1 (a
    // value such as 10 prints as two of them).
    this.noteUnusual = (path, printed, count) => {
      if (printed.length !== count || /[^01]/.test(printed)) this.steps.unusual.push(path);
    };
  }

  // A word holds only zeros and ones when its values are.
  noteUnusualWord(path, word) {
    if (word.nonBinary.length > 0) this.steps.unusual.push(path);
  }

  takeTyped(initial, length) {
    if (this.chunks === null) return null;
    const { word, at } = readTypedWord(this.chunks, this.typedAt);
    this.typedAt = at;
    return takenWord(word, initial, length);
  }

  reached(stage, waiting = null) {
    this.steps.stage = stage;
    this.steps.waiting = this.reader.at === this.text.length ? waiting : null;
  }
}

// The parts of a run in the order it prints them; each reads its part into the steps and says
// whether the reading goes on.
const PARTS = [
  function prompt(reading) {
    const { reader } = reading;
    if (!reader.literal(TEXT.banner) || !reader.literal(TEXT.informationRuler)) return false;
    if (!reader.literal(TEXT.informationPrompt)) return false;
    reading.reached('information-prompt', 'information');
    return true;
  },
  function codeVector(reading) {
    const { reader, steps } = reading;
    if (!reader.literal(TEXT.codeVector)) return false;
    // The code vector is being printed: the program has taken the information word.
    const initial = [...encoder.encode(DEFAULT_INFORMATION)];
    steps.information = reading.takeTyped(initial, INFORMATION_LENGTH);
    if (steps.information) reading.noteUnusualWord('information', steps.information);
    const printed = reader.row();
    if (printed === null) return false;
    steps.codeVector = readCodeVectorRow(printed, steps.information, steps.warnings);
    reading.noteUnusual('codeVector', printed, CODE_LENGTH);
    reading.reached('code-vector');
    if (!reader.literal(TEXT.errorRuler) || !reader.literal(TEXT.errorPrompt)) return false;
    reading.reached('error-prompt', 'error');
    return true;
  },
  function received(reading) {
    const { reader, steps } = reading;
    if (!reader.literal(TEXT.received)) return false;
    steps.errorPattern = reading.takeTyped([], CODE_LENGTH);
    if (steps.errorPattern) {
      const { values } = steps.errorPattern;
      steps.errorPattern.ones = positionsWhere(CODE_LENGTH, (p) => values[p] === 1);
      reading.noteUnusualWord('errorPattern', steps.errorPattern);
    }
    const word = readRotation(reader, steps, reading.noteUnusual);
    if (word === null) return false;
    reading.reached('received');
    if (!readSyndrome(reader, word, TEXT.receivedSyndrome, reading.noteUnusual)) return false;
    reading.reached('syndrome');
    const verdict = reader.oneOf(TEXT.noCorrection, TEXT.correctionStart);
    if (verdict < 0) return false;
    steps.verdict = verdict === 0 ? 'no-correction' : 'correction';
    reading.reached('verdict');
    return true;
  },
  function trapping(reading) {
    const { reader, steps } = reading;
    while (steps.verdict === 'correction') {
      const next = reader.oneOf(TEXT.shifted, TEXT.uncorrectable, TEXT.corrected);
      if (next < 0) return false;
      if (next === 1) {
        steps.outcome = { kind: 'uncorrectable', rotations: steps.rotations.length - 1 };
      } else if (next === 2 && !readCorrection(reader, steps, reading.noteUnusual)) {
        return false;
      }
      if (next > 0) {
        reading.reached('outcome');
        return true;
      }
      if (!readShifted(reader, steps, reading.noteUnusual)) return false;
      reading.reached('rotation', 'rotation');
    }
    return true;
  },
  function closing(reading) {
    const { reader, steps, text } = reading;
    if (!reader.literal(TEXT.closing)) return false;
    steps.closing = true;
    reading.reached('closing', 'closing');
    if (reader.at < text.length) reader.stop(false);
    return true;
  },
];

// One rotation, its syndrome and its pause.
function readShifted(reader, steps, noteUnusual) {
  const rotation = readRotation(reader, steps, noteUnusual);
  if (rotation === null) return false;
  if (!readSyndrome(reader, rotation, TEXT.shiftedSyndrome, noteUnusual)) return false;
  return reader.literal(TEXT.pause);
}

export function readSteps(output, input) {
  const text = asText(output);
  const chunks = input === undefined || input === null ? null : toChunks(input);
  const reading = new Reading(text, chunks);
  const { reader, steps } = reading;
  PARTS.every((part) => part(reading));

  steps.unexpected = reader.unexpected;
  if (reader.unexpected === null) steps.partial = text.slice(reader.at);
  const last = steps.rotations.at(-1);
  if (last) last.waiting = steps.waiting === 'rotation';
  notePauses(reading);
  return steps;
}

// At each pause the program reads one byte, from where the error pattern's line ended: an Enter
// alone is that byte, but a character typed there is read instead and its line end waits for
// the next pause. A pause's byte is known once the output shows the program went on after it.
function notePauses({ steps, chunks, typedAt }) {
  for (const rotation of steps.rotations) rotation.took = null;
  if (chunks === null || steps.errorPattern === null) return;
  const rest = [
    chunks[typedAt.chunk]?.subarray(typedAt.offset) ?? [],
    ...chunks.slice(typedAt.chunk + 1),
  ];
  const bytes = rest.flatMap((chunk) => [...chunk]);
  const went = steps.rotations.length - (steps.outcome ? 1 : 2);
  for (let k = 1; k <= went && k - 1 < bytes.length; k += 1) {
    steps.rotations[k].took = bytes[k - 1];
  }
}

// The next printed word after its label, the received word first (rotation 0), then each
// rotation of it, with where the errors stand in it. Null where the output ends before it does.
function readRotation(reader, steps, noteUnusual) {
  const shift = steps.rotations.length;
  const printed = reader.row();
  if (printed === null) return null;
  const word = readRow(printed, CODE_LENGTH);
  noteUnusual(`rotations.${shift}.word`, printed, CODE_LENGTH);
  if (shift === 0 && steps.codeVector.values && word.values) {
    steps.errors = errorFacts(differing(steps.codeVector.values, word.values));
  }
  const received = shift === 0 ? word.values : steps.rotations[0].word.values;
  const errorsAt = steps.errors ? moved(steps.errors.positions, shift) : null;
  const rotation = {
    shift,
    word,
    syndrome: null,
    weight: null,
    trapped: null,
    waiting: false,
    followsReceived:
      received && word.values
        ? word.values.every(
            (value, p) => value === received[(p - shift + CODE_LENGTH) % CODE_LENGTH],
          )
        : null,
    errorsAt,
    errorsInWindow: errorsAt && allInWindow(errorsAt),
    syndromeOnes: null,
    syndromeShowsErrors: null,
  };
  steps.rotations.push(rotation);
  return rotation;
}

// A word's syndrome after its label, and its weight: where the syndrome's ones stand and
// whether exactly under the errors.
function readSyndrome(reader, rotation, label, noteUnusual) {
  if (!reader.literal(label)) return false;
  const printed = reader.row();
  if (printed === null) return false;
  rotation.syndrome = readRow(printed, PARITY_LENGTH);
  noteUnusual(`rotations.${rotation.shift}.syndrome`, printed, PARITY_LENGTH);
  const { values } = rotation.syndrome;
  if (values) {
    rotation.syndromeOnes = positionsWhere(PARITY_LENGTH, (q) => values[q] === 1).map(
      windowPosition,
    );
    if (rotation.errorsAt) {
      rotation.syndromeShowsErrors = sameList(rotation.syndromeOnes, rotation.errorsAt);
    }
  }
  if (!reader.literal(TEXT.weight)) return false;
  rotation.weight = reader.number();
  if (rotation.weight === null) return false;
  rotation.trapped = rotation.weight <= CORRECTABLE_WEIGHT;
  return true;
}

// The corrected word above the transmitted one, after the label of the first.
function readCorrection(reader, steps, noteUnusual) {
  const corrected = reader.row();
  if (corrected === null || !reader.literal(TEXT.transmitted)) return false;
  const transmitted = reader.row();
  if (transmitted === null) return false;
  const trapped = steps.rotations.at(-1);
  const outcome = {
    kind: 'corrected',
    rotation: trapped.shift,
    corrected: readRow(corrected, CODE_LENGTH),
    transmitted: readCodeVectorRow(transmitted, steps.information, steps.warnings),
    matchesTransmitted: corrected === transmitted,
    changed: null,
    wrong: null,
    fromSyndrome:
      trapped && trapped.syndromeOnes ? moved(trapped.syndromeOnes, -trapped.shift) : null,
  };
  noteUnusual('outcome.corrected', corrected, CODE_LENGTH);
  noteUnusual('outcome.transmitted', transmitted, CODE_LENGTH);
  const values = outcome.corrected.values;
  const received = steps.rotations[0].word.values;
  if (values && received) outcome.changed = differing(values, received);
  if (values && outcome.transmitted.values) {
    outcome.wrong = differing(values, outcome.transmitted.values);
  }
  steps.outcome = outcome;
  return true;
}
