// What a learning platform is told about the exercises one by one, so that its reports show
// which exercise a class solves or misses, how often and with what: one SCORM 1.2 objective per
// exercise (cmi.objectives) and one interaction per judged attempt (cmi.interactions). lms.js
// makes the calls; this module knows the elements and writes every value in a form that SCORM
// 1.2's data model allows for it:
//
//   cmi.objectives.n.id                the exercise's id (CMIIdentifier)
//   cmi.objectives.n.status            "passed" once solved, else "incomplete"
//   cmi.objectives.n.score.raw         100 once solved, else 0; .min 0, .max 100
//   cmi.interactions.n.id              the exercise as a link names it, "trap-7" (CMIIdentifier)
//   cmi.interactions.n.type            "fill-in" for an answer typed into a field, else
//                                      "performance" (the learner ran the program)
//   cmi.interactions.n.student_response  what was typed: the session as the page's address
//                                      carries it ("v2:t=trap-7;s=..."), or the answer; at most
//                                      255 characters
//   cmi.interactions.n.result          "correct" (solved) or "wrong" (missed)
//   cmi.interactions.n.latency         from the start of the attempt to the verdict (CMITimespan)
//   cmi.interactions.n.time            the clock time of the verdict, HH:MM:SS (CMITime)
//
// createReport(call, solved) -> report, with `call(name, ...values)` the platform's function
//   (a string answer, or null) and `solved` the exercises solved so far. It reads
//   cmi.objectives._count and the objectives' ids and statuses, and writes the objectives of
//   the exercises it did not find, in the order of the list; an objective is never written
//   twice, and none is written where the platform cannot say how many it holds.
//   report.wrote -> whether the start wrote anything
//   report.solved(ids) -> whether it wrote anything: each of those exercises' objective passed
//   report.attempted(attempt) -> whether it wrote the interaction; at most MOST_INTERACTIONS
//     in a launch, and none where the platform cannot say how many it holds
// identifier(text), timeSpan(seconds), clockTime(date), cut(text): values in SCORM 1.2's forms
// objectiveValues(index, id, solved), interactionValues(index, attempt): [element, value] pairs
import { EXERCISES } from './exercises.js';

export const MOST_INTERACTIONS = 100;
// CMIIdentifier and CMIString255 (student_response) hold at most 255 characters.
const LONGEST = 255;

// A CMIIdentifier: letters, digits, '-' and '_' only (no spaces, no '.'), at most 255.
export function identifier(text) {
  const kept = String(text).replace(/[^A-Za-z0-9_-]/g, '_');
  return (kept === '' ? '_' : kept).slice(0, LONGEST);
}

// At most `most` characters, a character outside the Basic Multilingual Plane counted once and
// never cut in two.
export function cut(text, most = LONGEST) {
  const characters = Array.from(String(text));
  return characters.length <= most ? String(text) : characters.slice(0, most).join('');
}

const two = (value) => String(value).padStart(2, '0');

// A CMITimespan, HHHH:MM:SS.SS, for `seconds` (from 0 to 9999:59:59.99), counted in hundredths
// so that 59.999 s is 00:01:00.00 and never 00:00:60.00.
export function timeSpan(seconds) {
  const most = 9999 * 360000 + 359999;
  const hundredths = Math.min(most, Math.max(0, Math.round(seconds * 100) || 0));
  const whole = Math.floor(hundredths / 100);
  const hours = Math.floor(whole / 3600);
  return `${two(hours)}:${two(Math.floor(whole / 60) % 60)}:${two(whole % 60)}.${two(hundredths % 100)}`;
}

// A CMITime, HH:MM:SS on the learner's clock.
export function clockTime(date) {
  return `${two(date.getHours())}:${two(date.getMinutes())}:${two(date.getSeconds())}`;
}

export function objectiveValues(index, id, solved) {
  const at = `cmi.objectives.${index}`;
  return [
    [`${at}.id`, identifier(id)],
    [`${at}.status`, solved ? 'passed' : 'incomplete'],
    [`${at}.score.min`, '0'],
    [`${at}.score.max`, '100'],
    [`${at}.score.raw`, solved ? '100' : '0'],
  ];
}

// attempt: { name, type ('performance' or 'fill-in'), response, result ('solved' or
// 'missed'), startedAt, at (milliseconds since the epoch) }
export function interactionValues(index, { name, type, response, result, startedAt, at }) {
  const element = `cmi.interactions.${index}`;
  return [
    [`${element}.id`, identifier(name)],
    [`${element}.type`, type === 'fill-in' ? 'fill-in' : 'performance'],
    [`${element}.student_response`, cut(response ?? '')],
    [`${element}.result`, result === 'solved' ? 'correct' : 'wrong'],
    [`${element}.latency`, timeSpan((at - startedAt) / 1000)],
    [`${element}.time`, clockTime(new Date(at))],
  ];
}

// A count the platform gives (a whole number), or null where it gives none.
function countOf(text) {
  return /^\d{1,5}$/.test(text ?? '') ? Number(text) : null;
}

// Adds an entry: its id first, then the rest, each whatever the platform answers to the others.
// Whether the id was taken (where it was not, the platform holds no entry more than before).
function add(call, [[element, id], ...rest]) {
  if (call('LMSSetValue', element, id) !== 'true') return false;
  for (const [name, value] of rest) call('LMSSetValue', name, value);
  return true;
}

// The objectives the platform holds already: exercise id -> { index, passed }.
function readObjectives(call, count) {
  const found = new Map();
  for (let index = 0; index < count; index += 1) {
    const id = call('LMSGetValue', `cmi.objectives.${index}.id`);
    if (id === null || found.has(id)) continue;
    found.set(id, {
      index,
      passed: call('LMSGetValue', `cmi.objectives.${index}.status`) === 'passed',
    });
  }
  return found;
}

export function createReport(call, solved = []) {
  let objectiveCount = countOf(call('LMSGetValue', 'cmi.objectives._count'));
  const objectives = objectiveCount === null ? new Map() : readObjectives(call, objectiveCount);
  let wrote = false;
  for (const { id } of objectiveCount === null ? [] : EXERCISES) {
    if (objectives.has(identifier(id))) continue;
    const done = solved.includes(id);
    wrote = true;
    if (!add(call, objectiveValues(objectiveCount, id, done))) break; // refused: none added
    objectives.set(identifier(id), { index: objectiveCount, passed: done });
    objectiveCount += 1;
  }
  let interactionCount = countOf(call('LMSGetValue', 'cmi.interactions._count'));
  let written = 0; // interactions written in this launch

  const report = {
    wrote,
    solved(ids) {
      let changed = false;
      for (const id of ids) {
        const objective = objectives.get(identifier(id));
        if (!objective || objective.passed) continue;
        objective.passed = true;
        changed = true;
        call('LMSSetValue', `cmi.objectives.${objective.index}.status`, 'passed');
        call('LMSSetValue', `cmi.objectives.${objective.index}.score.raw`, '100');
      }
      return changed;
    },
    attempted(attempt) {
      if (interactionCount === null || written >= MOST_INTERACTIONS) return false;
      if (!add(call, interactionValues(interactionCount, attempt))) return false;
      interactionCount += 1;
      written += 1;
      return true;
    },
  };
  // Objectives found from an earlier launch catch up with what was solved since.
  report.wrote = report.solved(solved) || wrote;
  return report;
}
