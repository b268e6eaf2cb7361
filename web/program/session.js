// The session: what the learner handed over to the program, and the program's run on it, with
// taking back and redoing. No DOM: page.js shows each run (the terminal's screen, the view, the
// exercises) and keeps the session in the address (address.js).
//
// Each hand-over runs the program afresh on all the input so far (engine.js). Hand-overs the
// program never took (typed after it ended) are dropped; the end of the input counts only once
// the program has taken it. Taking back removes the last hand-over (a chunk, or the end of the
// input) and remembers it, last one last, until a new hand-over forgets them, as typing after an
// undo does in an editor; redoing hands the last one taken back over again.
//
// createSession(program, run = runProgram) -> session; every method that runs the program
// returns a promise, and the caller makes one call at a time.
//   session.program        the compiled program it runs
//   session.chunks, .ended, .run, .undone   the state: the chunks taken (Uint8Array[]), whether
//                          the input has ended after them, the program's run on them (null
//                          before the first), the hand-overs taken back (a chunk, or null for
//                          the end of the input)
//   session.waiting()      the program waits for input
//   session.start(chunks, ended)  a session of these hand-overs, nothing taken back
//   session.replay(fragment) -> { language, exercise, problem }: the session an address holds;
//                          a damaged one starts empty and problem is its SessionError, else null
//   session.handOver(more, end, again = false) -> whether the program took anything: the chunks
//                          `more` and then, if `end`, the end of the input; `again` keeps what
//                          was taken back (a redo)
//   session.toEnd()        Enter at every pause left, to the program's end
//   session.takeBack() -> the chunk taken back, null for the end of the input, or undefined
//                          where there is nothing to take back
//   session.takeBackWord() -> the last typed word taken back with the Enters after it (the
//                          pauses it led to) and the end of the input, each remembered for a redo
//                          as takeBack does; returns the word (a chunk), null where only Enters and
//                          the end were there, or undefined where there is nothing to take back
//   session.redo() -> the hand-over made again (as takeBack), or undefined
//   session.controls(waitingAt) -> { endInput, step, toEnd, takeBack, redo }: which of the
//                          page's controls act now, the program waiting at `waitingAt`
//   session.fragment(extra) -> the address's fragment for the session, '' for an empty one;
//                          extra: { language, exercise } to carry along
import { MOST_ROTATIONS } from './program.js';
import { SessionError, decodeSession, encodeSession } from './address.js';
import { runProgram, startsWith } from './engine.js';

const ENTER = new Uint8Array([0x0a]);

class Session {
  constructor(program, run) {
    this.program = program;
    this.runner = run;
    this.chunks = [];
    this.ended = false;
    this.run = null;
    this.undone = [];
  }

  adopt(chunks, ended, result) {
    const taken = result.marks.length;
    this.chunks = chunks.slice(0, taken);
    this.ended = ended && taken > chunks.length;
    this.run = result;
  }

  async show(chunks, ended) {
    this.adopt(chunks, ended, await this.runner(this.program, chunks, ended));
  }

  waiting() {
    return this.run !== null && !this.run.exited;
  }

  async start(chunks, ended) {
    this.undone = [];
    await this.show(chunks, ended);
  }

  async replay(fragment) {
    let decoded = { chunks: [], ended: false, language: null, exercise: null };
    let problem = null;
    try {
      decoded = decodeSession(fragment);
    } catch (error) {
      if (!(error instanceof SessionError)) throw error;
      problem = error;
    }
    await this.start(decoded.chunks, decoded.ended);
    return { language: decoded.language, exercise: decoded.exercise, problem };
  }

  async handOver(more, end, again = false) {
    if (!this.waiting() || this.ended) return false;
    if (!again) this.undone = [];
    const chunks = [...this.chunks, ...more];
    const result = await this.runner(this.program, chunks, end);
    // The program reads the same input the same way: a run that does not repeat the last one
    // is a fault of the page, not something to show.
    if (!startsWith(result.output, this.run.output)) {
      throw new SessionError('status.notRepeated');
    }
    this.adopt(chunks, end, result);
    return true;
  }

  // At most one Enter per rotation and the closing one: the program takes those it waits for.
  toEnd() {
    const enters = Array.from({ length: MOST_ROTATIONS + 1 }, () => ENTER);
    return this.handOver(enters, false);
  }

  async takeBack() {
    if (this.run === null || (this.chunks.length === 0 && !this.ended)) return undefined;
    const taken = this.ended ? null : this.chunks.at(-1);
    const chunks = this.ended ? this.chunks : this.chunks.slice(0, -1);
    this.undone.push(taken);
    await this.show(chunks, false);
    return taken;
  }

  async takeBackWord() {
    if (this.run === null || (this.chunks.length === 0 && !this.ended)) return undefined;
    const chunks = [...this.chunks];
    const taken = this.ended ? [null] : [];
    const isEnter = (chunk) => chunk.length === 1 && chunk[0] === ENTER[0];
    while (chunks.length > 0 && isEnter(chunks.at(-1))) taken.push(chunks.pop());
    const word = chunks.length > 0 ? chunks.pop() : null;
    if (word !== null) taken.push(word);
    this.undone.push(...taken);
    await this.show(chunks, false);
    return word;
  }

  async redo() {
    if (this.undone.length === 0 || !this.waiting()) return undefined;
    const again = this.undone.pop();
    if (again === null) await this.handOver([], true, true);
    else await this.handOver([again], false, true);
    return again;
  }

  // Which of the page's controls act now, where the program waits at `waitingAt` (what the
  // output shows it waits for: 'information', 'error', 'rotation', 'closing' or null).
  controls(waitingAt) {
    const waiting = this.waiting();
    return {
      endInput: waiting,
      step: waiting,
      // At a prompt every empty line would be taken and the program would wait on.
      toEnd: waiting && ['rotation', 'closing'].includes(waitingAt),
      takeBack: this.chunks.length > 0 || this.ended,
      redo: this.undone.length > 0,
    };
  }

  fragment({ language = null, exercise = null } = {}) {
    const text = encodeSession(this.chunks, this.ended, { language, exercise });
    return text === encodeSession([], false) ? '' : text;
  }
}

export function createSession(program, run = runProgram) {
  return new Session(program, run);
}
