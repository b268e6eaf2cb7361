// The page's controller, its one entry module: it loads the program (bch.wasm), keeps the
// session (the chunks typed and whether the input has ended) in the address, runs the program
// afresh on all the input so far at every hand-over (engine.js), and shows each run. It owns
// the buttons, the two panes of a narrow screen, and the one seam between the terminal and the
// view:
//
//   showRun(run)  the terminal's screen becomes the run (terminal.js); the run's output and
//                 the chunks it took are read into steps (steps.js), which explain.js turns into
//                 what the view draws (view.js); the buttons follow the steps.
//
// The session is kept in the address's fragment (session.js), replaced at every hand-over so
// that Back and Forward do not step through keys; a reload, or the link opened elsewhere,
// replays it. A new run is a new history entry, so Back returns to the session before it.
//
// The page speaks the reader's language (language.js): the one the reader chose with "PL / EN"
// (remembered in the browser, and carried in the address), else the one the browser prefers.
// Every text of the page comes from that language's catalogue; switching redraws them all and
// leaves the session, and the terminal's text, as they are.
//
// For tests: the body's data-runs counts the runs shown, so that a test can tell when the
// screen is complete; each run shown leaves a performance mark "bch-screen", each hand-over a
// measure "bch-handover" from the key to the new screen, and each drawing of the view a
// measure "bch-view".
import { runProgram, startsWith } from './engine.js';
import { explain } from './explain.js';
import { ExerciseError } from './exercises.js';
import { LANGUAGES, chooseLanguage, speaker } from './language.js';
import { courseKeeper } from './lms.js';
import { createPractice } from './practice.js';
import { MESSAGES, MOST_ROTATIONS } from './program.js';
import { SessionError, decodeSession, encodeSession } from './session.js';
import { WINDOW_FIRST, WINDOW_LAST, readSteps } from './steps.js';
import { createTerminal } from './terminal.js';
import { createView } from './view.js';

const main = document.querySelector('main');
const bar = document.querySelector('.bar');
const button = (id) => document.getElementById(id);
const endInput = button('end-input');
const copyLink = button('copy-link');
const newRun = button('new-run');
const step = button('step');
const toEnd = button('to-end');
const takeBack = button('take-back');
const redo = button('redo');
const save = button('save-run');
const showTerminal = button('show-terminal');
const showView = button('show-view');
const viewHeading = button('view-title');
const encoder = new TextEncoder();
// Chromium keeps addresses up to 2 MB long and Firefox up to 1 MB; a longer session is not kept.
const LONGEST_FRAGMENT = 500000;

let program = null; // bch.wasm, compiled
let chunks = []; // the session: the chunks handed over so far
let ended = false; // and whether the input was ended after them
let run = null; // the program's run on them
let undone = []; // hand-overs taken back, the last one last: a chunk, or null for the end
let queue = Promise.resolve(); // hand-overs and replays, one after another
let steps = null; // the run read into steps, for drawing it again in another language

const waiting = () => run !== null && !run.exited;
const terminal = createTerminal((more, end) => handOver(more, end));
const view = createView();

// --- The exercises ----------------------------------------------------------------------

// Progress kept in the browser (progress.js says what the text holds).
const PROGRESS_KEY = 'bch.v1.progress';
const browserKeeper = {
  load() {
    try {
      return localStorage.getItem(PROGRESS_KEY);
    } catch {
      return null;
    }
  },
  save(text) {
    try {
      localStorage.setItem(PROGRESS_KEY, text);
    } catch {
      // Not kept beyond this page.
    }
  },
};

// The program's run on typed lines, each ended by Enter, and the lines it printed for the code
// vector and the received word (the run an exercise shows to be read). Without the typed
// words echoed, a printed line may follow a prompt on the same line: it begins at its label.
async function runLines(lines) {
  const typed = lines.map((line) => encoder.encode(`${line}\n`));
  const result = await runProgram(program, typed, true);
  const printed = new TextDecoder().decode(result.output).split('\n');
  const from = (label) => {
    const line = printed.find((text) => text.includes(label)) ?? '';
    return line.slice(line.indexOf(label));
  };
  return { steps: readSteps(result.output, typed),
    lines: [from(MESSAGES.codeVector), from(MESSAGES.received)] };
}

