// What a learner has done with the exercises: which are solved and the best score of right
// predictions in one run. Kept as a short text, the same in the browser's localStorage (key
// "bch.v1.progress") and in a learning platform's cmi.suspend_data (SCORM 1.2 keeps up to
// 4096 characters there):
//
//   p1:SOLVED:BEST      p1 the version; SOLVED the ids solved, joined by '.', in the order of
//                       the list; BEST a whole number
//
// "p1:trap.predict:6" is two exercises solved and six right predictions at best. A text that is
// not this (damaged, another version, an unknown exercise) is refused with a ProgressError, and
// the page starts afresh, saying so.
//
// score(progress) -> { raw, min, max }: the share of the exercises solved, in percent, as the
// platform takes a score; PASSING_SCORE: the score from which the course is passed, which the
// package's manifest states as its mastery score.
// percentSolved(count, total) -> the score of `count` exercises of `total` solved: the whole
//   percent nearest to the share (a half rounded up), so 6 of 11 is 55 and 7 of 11 is 64
// passMark(total) -> the fewest exercises solved whose score reaches PASSING_SCORE
import { CatalogueError } from '../text/catalogue_error.js';
import { EXERCISES } from './exercises.js';

export const PASSING_SCORE = 70;
const VERSION = 'p1';

// A progress text that cannot be read; the page starts afresh and says so.
export class ProgressError extends CatalogueError {
  constructor(text) {
    super('progress.reset', { text: String(text).slice(0, 40) });
  }
}

export function emptyProgress() {
  return { solved: [], bestPrediction: 0 };
}

export function encodeProgress({ solved, bestPrediction }) {
  const ordered = EXERCISES.map(({ id }) => id).filter((id) => solved.includes(id));
  return `${VERSION}:${ordered.join('.')}:${bestPrediction}`;
}

export function decodeProgress(text) {
  const [, version, solved, best] = /^([a-z]\d+):([a-z.-]*):(\d{1,3})$/.exec(String(text)) ?? [];
  if (version !== VERSION) throw new ProgressError(text);
  const ids = solved === '' ? [] : solved.split('.');
  const known = EXERCISES.map(({ id }) => id);
  if (ids.some((id) => !known.includes(id)) || new Set(ids).size !== ids.length) {
    throw new ProgressError(text);
  }
  return { solved: ids, bestPrediction: Number(best) };
}

export function percentSolved(count, total = EXERCISES.length) {
  return Math.round((100 * count) / total);
}

export function score({ solved }) {
  return { raw: percentSolved(solved.length), min: 0, max: 100 };
}

export function passMark(total = EXERCISES.length) {
  let count = 0;
  while (count < total && percentSolved(count, total) < PASSING_SCORE) count += 1;
  return count;
}

export function solve(progress, id) {
  if (progress.solved.includes(id)) return progress;
  return { ...progress, solved: [...progress.solved, id] };
}
