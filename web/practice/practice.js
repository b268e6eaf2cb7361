// The exercises on the page ("Zadania"): the list with what is solved, and the exercise being
// attempted, with its goal, a hint and, once attempted, a worked solution. The learner answers
// by running the program; every run the page shows is judged (exercises.js) from the facts
// steps.js read off it. An exercise that takes more than a run brings its own controls and
// judging (tasks.js). Progress (progress.js) is kept by `keeper`: the browser's storage, or a
// learning platform's (lms.js).
//
// createPractice({ keeper, runLines, step, choose }) -> practice
//   keeper.load() -> text or null; keeper.save(text, progress): where progress is kept
//   runLines(lines) -> Promise of { steps, lines }: the program's run on those typed lines
//   step()          Enter in the terminal (a prediction given, the run goes on)
//   choose(name)    the exercise chosen (its name for the address), or null for none
//   practice.show(steps, say)    judges the run shown and draws the panel in say's language
//   practice.open(name)          the exercise a link names (or null); throws ExerciseError
//   practice.name()              the exercise being attempted, as a link names it, or null
//   practice.newRun()            a new run of the program: its predictions start afresh
import { EXERCISES, exerciseName, judge, newAttempt, parseExercise } from './exercises.js';
import { drawCard, drawList } from './panel.js';
import { ProgressError, decodeProgress, emptyProgress, encodeProgress, solve } from './progress.js';
import { createTask } from './tasks.js';

// The progress the keeper holds, or an empty one and the reason why where it cannot be read.
function loadProgress(keeper) {
  const stored = keeper.load();
  if (stored === null || stored === '') return { progress: emptyProgress(), notice: null };
  try {
    return { progress: decodeProgress(stored), notice: null };
  } catch (error) {
    if (!(error instanceof ProgressError)) throw error;
    keeper.save(encodeProgress(emptyProgress()), emptyProgress());
    return { progress: emptyProgress(), notice: error.key };
  }
}

export function createPractice({ keeper, runLines, step, choose }) {
  const panel = document.getElementById('exercises');
  const question = document.getElementById('predict');
  const headLine = document.getElementById('exercise-now');
  let say = null;
  let { progress, notice } = loadProgress(keeper);
  // The exercise attempted ({ id, parameter }), its task, the verdict of the last run on it,
  // and whether a run has been judged for it (the worked solution may be shown).
  let attempt = null;
  let task = null;
  let verdict = 'pending';
  let attempted = false;
  let steps = null;

  function keep(next) {
    progress = next;
    keeper.save(encodeProgress(progress), progress);
  }

  function judgeNow() {
    if (attempt === null) return;
    let now = 'pending';
    if (task) now = task.judge(steps);
    else if (steps) now = judge(attempt.id, attempt.parameter, steps);
    if (now !== 'pending') attempted = true;
    verdict = now;
    if (now === 'solved' && !progress.solved.includes(attempt.id)) {
      keep(solve(progress, attempt.id));
    }
  }

  // The exercise attempted and how the last run fared stand in the view's head too, in sight
  // while the view follows the run, with the task's question beside a pause.
  function drawHead() {
    headLine.hidden = attempt === null;
    headLine.dataset.verdict = verdict;
    headLine.textContent =
      attempt === null
        ? ''
        : say(`exercise.now.${verdict}`, { title: say(`exercise.${attempt.id}.title`) });
    const asked = task?.question(steps) ?? null;
    question.hidden = asked === null;
    question.replaceChildren(...(asked ?? []));
  }

  function draw() {
    if (say === null) return; // nothing shown yet: the first run draws it
    const state = { say, progress, attempt, verdict, attempted };
    panel.replaceChildren(
      ...drawList(state, notice),
      ...(attempt ? [drawCard(state, task?.card() ?? [])] : []),
    );
    panel.dataset.solved = EXERCISES.map(({ id }) => id)
      .filter((id) => progress.solved.includes(id))
      .join(' ');
    panel.dataset.bestPrediction = String(progress.bestPrediction);
    drawHead();
  }

  function begin(next) {
    attempt = next;
    verdict = 'pending';
    attempted = false;
    const mine =
      attempt &&
      createTask(attempt, {
        say: (...words) => say(...words),
        progress: () => progress,
        keepBest: (right) => keep({ ...progress, bestPrediction: right }),
        step,
        runLines,
        redraw: () => {
          if (task !== mine) return; // another exercise was chosen meanwhile
          judgeNow();
          draw();
        },
      });
    task = mine;
    choose(attempt ? exerciseName(attempt.id, attempt.parameter) : null);
    judgeNow();
    draw();
    task?.start();
  }

  function open(name) {
    const next = name === null ? null : parseExercise(name);
    const current = attempt ? exerciseName(attempt.id, attempt.parameter) : null;
    if ((next ? exerciseName(next.id, next.parameter) : null) !== current) begin(next);
  }

  panel.addEventListener('click', (event) => {
    const choice = event.target.closest('.exercise-choice');
    const again = event.target.closest('[data-again]');
    if (choice) {
      const { exercise } = choice.closest('li').dataset;
      begin(attempt?.id === exercise ? attempt : newAttempt(exercise));
    } else if (again) {
      begin(newAttempt(again.dataset.again));
    } else {
      task?.click(event.target);
    }
  });
  question.addEventListener('click', (event) => {
    if (task?.click(event.target)) drawHead();
  });
  panel.addEventListener('submit', (event) => {
    event.preventDefault();
    task?.submit(event.target);
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
      task?.newRun();
    },
  };
}
