// The page's wiring, its one entry module: the events of the page go to the session
// (program/session.js: what was typed, the program's run on it, taking back and redoing), and
// each run the session holds is shown by the one seam
//
//   showRun()  the terminal's screen becomes the run (program/terminal.js); the run's output
//              and the chunks it took are read into steps (teaching/steps.js), which
//              teaching/explain.js turns into what the view draws (teaching/view.js) and the
//              exercises judge (practice/practice.js); the buttons follow the steps.
//
// The session is kept in the address's fragment (program/address.js), replaced at every
// hand-over so that Back and Forward do not step through keys; a reload, or the link opened
// elsewhere, replays it. A new run is a new history entry, so Back returns to the session
// before it.
//
// The page speaks the reader's language (text/language.js): the one the reader chose with
// "PL / EN" (remembered in the browser, storage.js, and carried in the address), else the one
// the browser prefers. Switching redraws every text and leaves the session, and the terminal's
// text, as they are.
//
// For tests: the body's data-runs counts the runs shown, so that a test can tell when the
// screen is complete; each run shown leaves a performance mark "bch-screen", each hand-over a
// measure "bch-handover" from the key to the new screen, and each drawing of the view a
// measure "bch-view".
import { courseKeeper } from './practice/lms.js';
import { ExerciseError } from './practice/exercises.js';
import { createPractice } from './practice/practice.js';
import { MESSAGES } from './program/program.js';
import { loadProgram, runProgram } from './program/engine.js';
import { createSession } from './program/session.js';
import { createTerminal } from './program/terminal.js';
import { browserKeeper, storeLanguage, storedLanguage } from './storage.js';
import { explain } from './teaching/explain.js';
import { readSteps } from './teaching/steps.js';
import { createView } from './teaching/view.js';
import { CatalogueError } from './text/catalogue_error.js';
import { LANGUAGES, chooseLanguage, speaker } from './text/language.js';

const main = document.querySelector('main');
const bar = document.querySelector('.bar');
const button = (id) => document.getElementById(id);
const buttons = {
  endInput: button('end-input'),
  copyLink: button('copy-link'),
  newRun: button('new-run'),
  step: button('step'),
  toEnd: button('to-end'),
  takeBack: button('take-back'),
  takeBackWord: button('take-back-word'),
  redo: button('redo'),
  save: button('save-run'),
};
const encoder = new TextEncoder();
// Chromium keeps addresses up to 2 MB long and Firefox up to 1 MB; a longer session is not kept.
const LONGEST_FRAGMENT = 500000;

// The page's state: the program (compiled), the session on it, the language, the status line.
const page = {
  session: null,
  steps: null, // the run shown, read into steps, for drawing it again in another language
  queue: Promise.resolve(), // hand-overs and replays, one after another
  chosenLanguage: storedLanguage(), // chosen by the reader or named by the link, else null
  status: null, // what the status line says, kept as a sentence to say again
};
// The page's language: the one chosen, else the one the browser prefers; each speaks once made.
const preferred = chooseLanguage(navigator.languages);
const language = () => page.chosenLanguage ?? preferred;
const speakers = Object.fromEntries(LANGUAGES.map((name) => [name, speaker(name)]));
const say = (...words) => speakers[language()](...words);
const waiting = () => page.session?.waiting() ?? false;
const terminal = createTerminal((more, end) => handOver(more, end));
const view = createView();

function tell(text, isError = false) {
  page.status = { text, isError };
  terminal.say(text(), isError);
}
page.status = { text: () => say('status.loading'), isError: false };

// The program's run on typed lines, each ended by Enter, and the two lines it printed for the
// code vector and the received word (the run an exercise shows to be read).
async function runLines(lines) {
  const typed = lines.map((line) => encoder.encode(`${line}\n`));
  const result = await runProgram(page.session.program, typed, true);
  const steps = readSteps(result.output, typed);
  return {
    steps,
    lines: [
      MESSAGES.codeVector + steps.codeVector.text,
      MESSAGES.received + steps.rotations[0].word.text,
    ],
  };
}

// In a course (a SCORM package launched by a learning platform) the platform keeps the
// progress and is told of every attempt (practice/lms.js), else the browser keeps it.
const course = courseKeeper();
const practice = createPractice({
  keeper: course ?? browserKeeper,
  runLines,
  step: () => terminal.enter(),
  choose: () => keepInAddress(),
  typed: (exercise) => page.session?.fragment({ exercise }) ?? '',
});
// Only the course's own launch is graded: there no link leads out of it, and the hint says
// that the course keeps the progress.
if (course) {
  buttons.copyLink.hidden = true;
  document.querySelector('#terminal .hint').dataset.text = 'terminal.hintCourse';
}