// In a course (a SCORM package launched by a learning platform) the platform keeps it (lms.js).
const practice = createPractice({ keeper: courseKeeper() ?? browserKeeper, runLines,
  step: () => terminal.enter(), choose: () => keepInAddress() });

// --- The language -----------------------------------------------------------------------

const LANGUAGE_KEY = 'bch.v1.language'; // in localStorage: the language the reader chose
function storedLanguage() {
  try {
    const stored = localStorage.getItem(LANGUAGE_KEY);
    return LANGUAGES.includes(stored) ? stored : null;
  } catch {
    return null; // no storage here (a file, a private window): the browser's preference
  }
}
let chosenLanguage = storedLanguage(); // chosen by the reader or named by the link, else null
let language = chosenLanguage ?? chooseLanguage(navigator.languages);
let say = speaker(language);
// What the status line says, kept as a sentence to say again in another language.
let status = { text: () => say('status.loading'), isError: false };
function tell(text, isError = false) {
  status = { text, isError };
  terminal.say(text(), isError);
}

function applyLanguage() {
  document.documentElement.lang = language;
  document.title = say('page.title');
  for (const element of document.querySelectorAll('[data-text]')) {
    element.textContent = say(element.dataset.text);
  }
  for (const element of document.querySelectorAll('[data-label]')) {
    element.setAttribute('aria-label', say(element.dataset.label));
  }
  for (const element of document.querySelectorAll('[data-title]')) {
    element.title = say(element.dataset.title);
  }
  for (const name of LANGUAGES) {
    button(`language-${name}`).setAttribute('aria-pressed', String(name === language));
  }
  document.querySelector('.sample.band').textContent = `${WINDOW_FIRST}–${WINDOW_LAST}`;
  terminal.say(status.text(), status.isError);
  if (steps) {
    view.draw(explain(steps, run.exited, say), say);
    practice.show(steps, say);
  } else if (program === null && status.isError) {
    view.fail(status.text());
  }
}

function setLanguage(name, remember) {
  chosenLanguage = name;
  language = name;
  say = speaker(name);
  if (remember) {
    try {
      localStorage.setItem(LANGUAGE_KEY, name);
    } catch {
      // Not kept beyond this page; the address still carries it.
    }
  }
  applyLanguage();
}
applyLanguage();

// --- The address ------------------------------------------------------------------------

function baseAddress() {
  return location.href.split('#')[0];
}

function fragment() {
  const text = encodeSession(chunks, ended,
    { language: chosenLanguage, exercise: practice.name() });
  return text === encodeSession([], false) ? '' : text;
}

function keepInAddress() {
  const text = fragment();
  if (text.length > LONGEST_FRAGMENT) tell(() => say('status.tooLong'), true);
  const address = text && text.length <= LONGEST_FRAGMENT ? `${baseAddress()}#${text}` :
    baseAddress();
  if (address !== location.href) history.replaceState(history.state, '', address);
}

// --- Runs ---------------------------------------------------------------------------------

// A button that goes off while it has the focus hands it to the view's heading.
function enable(element, on) {
  if (!on && document.activeElement === element) viewHeading.focus();
  element.disabled = !on;
}

