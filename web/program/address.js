// The session in the page's address, so that a reload, or the same link opened elsewhere,
// replays what was typed to the same screen, in the same language and at the same exercise.
// The fragment (after '#') is one of
//
//   v1:HANDOVERS
//   v2:FIELD;FIELD;...     each FIELD is NAME=VALUE, each NAME at most once, in any order:
//        l=pl | l=en       the page's language, where the reader chose it
//        t=EXERCISE        the exercise shown (letters, digits, '-' and '.'; see exercises.js)
//        s=HANDOVERS       the session, as in v1
//
// "v1" and "v2" are the versions of this encoding; v1 is written whenever there is nothing but
// the session to keep. HANDOVERS are the hand-overs in the order they were typed, each written
// as its bytes followed by one letter that says how it was handed over:
//
//   n   Enter: the bytes and a line end ("\n")
//   d   Ctrl-D after some characters: the bytes alone, at least one
//   e   Ctrl-D on an empty line: the end of the input; it comes last and has no bytes
//
// A byte is written as itself when it is a digit 0-9 and as %XX (two upper-case hexadecimal
// digits) otherwise, so that any byte a learner can type survives, the line end and bytes
// over 127 (typed text is UTF-8) included. Reading also takes lower-case hexadecimal digits.
// "10 01", Enter, Enter, Ctrl-D is thus "#v1:10%2001nne", and in English "#v2:l=en;s=10%2001nne".
// The letters end every hand-over, so a link always ends in a letter or a name: a mail or a
// chat program that leaves trailing punctuation out of a link keeps it whole.

import { CatalogueError } from '../text/catalogue_error.js';
import { LANGUAGES } from '../text/language.js';

const DIGIT_0 = 0x30;
const DIGIT_9 = 0x39;
const LINE_END = 0x0a;

// What is wrong with a fragment, in the catalogue's words.
export class SessionError extends CatalogueError {}

function isDigit(byte) {
  return byte >= DIGIT_0 && byte <= DIGIT_9;
}

function encodeHandOvers(chunks, ended) {
  let text = '';
  for (const chunk of chunks) {
    const enter = chunk.length > 0 && chunk[chunk.length - 1] === LINE_END;
    const body = enter ? chunk.subarray(0, chunk.length - 1) : chunk;
    for (const byte of body) {
      text += isDigit(byte)
        ? String.fromCharCode(byte)
        : `%${byte.toString(16).toUpperCase().padStart(2, '0')}`;
    }
    text += enter ? 'n' : 'd';
  }
  return ended ? `${text}e` : text;
}

// The fragment, without its '#', for chunks (Uint8Array[], each a hand-over), ended (the input
// was ended after them), and where given the language and the exercise.
export function encodeSession(chunks, ended, { language = null, exercise = null } = {}) {
  const handOvers = encodeHandOvers(chunks, ended);
  if (language === null && exercise === null) return `v1:${handOvers}`;
  const fields = [];
  if (language !== null) fields.push(`l=${language}`);
  if (exercise !== null) fields.push(`t=${exercise}`);
  fields.push(`s=${handOvers}`);
  return `v2:${fields.join(';')}`;
}

// What the sign at `at` of a session part does, with `pending` bytes not yet handed over:
// { byte (to add, if any), width (signs read), handOver, end }, or null where it is none.
function readSign(text, at, pending) {
  const sign = text[at];
  const hex = text.substr(at + 1, 2);
  if (sign >= '0' && sign <= '9') return { byte: sign.charCodeAt(0), width: 1 };
  if (sign === '%' && /^[0-9A-Fa-f]{2}$/.test(hex)) return { byte: parseInt(hex, 16), width: 3 };
  if (sign === 'n') return { byte: LINE_END, width: 1, handOver: true };
  if (sign === 'd' && pending > 0) return { width: 1, handOver: true };
  if (sign === 'e' && pending === 0) return { width: 1, end: true };
  return null;
}

// The hand-overs of a fragment's session part; `offset` is where it starts in the fragment,
// for the place a message names.
function decodeHandOvers(text, offset) {
  const damaged = (at, key, parameters = {}) =>
    new SessionError(key, { at: offset + at + 1, ...parameters });
  const chunks = [];
  let ended = false;
  let bytes = [];
  for (let at = 0; at < text.length;) {
    if (ended) throw damaged(at, 'session.afterEnd');
    const read = readSign(text, at, bytes.length);
    if (read === null) throw damaged(at, 'session.unexpected', { sign: text[at] });
    if (read.byte !== undefined) bytes.push(read.byte);
    if (read.handOver) {
      chunks.push(Uint8Array.from(bytes));
      bytes = [];
    }
    ended = read.end === true;
    at += read.width;
  }
  if (bytes.length > 0) throw damaged(text.length - 1, 'session.unended');
  return { chunks, ended };
}

// The version of a fragment that is not an empty one: 'v1' or 'v2', or a SessionError.
function versionOf(fragment) {
  const version = /^(v\d+):/.exec(fragment)?.[1];
  if (version === 'v1' || version === 'v2') return version;
  if (version !== undefined) throw new SessionError('session.unknownVersion', { version });
  throw new SessionError('session.notSession');
}

// One NAME=VALUE field of a v2 fragment into `session`; `offset` is where it starts.
function decodeField(session, field, offset) {
  const [, name, value] = field.match(/^([a-z])=(.*)$/s) ?? [];
  if (name === 's') Object.assign(session, decodeHandOvers(value, offset + 2));
  else if (name === 'l' && LANGUAGES.includes(value)) session.language = value;
  else if (name === 'l') throw new SessionError('session.badLanguage', { language: value });
  else if (name === 't' && /^[A-Za-z0-9.-]+$/.test(value)) session.exercise = value;
  else throw new SessionError('session.badField', { field });
  return name;
}

// What a fragment (without its '#') holds: { chunks, ended, language, exercise }, the last two
// null where it does not name them. An empty fragment is an empty session; anything else that
// is not this encoding throws a SessionError.
export function decodeSession(fragment) {
  const session = { chunks: [], ended: false, language: null, exercise: null };
  if (fragment === '') return session;
  if (versionOf(fragment) === 'v1') {
    return { ...session, ...decodeHandOvers(fragment.slice(3), 3) };
  }
  const seen = new Set();
  let offset = 3;
  for (const field of fragment.slice(3).split(';')) {
    const name = /^([a-z])=/.exec(field)?.[1];
    if (seen.has(name)) throw new SessionError('session.badField', { field });
    seen.add(decodeField(session, field, offset));
    offset += field.length + 1;
  }
  return session;
}
