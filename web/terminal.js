// The page as a terminal for the one program. The screen (#output) holds what the program
// wrote and, where a terminal echoes them, the chunks typed, and nothing else: its text is
// the terminal's text, for tests and the page's other modules to read. The line being typed
// (#line) follows it, edited in place. Enter hands the line over with a line end; Ctrl-D (or its
// button) hands over a part of a line, or on an empty line ends the input; pasted lines are
// handed over one by one. Every hand-over runs the program afresh on all the input so far
// (engine.js), and the screen becomes what it wrote, each chunk echoed where the program took
// it. Once the program has ended, keys change nothing: only "Nowe uruchomienie" starts again.
//
// The session (the chunks and the end of the input) is kept in the address's fragment
// (session.js), replaced at every hand-over so that Back and Forward do not step through
// keys; a reload, or the link opened elsewhere, replays it. A new run is a new history entry,
// so Back returns to the session before it.
//
// The terminal is as many columns wide as fit: --columns on #screen, from the width of one
// character; style.css wraps every line at that many columns.
//
// For the page's other modules, two events on document:
// - "bch-handover", sent whenever the program has run on the session's input: at every
//   hand-over, and when a session is loaded, replayed, started anew or taken back. detail:
//   { chunks: Uint8Array[], ended: the input was ended after them, output: Uint8Array, all
//   the program wrote, marks: marks[i] is the length of the output when the program took
//   hand-over i (chunk i, or the end of the input), exited, exitCode }. Read-only.
//   It also carries redo: how many hand-overs taken back can be handed over again.
// - "bch-failed", sent when the program cannot be loaded; detail: the message shown.
// - "bch-take-back", listened to: takes back the last hand-over (the last chunk, or the end of
//   the input) and shows the program's run without it; a typed line taken back returns to the
//   line being typed, and the hand-over can be made again ("bch-redo").
// - "bch-redo", listened to: hands over again the last hand-over taken back.
// - "bch-step", listened to: Enter, as if pressed in the line.
// - "bch-to-end", listened to: Enter at every pause left, to the program's end.
// The body's data-runs counts the runs shown, so that a test can tell when the screen is
// complete; each also leaves a performance mark "bch-screen", and each hand-over a measure
// "bch-handover" from the key to the new screen.
import { runProgram, startsWith } from './engine.js';
import { MOST_ROTATIONS } from './steps.js';
import { SessionError, decodeSession, encodeSession } from './session.js';

const screen = document.getElementById('screen');
const output = document.getElementById('output');
const line = document.getElementById('line');
const news = document.getElementById('news');
const status = document.getElementById('status');
const endInput = document.getElementById('end-input');
const copyLink = document.getElementById('copy-link');
const newRun = document.getElementById('new-run');
const encoder = new TextEncoder();
const decoder = new TextDecoder();
// Chromium keeps addresses up to 2 MB long and Firefox up to 1 MB; a longer session is not kept.
const LONGEST_FRAGMENT = 500000;

let program = null; // bch.wasm, compiled
let chunks = []; // the session: the chunks handed over so far
let ended = false; // and whether the input was ended after them
let run = null; // the program's run on them
let shown = ''; // the text on the screen
let queue = Promise.resolve(); // hand-overs and replays, one after another
let undone = []; // hand-overs taken back, the last one last: a chunk, or null for the end

function say(text, isError = false) {
  status.textContent = text;
  status.classList.toggle('error', isError);
}

const waiting = () => run !== null && !run.exited;

// --- The terminal's width ---------------------------------------------------------------

const probe = document.createElement('span');
probe.className = 'probe';
probe.setAttribute('aria-hidden', 'true');
probe.textContent = '0'.repeat(100);
screen.after(probe);

function fit() {
  // Hidden (a narrow screen shows the teaching view instead): keep the columns it has.
  if (screen.parentElement.clientWidth === 0) return;
  const text = document.createRange();
  text.selectNodeContents(probe);
  const cell = text.getBoundingClientRect().width / probe.textContent.length;
  // One pixel to spare: the screen is a fraction of a pixel wider than its columns.
  const columns = Math.max(1, Math.floor((screen.parentElement.clientWidth - 1) / cell));
  if (screen.dataset.columns !== String(columns)) {
    screen.dataset.columns = String(columns);
    screen.style.setProperty('--columns', String(columns));
  }
}
new ResizeObserver(fit).observe(screen.parentElement);
fit();

// --- The screen -------------------------------------------------------------------------

// What a terminal shows of a run: the output, with each chunk echoed where it was taken.
function screenText(result, typed) {
  let text = '';
  let at = 0;
  result.marks.forEach((mark, i) => {
    text += decoder.decode(result.output.subarray(at, mark));
    if (i < typed.length) text += decoder.decode(typed[i]);
    at = mark;
  });
  return text + decoder.decode(result.output.subarray(at));
}

function baseAddress() {
  return location.href.split('#')[0];
}

function fragment() {
  const text = encodeSession(chunks, ended);
  return text === encodeSession([], false) ? '' : text;
}

