// The exercises on the page ("Zadania"): the list with what is solved, and the exercise being
// attempted, with its goal, a hint and, once attempted, a worked solution. The learner answers
// by running the program; every run the page shows is judged (exercises.js) from the facts
// steps.js read off it. An exercise that takes more than a run brings its own controls and
// judging (tasks.js). Progress (progress.js) is kept by `keeper`: the browser's storage, or a
// learning platform's (lms.js).
//
// createPractice({ keeper, runLines, step, choose, typed }) -> practice
//   keeper.load() -> text or null; keeper.save(text, progress): where progress is kept;
//   keeper.attempted?.({ id, name, type, response, result, startedAt, at }): told of each
//     judged attempt (a course reports it, lms.js; the browser's keeper has no such hook)
//   runLines(lines) -> Promise of { steps, lines }: the program's run on those typed lines
//   step()          Enter in the terminal (a prediction given, the run goes on)
//   choose(name)    the exercise chosen (its name for the address), or null for none
//   typed(name)     what was typed in the run shown, as the address carries it with exercise
//                   `name` ("v2:t=trap-7;s=..."), for the report of an attempt
//   practice.show(steps, say)    judges the run shown and draws the panel in say's language
//   practice.open(name)          the exercise a link names (or null); throws ExerciseError
//   practice.name()              the exercise being attempted, as a link names it, or null
//   practice.newRun()            a new run of the program: its predictions start afresh
import { EXERCISES, exerciseName, judge, newAttempt, parseExercise } from './exercises.js';
import { missedReason } from './reasons.js';
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

class Practice {
  constructor({ keeper, runLines, step, choose, typed }) {
    Object.assign(this, { keeper, runLines, step, choose, typed });
    this.panel = document.getElementById('exercises');
    this.question = document.getElementById('predict');
    this.headLine = document.getElementById('exercise-now');
    this.say = null;
    Object.assign(this, loadProgress(keeper)); // progress, and notice: why it was set aside
    // The exercise attempted ({ id, parameter }), its task, the verdict of the last run on it,
    // whether a run has been judged for it (the worked solution may be shown), the run shown.
    this.attempt = null;
    this.task = null;
    this.verdict = 'pending';
    this.attempted = false;
    this.steps = null;
    // The attempt as reported (report below): since when, the verdict last reported, whether
    // the learner has acted on it (a run begun or stepped, an answer given), the answer typed.
    this.startedAt = Date.now();
    this.reported = null;
    this.acted = false;
    this.answer = null;
    this.listen();
  }

  keep(progress) {
    this.progress = progress;
    this.keeper.save(encodeProgress(progress), progress);
  }

  judgeNow() {
    const { attempt, task, steps } = this;
    if (attempt === null) return;
    let now = 'pending';
    if (task) now = task.judge(steps);
    else if (steps) now = judge(attempt.id, attempt.parameter, steps);
    if (now !== 'pending') this.attempted = true;
    this.verdict = now;
    // Why a run missed: the task's answer, or the run's facts.
    this.reason = null;
    if (now === 'missed') {
      this.reason = task ? task.reason() : missedReason(attempt.id, attempt.parameter, steps);
    }
    this.report();
    if (now === 'solved' && !this.progress.solved.includes(attempt.id)) {
      this.keep(solve(this.progress, attempt.id));
    }
  }

  // Each verdict that a learner's own attempt reaches, once, before the progress it brings is
  // saved. A run judged only because an exercise was chosen beside it is no attempt of that
  // exercise; a verdict taken back and reached again is not told twice.
  report() {
    const { attempt, verdict, acted } = this;
    if (!acted || verdict === 'pending' || verdict === this.reported) return;
    this.reported = verdict;
    const name = this.name();
    const fillIn = this.answer !== null;
    this.keeper.attempted?.({
      id: attempt.id,
      name,
      type: fillIn ? 'fill-in' : 'performance',
      response: fillIn ? this.answer : this.typed(name),
      result: verdict,
      startedAt: this.startedAt,
      at: Date.now(),
    });
  }

  // A new attempt at the exercise: a new run of the program, or the exercise chosen anew.
  restart(acted) {
    this.startedAt = Date.now();
    this.reported = null;
    this.acted = acted;
    this.answer = null;
  }

