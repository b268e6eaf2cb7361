// Runs the console program, compiled to WebAssembly for WASI, on the input typed so far.
//
// A run is a pure function of that input: the program starts afresh in a new instance and
// reads the typed lines; when it asks for input that has not been typed yet, the run stops
// (a throw out of fd_read) and what it wrote up to then is the screen. The next Enter starts
// a new run with one more line. The input is a list of chunks, each one what a terminal
// hands over at once: a line with its line end, or a part of a line handed over by Ctrl-D.
// A chunk arrives only when the program waits for it, so asking whether input is ready
// (poll_oneoff) sees only the rest of the chunk being read, as a terminal would. The run notes
// how much the program had written when it took each hand-over (a chunk, or the end of the
// input), so that a terminal can show every typed chunk where it was typed: after the output
// the program had written while it waited for it.

const ERRNO_SUCCESS = 0;
const ERRNO_BADF = 8;
const ERRNO_SPIPE = 70;
const EVENTTYPE_CLOCK = 0;
const EVENTTYPE_FD_READ = 1;

class Waiting extends Error {}
class Exited extends Error {
  constructor(code) {
    super(`exit ${code}`);
    this.code = code;
  }
}

// One run's view of the world: the typed chunks it reads, the output it writes, and the
// instance's memory, through which every call passes its arguments.
class Run {
  constructor(chunks, ended) {
    this.chunks = chunks;
    this.ended = ended;
    this.chunk = 0; // the chunk being read
    this.offset = 0; // bytes of it already read
    this.written = [];
    this.writtenSize = 0;
    this.marks = [];
    this.memory = null;
  }

  view() {
    return new DataView(this.memory.buffer);
  }

  bytes() {
    return new Uint8Array(this.memory.buffer);
  }

  restOfChunk() {
    return this.chunk < this.chunks.length ? this.chunks[this.chunk].length - this.offset : 0;
  }

  // The iovec i of a list at `iovs`: { base, length }, 8 bytes each.
  iovec(iovs, i) {
    const view = this.view();
    return {
      base: view.getUint32(iovs + 8 * i, true),
      length: view.getUint32(iovs + 8 * i + 4, true),
    };
  }

  fdRead(fd, iovs, iovsLength, readPointer) {
    if (fd !== 0) return ERRNO_BADF;
    if (this.restOfChunk() === 0 && this.offset !== 0) {
      this.chunk += 1; // the program waits: the next chunk arrives
      this.offset = 0;
    }
    if (this.chunk >= this.chunks.length && !this.ended) throw new Waiting();
    if (this.marks.length === this.chunk) this.marks.push(this.writtenSize); // taken now
    let read = 0;
    for (let i = 0; i < iovsLength && this.restOfChunk() > 0; i += 1) {
      const { base, length } = this.iovec(iovs, i);
      const take = Math.min(length, this.restOfChunk());
      this.bytes().set(this.chunks[this.chunk].subarray(this.offset, this.offset + take), base);
      this.offset += take;
      read += take;
    }
    this.view().setUint32(readPointer, read, true);
    return ERRNO_SUCCESS;
  }

  fdWrite(fd, iovs, iovsLength, writtenPointer) {
    let total = 0;
    for (let i = 0; i < iovsLength; i += 1) {
      const { base, length } = this.iovec(iovs, i);
      if (fd === 1) {
        this.written.push(this.bytes().slice(base, base + length));
        this.writtenSize += length;
      }
      total += length;
    }
    this.view().setUint32(writtenPointer, total, true);
    return ERRNO_SUCCESS;
  }

  // Subscriptions are 48 bytes: userdata (u64), tag (u8) at 8, then for a clock its
  // timeout (u64) at 24, for fd_read the descriptor (u32) at 16. Events are 32 bytes:
  // userdata (u64), error (u16) at 8, type (u8) at 10, bytes available (u64) at 16.
  pollOneoff(subscriptions, events, count, eventCountPointer) {
    const view = this.view();
    const ready = [];
    let clock = null;
    for (let i = 0; i < count; i += 1) {
      const at = subscriptions + 48 * i;
      const userdata = view.getBigUint64(at, true);
      const tag = view.getUint8(at + 8);
      if (tag === EVENTTYPE_CLOCK) {
        if (view.getBigUint64(at + 24, true) === 0n) clock = userdata;
      } else if (tag !== EVENTTYPE_FD_READ || view.getUint32(at + 16, true) !== 0) {
        ready.push([userdata, tag, 0]);
      } else if (this.restOfChunk() > 0) {
        ready.push([userdata, tag, this.restOfChunk()]);
      }
    }
    if (ready.length === 0) {
      if (clock === null) throw new Waiting();
      ready.push([clock, EVENTTYPE_CLOCK, 0]);
    }
    ready.forEach(([userdata, type, available], i) => {
      const at = events + 32 * i;
      this.bytes().fill(0, at, at + 32);
      view.setBigUint64(at, userdata, true);
      view.setUint8(at + 10, type);
      view.setBigUint64(at + 16, BigInt(available), true);
    });
    view.setUint32(eventCountPointer, ready.length, true);
    return ERRNO_SUCCESS;
  }

  imports() {
    return {
      fd_read: (...words) => this.fdRead(...words),
      fd_write: (...words) => this.fdWrite(...words),
      poll_oneoff: (...words) => this.pollOneoff(...words),
      proc_exit(code) {
        throw new Exited(code);
      },
      fd_close: () => ERRNO_SUCCESS,
      fd_seek: () => ERRNO_SPIPE,
    };
  }

  output() {
    const output = new Uint8Array(this.writtenSize);
    let at = 0;
    for (const piece of this.written) {
      output.set(piece, at);
      at += piece.length;
    }
    return output;
  }
}

// Runs the program once. chunks: Uint8Array[] typed so far; ended: the input has ended
// (Ctrl-D on an empty line) after them. Returns { output: Uint8Array, marks: number[],
// exited: boolean, exitCode }: marks[i] is the length of the output when the program took
// hand-over i (chunk i, or at i = chunks.length the end of the input), so the hand-overs it
// never took have no mark; exited is false when the program waits for input not typed yet.
export async function runProgram(module, chunks, ended) {
  const run = new Run(chunks, ended);
  const instance = await WebAssembly.instantiate(module, { wasi_snapshot_preview1: run.imports() });
  run.memory = instance.exports.memory;
  let exited = true;
  let exitCode = 0;
  try {
    instance.exports._start();
  } catch (stop) {
    if (stop instanceof Waiting) exited = false;
    else if (stop instanceof Exited) exitCode = stop.code;
    else throw stop;
  }
  return { output: run.output(), marks: run.marks, exited, exitCode };
}

// True when `earlier` is the beginning of `later`, byte for byte.
export function startsWith(later, earlier) {
  return earlier.length <= later.length && earlier.every((byte, i) => later[i] === byte);
}

// The program, compiled: from `inline`, its bytes as base64, where the page carries them
// (bch.html, one file that fetches nothing), else fetched from `address` beside the page.
export async function loadProgram(inline, address = 'bch.wasm') {
  if (inline) {
    const text = atob(inline.trim());
    const bytes = new Uint8Array(text.length);
    for (let i = 0; i < text.length; i += 1) bytes[i] = text.charCodeAt(i);
    return WebAssembly.compile(bytes);
  }
  const response = await fetch(address);
  if (!response.ok) throw new Error(`HTTP ${response.status}`);
  return WebAssembly.compile(await response.arrayBuffer());
}
