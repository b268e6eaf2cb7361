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

export function createTerminal(handOver) {
  const screen = document.getElementById('screen');
  const output = document.getElementById('output');
  const line = document.getElementById('line');
  const announcer = document.getElementById('news');
  const status = document.getElementById('status');
  let accepting = false; // the program waits for input
  let shown = ''; // the text on the screen

  function say(text, isError = false) {
    status.textContent = text;
    status.classList.toggle('error', isError);
  }

  // --- The terminal's width -----------------------------------------------------------------

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

  // --- The screen ---------------------------------------------------------------------------

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

  function show(run, chunks) {
    const text = screenText(run, chunks);
    if (text.startsWith(shown)) output.append(text.slice(shown.length));
    else output.textContent = text;
    shown = text;
    // Only what the program wrote since the last hand-over is read out.
    announcer.textContent = decoder.decode(run.output.subarray(run.marks.at(-1) ?? 0));
    accepting = !run.exited;
    if (accepting) {
      try {
        line.contentEditable = 'plaintext-only';
      } catch {
        line.contentEditable = 'true'; // pastes are plain text all the same (see below)
      }
      line.removeAttribute('aria-readonly');
    } else {
      stop();
      line.textContent = '';
    }
    line.scrollIntoView({ block: 'nearest' });
  }

  function stop() {
    accepting = false;
    line.removeAttribute('contenteditable');
    line.setAttribute('aria-readonly', 'true');
  }

  // --- Typing -------------------------------------------------------------------------------

  function focus() {
    line.focus({ preventScroll: true });
    const selection = window.getSelection();
    if (line.contains(selection.anchorNode) && selection.anchorNode !== line) return;
    selection.selectAllChildren(line);
    selection.collapseToEnd();
  }

  // Sets the line's text with the caret after its first `caret` characters.
  function setLine(text, caret = text.length) {
    line.textContent = text;
    if (document.activeElement !== line || !line.firstChild) return;
    window.getSelection().collapse(line.firstChild, caret);
  }

  function enter() {
    if (!accepting) return;
    const text = line.textContent;
    line.textContent = '';
    handOver([encoder.encode(`${text}\n`)], false);
  }

  function endOfInput() {
    if (!accepting) return;
    const text = line.textContent;
    line.textContent = '';
    if (text === '') handOver([], true);
    else handOver([encoder.encode(text)], false);
  }

  // Pasted text goes in at the caret; each line end in it is an Enter, which hands over the
  // whole line, and what follows the last line end stays in the line.
  function paste(text) {
    if (!accepting) return;
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
    for (const typed of lines) handOver([encoder.encode(`${typed}\n`)], false);
    setLine(last);
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
  // a selection (to copy) or pressed a button.
  document.getElementById('terminal').addEventListener('click', (event) => {
    if (event.target.closest('button') || line.contains(event.target)) return;
    if (!window.getSelection().isCollapsed) return;
    focus();
  });

  return { show, enter, endOfInput, setLine, focus, say, stop };
}