// The seam: a run of the program on a session becomes the one shown, on the screen and in the
// view. Hand-overs the program never took (typed after it ended) are dropped.
function showRun(nextChunks, nextEnded, result) {
  const taken = result.marks.length;
  chunks = nextChunks.slice(0, taken);
  ended = nextEnded && taken > nextChunks.length;
  run = result;
  terminal.show(result, chunks);
  if (!result.exited) tell(() => '');
  else tell(() => say('status.ended', { code: result.exitCode }));
  keepInAddress();
  document.body.dataset.runs = String(Number(document.body.dataset.runs || 0) + 1);
  performance.mark('bch-screen');

  const started = performance.now();
  steps = readSteps(result.output, chunks);
  view.draw(explain(steps, result.exited, say), say);
  practice.show(steps, say);
  enable(endInput, waiting());
  enable(copyLink, true);
  enable(newRun, true);
  enable(step, waiting());
  // At a prompt every empty line would be taken and the program would wait on.
  enable(toEnd, waiting() && ['rotation', 'closing'].includes(steps.waiting));
  enable(takeBack, chunks.length > 0 || ended);
  enable(redo, undone.length > 0);
  enable(save, true);
  performance.measure('bch-view', { start: started });
}

// Runs `task` after those before it; a failure stops the terminal with a message.
function inTurn(task) {
  queue = queue.then(task).catch((error) => {
    tell(() => say('status.pageError', { error: error.message ?? error }), true);
    terminal.stop();
    endInput.disabled = true;
  });
}

// Hands chunks over to the program, and then the end of the input if `end`, as a terminal
// does at Enter or Ctrl-D; the terminal echoes each where the program takes it, and those it
// never takes (the program ended first) are dropped. A new hand-over forgets what was taken
// back, as typing after an undo does in an editor; `again` is a hand-over made again.
function handOver(more, end, again = false) {
  const started = performance.now();
  inTurn(async () => {
    if (!waiting() || ended) return; // the program has ended: nothing more is taken
    if (!again) undone = [];
    const nextChunks = [...chunks, ...more];
    const result = await runProgram(program, nextChunks, end);
    if (!startsWith(result.output, run.output)) {
      throw new Error(say('status.notRepeated'));
    }
    showRun(nextChunks, end, result);
    performance.measure('bch-handover', { start: started });
  });
}

// Shows the session a fragment holds, or an empty one with a message where it holds none.
async function replay(text) {
  undone = [];
  let session = { chunks: [], ended: false, language: null };
  let problem = null;
  try {
    session = decodeSession(text);
  } catch (error) {
    if (!(error instanceof SessionError)) throw error;
    problem = () => `${say(error.key, error.parameters)} ${say('session.restart')}`;
  }
  // A link names the language it was made in; without one, the reader's own stays.
  if (session.language !== null && session.language !== language) {
    setLanguage(session.language, false);
  }
  // A link may name an exercise; a damaged or unknown one is said, and none is opened.
  try {
    practice.open(session.exercise);
  } catch (error) {
    if (!(error instanceof ExerciseError)) throw error;
    problem ??= () => say(error.key, error.parameters);
  }
  practice.newRun();
  showRun(session.chunks, session.ended,
    await runProgram(program, session.chunks, session.ended));
  if (problem) tell(problem, true);
}

// Takes back the last hand-over (the last chunk, or the end of the input); a typed line comes
// back to the line, to be sent again or changed, and "Ponów" can hand it over again.
function takeBackLast() {
  inTurn(async () => {
    if (run === null || (chunks.length === 0 && !ended)) return;
    const taken = ended ? null : chunks.at(-1);
    const nextChunks = ended ? chunks : chunks.slice(0, -1);
    undone.push(taken);
    showRun(nextChunks, false, await runProgram(program, nextChunks, false));
    if (taken !== null) terminal.setLine(new TextDecoder().decode(taken).replace(/\n$/, ''));
  });
}

function redoLast() {
  if (undone.length === 0 || !waiting()) return;
  const again = undone.pop();
  terminal.setLine('');
  if (again === null) handOver([], true, true);
  else handOver([again], false, true);
}

// Enter at every pause left: the program takes as many as it still waits for, at most one per
// rotation and the closing one.
function runToEnd() {
  terminal.setLine('');
  handOver(Array.from({ length: MOST_ROTATIONS + 1 }, () => encoder.encode('\n')), false);
}

