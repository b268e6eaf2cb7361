// The exercises on the page ("Zadania"): the list with what is solved, and the exercise being
// attempted, with its goal, a hint and, once attempted, a worked solution. The learner answers
// by running the program; every run the page shows is judged (exercises.js) from the facts
// steps.js read off it. Two exercises take more than a run: "predict", whose answers are given
// with two buttons before each Enter at a pause (in #predict, in the view's head), and "read",
// whose run is shown here and whose
// answer is typed. Progress (progress.js) is kept by `keeper`: the browser's storage, or a
// learning platform's (lms.js).
//
// createPractice({ keeper, runLines, step, choose }) -> practice
//   keeper.load() -> text or null; keeper.save(text, progress): where progress is kept
//   runLines(lines) -> Promise of the steps of the program's run on those typed lines
//   step()          Enter in the terminal (a prediction given, the run goes on)
//   choose(name)    the exercise chosen (its name for the address), or null for none
//   practice.show(steps, say)    judges the run shown and draws the panel in say's language
//   practice.open(name, say)     the exercise a link names (or null); throws ExerciseError
//   practice.name()              the exercise being attempted, as a link names it, or null
//   practice.newRun()            a new run of the program: its predictions start afresh
import { make } from './dom.js';
import {
  EXERCISES, PREDICTIONS_TO_SOLVE, exerciseName, judge, newAttempt, parseExercise, readRun,
  scorePredictions, solution,
} from './exercises.js';
import {
  ProgressError, decodeProgress, emptyProgress, encodeProgress, solve,
} from './progress.js';


