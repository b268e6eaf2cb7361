// Why a run missed an exercise: the first fact of the run that keeps it from the goal, as a
// catalogue key ("reason.…") and its parameters. Each reason reads the same facts of the steps
// as the exercise's judge (exercises.js): the bit errors, where they stand, the verdict on the
// weight and the outcome; so a missed verdict has a reason and a solved one has none (the
// tests hold the two together on every run they judge). No DOM, no prose.
//
// missedReason(id, parameter, steps, answer) -> { key, parameters } or null where the run
//   reaches the goal or has not printed what the goal is about; answer as judge() takes it
import { INFORMATION_LENGTH, MOST_ROTATIONS } from '../program/program.js';
import { bitErrors, sameList } from '../teaching/steps.js';
import { ARITHMETIC_REASONS } from './arithmetic_exercises.js';
import { PREDICTIONS_TO_SOLVE, judge, scorePredictions, typedPositions } from './exercises.js';

const reason = (key, parameters = {}) => ({ key, parameters });

// The number of bit errors against the number asked for; null where it is right.
function errorCount(steps, want) {
  const errors = bitErrors(steps);
  if (errors === null) return reason('reason.values');
  if (errors.length !== want) return reason('reason.count', { count: errors.length, want });
  return null;
}

// What the program did instead of correcting the word.
function notCorrected(steps) {
  if (steps.verdict === 'no-correction') {
    return steps.errors?.parityOnly ? reason('reason.parityOnly') : reason('reason.noCorrection');
  }
  if (steps.outcome?.kind === 'uncorrectable') return reason('reason.gaveUp');
  if (steps.outcome && !steps.outcome.matchesTransmitted) return reason('reason.miscorrected');
  return null;
}

// Corrected, after so many rotations and not `want`.
function trappedAfter(steps, want) {
  const { rotation } = steps.outcome;
  return rotation === want ? null : reason('reason.trappedAfter', { count: rotation, want });
}

// The errors in the information part, where the goal wants them in the parity part alone.
function notParityOnly(steps) {
  if (steps.errors.parityOnly) return null;
  const positions = steps.errors.positions.filter((p) => p < INFORMATION_LENGTH);
  return reason('reason.notParityOnly', { count: positions.length, positions });
}

function zeroParity(steps) {
  const { values } = steps.codeVector;
  if (!values || values.some((value) => value !== 0 && value !== 1)) {
    return reason('reason.values');
  }
  if (!values.slice(0, INFORMATION_LENGTH).includes(1)) return reason('reason.zeroInformation');
  const ones = values.slice(INFORMATION_LENGTH).filter((value) => value === 1).length;
  return reason('reason.parityOnes', { count: ones });
}

function unseen(steps) {
  const errors = bitErrors(steps);
  if (errors === null) return reason('reason.values');
  if (errors.length === 0) return reason('reason.noErrors');
  return reason('reason.syndromeWeight', { weight: steps.rotations[0].weight });
}

// "predict": the first wrong prediction, or too few right ones in a finished run.
function predict(steps, predictions = {}) {
  for (const [shift, trapped] of Object.entries(predictions ?? {})) {
    const rotation = steps.rotations[Number(shift)];
    if (rotation && rotation.weight !== null && rotation.trapped !== trapped) {
      return reason('reason.predictWrong', { shift: Number(shift), weight: rotation.weight });
    }
  }
  const { right } = scorePredictions(steps, predictions ?? {});
  return reason('reason.predictFew', { count: right, goal: PREDICTIONS_TO_SOLVE });
}

// "read": not a list of positions, positions each one too high (counted from 1), too many or
// too few, or as many but others.
function read(steps, answer) {
  const errors = bitErrors(steps);
  // Every position one too high (counted from 1), 31 for an error at 30 included.
  const numbers = [...new Set((String(answer).match(/-?\d+/g) ?? []).map(Number))];
  numbers.sort((a, b) => a - b);
  const oneHigh = errors.map((p) => p + 1);
  if (numbers.length > 0 && sameList(numbers, oneHigh)) return reason('reason.readFromZero');
  const typed = typedPositions(answer);
  if (typed === null) return reason('reason.readNotPositions');
  if (typed.length !== errors.length) {
    return reason('reason.readCount', { count: typed.length, errors: errors.length });
  }
  const wrong = typed.filter((p) => !errors.includes(p));
  return reason('reason.readPositions', { count: wrong.length, positions: wrong });
}

// Each exercise's reasons, the first that applies.
const REASONS = {
  trap: (steps, k) => errorCount(steps, 1) ?? notCorrected(steps) ?? trappedAfter(steps, k),
  'two-corrected': (steps) => errorCount(steps, 2) ?? notCorrected(steps),
  'two-beyond': (steps) =>
    errorCount(steps, 2) ??
    (steps.verdict === 'no-correction' ? reason('reason.parityOnly') : reason('reason.corrected')),
  'two-parity': (steps) => errorCount(steps, 2) ?? notParityOnly(steps),
  'three-parity': (steps) => errorCount(steps, 3) ?? notParityOnly(steps),
  miscorrect: (steps) =>
    errorCount(steps, 3) ??
    (steps.verdict === 'no-correction' ? reason('reason.noCorrection') : reason('reason.gaveUp')),
  'zero-parity': zeroParity,
  unseen,
  longest: (steps) => notCorrected(steps) ?? trappedAfter(steps, MOST_ROTATIONS),
};

export function missedReason(id, parameter, steps, answer = null) {
  if (!steps || judge(id, parameter, steps, answer) !== 'missed') return null;
  if (id === 'predict') return predict(steps, answer);
  if (id === 'read') return read(steps, answer);
  if (id in ARITHMETIC_REASONS) return ARITHMETIC_REASONS[id](steps, answer, parameter);
  return REASONS[id]?.(steps, parameter) ?? null;
}
