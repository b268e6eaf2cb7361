// The exercises that take more than a run of the program: their own controls, their own
// answers and their own judging, plugged into the panel (practice.js) through one interface.
// "predict" asks, before each Enter at a pause, whether the weight will be 2 or less; "read"
// shows a run of the program made from a seed and takes the error positions typed.
//
// createTask(attempt, host) -> task, or null for an exercise judged from the run alone
//   host.say(key, parameters)  the reader's language
//   host.progress()            the progress kept; host.keepBest(right): a best prediction
//   host.step()                Enter in the terminal
//   host.runLines(lines)       the program's run on typed lines: { steps, lines }
//   host.redraw()              the panel and the head drawn again
//   task.judge(steps) -> 'solved' | 'missed' | 'pending', or undefined for the run's own judge
//   task.reason() -> why the last judged answer missed (reasons.js), or null
//   task.answered              the exercise is answered in its card, not by running the program
//   task.card() -> elements the exercise's card shows under its goal
//   task.question(steps) -> elements the view's head shows beside a pause, or null
//   task.click(target) -> true where a click was the task's
//   task.submit(form) -> true where a submitted answer was the task's
//   task.start()               once chosen (may fetch what it shows)
//   task.newRun()              a new run of the program begins
import { make } from '../teaching/dom.js';
import { judge, nextRotation, readRun, scorePredictions } from './exercises.js';
import { ARITHMETIC_TASKS } from './arithmetic_tasks.js';
import { missedReason } from './reasons.js';

function createPredict(attempt, host) {
  let predictions = {}; // shift -> the weight predicted to be at most 2
  let steps = null;
  return {
    judge(shown) {
      steps = shown;
      if (!shown) return 'pending';
      const { right, wrong } = scorePredictions(shown, predictions);
      if (wrong === 0 && right > host.progress().bestPrediction) host.keepBest(right);
      return judge('predict', null, shown, predictions);
    },
    reason: () => missedReason('predict', null, steps, predictions),
    card() {
      const { right, wrong } = scorePredictions(steps ?? { rotations: [] }, predictions);
      const best = host.progress().bestPrediction;
      return [
        make(
          'p',
          { class: 'score', 'data-right': right, 'data-wrong': wrong },
          host.say('predict.score', { right, wrong, best }),
        ),
      ];
    },
    // Asked only while the program waits at a pause after which it rotates again, and no
    // answer is given for that rotation: where the weight has fallen to 2 or less, or after
    // its last rotation, there is no next rotation to ask about.
    question(shown) {
      const next = nextRotation(shown);
      if (next === null || next in predictions) return null;
      const answer = (value, key) =>
        make(
          'button',
          { type: 'button', 'data-predict': value, 'data-shift': next },
          host.say(key),
        );
      return [
        make('span', {}, host.say('predict.question', { shift: next })),
        ' ',
        answer('yes', 'predict.yes'),
        answer('no', 'predict.no'),
      ];
    },
    click(target) {
      const predict = target.closest('[data-predict]');
      if (!predict) return false;
      predictions = { ...predictions, [predict.dataset.shift]: predict.dataset.predict === 'yes' };
      host.step();
      return true;
    },
    submit: () => false,
    start() {},
    newRun() {
      predictions = {};
    },
  };
}

function createRead(attempt, host) {
  // { lines: [code vector line, received line], steps, answer } once the program has run
  let read = null;
  let verdict = 'pending';
  return {
    answered: true,
    judge: () => verdict,
    reason: () => read && missedReason('read', attempt.parameter, read.steps, read.answer),
    card() {
      const { say } = host;
      if (read === null) return [make('p', {}, say('read.loading'))];
      // The two printed lines, their labels padded so that position stands under position.
      const widest = Math.max(...read.lines.map((line) => line.indexOf(': ') + 2));
      const aligned = read.lines.map((line) => {
        const label = line.slice(0, line.indexOf(': ') + 2);
        return label.padEnd(widest) + line.slice(label.length);
      });
      return [
        make('p', {}, say('read.printed')),
        make('pre', { class: 'printed', lang: 'pl' }, aligned.join('\n')),
        make(
          'form',
          { class: 'read-answer' },
          make('label', { for: 'read-positions' }, say('read.label')),
          ' ',
          make('input', {
            id: 'read-positions',
            name: 'positions',
            autocomplete: 'off',
            inputmode: 'numeric',
            value: read.answer ?? '',
          }),
          ' ',
          make('button', { type: 'submit' }, say('read.check')),
        ),
      ];
    },
    question: () => null,
    click: () => false,
    submit(form) {
      if (read === null || !form.elements.positions) return false;
      read.answer = form.elements.positions.value;
      verdict = judge('read', attempt.parameter, read.steps, read.answer);
      host.redraw();
      document.getElementById('read-positions')?.focus();
      return true;
    },
    // The run to read: the code vector and the received word, as the program printed them.
    // (Without the program, which the page says already, there is nothing to read.)
    async start() {
      const run = readRun(attempt.parameter);
      try {
        const shown = await host.runLines([run.information, run.pattern]);
        read = { lines: shown.lines, steps: shown.steps, answer: null };
      } catch {
        return;
      }
      host.redraw();
    },
    newRun() {},
  };
}

const TASKS = { predict: createPredict, read: createRead, ...ARITHMETIC_TASKS };

export function createTask(attempt, host) {
  return TASKS[attempt.id]?.(attempt, host) ?? null;
}