// --- The language -----------------------------------------------------------------------

function applyLanguage() {
  document.documentElement.lang = language();
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
    button(`language-${name}`).setAttribute('aria-pressed', String(name === language()));
  }
  terminal.say(page.status.text(), page.status.isError);
  if (page.steps) {
    view.draw(explain(page.steps, page.session.run.exited, say), say);
    practice.show(page.steps, say);
  } else if (page.session === null && page.status.isError) {
    view.fail(page.status.text());
  }
}

function setLanguage(name, remember) {
  page.chosenLanguage = name;
  if (remember) storeLanguage(name);
  applyLanguage();
}
applyLanguage();

// --- The address ------------------------------------------------------------------------

const baseAddress = () => location.href.split('#')[0];
const fragment = () =>
  page.session?.fragment({ language: page.chosenLanguage, exercise: practice.name() }) ?? '';

function keepInAddress() {
  const text = fragment();
  if (text.length > LONGEST_FRAGMENT) tell(() => say('status.tooLong'), true);
  const kept = text && text.length <= LONGEST_FRAGMENT;
  const address = kept ? `${baseAddress()}#${text}` : baseAddress();
  if (address !== location.href) history.replaceState(history.state, '', address);
}

// --- Runs ---------------------------------------------------------------------------------

// A button that goes off while it has the focus hands it to the view's heading.
function enable(element, on) {
  if (!on && document.activeElement === element) button('view-title').focus();
  element.disabled = !on;
}

function enableButtons() {
  const on = page.session.controls(page.steps.waiting);
  for (const name of ['endInput', 'step', 'toEnd', 'takeBack', 'redo']) {
    enable(buttons[name], on[name]);
  }
  enable(buttons.takeBackWord, on.takeBack);
  for (const name of ['copyLink', 'newRun', 'save']) enable(buttons[name], true);
}

// The seam: the session's run becomes the one shown, on the screen and in the view.
function showRun() {
  const { run, chunks } = page.session;
  terminal.show(run, chunks);
  if (!run.exited) tell(() => '');
  else tell(() => say('status.ended', { code: run.exitCode }));
  keepInAddress();
  document.body.dataset.runs = String(Number(document.body.dataset.runs || 0) + 1);
  performance.mark('bch-screen');

  const started = performance.now();
  page.steps = readSteps(run.output, chunks);
  view.draw(explain(page.steps, run.exited, say), say);
  practice.show(page.steps, say);
  view.reveal(); // again, beside the exercise's question where it asks one
  enableButtons();
  performance.measure('bch-view', { start: started });
}

// Runs `task` after those before it; a failure stops the terminal with a message.
function inTurn(task) {
  page.queue = page.queue.then(task).catch((error) => {
    const told =
      error instanceof CatalogueError ? say(error.key, error.parameters) : (error.message ?? error);
    tell(() => say('status.pageError', { error: told }), true);
    terminal.stop();
    buttons.endInput.disabled = true;
  });
}

// Hands chunks over to the program, and then the end of the input if `end`, as a terminal
// does at Enter or Ctrl-D; the terminal echoes each where the program takes it.
function handOver(more, end) {
  const started = performance.now();
  inTurn(async () => {
    if (await page.session.handOver(more, end)) {
      showRun();
      performance.measure('bch-handover', { start: started });
    }
  });
}

// Shows the session a fragment holds, or an empty one with a message where it holds none.
async function replay(text) {
  const { language: named, exercise, problem } = await page.session.replay(text);
  let told = problem && (() => `${say(problem.key, problem.parameters)} ${say('session.restart')}`);
  // A link names the language it was made in; without one, the reader's own stays.
  if (named !== null && named !== language()) setLanguage(named, false);
  // A link may name an exercise; a damaged or unknown one is said, and none is opened.
  try {
    practice.open(exercise);
  } catch (error) {
    if (!(error instanceof ExerciseError)) throw error;
    told ??= () => say(error.key, error.parameters);
  }
  practice.newRun();
  showRun();
  if (told) tell(told, true);
}

// --- Buttons ------------------------------------------------------------------------------

