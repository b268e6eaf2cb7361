// The exercises: goals a learner reaches by running the program, each judged only from the
// facts that steps.js reads off the program's own output (the printed words, syndromes,
// weights, verdict and result, and where the received word differs from the code vector),
// never by computing the code. No DOM, no prose: practice.js shows them, the catalogues word
// them (keys "exercise.ID.title", ".goal", ".hint", ".solution").
//
// An exercise is named in a link as its id, with its parameter where it has one: "trap-7" is
// "one error trapped after exactly 7 rotations", "read-4242" the run to read made from seed
// 4242. A new attempt draws a new parameter.
//
// EXERCISES           [{ id, parameter: null | { least, most } }], in the order of the list
// parseExercise(text) -> { id, parameter } or throws ExerciseError('exercise.unknown' or
//                        'exercise.damaged')
// exerciseName(id, parameter) -> the text a link carries
// newAttempt(id, random) -> { id, parameter } with a parameter drawn by random() in [0, 1)
// judge(id, parameter, steps, answer) -> 'solved', 'missed' (the run has printed what the goal
//   is about, and it is not the goal), or 'pending' (not yet); answer: the predictions of a run
//   (predict) or the positions typed (read)
// readRun(seed) -> { information, pattern }: the typed lines of the run that "read" shows
// solution(id, parameter) -> the parameters of the catalogue's worked solution
// nextRotation(steps) -> the rotation the program makes after the pause it waits at, or null
import {
  CORRECTABLE_WEIGHT,
  DEFAULT_INFORMATION,
  INFORMATION_LENGTH,
  MOST_ROTATIONS,
} from '../program/program.js';
import { bitErrors, sameList } from '../teaching/steps.js';
import { CatalogueError } from '../text/catalogue_error.js';
import { ARITHMETIC_JUDGES } from './arithmetic_exercises.js';

// A name that is no exercise, in the catalogue's words.
export class ExerciseError extends CatalogueError {}

const SEEDS = { least: 1, most: 99999 };
export const EXERCISES = [
  { id: 'trap', parameter: { least: 1, most: 20 } },
  { id: 'two-corrected', parameter: null },
  { id: 'two-beyond', parameter: null },
  { id: 'two-parity', parameter: null },
  { id: 'three-parity', parameter: null },
  { id: 'miscorrect', parameter: null },
  { id: 'zero-parity', parameter: null },
  { id: 'unseen', parameter: null },
  { id: 'predict', parameter: null },
  { id: 'longest', parameter: null },
  { id: 'read', parameter: SEEDS },
  { id: 'divide', parameter: SEEDS },
  { id: 'next-syndrome', parameter: null },
  { id: 'syndrome', parameter: SEEDS },
];
const byId = Object.fromEntries(EXERCISES.map((exercise) => [exercise.id, exercise]));

// Right predictions in one run, with none wrong, that solve "predict".
export const PREDICTIONS_TO_SOLVE = 5;

export function exerciseName(id, parameter = null) {
  return parameter === null ? id : `${id}-${parameter}`;
}

export function parseExercise(text) {
  const [, id, number] = /^([a-z-]+?)(?:-(\d{1,9}))?$/.exec(String(text)) ?? [];
  const exercise = byId[id];
  if (!exercise) throw new ExerciseError('exercise.unknown', { name: text });
  const { parameter } = exercise;
  if (parameter === null) {
    if (number !== undefined) throw new ExerciseError('exercise.damaged', { name: text });
    return { id, parameter: null };
  }
  const value = Number(number);
  if (number === undefined || value < parameter.least || value > parameter.most) {
    throw new ExerciseError('exercise.damaged', { name: text });
  }
  return { id, parameter: value };
}

export function newAttempt(id, random = Math.random) {
  const { parameter } = byId[id];
  if (parameter === null) return { id, parameter: null };
  const span = parameter.most - parameter.least + 1;
  return { id, parameter: parameter.least + Math.floor(random() * span) };
}

// --- Facts of a run, as the exercises ask them ----------------------------------------------

// Whether the run has printed the outcome of its correction, or that none is needed.
const decided = (steps) => steps.verdict === 'no-correction' || steps.outcome !== null;
const correctedRight = (steps) =>
  steps.outcome?.kind === 'corrected' && steps.outcome.matchesTransmitted;
const verdictOf = (solved) => (solved ? 'solved' : 'missed');