  // The exercise attempted and how the last run fared stand in the view's head too, in sight
  // while the view follows the run, with the task's question beside a pause.
  drawHead() {
    const { attempt, say, headLine } = this;
    headLine.hidden = attempt === null;
    headLine.dataset.verdict = this.verdict;
    const title = attempt && say(`exercise.${attempt.id}.title`);
    headLine.textContent = attempt === null ? '' : say(this.statusKey('exercise.now'), { title });
    const asked = this.task?.question(this.steps) ?? null;
    this.question.hidden = asked === null;
    this.question.replaceChildren(...(asked ?? []));
  }

  // The verdict's key under `prefix`: an exercise answered in its card does not ask for a run.
  statusKey(prefix) {
    const answered = this.task?.answered && this.verdict !== 'solved';
    return `${prefix}.${answered ? 'answer.' : ''}${this.verdict}`;
  }

  draw() {
    if (this.say === null) return; // nothing shown yet: the first run draws it
    const { say, progress, attempt, verdict, attempted, panel, reason } = this;
    const state = { say, progress, attempt, verdict, attempted, reason };
    state.status = attempt && this.statusKey('exercise');
    const card = attempt ? [drawCard(state, this.task?.card() ?? [])] : [];
    panel.replaceChildren(...drawList(state, this.notice), ...card);
    panel.dataset.solved = EXERCISES.map(({ id }) => id)
      .filter((id) => progress.solved.includes(id))
      .join(' ');
    panel.dataset.bestPrediction = String(progress.bestPrediction);
    this.drawHead();
  }

  // The host a task works through (tasks.js).
  host() {
    const host = {
      say: (...words) => this.say(...words),
      progress: () => this.progress,
      keepBest: (right) => this.keep({ ...this.progress, bestPrediction: right }),
      step: this.step,
      runLines: this.runLines,
      redraw: () => {
        if (this.task?.host !== host) return; // another exercise was chosen meanwhile
        this.judgeNow();
        this.draw();
      },
    };
    return host;
  }

  begin(attempt) {
    this.attempt = attempt;
    this.verdict = 'pending';
    this.attempted = false;
    this.restart(false);
    const host = this.host();
    this.task = attempt && createTask(attempt, host);
    if (this.task) this.task.host = host;
    this.choose(this.name());
    this.judgeNow();
    this.draw();
    this.task?.start();
  }

  open(name) {
    const next = name === null ? null : parseExercise(name);
    const named = next ? exerciseName(next.id, next.parameter) : null;
    if (named !== this.name()) this.begin(next);
  }

  name() {
    return this.attempt ? exerciseName(this.attempt.id, this.attempt.parameter) : null;
  }

  click(target) {
    const choice = target.closest('.exercise-choice');
    const again = target.closest('[data-again]');
    if (choice) {
      const { exercise } = choice.closest('li').dataset;
      this.begin(this.attempt?.id === exercise ? this.attempt : newAttempt(exercise));
    } else if (again) {
      this.begin(newAttempt(again.dataset.again));
    } else {
      this.task?.click(target);
    }
  }

  listen() {
    this.panel.addEventListener('click', (event) => this.click(event.target));
    this.question.addEventListener('click', (event) => {
      if (this.task?.click(event.target)) this.drawHead();
    });
    // A task's answer typed beside a pause (the next syndrome).
    this.question.addEventListener('submit', (event) => {
      event.preventDefault();
      if (this.task?.submit(event.target)) this.drawHead();
    });
    this.panel.addEventListener('submit', (event) => {
      event.preventDefault();
      // What a field holds is the learner's answer to the exercise, as a teacher will read it.
      this.answer = [...new FormData(event.target).values()].join(' ');
      this.acted = true;
      this.reported = null;
      this.task?.submit(event.target);
    });
  }

  show(steps, say) {
    if (steps !== this.steps) this.acted = true; // a run begun or stepped: the learner's
    this.steps = steps;
    this.say = say;
    this.judgeNow();
    this.draw();
  }

  newRun() {
    // An answer given stands until the next one (the verdict of "read" is the answer's, not
    // the run's): a new run is no new attempt there.
    if (this.answer === null) this.restart(true);
    this.task?.newRun();
  }
}

export function createPractice(parts) {
  return new Practice(parts);
}
