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

// Runs the program once. chunks: Uint8Array[] typed so far; ended: the input has ended
// (Ctrl-D on an empty line) after them. Returns { output: Uint8Array, marks: number[],
// exited: boolean, exitCode }: marks[i] is the length of the output when the program took
// hand-over i (chunk i, or at i = chunks.length the end of the input), so the hand-overs it
// never took have no mark; exited is false when the program waits for input not typed yet.
export async function runProgram(module, chunks, ended) {
  let memory = null;
  let chunk = 0; // the chunk being read
  let offset = 0; // bytes of it already read
  const written = [];
  let writtenSize = 0;
  const marks = [];

  const view = () => new DataView(memory.buffer);
  const bytes = () => new Uint8Array(memory.buffer);
  const restOfChunk = () => (chunk < chunks.length ? chunks[chunk].length - offset : 0);

  const wasi = {
    fd_read(fd, iovs, iovsLength, readPointer) {
      if (fd !== 0) return ERRNO_BADF;
      if (restOfChunk() === 0 && offset !== 0) {
        chunk += 1; // the program waits: the next chunk arrives
        offset = 0;
      }
      if (chunk >= chunks.length && !ended) throw new Waiting();
      if (marks.length === chunk) marks.push(writtenSize); // hand-over `chunk` is taken now
      if (chunk >= chunks.length) {
        view().setUint32(readPointer, 0, true);
        return ERRNO_SUCCESS;
      }
      let read = 0;
      for (let i = 0; i < iovsLength && restOfChunk() > 0; i += 1) {
        const base = view().getUint32(iovs + 8 * i, true);
        const length = view().getUint32(iovs + 8 * i + 4, true);
        const take = Math.min(length, restOfChunk());
        bytes().set(chunks[chunk].subarray(offset, offset + take), base);
        offset += take;
        read += take;
      }
      view().setUint32(readPointer, read, true);
      return ERRNO_SUCCESS;
    },
    fd_write(fd, iovs, iovsLength, writtenPointer) {
      let total = 0;
      for (let i = 0; i < iovsLength; i += 1) {
        const base = view().getUint32(iovs + 8 * i, true);
        const length = view().getUint32(iovs + 8 * i + 4, true);
        if (fd === 1) {
          written.push(bytes().slice(base, base + length));
          writtenSize += length;
        }
        total += length;
      }
      view().setUint32(writtenPointer, total, true);
      return ERRNO_SUCCESS;
    },
    // Subscriptions are 48 bytes: userdata (u64), tag (u8) at 8, then for a clock its
    // timeout (u64) at 24, for fd_read the descriptor (u32) at 16. Events are 32 bytes:
    // userdata (u64), error (u16) at 8, type (u8) at 10, bytes available (u64) at 16.
    poll_oneoff(subscriptions, events, count, eventCountPointer) {
      const ready = [];
      let clock = null;
      for (let i = 0; i < count; i += 1) {
        const at = subscriptions + 48 * i;
        const userdata = view().getBigUint64(at, true);
        const tag = view().getUint8(at + 8);
        if (tag === EVENTTYPE_CLOCK) {
          if (view().getBigUint64(at + 24, true) === 0n) clock = userdata;
        } else if (tag === EVENTTYPE_FD_READ && view().getUint32(at + 16, true) === 0) {
          if (restOfChunk() > 0) ready.push([userdata, tag, restOfChunk()]);
        } else {
          ready.push([userdata, tag, 0]);
        }
      }
      if (ready.length === 0) {
        if (clock === null) throw new Waiting();
        ready.push([clock, EVENTTYPE_CLOCK, 0]);
      }
      ready.forEach(([userdata, type, available], i) => {
        const at = events + 32 * i;
        bytes().fill(0, at, at + 32);
        view().setBigUint64(at, userdata, true);
        view().setUint8(at + 10, type);
        view().setBigUint64(at + 16, BigInt(available), true);
      });
      view().setUint32(eventCountPointer, ready.length, true);
      return ERRNO_SUCCESS;
    },
    proc_exit(code) {
      throw new Exited(code);
    },
    fd_close: () => ERRNO_SUCCESS,
    fd_seek: () => ERRNO_SPIPE,
  };

  const instance = await WebAssembly.instantiate(module, { wasi_snapshot_preview1: wasi });
  memory = instance.exports.memory;
  let exited = true;
  let exitCode = 0;
  try {
    instance.exports._start();
  } catch (stop) {
    if (stop instanceof Waiting) exited = false;
    else if (stop instanceof Exited) exitCode = stop.code;
    else throw stop;
  }
  const output = new Uint8Array(writtenSize);
  let at = 0;
  for (const piece of written) {
    output.set(piece, at);
    at += piece.length;
  }
  return { output, marks, exited, exitCode };
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