function keepInAddress() {
  const text = fragment();
  if (text.length > LONGEST_FRAGMENT) {
    say('Ta sesja jest za długa, by zapisać ją w adresie: link i ponowne wczytanie strony ' +
        'jej nie odtworzą.', true);
  }
  const address = text && text.length <= LONGEST_FRAGMENT ? `${baseAddress()}#${text}` :
    baseAddress();
  if (address !== location.href) history.replaceState(history.state, '', address);
}

// Takes a run of the program on a session as the one shown. Hand-overs the program never
// took (typed after it ended) are dropped.
function adopt(nextChunks, nextEnded, result) {
  const taken = result.marks.length;
  chunks = nextChunks.slice(0, taken);
  ended = nextEnded && taken > nextChunks.length;
  run = result;

  const text = screenText(result, chunks);
  if (text.startsWith(shown)) output.append(text.slice(shown.length));
  else output.textContent = text;
  shown = text;
  // Only what the program wrote since the last hand-over is read out.
  news.textContent = decoder.decode(result.output.subarray(result.marks.at(-1) ?? 0));

  if (waiting()) {
    try {
      line.contentEditable = 'plaintext-only';
    } catch {
      line.contentEditable = 'true'; // pastes are plain text all the same (see below)
    }
    line.removeAttribute('aria-readonly');
    say('');
  } else {
    line.removeAttribute('contenteditable');
    line.setAttribute('aria-readonly', 'true');
    line.textContent = '';
    say(`Program zakończył działanie (kod wyjścia ${result.exitCode}). Przycisk „Nowe ` +
        'uruchomienie” uruchamia go od nowa.');
  }
  endInput.disabled = !waiting();
  copyLink.disabled = false;
  newRun.disabled = false;
  keepInAddress();
  line.scrollIntoView({ block: 'nearest' });

  document.body.dataset.runs = String(Number(document.body.dataset.runs || 0) + 1);
  performance.mark('bch-screen');
  document.dispatchEvent(new CustomEvent('bch-handover', {
    detail: { chunks: [...chunks], ended, output: result.output, marks: [...result.marks],
              exited: result.exited, exitCode: result.exitCode, redo: undone.length },
  }));
}

function perform(step) {
  queue = queue.then(step).catch((error) => {
    say(`Błąd strony: ${error.message ?? error}. Ekran może nie odpowiadać temu, co ` +
        'wypisałby program.', true);
    line.removeAttribute('contenteditable');
    endInput.disabled = true;
  });
}

// Hands chunks over to the program, and then the end of the input if `end`, as a terminal
// does at Enter or Ctrl-D; the terminal echoes each where the program takes it, and those it
// never takes (the program ended first) are dropped. A new hand-over forgets what was taken
// back, as typing after an undo does in an editor; `redo` is the hand-over made again.
function handOver(more, end = false, redo = false) {
  const started = performance.now();
  perform(async () => {
    if (!waiting() || ended) return; // the program has ended: nothing more is taken
    if (!redo) undone = [];
    const nextChunks = [...chunks, ...more];
    const result = await runProgram(program, nextChunks, end);
    if (!startsWith(result.output, run.output)) {
      throw new Error('nowe uruchomienie nie powtórzyło poprzedniego wyjścia programu');
    }
    adopt(nextChunks, end, result);
    performance.measure('bch-handover', { start: started });
  });
}

// Shows the session a fragment holds, or an empty one with a message where it holds none.
async function replay(text) {
  undone = [];
  let session = { chunks: [], ended: false };
  let problem = '';
  try {
    session = decodeSession(text);
  } catch (error) {
    if (!(error instanceof SessionError)) throw error;
    problem = `${error.message} Zaczynam od pustej sesji.`;
  }
  adopt(session.chunks, session.ended, await runProgram(program, session.chunks, session.ended));
  if (problem) say(problem, true);
}

// --- Typing -----------------------------------------------------------------------------

function focusLine() {
  line.focus({ preventScroll: true });
  const selection = window.getSelection();
  if (line.contains(selection.anchorNode) && selection.anchorNode !== line) return;
  selection.selectAllChildren(line);
  selection.collapseToEnd();
}

// Sets the line's text with the caret after its first `caret` characters.
function setLine(text, caret) {
  line.textContent = text;
  if (document.activeElement !== line || !line.firstChild) return;
  window.getSelection().collapse(line.firstChild, caret);
}

function enter() {
  if (!waiting()) return;
  const text = line.textContent;
  line.textContent = '';
  handOver([encoder.encode(`${text}\n`)]);
}

function endOfInput() {
  if (!waiting()) return;
  const text = line.textContent;
  line.textContent = '';
  if (text === '') handOver([], true);
  else handOver([encoder.encode(text)]);
}

