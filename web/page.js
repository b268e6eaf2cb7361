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
// For tests: the body's data-runs counts the runs shown, so that a test can tell when the
// screen is complete; each run shown leaves a performance mark "bch-screen", each hand-over a
// measure "bch-handover" from the key to the new screen, and each drawing of the view a
// measure "bch-view".
import { runProgram, startsWith } from './engine.js';
import { explain } from './explain.js';
import { MOST_ROTATIONS } from './program.js';
import { SessionError, decodeSession, encodeSession } from './session.js';
import { readSteps } from './steps.js';
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

const waiting = () => run !== null && !run.exited;
const terminal = createTerminal((more, end) => handOver(more, end));
const view = createView();

// --- The address ------------------------------------------------------------------------

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
    terminal.say('Ta sesja jest za długa, by zapisać ją w adresie: link i ponowne wczytanie ' +
      'strony jej nie odtworzą.', true);
  }
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
  if (!result.exited) {
    terminal.say('');
  } else {
    terminal.say(`Program zakończył działanie (kod wyjścia ${result.exitCode}). Przycisk ` +
      '„Nowe uruchomienie” uruchamia go od nowa.');
  }
  keepInAddress();
  document.body.dataset.runs = String(Number(document.body.dataset.runs || 0) + 1);
  performance.mark('bch-screen');

  const started = performance.now();
  const steps = readSteps(result.output, chunks);
  view.draw(explain(steps, result.exited));
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
    terminal.say(`Błąd strony: ${error.message ?? error}. Ekran może nie odpowiadać temu, co ` +
      'wypisałby program.', true);
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
      throw new Error('nowe uruchomienie nie powtórzyło poprzedniego wyjścia programu');
    }
    showRun(nextChunks, end, result);
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
  showRun(session.chunks, session.ended,
    await runProgram(program, session.chunks, session.ended));
  if (problem) terminal.say(problem, true);
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
function then(action) {
  return () => {
    action();
    if (document.getElementById('line').offsetParent !== null) terminal.focus();
  };
}
endInput.addEventListener('click', then(() => terminal.endOfInput()));
step.addEventListener('click', then(() => terminal.enter()));
toEnd.addEventListener('click', then(runToEnd));
takeBack.addEventListener('click', then(takeBackLast));
redo.addEventListener('click', then(redoLast));

copyLink.addEventListener('click', async () => {
  const link = location.href;
  try {
    await navigator.clipboard.writeText(link);
    terminal.say('Link do tej sesji jest w schowku.');
  } catch {
    terminal.say(`Nie udało się skopiować linku do schowka. Oto on: ${link}`);
  }
  terminal.focus();
});

newRun.addEventListener('click', () => inTurn(async () => {
  if (chunks.length > 0 || ended) history.pushState(null, '', baseAddress());
  terminal.say('');
  undone = [];
  showRun([], false, await runProgram(program, [], false));
  terminal.focus();
}));

// "Zapisz przebieg": the terminal's text as it is shown, a UTF-8 text file.
save.addEventListener('click', () => {
  const text = document.getElementById('output').textContent;
  const link = document.createElement('a');
  link.download = 'bch-przebieg.txt';
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
  const text = `Nie można wczytać programu bch.wasm (${error.message ?? error}). Strona musi ` +
    'być podana przez serwer WWW (adres http://); z dysku działa plik bch.html.';
  terminal.say(text, true);
  view.fail(text);
}
if (program !== null) {
  inTurn(async () => {
    await replay(location.hash.slice(1));
    terminal.focus();
  });
}