// Each exercise's judge: null while the run has not printed what the goal is about.
const JUDGES = {
  trap: (steps, k) =>
    decided(steps) &&
    verdictOf(
      bitErrors(steps)?.length === 1 && correctedRight(steps) && steps.outcome.rotation === k,
    ),
  'two-corrected': (steps) =>
    decided(steps) && verdictOf(bitErrors(steps)?.length === 2 && correctedRight(steps)),
  'two-beyond': (steps) =>
    decided(steps) &&
    verdictOf(bitErrors(steps)?.length === 2 && steps.outcome?.kind === 'uncorrectable'),
  'two-parity': (steps) =>
    steps.verdict !== null &&
    verdictOf(
      bitErrors(steps)?.length === 2 &&
        steps.errors.parityOnly &&
        steps.verdict === 'no-correction',
    ),
  'three-parity': (steps) =>
    steps.verdict !== null &&
    verdictOf(
      bitErrors(steps)?.length === 3 && steps.errors.parityOnly && steps.verdict === 'correction',
    ),
  miscorrect: (steps) =>
    decided(steps) &&
    verdictOf(
      bitErrors(steps)?.length === 3 &&
        steps.outcome?.kind === 'corrected' &&
        !steps.outcome.matchesTransmitted,
    ),
  // The printed code vector: zeros and ones, a one in the information part, none after it.
  'zero-parity': (steps) => {
    const values = steps.codeVector?.values;
    if (!values) return steps.codeVector ? 'missed' : null;
    const binary = values.every((value) => value === 0 || value === 1);
    return verdictOf(
      binary &&
        values.slice(0, INFORMATION_LENGTH).includes(1) &&
        values.slice(INFORMATION_LENGTH).every((value) => value === 0),
    );
  },
  // Errors, and yet the printed syndrome of the received word is all zeros.
  unseen: (steps) => {
    const received = steps.rotations[0];
    if (!received || received.weight === null) return null;
    const zero = received.syndrome.values?.every((value) => value === 0) ?? false;
    return verdictOf((bitErrors(steps)?.length ?? 0) > 0 && zero);
  },
  longest: (steps) =>
    decided(steps) && verdictOf(correctedRight(steps) && steps.outcome.rotation === MOST_ROTATIONS),
};

// How the predictions of a run fared: { right, wrong, open } where each prediction says, for a
// rotation, whether its weight will be 2 or less, and is judged once that rotation is printed.
export function scorePredictions(steps, predictions = {}) {
  const score = { right: 0, wrong: 0, open: 0 };
  for (const [shift, trapped] of Object.entries(predictions)) {
    const rotation = steps.rotations[Number(shift)];
    if (!rotation || rotation.weight === null) score.open += 1;
    else if (rotation.weight <= CORRECTABLE_WEIGHT === trapped) score.right += 1;
    else score.wrong += 1;
  }
  return score;
}

// The positions a learner typed: numbers 0..30 separated by anything else, or null where the
// answer holds something else that looks like a number (it is then not a list of positions).
export function typedPositions(answer) {
  const numbers = String(answer).match(/-?\d+/g) ?? [];
  const positions = numbers.map(Number);
  if (positions.some((p) => !Number.isInteger(p) || p < 0 || p > 30)) return null;
  return [...new Set(positions)].sort((a, b) => a - b);
}

// The judges of the exercises that take an answer besides the run: the predictions of a run
// (predict) or the positions typed (read); 'pending' while there is none to judge.
const ANSWERED = {
  predict(steps, predictions) {
    const { right, wrong } = scorePredictions(steps, predictions ?? {});
    if (wrong > 0) return 'missed';
    if (right >= PREDICTIONS_TO_SOLVE) return 'solved';
    return decided(steps) && steps.closing ? 'missed' : 'pending';
  },
  read(steps, answer) {
    const errors = bitErrors(steps);
    if (answer === null || errors === null) return 'pending';
    const typed = typedPositions(answer);
    return verdictOf(typed !== null && sameList(typed, errors));
  },
};

export function judge(id, parameter, steps, answer = null) {
  if (id in ANSWERED) return ANSWERED[id](steps, answer);
  if (id in ARITHMETIC_JUDGES) return ARITHMETIC_JUDGES[id](steps, answer, parameter);
  return JUDGES[id](steps, parameter) || 'pending';
}

// The run "read" shows: its information word and error pattern (one to three errors) drawn
// from the seed, so that a link gives the same run. The program prints the words.
export function readRun(seed) {
  let state = seed;
  const next = () => {
    state = (state * 48271) % 2147483647;
    return state / 2147483647;
  };
  const information = Array.from({ length: INFORMATION_LENGTH }, () =>
    next() < 0.5 ? '0' : '1',
  ).join('');
  const count = 1 + Math.floor(next() * 3);
  const positions = new Set();
  while (positions.size < count) positions.add(Math.floor(next() * 31));
  const pattern = Array.from({ length: 31 }, (_, p) => (positions.has(p) ? '1' : '0')).join('');
  return { information, pattern };
}

// What the worked solution names: for "trap", the position whose error needs k rotations; for
// "read", the positions of the errors (the typed words hold 0 and 1 only, so the received word
// differs from the code vector exactly at the pattern's ones).
export function solution(id, parameter) {
  if (id === 'read') {
    const { pattern } = readRun(parameter);
    return { positions: [...pattern].flatMap((bit, p) => (bit === '1' ? [p] : [])) };
  }
  if (id !== 'trap') return {};
  const position = INFORMATION_LENGTH - parameter;
  return { k: parameter, position, pattern: `${'0'.repeat(position)}1`, word: DEFAULT_INFORMATION };
}

// At a pause after a rotation the program rotates again unless the weight has fallen to 2 or
// less (it corrects next) or the rotation was its last (it gives up): the rotation it makes
// next, or null where it makes none.
export function nextRotation(steps) {
  if (steps?.waiting !== 'rotation') return null;
  const last = steps.rotations.at(-1);
  if (last.weight === null || last.trapped || last.shift >= MOST_ROTATIONS) return null;
  return last.shift + 1;
}
