// The session in the page's address, so that a reload, or the same link opened elsewhere,
// replays what was typed to the same screen. The fragment (after '#') is
//
//   v1:HANDOVERS
//
// "v1" is the version of this encoding. HANDOVERS are the hand-overs in the order they were
// typed, each written as its bytes followed by one letter that says how it was handed over:
//
//   n   Enter: the bytes and a line end ("\n")
//   d   Ctrl-D after some characters: the bytes alone, at least one
//   e   Ctrl-D on an empty line: the end of the input; it comes last and has no bytes
//
// A byte is written as itself when it is a digit 0-9 and as %XX (two upper-case hexadecimal
// digits) otherwise, so that any byte a learner can type survives, the line end and bytes
// over 127 (typed text is UTF-8) included. Reading also takes lower-case hexadecimal digits.
// "10 01", Enter, Enter, Ctrl-D is thus "#v1:10%2001nne". The letters end every hand-over, so
// a link always ends in a letter: a mail or a chat program that leaves trailing punctuation
// out of a link keeps it whole.

const DIGIT_0 = 0x30;
const DIGIT_9 = 0x39;
const LINE_END = 0x0a;
const PREFIX = 'v1:';

export class SessionError extends Error {}

function isDigit(byte) {
  return byte >= DIGIT_0 && byte <= DIGIT_9;
}

// The fragment, without its '#', for chunks (Uint8Array[], each a hand-over) and ended (the
// input was ended after them).
export function encodeSession(chunks, ended) {
  let text = PREFIX;
  for (const chunk of chunks) {
    const enter = chunk.length > 0 && chunk[chunk.length - 1] === LINE_END;
    const body = enter ? chunk.subarray(0, chunk.length - 1) : chunk;
    for (const byte of body) {
      text += isDigit(byte) ? String.fromCharCode(byte) :
        `%${byte.toString(16).toUpperCase().padStart(2, '0')}`;
    }
    text += enter ? 'n' : 'd';
  }
  return ended ? `${text}e` : text;
}

// The session a fragment (without its '#') holds: { chunks, ended }. An empty fragment is an
// empty session; anything else that is not this encoding throws a SessionError whose message
// says, for the learner, what is wrong.
export function decodeSession(fragment) {
  if (fragment === '') return { chunks: [], ended: false };
  if (!fragment.startsWith(PREFIX)) {
    if (/^v\d+:/.test(fragment)) {
      throw new SessionError(`Zapis sesji w adresie ma wersję ${fragment.split(':')[0]}, ` +
                             'której ta strona nie zna.');
    }
    throw new SessionError('Adres kończy się tekstem, który nie jest zapisem sesji.');
  }
  const damaged = (at, what) => new SessionError(
    `Zapis sesji w adresie jest uszkodzony: ${what} (znak ${at + 1} po „#”).`);
  const chunks = [];
  let ended = false;
  let bytes = [];
  for (let at = PREFIX.length; at < fragment.length; at += 1) {
    const sign = fragment[at];
    if (ended) throw damaged(at, 'coś po znaku końca danych „e”');
    if (sign >= '0' && sign <= '9') {
      bytes.push(sign.charCodeAt(0));
    } else if (sign === '%' && /^[0-9A-Fa-f]{2}$/.test(fragment.substr(at + 1, 2))) {
      bytes.push(parseInt(fragment.substr(at + 1, 2), 16));
      at += 2;
    } else if (sign === 'n') {
      bytes.push(LINE_END);
      chunks.push(Uint8Array.from(bytes));
      bytes = [];
    } else if (sign === 'd' && bytes.length > 0) {
      chunks.push(Uint8Array.from(bytes));
      bytes = [];
    } else if (sign === 'e' && bytes.length === 0) {
      ended = true;
    } else {
      throw damaged(at, `nieoczekiwany znak „${sign}”`);
    }
  }
  if (bytes.length > 0) throw damaged(fragment.length - 1, 'ostatnie dane bez zakończenia');
  return { chunks, ended };
}
