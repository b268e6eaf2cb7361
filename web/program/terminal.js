// The page as a terminal for the one program: its screen and the line being typed. The screen
// (#output) holds what the program wrote and, where a terminal echoes them, the chunks typed,
// and nothing else: its text is the terminal's text, for tests and the page's other modules to
// read. The line being typed (#line) follows it, edited in place. Enter hands the line over
// with a line end; Ctrl-D (or its button) hands over a part of a line, or on an empty line ends
// the input; pasted lines are handed over one by one. What to do with a hand-over is the
// page's (page.js): it runs the program afresh on all the input so far and gives the run back
// to show(). Once the program has ended, keys change nothing.
//
// The terminal is as many columns wide as fit: --columns on #screen, from the width of one
// character; style.css wraps every line at that many columns.
//
// createTerminal(handOver) -> terminal
//   handOver(chunks, end)  called with the chunks typed (Uint8Array[], each one hand-over) and
//                          whether the input ends after them
//   terminal.show(run, chunks)  the screen becomes what the run wrote, each chunk echoed where
//                          the program took it (run.marks); the line takes keys while it waits
//   terminal.enter()       Enter, as if pressed in the line
//   terminal.endOfInput()  Ctrl-D, as if pressed in the line
//   terminal.setLine(text) the line holds text, the caret after it
//   terminal.focus()       the caret into the line
//   terminal.say(text, isError)  the status line under the screen
//   terminal.stop()        the line takes no keys any more (the page failed)
const decoder = new TextDecoder();
const encoder = new TextEncoder();

// The terminal is as many columns wide as fit: a probe of 100 characters measures one, and
// --columns on #screen follows the width of its pane.
function fitColumns(screen) {
  const probe = document.createElement('span');
  probe.className = 'probe';
  probe.setAttribute('aria-hidden', 'true');
  probe.textContent = '0'.repeat(100);
  screen.after(probe);
  const fit = () => {
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
  };
  new ResizeObserver(fit).observe(screen.parentElement);
  fit();
}

// What a terminal shows of a run: the output, with each chunk echoed where it was taken.
function screenText(run, typed) {
  let text = '';
  let at = 0;
  run.marks.forEach((mark, i) => {
    text += decoder.decode(run.output.subarray(at, mark));
    if (i < typed.length) text += decoder.decode(typed[i]);
    at = mark;
  });
  return text + decoder.decode(run.output.subarray(at));
}

// The line's text before and after the selection (the caret), or all of it before where the
// selection is elsewhere.
function aroundCaret(line) {
  const selection = window.getSelection();
  if (selection.rangeCount === 0 || !line.contains(selection.anchorNode)) {
    return { before: line.textContent, after: '' };
  }
  const range = selection.getRangeAt(0);
  const head = document.createRange();
  head.selectNodeContents(line);
  head.setEnd(range.startContainer, range.startOffset);
  const tail = document.createRange();
  tail.selectNodeContents(line);
  tail.setStart(range.endContainer, range.endOffset);
  return { before: head.toString(), after: tail.toString() };
}

// Enter and Ctrl-D in the line, an on-screen keyboard's Enter, pastes; nothing is dropped in.
function listenToLine(line, { enter, endOfInput, paste }) {
  line.addEventListener('keydown', (event) => {
    if (event.isComposing) return;
    const ctrlD = event.ctrlKey && !event.altKey && !event.metaKey && /^[dD]$/.test(event.key);
    if (event.key !== 'Enter' && !ctrlD) return;
    event.preventDefault();
    if (ctrlD) endOfInput();
    else enter();
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
}

function makeEditable(line) {
  try {
    line.contentEditable = 'plaintext-only';
  } catch {
    line.contentEditable = 'true'; // pastes are plain text all the same (see paste)
  }
  line.removeAttribute('aria-readonly');
}

class Terminal {
  constructor(handOver) {
    this.handOver = handOver;
    this.screen = document.getElementById('screen');
    this.output = document.getElementById('output');
    this.line = document.getElementById('line');
    this.status = document.getElementById('status');
    this.accepting = false; // the program waits for input
    this.shown = ''; // the text on the screen
    fitColumns(this.screen);
    listenToLine(this.line, {
      enter: () => this.enter(),
      endOfInput: () => this.endOfInput(),
      paste: (text) => this.paste(text),
    });
    // A click or a tap anywhere on the terminal puts the caret back in the line, unless it
    // made a selection (to copy) or pressed a button.
    document.getElementById('terminal').addEventListener('click', (event) => {
      if (event.target.closest('button') || this.line.contains(event.target)) return;
      if (!window.getSelection().isCollapsed) return;
      this.focus();
    });
  }

  say(text, isError = false) {
    this.status.textContent = text;
    this.status.classList.toggle('error', isError);
  }

  show(run, chunks) {
    const text = screenText(run, chunks);
    if (text.startsWith(this.shown)) this.output.append(text.slice(this.shown.length));
    else this.output.textContent = text;
    this.shown = text;
    // Only what the program wrote since the last hand-over is read out.
    const news = run.output.subarray(run.marks.at(-1) ?? 0);
    document.getElementById('news').textContent = decoder.decode(news);
    this.accepting = !run.exited;
    if (this.accepting) {
      makeEditable(this.line);
    } else {
      this.stop();
      this.line.textContent = '';
    }
    this.line.scrollIntoView({ block: 'nearest' });
  }

  stop() {
    this.accepting = false;
    this.line.removeAttribute('contenteditable');
    this.line.setAttribute('aria-readonly', 'true');
  }

  focus() {
    this.line.focus({ preventScroll: true });
    const selection = window.getSelection();
    if (this.line.contains(selection.anchorNode) && selection.anchorNode !== this.line) return;
    selection.selectAllChildren(this.line);
    selection.collapseToEnd();
  }

  // The line holds text, with the caret after its first `caret` characters.
  setLine(text, caret = text.length) {
    this.line.textContent = text;
    if (document.activeElement !== this.line || !this.line.firstChild) return;
    window.getSelection().collapse(this.line.firstChild, caret);
  }

  // The line's text, taken out of it.
  takeLine() {
    const text = this.line.textContent;
    this.line.textContent = '';
    return text;
  }

  enter() {
    if (this.accepting) this.handOver([encoder.encode(`${this.takeLine()}\n`)], false);
  }

  endOfInput() {
    if (!this.accepting) return;
    const text = this.takeLine();
    if (text === '') this.handOver([], true);
    else this.handOver([encoder.encode(text)], false);
  }

  // Pasted text goes in at the caret; each line end in it is an Enter, which hands over the
  // whole line, and what follows the last line end stays in the line.
  paste(text) {
    if (!this.accepting) return;
    const { before, after } = aroundCaret(this.line);
    const lines = text.split(/\r\n|\r|\n/);
    const last = lines.pop();
    if (lines.length === 0) {
      this.setLine(before + last + after, before.length + last.length);
      return;
    }
    lines[0] = before + lines[0] + after;
    this.line.textContent = '';
    for (const typed of lines) this.handOver([encoder.encode(`${typed}\n`)], false);
    this.setLine(last);
  }
}

export function createTerminal(handOver) {
  return new Terminal(handOver);
}
