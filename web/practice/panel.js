// Drawing the exercises' panel: the list of exercises with what is solved, and the card of the
// exercise attempted (its goal, the task's own controls, the verdict of the last run, a hint
// and, once attempted or solved, the worked solution). It only draws, from a state
// { say, progress, attempt, verdict, attempted, reason, status } (reason: why the last run
// missed, { key, parameters } or null; status: the verdict's catalogue key); practice.js owns
// the state and the events.
//
// drawList(state, notice) -> the panel's summary (the exercises solved and the pass mark), a
//   notice (a key, or null) and the list
// drawCard(state, controls) -> the card of state.attempt, with the task's controls in it
import { make } from '../teaching/dom.js';
import { EXERCISES, PREDICTIONS_TO_SOLVE, exerciseName, solution } from './exercises.js';
import { passMark } from './progress.js';

function listItem({ say, progress, attempt }, { id }) {
  const solved = progress.solved.includes(id);
  return make(
    'li',
    { 'data-exercise': id, 'data-solved': solved ? 'true' : null },
    make(
      'button',
      { type: 'button', class: 'exercise-choice', 'aria-pressed': String(attempt?.id === id) },
      say(`exercise.${id}.title`),
    ),
    solved
      ? make(
          'span',
          { class: 'solved-mark', role: 'img', 'aria-label': say('exercises.solved') },
          ' ✓',
        )
      : '',
  );
}

export function drawList(state, notice) {
  const { say, progress } = state;
  // The grade in sight: how many are solved, and from how many the course is passed.
  const count = progress.solved.length;
  const passing = passMark();
  const grade = say(count >= passing ? 'exercises.gradePassed' : 'exercises.grade', {
    count,
    total: EXERCISES.length,
    passing,
  });
  return [
    make(
      'summary',
      {},
      say('exercises.title'),
      ' ',
      make('span', { class: 'tally', 'data-solved': count, 'data-passing': passing }, `(${grade})`),
    ),
    ...(notice ? [make('p', { class: 'notice', role: 'alert' }, say(notice))] : []),
    make('p', { class: 'intro' }, say('exercises.intro')),
    make(
      'ol',
      { class: 'exercise-list' },
      ...EXERCISES.map((exercise) => listItem(state, exercise)),
    ),
  ];
}

// Why the last run missed, beside its verdict.
function reasonLine(say, reason) {
  if (!reason) return '';
  return make(
    'p',
    { class: 'reason', 'data-reason': reason.key },
    say(reason.key, reason.parameters),
  );
}

export function drawCard(state, controls) {
  const { say, progress, attempt, verdict, attempted, reason } = state;
  const { id, parameter } = attempt;
  const entry = (field, parameters = {}) => say(`exercise.${id}.${field}`, parameters);
  const parameters = { k: parameter, goal: PREDICTIONS_TO_SOLVE, ...solution(id, parameter) };
  const solved = progress.solved.includes(id);
  const status = solved && verdict !== 'solved' ? 'exercise.solvedBefore' : state.status;
  const drawn = EXERCISES.find((exercise) => exercise.id === id).parameter !== null;
  return make(
    'section',
    {
      class: 'exercise',
      'aria-labelledby': 'exercise-title',
      'data-exercise': exerciseName(id, parameter),
      'data-verdict': verdict,
    },
    make('h3', { id: 'exercise-title' }, entry('title')),
    make('p', { class: 'goal' }, entry('goal', parameters)),
    ...controls,
    make('p', { class: `verdict ${verdict}`, role: 'status' }, say(status)),
    reasonLine(say, reason),
    make(
      'details',
      {},
      make('summary', {}, say('exercise.hintTitle')),
      make('p', {}, entry('hint', parameters)),
    ),
    attempted || solved
      ? make(
          'details',
          { class: 'solution' },
          make('summary', {}, say('exercise.solutionTitle')),
          make('p', {}, entry('solution', parameters)),
        )
      : '',
    drawn
      ? make(
          'p',
          { class: 'keys' },
          make('button', { type: 'button', 'data-again': id }, say('exercise.again')),
        )
      : '',
  );
}
