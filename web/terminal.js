// The page as a terminal for the one program: its output, the typed lines echoed where a
// terminal shows them, and a text input where the cursor stands. Line editing is the input's
// own (characters, Backspace); Enter hands the line over, Ctrl-D hands over a part of a line,
// or on an empty line ends the input. Every hand-over runs the program afresh on all input so
// far (engine.js), and the new part of its output joins the screen. The body's data-runs
// counts the runs, so that a test can tell when the screen is complete.
import { runProgram, startsWith } from './engine.js';

const output = document.getElementById('output');
const line = document.getElementById('line');
const status = document.getElementById('status');
const endInput = document.getElementById('end-input');
const newRun = document.getElementById('new-run');
const encoder = new TextEncoder();
const decoder = new TextDecoder();

let module = null;
let chunks = [];
let ended = false;
let previous = new Uint8Array(0);
let screen = '';
let queue = Promise.resolve();

function say(text, isError = false) {
  status.textContent = text;
  status.classList.toggle('error', isError);
}

function show() {
  output.textContent = screen;
  line.scrollIntoView({ block: 'nearest' });
}

async function run() {
  const result = await runProgram(module, chunks, ended);
  if (!startsWith(result.output, previous)) {
    say('Blad strony: nowe uruchomienie nie powtorzylo poprzedniego wyjscia programu. ' +
        'Ekran moze nie odpowiadac temu, co wypisalby program.', true);
    line.disabled = true;
    return;
  }
  screen += decoder.decode(result.output.subarray(previous.length));
  previous = result.output;
  show();
  document.body.dataset.runs = String(Number(document.body.dataset.runs || 0) + 1);
  if (result.exited) {
    line.disabled = true;
    endInput.disabled = true;
    newRun.hidden = false;
    say(`Program zakonczyl dzialanie (kod wyjscia ${result.exitCode}).`);
    newRun.focus();
  } else {
    line.disabled = false;
    line.focus();
  }
}

function schedule() {
  queue = queue.then(run).catch((error) => say(`Blad strony: ${error}`, true));
}

// Hands text over to the program, as a terminal does at Enter (text ends with "\n") or at
// Ctrl-D after some characters; the terminal has already echoed it.
function send(text) {
  screen += text;
  show();
  chunks.push(encoder.encode(text));
  schedule();
}

function endOfInput() {
  if (line.value !== '') {
    send(line.value);
    line.value = '';
  } else if (!ended) {
    ended = true;
    schedule();
  }
}

function start() {
  chunks = [];
  ended = false;
  previous = new Uint8Array(0);
  screen = '';
  line.value = '';
  newRun.hidden = true;
  endInput.disabled = false;
  say('');
  schedule();
}

document.getElementById('terminal').addEventListener('submit', (event) => {
  event.preventDefault();
  const text = line.value;
  line.value = '';
  send(`${text}\n`);
});
line.addEventListener('keydown', (event) => {
  if (event.ctrlKey && (event.key === 'd' || event.key === 'D')) {
    event.preventDefault();
    endOfInput();
  }
});
// Pasted lines are handed over one by one; what follows the last line end stays in the line.
line.addEventListener('paste', (event) => {
  const pasted = event.clipboardData.getData('text');
  if (!/[\r\n]/.test(pasted)) return;
  event.preventDefault();
  const lines = (line.value + pasted).split(/\r?\n|\r/);
  line.value = lines.pop();
  for (const typed of lines) send(`${typed}\n`);
});
endInput.addEventListener('click', () => {
  endOfInput();
  line.focus();
});
newRun.addEventListener('click', start);

try {
  const response = await fetch('bch.wasm');
  if (!response.ok) throw new Error(`HTTP ${response.status}`);
  module = await WebAssembly.compile(await response.arrayBuffer());
  start();
} catch (error) {
  say(`Nie mozna wczytac programu bch.wasm (${error}). Strona musi byc podana przez ` +
      'serwer WWW (adres http://), nie otwarta z pliku.', true);
}
