// The long division by g(x) that the program does but does not print: the rows a learner writes
// on paper, computed here from the printed digits so that the page can lay them out and check
// its remainder against what the program printed. No DOM, no prose.
//
// A word of 31 values is w(x) = sum of w[p] x^(30-p), position 0 the highest degree, the order
// the program prints. Dividing by g(x) (GENERATOR[j] the coefficient of x^(10-j)) leading
// coefficient first: at each position k = 0..20 where the working word holds a 1, g(x) x^(20-k)
// is subtracted, that is g's 11 bits are added modulo 2 at positions k..k+10; the working word
// then has a 0 at k, and the next step starts at the next 1. After position 20 the working word
// is zero up to position 20 and positions 21..30 hold the remainder, of degree below 10.
//
// longDivision(values) -> null where a value is not 0 or 1 (the program's arithmetic then does
//   not divide bits: see arithmetic/bch_arithmetic.h), else { dividend, steps, remainder }
//   dividend   the 31 values
//   steps      [{ at: k, subtracted: the 11 bits of g at k..k+10, difference: the 10 bits of the
//              working word at k+1..k+10 after the subtraction }], one per leading 1, in order
//   remainder  the 10 values of the working word at 21..30 when no step is left
// dividendOf(information) -> i(x) x^10: the 21 information values and 10 zeros
// divisionRows(division, upTo) -> the rows a learner writes, one text per step (the difference),
//   then the remainder: what the exercises ask for row by row
// firstWrongBit(typed, expected) -> the index of the first character of typed that is not
//   the expected one (a missing character counts), or -1 where they are the same
import { CODE_LENGTH, GENERATOR, INFORMATION_LENGTH, PARITY_LENGTH } from '../program/program.js';

const isBit = (value) => value === 0 || value === 1;

export function dividendOf(information) {
  return [...information, ...new Array(PARITY_LENGTH).fill(0)];
}

export function longDivision(values) {
  if (!values || values.length !== CODE_LENGTH || !values.every(isBit)) return null;
  const working = [...values];
  const steps = [];
  for (let k = 0; k < INFORMATION_LENGTH; k += 1) {
    if (working[k] !== 1) continue;
    GENERATOR.forEach((bit, j) => {
      working[k + j] ^= bit;
    });
    steps.push({
      at: k,
      subtracted: [...GENERATOR],
      difference: working.slice(k + 1, k + GENERATOR.length),
    });
  }
  return { dividend: [...values], steps, remainder: working.slice(INFORMATION_LENGTH) };
}

export function divisionRows(division) {
  return [...division.steps.map((step) => step.difference.join('')), division.remainder.join('')];
}

export function firstWrongBit(typed, expected) {
  const length = Math.max(typed.length, expected.length);
  for (let i = 0; i < length; i += 1) if (typed[i] !== expected[i]) return i;
  return -1;
}
