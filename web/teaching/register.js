// The syndrome register: how each rotation's syndrome follows from the previous one without a
// new division. No DOM, no prose.
//
// A rotation takes r(x) to x^30 r(x) mod (x^31 - 1), which is x^(-1) r(x): every position p moves
// to p + 1, position 30 round to position 0. g(x) divides x^31 - 1, so the remainder follows the
// same way: s'(x) = x^(-1) s(x) mod g(x). g(0) = 1, so x is invertible modulo g(x), and with the
// syndrome s(x) = sum of s[q] x^(9-q) (position q under window position 21 + q, the order the
// program prints):
//   - s[9], the constant term, leaves the register;
//   - if it is 0, s(x) is a multiple of x and s'(x) = s(x) / x: every digit moves one place
//     right, s'[q] = s[q-1], and s'[0] = 0;
//   - if it is 1, s(x) + g(x) is a multiple of x (both end in 1), and s'(x) = (s(x) + g(x)) / x,
//     of degree below 10: the digits move one place right and the taps of g(x) are added,
//     s'[q] = s[q-1] + GENERATOR[q] (mod 2), with s[-1] = 0 (GENERATOR[0] = 1 puts the leaving 1
//     into s'[0]).
// In one formula: s'[q] = s[q-1] XOR (s[9] AND GENERATOR[q]), q = 0..9, s[-1] = 0. The register
// moves as the word does, one place right, and its last digit feeds back through the taps.
//
// clock(syndrome) -> { out: the digit that left (s[9]), taps: whether g's taps were added,
//   next: the 10 values after one clock }; syndrome: 10 values 0 and 1
// registerStep(previous, printed) -> null where either syndrome is not known as ten values 0
//   and 1 (the rule is about bits), else { out, taps, next, follows: next equals printed }
import { PARITY_LENGTH, GENERATOR } from '../program/program.js';

const isBit = (value) => value === 0 || value === 1;
const isBits = (values) =>
  Array.isArray(values) && values.length === PARITY_LENGTH && values.every(isBit);

export function clock(syndrome) {
  const out = syndrome[PARITY_LENGTH - 1];
  const next = syndrome.map((_, q) => (q === 0 ? 0 : syndrome[q - 1]) ^ (out & GENERATOR[q]));
  return { out, taps: out === 1, next };
}

export function registerStep(previous, printed) {
  if (!isBits(previous) || !isBits(printed)) return null;
  const step = clock(previous);
  return { ...step, follows: step.next.every((value, q) => value === printed[q]) };
}