export function createPractice({ keeper, runLines, step, choose }) {
  const panel = document.getElementById('exercises');
  const question = document.getElementById('predict');
  const headLine = document.getElementById('exercise-now');
  let say = null;
  let progress = emptyProgress();
  let notice = null; // a key: why the progress kept was set aside
  let attempt = null; // { id, parameter }
  let verdict = 'pending'; // of the last run, for the exercise attempted
  let attempted = false; // a run has been judged for it: the solution may be shown
  let predictions = {}; // shift -> the weight predicted to be at most 2
  let steps = null;
  let read = null; // "read": { lines: [code vector line, received line], steps, answer }

  const stored = keeper.load();
  if (stored !== null && stored !== '') {
    try {
      progress = decodeProgress(stored);
    } catch (error) {
      if (!(error instanceof ProgressError)) throw error;
      notice = 'progress.reset';
      keeper.save(encodeProgress(progress), progress);
    }
  }

  function record(id) {
    if (progress.solved.includes(id)) return;
    progress = solve(progress, id);
    keeper.save(encodeProgress(progress), progress);
  }

  function judgeNow() {
    if (attempt === null || steps === null) return;
    if (attempt.id === 'predict') {
      const { right, wrong } = scorePredictions(steps, predictions);
      if (wrong === 0 && right > progress.bestPrediction) {
        progress = { ...progress, bestPrediction: right };
        keeper.save(encodeProgress(progress), progress);
      }
    }
    if (attempt.id === 'read') return; // judged when the answer is given
    const now = judge(attempt.id, attempt.parameter, steps, predictions);
    if (now !== 'pending') attempted = true;
    verdict = now;
    if (now === 'solved') record(attempt.id);
  }

  // --- Drawing --------------------------------------------------------------------------

  const entry = (id, field, parameters = {}) => say(`exercise.${id}.${field}`, parameters);

  function listItem({ id }) {
    const solved = progress.solved.includes(id);
    return make('li', { 'data-exercise': id, 'data-solved': solved ? 'true' : null },
      make('button', { type: 'button', class: 'exercise-choice',
        'aria-pressed': String(attempt?.id === id) }, entry(id, 'title')),
      solved ? make('span', { class: 'solved-mark', role: 'img',
        'aria-label': say('exercises.solved') }, ' ✓') : '');
  }

  function predictScore() {
    const { right, wrong } = scorePredictions(steps ?? { rotations: [] }, predictions);
    return [make('p', { class: 'score', 'data-right': right, 'data-wrong': wrong },
      say('predict.score', { right, wrong, best: progress.bestPrediction }))];
  }

  // The exercise attempted and how the last run fared stand in the view's head too, in sight
  // while the view follows the run.
  function drawHead() {
    headLine.hidden = attempt === null;
    headLine.dataset.verdict = verdict;
    headLine.textContent = attempt === null ? '' :
      say(`exercise.now.${verdict}`, { title: entry(attempt.id, 'title') });
    drawQuestion();
  }

  // The question before the next Enter stands in the view's head, in sight beside the rotation
  // that waits; it is there only while the program waits at a pause with no answer given.
  function drawQuestion() {
    const waitsAtPause = attempt?.id === 'predict' && steps?.waiting === 'rotation';
    const next = waitsAtPause ? steps.rotations.at(-1).shift + 1 : null;
    question.hidden = !waitsAtPause || next in predictions;
    if (question.hidden) {
      question.replaceChildren();
      return;
    }
    question.replaceChildren(make('span', {}, say('predict.question', { shift: next })), ' ',
      make('button', { type: 'button', 'data-predict': 'yes', 'data-shift': next },
        say('predict.yes')),
      make('button', { type: 'button', 'data-predict': 'no', 'data-shift': next },
        say('predict.no')));
  }

  function readControls() {
    if (read === null) return [make('p', {}, say('read.loading'))];
    return [
      make('p', {}, say('read.printed')),
      // The two printed lines, their labels padded so that position stands under position.
      make('pre', { class: 'printed', lang: 'pl' }, read.lines.map((line) => {
        const label = line.slice(0, line.indexOf(': ') + 2);
        const widest = Math.max(...read.lines.map((other) => other.indexOf(': ') + 2));
        return label.padEnd(widest) + line.slice(label.length);
      }).join('\n')),
      make('form', { class: 'read-answer' },
        make('label', { for: 'read-positions' }, say('read.label')), ' ',
        make('input', { id: 'read-positions', name: 'positions', autocomplete: 'off',
          inputmode: 'numeric', value: read.answer ?? '' }), ' ',
        make('button', { type: 'submit' }, say('read.check'))),
    ];
  }

  function card() {
    const { id, parameter } = attempt;
    const parameters = { k: parameter, goal: PREDICTIONS_TO_SOLVE, ...solution(id, parameter) };
    const status = progress.solved.includes(id) && verdict !== 'solved' ?
      'exercise.solvedBefore' : `exercise.${verdict}`;
    return make('section', { class: 'exercise', 'aria-labelledby': 'exercise-title',
      'data-exercise': exerciseName(id, parameter), 'data-verdict': verdict },
    make('h3', { id: 'exercise-title' }, entry(id, 'title')),
    make('p', { class: 'goal' }, entry(id, 'goal', parameters)),
    ...(id === 'predict' ? predictScore() : []),
    ...(id === 'read' ? readControls() : []),
    make('p', { class: `verdict ${verdict}`, role: 'status' }, say(status)),
    make('details', {}, make('summary', {}, say('exercise.hintTitle')),
      make('p', {}, entry(id, 'hint', parameters))),
    attempted || progress.solved.includes(id) ? make('details', { class: 'solution' },
      make('summary', {}, say('exercise.solutionTitle')),
      make('p', {}, entry(id, 'solution', parameters))) : '',
    EXERCISES.find((exercise) => exercise.id === id).parameter ?
      make('p', { class: 'keys' }, make('button', { type: 'button', 'data-again': id },
        say('exercise.again'))) : '');
  }

  function draw() {
    if (say === null) return; // nothing shown yet: the first run draws it
    const solved = progress.solved.length;
    panel.replaceChildren(
      make('summary', {}, say('exercises.title'), ' ', make('span', { class: 'tally' },
        `(${say('exercises.tally', { count: solved, total: EXERCISES.length })})`)),
      ...(notice ? [make('p', { class: 'notice', role: 'alert' }, say(notice))] : []),
      make('p', { class: 'intro' }, say('exercises.intro')),
      make('ol', { class: 'exercise-list' }, ...EXERCISES.map(listItem)),
      ...(attempt ? [card()] : []));
    panel.dataset.solved = EXERCISES.map(({ id }) => id)
      .filter((id) => progress.solved.includes(id)).join(' ');
    panel.dataset.bestPrediction = String(progress.bestPrediction);
    drawHead();
  }

  // --- Choosing, predicting, answering --------------------------------------------------------

  async function begin(next) {
    attempt = next;
    verdict = 'pending';
    attempted = false;
    predictions = {};
    read = null;
    choose(attempt ? exerciseName(attempt.id, attempt.parameter) : null);
    judgeNow();
    draw();
    if (attempt?.id === 'read') {
      const seed = attempt.parameter;
      const run = readRun(seed);
      // The two lines to read: the code vector and the received word, as the program printed.
      // (Without the program, which the page says already, there is nothing to read.)
      let shown;
      try {
        shown = await runLines([run.information, run.pattern]);
      } catch {
        return;
      }
      if (attempt?.id !== 'read' || attempt.parameter !== seed) return; // chosen anew meanwhile
      read = { lines: shown.lines, steps: shown.steps, answer: null };
      draw();
    }
  }

  function open(name) {
    const next = name === null ? null : parseExercise(name);
    const current = attempt ? exerciseName(attempt.id, attempt.parameter) : null;
    if ((next ? exerciseName(next.id, next.parameter) : null) !== current) begin(next);
  }

  panel.addEventListener('click', (event) => {
    const choice = event.target.closest('.exercise-choice');
    if (choice) {
      const { exercise } = choice.closest('li').dataset;
      begin(attempt?.id === exercise ? attempt : newAttempt(exercise));
      return;
    }
    const again = event.target.closest('[data-again]');
    if (again) {
      begin(newAttempt(again.dataset.again));
      return;
    }
  });
  question.addEventListener('click', (event) => {
    const predict = event.target.closest('[data-predict]');
    if (!predict || attempt?.id !== 'predict') return;
    predictions = { ...predictions, [predict.dataset.shift]: predict.dataset.predict === 'yes' };
    drawQuestion();
    step();
  });
  panel.addEventListener('submit', (event) => {
    event.preventDefault();
    if (attempt?.id !== 'read' || read === null) return;
    read.answer = event.target.elements.positions.value;
    verdict = judge('read', attempt.parameter, read.steps, read.answer);
    attempted = true;
    if (verdict === 'solved') record('read');
    draw();
    document.getElementById('read-positions')?.focus();
  });

  return {
    show(shownSteps, speaker) {
      steps = shownSteps;
      say = speaker;
      judgeNow();
      draw();
    },
    open,
    name: () => (attempt ? exerciseName(attempt.id, attempt.parameter) : null),
    newRun() {
      predictions = {};
    },
  };
}