// Pasted text goes in at the caret; each line end in it is an Enter, which hands over the
// whole line, and what follows the last line end stays in the line.
function paste(text) {
  if (!waiting()) return;
  const selection = window.getSelection();
  let before = line.textContent;
  let after = '';
  if (selection.rangeCount > 0 && line.contains(selection.anchorNode)) {
    const range = selection.getRangeAt(0);
    const head = document.createRange();
    head.selectNodeContents(line);
    head.setEnd(range.startContainer, range.startOffset);
    const tail = document.createRange();
    tail.selectNodeContents(line);
    tail.setStart(range.endContainer, range.endOffset);
    before = head.toString();
    after = tail.toString();
  }
  const lines = text.split(/\r\n|\r|\n/);
  const last = lines.pop();
  if (lines.length === 0) {
    setLine(before + last + after, before.length + last.length);
    return;
  }
  lines[0] = before + lines[0] + after;
  line.textContent = '';
  for (const typed of lines) handOver([encoder.encode(`${typed}\n`)]);
  setLine(last, last.length);
}

line.addEventListener('keydown', (event) => {
  if (event.isComposing) return;
  if (event.key === 'Enter') {
    event.preventDefault();
    enter();
  } else if (event.ctrlKey && !event.altKey && !event.metaKey && /^[dD]$/.test(event.key)) {
    event.preventDefault();
    endOfInput();
  }
});
// An on-screen keyboard may send its Enter only as an input event.
line.addEventListener('beforeinput', (event) => {
  if (event.inputType === 'insertParagraph' || event.inputType === 'insertLineBreak') {
    event.preventDefault();
    enter();
  }
});
line.addEventListener('paste', (event) => {
  event.preventDefault();
  paste(event.clipboardData.getData('text/plain'));
});
line.addEventListener('drop', (event) => event.preventDefault());

// A click or a tap anywhere on the terminal puts the caret back in the line, unless it made
// a selection (to copy).
document.getElementById('terminal').addEventListener('click', (event) => {
  if (event.target.closest('button') || line.contains(event.target)) return;
  if (!window.getSelection().isCollapsed) return;
  focusLine();
});

endInput.addEventListener('click', () => {
  endOfInput();
  focusLine();
});

copyLink.addEventListener('click', async () => {
  const link = location.href;
  try {
    await navigator.clipboard.writeText(link);
    say('Link do tej sesji jest w schowku.');
  } catch {
    say(`Nie udało się skopiować linku do schowka. Oto on: ${link}`);
  }
  focusLine();
});

newRun.addEventListener('click', () => perform(async () => {
  if (chunks.length > 0 || ended) history.pushState(null, '', baseAddress());
  say('');
  undone = [];
  adopt([], false, await runProgram(program, [], false));
  focusLine();
}));

// Back, Forward, or a link to another session in the same tab.
function follow() {
  perform(async () => {
    const text = location.hash.slice(1);
    if (text !== fragment()) await replay(text);
  });
}
addEventListener('popstate', follow);
addEventListener('hashchange', follow);

document.addEventListener('bch-take-back', () => perform(async () => {
  if (run === null || (chunks.length === 0 && !ended)) return;
  const taken = ended ? null : chunks.at(-1);
  const nextChunks = ended ? chunks : chunks.slice(0, -1);
  undone.push(taken);
  adopt(nextChunks, false, await runProgram(program, nextChunks, false));
  // What was typed comes back to the line, to be sent again or changed.
  if (taken !== null) {
    const text = decoder.decode(taken).replace(/\n$/, '');
    setLine(text, text.length);
  }
}));

document.addEventListener('bch-redo', () => {
  if (undone.length === 0 || !waiting()) return;
  const again = undone.pop();
  line.textContent = '';
  if (again === null) handOver([], true, true);
  else handOver([again], false, true);
});

document.addEventListener('bch-step', enter);

// Enter at every pause left: the program takes as many as it still waits for, at most one per
// rotation and the closing one. The view asks for it only while the program waits at a pause
// (at a prompt the program would take every empty line and wait on).
document.addEventListener('bch-to-end', () => {
  if (!waiting()) return;
  line.textContent = '';
  handOver(Array.from({ length: MOST_ROTATIONS + 1 }, () => encoder.encode('\n')));
});

// --- Loading ----------------------------------------------------------------------------

// bch.wasm: inside the page where the page is one file (bch.html), else beside it.
async function loadProgram() {
  const inline = document.getElementById('bch-wasm');
  if (inline) {
    const text = atob(inline.textContent.trim());
    const bytes = new Uint8Array(text.length);
    for (let i = 0; i < text.length; i += 1) bytes[i] = text.charCodeAt(i);
    return WebAssembly.compile(bytes);
  }
  const response = await fetch('bch.wasm');
  if (!response.ok) throw new Error(`HTTP ${response.status}`);
  return WebAssembly.compile(await response.arrayBuffer());
}

try {
  program = await loadProgram();
} catch (error) {
  const text = `Nie można wczytać programu bch.wasm (${error.message ?? error}). Strona musi ` +
    'być podana przez serwer WWW (adres http://); z dysku działa plik bch.html.';
  say(text, true);
  document.dispatchEvent(new CustomEvent('bch-failed', { detail: text }));
}
if (program !== null) {
  perform(async () => {
    await replay(location.hash.slice(1));
    focusLine();
  });
}