const actions = {
  // Takes back the last hand-over; a typed line comes back to the line, to be sent again or
  // changed, and "Ponów" can hand it over again.
  async takeBack() {
    const taken = await page.session.takeBack();
    if (taken === undefined) return;
    showRun();
    if (taken !== null) terminal.setLine(new TextDecoder().decode(taken).replace(/\n$/, ''));
  },
  // Takes back the last typed word with the Enters after it: back to the prompt it answered,
  // the word on the line again.
  async takeBackWord() {
    const taken = await page.session.takeBackWord();
    if (taken === undefined) return;
    showRun();
    terminal.setLine(taken === null ? '' : new TextDecoder().decode(taken).replace(/\n$/, ''));
  },
  async redo() {
    terminal.setLine('');
    if ((await page.session.redo()) !== undefined) showRun();
  },
  async toEnd() {
    terminal.setLine('');
    if (await page.session.toEnd()) showRun();
  },
  async newRun() {
    const { session } = page;
    if (session.chunks.length > 0 || session.ended) history.pushState(null, '', baseAddress());
    tell(() => '');
    practice.newRun();
    await session.start([], false);
    showRun();
    terminal.focus();
  },
};

// After a button the typing goes on in the terminal's line, where Enter steps forward again
// (were the focus left on "Cofnij", Enter would take back once more); on a narrow screen
// showing the view the line is hidden, and the focus stays.
function keepTyping(action) {
  return () => {
    action();
    if (button('line').offsetParent !== null) terminal.focus();
  };
}
const typingButtons = {
  endInput: () => terminal.endOfInput(),
  step: () => terminal.enter(),
  toEnd: () => inTurn(actions.toEnd),
  takeBack: () => inTurn(actions.takeBack),
  takeBackWord: () => inTurn(actions.takeBackWord),
  redo: () => inTurn(actions.redo),
};
for (const [name, action] of Object.entries(typingButtons)) {
  buttons[name].addEventListener('click', keepTyping(action));
}
buttons.newRun.addEventListener('click', () => inTurn(actions.newRun));

// "The link is on the clipboard" stays until the reader's next action, which says the status
// that stood before it again.
let beforeCopy = null;
function forgetCopy(event) {
  if (beforeCopy === null || event.target.closest?.('#copy-link')) return;
  if (page.status.copied) tell(beforeCopy.text, beforeCopy.isError);
  beforeCopy = null;
}
addEventListener('click', forgetCopy, true);
addEventListener('keydown', forgetCopy, true);

buttons.copyLink.addEventListener('click', async () => {
  const link = location.href;
  try {
    await navigator.clipboard.writeText(link);
    beforeCopy ??= page.status;
    tell(() => say('status.copied'));
    page.status.copied = true;
  } catch {
    tell(() => say('status.notCopied', { link }));
  }
  terminal.focus();
});

// "Zapisz przebieg": the terminal's text as it is shown, a UTF-8 text file.
buttons.save.addEventListener('click', () => {
  const text = button('output').textContent;
  const link = document.createElement('a');
  link.download = say('save.fileName');
  link.href = URL.createObjectURL(new Blob([text], { type: 'text/plain;charset=utf-8' }));
  document.body.append(link);
  link.click();
  link.remove();
  setTimeout(() => URL.revokeObjectURL(link.href), 10000);
});

// Enter in the view steps the program, as in the terminal; on a button, a link or a field of
// a form it is theirs.
button('view').addEventListener('keydown', (event) => {
  if (event.key !== 'Enter' || event.isComposing) return;
  if (event.target.closest('button, a, summary, input, textarea, select')) return;
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
  const inBar = buttons.takeBack.parentElement === bar;
  const moved = [buttons.takeBack, buttons.takeBackWord, buttons.redo];
  if (narrow && !inBar) button('show-view').parentElement.after(...moved);
  else if (!narrow && inBar) buttons.save.before(...moved);
}
new ResizeObserver(placeButtons).observe(main);

function showPane(pane) {
  main.dataset.pane = pane;
  button('show-terminal').setAttribute('aria-pressed', String(pane === 'terminal'));
  button('show-view').setAttribute('aria-pressed', String(pane === 'view'));
  if (pane === 'view') view.reveal();
}
button('show-terminal').addEventListener('click', () => showPane('terminal'));
button('show-view').addEventListener('click', () => showPane('view'));

// "PL / EN": the page in that language at once, the session and the screen kept; pressing the
// language shown chooses it too (remembered, and carried in the address).
for (const name of LANGUAGES) {
  button(`language-${name}`).addEventListener('click', () => {
    setLanguage(name, true);
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
try {
  const program = await loadProgram(button('bch-wasm')?.textContent);
  page.session = createSession(program);
} catch (error) {
  tell(() => say('status.noProgram', { error: error.message ?? error }), true);
  view.fail(page.status.text());
}
if (page.session !== null) {
  inTurn(async () => {
    await replay(location.hash.slice(1));
    terminal.focus();
  });
}
