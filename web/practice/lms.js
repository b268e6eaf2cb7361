// The page in a course: a learning platform (an LMS) that launched it as a SCORM 1.2 package
// keeps the learner's progress and takes the grade. The platform offers its run-time as an
// object named API on one of the windows around the page; this module finds it, starts a
// session with it, and gives practice.js a keeper that stores the progress there instead of in
// the browser. Without such an object, or where the platform refuses to start the session, the
// page is the standalone page and keeps its progress in the browser (page.js).
//
// courseKeeper(win = window) -> keeper or null
//   keeper.load() -> the progress text kept by the platform (cmi.suspend_data), or null
//   keeper.save(text, progress): stores the text, reports the score (progress.js's score), the
//     lesson status and the objectives of the exercises solved, and commits
//   keeper.attempted({ id, name, type, response, result, startedAt, at }): a judged attempt,
//     reported as an interaction (lms_report.js) and committed with the next save, or at once
// findApi(win) -> the platform's API object, or null
//
// What the platform is told, in the order it is told (every value a string, as SCORM 1.2 has):
//   at the start   LMSInitialize(""); the status, the mastery score, the score and the progress
//                  kept (cmi.suspend_data); the objectives held and those written where missing,
//                  and the count of interactions (lms_report.js); cmi.core.lesson_status
//                  "incomplete" unless already "passed"; LMSCommit("") where anything was set
//   at a save      cmi.suspend_data, cmi.core.score.min, .max and .raw, cmi.core.lesson_status
//                  ("passed" from the mastery score on, else "incomplete"), the objectives of
//                  exercises newly solved, LMSCommit("")
//   at a verdict   the interaction's six elements; LMSCommit("") unless a save follows at once
//   on leaving     cmi.core.session_time, cmi.core.exit "suspend" (the next launch resumes the
//                  progress), LMSFinish("")
// The mastery score is the platform's cmi.student_data.mastery_score, which it reads from the
// package's manifest (adlcp:masteryscore, made from PASSING_SCORE when the package is built),
// else PASSING_SCORE. A grade once reported is never lowered: progress set aside as damaged
// starts afresh, but the score and a "passed" already given stand. A value the platform refuses
// changes nothing on the page: the exercises are judged and the progress shown as before.
import { createReport, timeSpan } from './lms_report.js';
import { PASSING_SCORE, ProgressError, decodeProgress, score } from './progress.js';

// ADL's search climbs at most this many parents before it gives up (a frame may be its own
// parent, or the chain may not end where a broken page nests frames).
const MOST_PARENTS = 7;
const FUNCTIONS = ['LMSInitialize', 'LMSFinish', 'LMSGetValue', 'LMSSetValue', 'LMSCommit'];

// A window's API, or null. A frame from another origin throws at any look inside it.
function apiOf(win) {
  try {
    const api = win.API;
    return api && FUNCTIONS.every((name) => typeof api[name] === 'function') ? api : null;
  } catch {
    return null;
  }
}

function parentOf(win) {
  try {
    const parent = win.parent;
    return parent && parent !== win ? parent : null;
  } catch {
    return null;
  }
}

// The window itself, then its parents, one after another.
function searchUp(win) {
  let frame = win;
  for (let climbed = 0; frame && climbed <= MOST_PARENTS; climbed += 1) {
    const api = apiOf(frame);
    if (api) return api;
    frame = parentOf(frame);
  }
  return null;
}

// SCORM 1.2's search: the window and its parents, then the window that opened it (a platform
// may launch the package in a new window) and that one's parents.
export function findApi(win) {
  const found = searchUp(win);
  if (found) return found;
  let opener = null;
  try {
    opener = win.opener;
  } catch {
    return null;
  }
  return opener ? searchUp(opener) : null;
}

// A score as SCORM 1.2 gives one (CMIDecimal, 0 to 100), or null for "" and anything else.
function scoreOf(text) {
  if (!/^\d{1,3}(\.\d+)?$/.test(text)) return null;
  const value = Number(text);
  return value <= 100 ? value : null;
}

// The exercises solved in a progress text, none where it cannot be read.
function solvedIn(text) {
  try {
    return decodeProgress(text).solved;
  } catch (error) {
    if (!(error instanceof ProgressError)) throw error;
    return [];
  }
}

export function courseKeeper(win = window) {
  const api = findApi(win);
  if (api === null) return null;
  // The platform's functions return "true" and "false" as strings (some return booleans); a
  // call that throws has answered nothing (null).
  const call = (name, ...values) => {
    try {
      return String(api[name](...values));
    } catch {
      return null;
    }
  };
  if (call('LMSInitialize', '') !== 'true') return null;

  const started = performance.now();
  let passed = call('LMSGetValue', 'cmi.core.lesson_status') === 'passed';
  const mastery = scoreOf(call('LMSGetValue', 'cmi.student_data.mastery_score')) ?? PASSING_SCORE;
  let best = scoreOf(call('LMSGetValue', 'cmi.core.score.raw')) ?? 0;
  const kept = call('LMSGetValue', 'cmi.suspend_data');
  const report = createReport(call, kept ? solvedIn(kept) : []);
  let finished = false;
  let unsaved = false; // values set since the last LMSCommit
  const commit = () => {
    unsaved = false;
    call('LMSCommit', '');
  };
  if (!passed) call('LMSSetValue', 'cmi.core.lesson_status', 'incomplete');
  if (!passed || report.wrote) commit();

  win.addEventListener('pagehide', () => {
    if (finished) return;
    finished = true;
    call('LMSSetValue', 'cmi.core.session_time', timeSpan((performance.now() - started) / 1000));
    call('LMSSetValue', 'cmi.core.exit', 'suspend');
    call('LMSFinish', '');
  });

  return {
    load() {
      if (finished) return null;
      return kept === '' ? null : kept; // null where nothing is kept, or the call failed
    },
    save(text, progress) {
      if (finished) return; // the session with the platform has ended
      const { raw, min, max } = score(progress);
      best = Math.max(best, raw);
      passed ||= best >= mastery;
      call('LMSSetValue', 'cmi.suspend_data', text);
      call('LMSSetValue', 'cmi.core.score.min', String(min));
      call('LMSSetValue', 'cmi.core.score.max', String(max));
      call('LMSSetValue', 'cmi.core.score.raw', String(best));
      call('LMSSetValue', 'cmi.core.lesson_status', passed ? 'passed' : 'incomplete');
      report.solved(progress.solved);
      commit();
    },
    // A verdict that solves an exercise is saved in the same turn (practice.js): one commit
    // then takes both; a miss is committed on its own.
    attempted(attempt) {
      if (finished || !report.attempted(attempt)) return;
      unsaved = true;
      queueMicrotask(() => {
        if (unsaved && !finished) commit();
      });
    },
  };
}