// --- Buttons ------------------------------------------------------------------------------

// After a button the typing goes on in the terminal's line, where Enter steps forward again
// (were the focus left on "Cofnij", Enter would take back once more); on a narrow screen
// showing the view the line is hidden, and the focus stays.
function keepTyping(action) {
  return () => {
    action();
    if (document.getElementById('line').offsetParent !== null) terminal.focus();
  };
}
endInput.addEventListener('click', keepTyping(() => terminal.endOfInput()));
step.addEventListener('click', keepTyping(() => terminal.enter()));
toEnd.addEventListener('click', keepTyping(runToEnd));
takeBack.addEventListener('click', keepTyping(takeBackLast));
redo.addEventListener('click', keepTyping(redoLast));

copyLink.addEventListener('click', async () => {
  const link = location.href;
  try {
    await navigator.clipboard.writeText(link);
    tell(() => say('status.copied'));
  } catch {
    tell(() => say('status.notCopied', { link }));
  }
  terminal.focus();
});

newRun.addEventListener('click', () => inTurn(async () => {
  if (chunks.length > 0 || ended) history.pushState(null, '', baseAddress());
  tell(() => '');
  undone = [];
  practice.newRun();
  showRun([], false, await runProgram(program, [], false));
  terminal.focus();
}));

// "Zapisz przebieg": the terminal's text as it is shown, a UTF-8 text file.
save.addEventListener('click', () => {
  const text = document.getElementById('output').textContent;
  const link = document.createElement('a');
  link.download = say('save.fileName');
  link.href = URL.createObjectURL(new Blob([text], { type: 'text/plain;charset=utf-8' }));
  document.body.append(link);
  link.click();
  link.remove();
  setTimeout(() => URL.revokeObjectURL(link.href), 10000);
});

// Enter in the view steps the program, as in the terminal; on a button or a link it is theirs.
document.getElementById('view').addEventListener('keydown', (event) => {
  if (event.key !== 'Enter' || event.isComposing || event.target.closest('button, a, summary')) {
    return;
  }
  event.preventDefault();
  if (waiting()) terminal.enter();
});

// --- Panes ----------------------------------------------------------------------------------

// On a narrow screen one pane at a time (style.css hides the other and shows the bar with the
// switch, a wide screen neither: the breakpoint is the style sheet's alone). There "Cofnij" and
// "Ponów" stand in the bar, which stays at the top whichever pane is shown; on a wide screen, at
// the head of the view.
function placeButtons() {
  const narrow = getComputedStyle(bar).display !== 'none';
  const inBar = takeBack.parentElement === bar;
  if (narrow && !inBar) showView.parentElement.after(takeBack, redo);
  else if (!narrow && inBar) save.before(takeBack, redo);
}
new ResizeObserver(placeButtons).observe(main);

function showPane(pane) {
  main.dataset.pane = pane;
  showTerminal.setAttribute('aria-pressed', String(pane === 'terminal'));
  showView.setAttribute('aria-pressed', String(pane === 'view'));
  if (pane === 'view') view.reveal();
}
showTerminal.addEventListener('click', () => showPane('terminal'));
showView.addEventListener('click', () => showPane('view'));

// "PL / EN": the page in the other language at once, the session and the screen kept.
for (const name of LANGUAGES) {
  button(`language-${name}`).addEventListener('click', () => {
    if (name !== language || chosenLanguage === null) setLanguage(name, true);
    keepInAddress();
  });
}

// Back, Forward, or a link to another session in the same tab.
function follow() {
  inTurn(async () => {
    const text = location.hash.slice(1);
    if (text !== fragment()) await replay(text);
  });
}
addEventListener('popstate', follow);
addEventListener('hashchange', follow);

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
  tell(() => say('status.noProgram', { error: error.message ?? error }), true);
  view.fail(status.text());
}
if (program !== null) {
  inTurn(async () => {
    await replay(location.hash.slice(1));
    terminal.focus();
  });
}
