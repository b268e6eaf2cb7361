// Every text of the page in English (see language.js for the form of an entry). The program's
// own output is not here: it is the program's, byte for byte, and stays Polish in every
// language; the view glosses its lines. "x^(10)" is a superscript.
export const english = {
  // --- The page around the terminal -------------------------------------------------------
  'page.title': 'The BCH({codeLength},{informationLength}) code',
  'page.heading':
    'The BCH({codeLength},{informationLength}) code: the program in a terminal, and what it does',
  'languages.label': 'Language of the page',
  'languages.pl': 'Polish',
  'languages.en': 'English',
  'panes.label': 'Show',
  'panes.terminal': 'Terminal',
  'panes.view': 'Explanation',
  'terminal.label': 'Terminal',
  'terminal.line': 'The line typed to the program',
  'terminal.hint':
    'Enter sends the typed line to the program. “End input” (Ctrl-D) sends the ' +
    'line without a line end, and on an empty line ends the input. The page’s address keeps the ' +
    'session: “Copy link” lets you come back to it.',
  'button.endInput': 'End input (Ctrl-D)',
  'button.copyLink': 'Copy link',
  'button.newRun': 'New run',
  'button.step': 'Next (Enter)',
  'button.toEnd': 'To the end',
  'button.takeBack': 'Undo',
  'button.redo': 'Redo',
  'button.save': 'Save the run',
  'save.fileName': 'bch-run.txt',
  'status.loading': 'Loading the program…',
  'status.ended': 'The program has ended (exit status {code}). “New run” starts it again.',
  'status.tooLong':
    'This session is too long to be kept in the address: a link or a reload will ' +
    'not bring it back.',
  'status.copied': 'The link to this session is on the clipboard.',
  'status.notCopied': 'The link could not be copied to the clipboard. Here it is: {link}',
  'status.pageError':
    'Page error: {error}. The screen may not be what the program would have ' + 'written.',
  'status.notRepeated': 'the new run did not repeat the program’s earlier output',
  'status.noProgram':
    'The program bch.wasm cannot be loaded ({error}). The page must be served ' +
    'by a web server (an http:// address); from disk, open bch.html.',
  'session.unknownVersion':
    'The session in the address has version {version}, which this page ' + 'does not know.',
  'session.notSession': 'The address ends in text that is not a session.',
  'session.afterEnd':
    'The session in the address is damaged: something after the end of input ' +
    '“e” (character {at} after “#”).',
  'session.unexpected':
    'The session in the address is damaged: unexpected character “{sign}” ' +
    '(character {at} after “#”).',
  'session.unended':
    'The session in the address is damaged: the last input has no ending ' +
    '(character {at} after “#”).',
  'session.badField': 'The address is damaged: unknown field “{field}”.',
  'session.badLanguage': 'The address is damaged: unknown language “{language}”.',
  'session.restart': 'Starting with an empty session.',

  // --- The view's head, legend and figures --------------------------------------------------
  'view.title': 'Explanation',
  'legend.label': 'Marks',
  'legend.error': 'error: boxed',
  'legend.changed': 'bit the correction flips: underlined',
  'legend.window': 'window: blue columns',
  'legend.nonBinary': 'value other than 0 and 1: wavy underline',
  'legend.current': 'rotation after which the program waits for Enter: highlighted number',
  'legend.trapped':
    'rotation after which the weight fell to {correctableWeight} or less: number and weight boxed',
  'legend.chart':
    'chart: weight > {correctableWeight} a circle, weight ≤ {correctableWeight} a square, ' +
    'threshold {correctableWeight} a dashed line',
  'figure.information': 'information 0–{last}',
  'figure.window': 'window {first}–{last}',
  'chart.axis': 'rotation k',
  'chart.label':
    'Syndrome weight: the received word, then each rotation: {weights}. Threshold: ' +
    '{threshold}.',
  'why.link': 'Why?',
  'gloss.title': 'The program’s lines',
  'gloss.intro': 'The program writes Polish, without diacritics. What each of its lines means:',
  'gloss.informationPrompt': 'enter the word to send ({informationLength} characters “0” or “1”)',
  'gloss.codeVector': 'encoded word (code vector)',
  'gloss.errorPrompt': 'enter the error added to the code vector',
  'gloss.received': 'received word',
  'gloss.receivedSyndrome': 'syndrome of the received word',
  'gloss.weight': 'syndrome weight',
  'gloss.noCorrection': 'no error in the information part: no correction needed',
  'gloss.correctionStart': 'the received word has errors: starting the correction',
  'gloss.shifted': 'rotated word',
  'gloss.shiftedSyndrome': 'syndrome of the (rotated) received word',
  'gloss.pause': 'press Enter',
  'gloss.uncorrectable': 'the word cannot be corrected',
  'gloss.corrected': 'end of the correction; corrected word',
  'gloss.transmitted': 'transmitted word',
  'gloss.closing': 'end of the program',

  // --- Where the run stands -------------------------------------------------------------------
  'now.information':
    'The program waits for the information word: {informationLength} bits, 0 or 1.',
  'now.error':
    'The program waits for the error pattern: {codeLength} bits, 1 where an error is to be (the ' +
    'first character is position 0).',
  'now.rotation': 'Rotation {shift}: the program waits for Enter.',
  'now.closing': 'End of the program: it waits for the last Enter.',
  'now.ended': 'The program has ended.',
  'now.working': 'The program is working…',

  // --- Values other than 0 and 1 ------------------------------------------------------------
  'typed.character': '{position} (“{character}” = {value})',
  'typed.byte': '{position} (byte {byte} = {value})',

  // --- Encoding -------------------------------------------------------------------------------
  'encoding.title': 'Encoding',
  'encoding.parts':
    'The information word i(x) is {informationLength} bits at positions ' +
    '0–{informationLast}. The parity part ({first}–{last}) is the remainder of i(x)·x^({generatorDegree}) divided by g(x) = ' +
    '{generator}.',
  'encoding.positions':
    'Positions count from 0 at the left: position p is the coefficient of ' +
    'x^({highestDegree}−p).',
  'encoding.caption': 'c: the code vector, as the program printed it.',
  'encoding.default': 'No word was typed: the program took its own default word.',
  'encoding.nonBinary': {
    one:
      'The information word has a value other than 0 and 1 at position {values}. The program ' +
      'takes each character as a number (its code − 48), encodes it and prints it in the code ' +
      'vector as it is; the view shows the printed digits unchanged and says only what follows ' +
      'from them.',
    other:
      'The information word has values other than 0 and 1 at positions {values}. The ' +
      'program takes each character as a number (its code − 48), encodes it and prints it in the ' +
      'code vector as it is; the view shows the printed digits unchanged and says only what ' +
      'follows from them.',
  },
  'encoding.differs':
    'The typed word does not match the start of the code vector: the view ' +
    'shows only the printed digits.',

  // --- The error ------------------------------------------------------------------------------
  'error.title': 'Error',
  'error.caption':
    'c: the code vector; e: the error vector (the pattern padded with zeros or ' +
    'cut to {codeLength} characters); r = c + e: the received word.',
  'error.noOnes': 'The error pattern has no ones.',
  'error.ones': {
    one: 'The error pattern has a one at position {positions}.',
    other: 'The error pattern has ones at positions {positions}.',
  },
  'error.nonBinary': {
    one:
      'The error pattern has a value other than 0 and 1 at position {values}. The program ' +
      'never prints the pattern: at each position it adds the pattern’s number (the character’s ' +
      'code − 48) to the code vector’s value and takes the remainder of (e + c + 2) divided by ' +
      '2, which has the sign of the dividend (−3 + 0 + 2 gives −1). The result is row r; a bit ' +
      'is in error only where r and c differ modulo 2.',
    other:
      'The error pattern has values other than 0 and 1 at positions {values}. The program ' +
      'never prints the pattern: at each position it adds the pattern’s number (the character’s ' +
      'code − 48) to the code vector’s value and takes the remainder of (e + c + 2) divided by ' +
      '2, which has the sign of the dividend (−3 + 0 + 2 gives −1). The result is row r; a bit ' +
      'is in error only where r and c differ modulo 2.',
  },
  'error.unsplit':
    'These rows cannot be split into {codeLength} positions in only one way, so the view ' +
    'does not compare them position by position.',
  'error.same': 'The received word equals the code vector.',
  'error.differs': {
    one: 'The received word differs from the code vector at position {positions}: 1 error.',
    other:
      'The received word differs from the code vector at positions {positions}: {count} ' +
      'errors.',
  },
  'error.notUnderOnes':
    'The differences do not stand exactly under the pattern’s ones: that ' +
    'comes from values other than 0 and 1, which the program adds as numbers.',

  // --- The syndrome and its weight -------------------------------------------------------------
  'syndrome.title': 'Syndrome and weight',
  'syndrome.what':
    'The syndrome is the remainder of r(x) divided by g(x): {parityLength} bits, which stand ' +
    'under the window {first}–{last}. Its weight is the number of its ones.',
  'syndrome.caption': 'r: the received word; s: its syndrome, under positions {first}–{last}.',
  'syndrome.correction':
    'Weight {weight} > {correctableWeight}: the program starts the correction.',
  'syndrome.correctionRule':
    'With at most two errors this means an error in the information ' +
    'part: errors in the parity part alone have a syndrome equal to the error vector, of weight ' +
    'at most {correctableWeight}.',
  'syndrome.noCorrection': 'Weight {weight} ≤ {correctableWeight}: the program corrects nothing.',
  'syndrome.noCorrectionRule': 'With at most two errors the information part then has no error.',
  'syndrome.ruleFails':
    'Here there are {count} errors, so that condition does not hold and the conclusion is ' +
    'not guaranteed.',
  'syndrome.parityOnly': {
    one:
      'The error stands in the parity part alone (position {positions}). The program does not ' +
      'correct it, since the information arrived whole.',
    other:
      'The errors stand in the parity part alone (positions {positions}). The program does ' +
      'not correct them, since the information arrived whole.',
  },
  'syndrome.parityOnlyShown': {
    one:
      'The error stands in the parity part alone (position {positions}): the syndrome equals ' +
      'the error vector, a one under the error. The program does not correct it, since the ' +
      'information arrived whole.',
    other:
      'The errors stand in the parity part alone (positions {positions}): the syndrome ' +
      'equals the error vector, ones under the errors. The program does not correct them, since ' +
      'the information arrived whole.',
  },
  'syndrome.missed': {
    one:
      'Yet the received word differs from the code vector in the information part (position ' +
      '{positions}).',
    other:
      'Yet the received word differs from the code vector in the information part ' +
      '(positions {positions}).',
  },
  'syndrome.missedZero':
    'The syndrome is zero: the received word is a code word other than the ' +
    'one sent, and the error went unseen.',
  'syndrome.missedLight':
    'The syndrome is not zero, but its weight is {weight} ≤ {correctableWeight}, so the program ' +
    'took the errors to stand in the parity part alone.',
  'beyond.is': 'There are {count} errors, and the code guarantees to correct at most two.',
  'beyond.was': 'There were {count} errors, and the code guarantees to correct at most two.',

  // --- Rotations -------------------------------------------------------------------------------
  'rotations.title': 'Rotations',
  'rotations.cyclic':
    'The code is cyclic: a rotation (cyclic shift) of a code word is a code word, so the ' +
    'syndrome of the rotated word is the syndrome of the rotated error vector. Each rotation to the ' +
    'right moves an error from position p to (p + 1) mod {codeLength}. Once every error stands in the ' +
    'window {first}–{last}, the syndrome equals the error vector and its weight the number of ' +
    'errors: with at most two errors, at most {correctableWeight}.',
  'rotations.caption':
    'At the left the number of rotations, under each word its syndrome, at the ' +
    'right the weight w.',
  'rotations.allInWindow':
    'After rotation {shift} all the errors ({count}) stand in the window: ' +
    'the syndrome equals the error vector and has weight {weight} > {correctableWeight}, since there are more than ' +
    'two errors.',

  // --- Where the weight fell -------------------------------------------------------------------
  'trapped.unknownTitle': 'Weight at most {correctableWeight}',
  'trapped.unknown':
    'After rotation {shift} the weight is {weight} ≤ {correctableWeight}: the program takes the ' +
    'errors to stand in the window and will add the syndrome to the window.',
  'trapped.yesTitle': {
    one: 'Error trapped',
    other: 'Errors trapped',
  },
  'trapped.yes': {
    one: 'The error is trapped after rotation {shift}: weight {weight} ≤ {correctableWeight}.',
    other: 'The errors are trapped after rotation {shift}: weight {weight} ≤ {correctableWeight}.',
  },
  'trapped.shown': {
    one:
      'The error now stands in the window (position {positions}), so the syndrome there ' +
      'equals the error vector: its one stands exactly under the error. The program will add the ' +
      'syndrome to the window, that is, flip this bit.',
    other:
      'All the errors now stand in the window (positions {positions}), so the syndrome ' +
      'there equals the error vector: its ones stand exactly under the errors. The program will ' +
      'add the syndrome to the window, that is, flip these bits.',
  },
  'trapped.notShown': {
    one:
      'The error stands in the window (position {positions}), but the syndrome does not equal ' +
      'the error vector: that comes from values other than 0 and 1.',
    other:
      'The errors stand in the window (positions {positions}), but the syndrome does not ' +
      'equal the error vector: that comes from values other than 0 and 1.',
  },
  'trapped.noTitle': 'The weight fell, the errors are not trapped',
  'trapped.no': {
    one:
      'After rotation {shift} the weight fell to {weight} ≤ {correctableWeight}, but the error does not stand ' +
      'in the window: it stands at position {positions}.',
    other:
      'After rotation {shift} the weight fell to {weight} ≤ {correctableWeight}, but not every error stands ' +
      'in the window: the errors stand at positions {positions}.',
  },
  'trapped.flipsNothing': 'Adding the syndrome will flip no bit in the window.',
  'trapped.flipsWrongly': {
    one: 'The program will flip the bit at position {positions}, though no error stands there.',
    other: 'The program will flip the bits at positions {positions}, though no error stands there.',
  },
  'trapped.fixes': {
    one: 'The program will correct the error at position {positions}.',
    other: 'The program will correct the errors at positions {positions}.',
  },
  'trapped.leaves': {
    one: 'The error at position {positions} will stay.',
    other: 'The errors at positions {positions} will stay.',
  },
  'trapped.beyond':
    'With more errors, a weight ≤ {correctableWeight} does not mean that the errors stand in the ' +
    'window.',

  // --- The result --------------------------------------------------------------------------------
  'result.title': 'Result',
  'result.back': {
    one:
      'The program added the syndrome to the window and rotated the word {count} more time, ' +
      '{total} times in all: the word is back in its place.',
    other:
      'The program added the syndrome to the window and rotated the word {count} more ' +
      'times, {total} times in all: the word is back in its place.',
  },
  'result.caption':
    'r: the received word; ĉ: the corrected word; c: the word sent (the code ' + 'vector).',
  'result.changedNone': 'The correction flipped no bit.',
  'result.changed': {
    one: 'The correction flipped the bit at position {positions}.',
    other: 'The correction flipped the bits at positions {positions}.',
  },
  'result.matches': 'The corrected word matches the word sent: error trapping restored it.',
  'result.wrong': {
    one: 'The corrected word differs from the word sent at position {positions}.',
    other: 'The corrected word differs from the word sent at positions {positions}.',
  },
  'result.differs': 'The corrected word differs from the word sent.',
  'result.miscorrected':
    'The decoder turned the word into a code word other than the one sent: ' +
    'a miscorrection, not a correction.',
  'result.transmittedNonBinary': {
    one:
      'The word sent has a value other than 0 and 1 at position {positions}, which flipping ' +
      'bits cannot restore.',
    other:
      'The word sent has values other than 0 and 1 at positions {positions}, which flipping ' +
      'bits cannot restore.',
  },
  'uncorrectable.gaveUp':
    'After rotation {shift} the weight is still > {correctableWeight}: the error-trapping ' +
    'decoder gave up, and the program wrote that the word cannot be corrected.',
  'uncorrectable.allInWindow':
    'After rotation {shift} all the errors stood in the window, but ' +
    'the weight was {weight}: the syndrome is then the error vector, and there are more than two ' +
    'errors.',
  'uncorrectable.decoder': {
    one:
      'The BCH({codeLength},{informationLength}) code has minimum distance d = 5 and corrects every single error: this ' +
      'word can be corrected, but not by this decoder. An algebraic decoder (Berlekamp–Massey, ' +
      'say) would correct it.',
    other:
      'The BCH({codeLength},{informationLength}) code has minimum distance d = 5 and corrects any two errors: this ' +
      'word can be corrected, but not by this decoder. An algebraic decoder (Berlekamp–Massey, ' +
      'say) would correct it.',
  },
  'uncorrectable.caption':
    'r: the received word; ⟷: the shortest cyclic burst (after {windowLast} comes ' +
    '0) that holds every error.',
  'uncorrectable.spanAt': {
    one: 'The error at position {positions} lies in the cyclic burst from {first} to {last}.',
    other: 'The errors at positions {positions} lie in the cyclic burst from {first} to {last}.',
  },
  'uncorrectable.spanLength': {
    one: 'This burst is {count} position long.',
    other: 'This burst is {count} positions long.',
  },
  'uncorrectable.span':
    'That is more than the window’s {windowLength} positions: no rotation fits them all ' +
    'into it at once.',
  'uncorrectable.leftWindow':
    'They stood in the window in the received word already, and the ' +
    'rotations moved them out of it.',
  'uncorrectable.rotations':
    'They would enter the window together only after rotation {shift}, ' +
    'and the program makes at most {most} rotations.',

  // --- Exercises ---------------------------------------------------------------------------------
  'exercises.title': 'Exercises',
  'exercises.intro':
    'Choose an exercise and answer it by running the program: the page judges ' +
    'every run by what the program printed.',
  'exercises.solved': 'solved',
  'progress.reset': 'The progress kept was damaged or in an unknown form: starting afresh.',
  'exercise.unknown': 'The address names an exercise “{name}”, which does not exist.',
  'exercise.damaged': 'The address names the exercise “{name}” in a wrong form.',
  'exercise.pending': 'Run the program: the exercise judges every run.',
  'exercise.missed': 'This run does not reach the goal. Try again (“Undo” or “New run”).',
  'exercise.solved': 'Solved!',
  'exercise.solvedBefore': 'This exercise is solved already; you may solve it again.',
  'exercise.now.pending': 'Exercise “{title}”: run the program.',
  'exercise.now.missed': 'Exercise “{title}”: this run does not reach the goal.',
  'exercise.now.solved': 'Exercise “{title}”: solved!',
  'exercise.hintTitle': 'Hint',
  'exercise.solutionTitle': 'Solution',
  'exercise.again': 'New attempt',
  'exercise.trap.title': 'An error trapped after k rotations',
  'exercise.trap.goal':
    'Type an error pattern with one error that the program traps after ' +
    'exactly {k} rotations and corrects.',
  'exercise.trap.hint':
    'Each rotation moves an error from position p to p + 1; the window ' +
    'begins at position {windowFirst}.',
  'exercise.trap.solution':
    'An error at position p enters the window after {windowFirst} − p rotations, so ' +
    'for {k} rotations it stands at position {position}: the pattern {pattern} (a one at ' +
    'position {position}).',
  'exercise.two-corrected.title': 'Two errors the decoder corrects',
  'exercise.two-corrected.goal': 'Type an error pattern with two errors that the program corrects.',
  'exercise.two-corrected.hint':
    'Both errors must fit into the {windowLength} positions of the window ' +
    'together, and at least one must stand in the information part.',
  'exercise.two-corrected.solution':
    'For example errors at positions 17 and 19: the pattern ' +
    '00000000000000000101. After 4 rotations they stand at {windowFirst} and 23 and the weight falls to 2.',
  'exercise.two-beyond.title': 'Two errors beyond this decoder',
  'exercise.two-beyond.goal':
    'Type an error pattern with two errors that this decoder cannot ' +
    'correct, although the code (d = 5) could.',
  'exercise.two-beyond.hint':
    'The decoder traps only errors within a cyclic burst of at most ' +
    '{windowLength} positions that enters the window within {mostRotations} rotations.',
  'exercise.two-beyond.solution':
    'For example errors at positions 0 and {windowLength} (the pattern ' +
    '10000000001): their burst is 11 positions long. Or 0 and 29: they would enter the window ' +
    'only after 23 rotations.',
  'exercise.two-parity.title': 'Two errors, no correction',
  'exercise.two-parity.goal':
    'Type an error pattern with two errors after which the program ' + 'starts no correction.',
  'exercise.two-parity.hint': 'Errors in the parity part alone are their own syndrome.',
  'exercise.two-parity.solution':
    'Two ones at positions {windowFirst}–{windowLast}, for example ' +
    '0000000000000000000001000000001 (positions {windowFirst} and {windowLast}): syndrome 1000000001, weight 2.',
  'exercise.three-parity.title': 'Three errors in the parity part',
  'exercise.three-parity.goal':
    'Type an error pattern with three errors in the parity part: the ' +
    'information is whole, and still the program starts a correction.',
  'exercise.three-parity.hint':
    'Errors in the parity part are their own syndrome: as many ones, ' + 'so much weight.',
  'exercise.three-parity.solution':
    'Three ones at positions {windowFirst}–{windowLast}, for example ' +
    '0000000000000000000001110000000: weight 3 > {correctableWeight}, so the program starts a correction though ' +
    'the errors left the information alone. The rule “weight ≤ {correctableWeight}” assumes at most two errors.',
  'exercise.miscorrect.title': 'A miscorrection',
  'exercise.miscorrect.goal':
    'Type an error pattern with three errors after which the program ' +
    '“corrects” the word into a code word other than the one sent.',
  'exercise.miscorrect.hint':
    'Look for three errors close together in the information part, and ' +
    'watch the chart of the weight.',
  'exercise.miscorrect.solution':
    'For example the word 000000000000000000000 and errors at ' +
    'positions 0, 1 and 3 (the pattern 1101): after 14 rotations the weight falls to 2, and the ' +
    'correction flips bits 7 and 15.',
  'exercise.zero-parity.title': 'A zero parity part',
  'exercise.zero-parity.goal': 'Type a nonzero information word whose parity part is all zeros.',
  'exercise.zero-parity.hint':
    'The parity part is the remainder of i(x)·x^({generatorDegree}) divided by g(x): ' +
    'when is it zero?',
  'exercise.zero-parity.solution':
    'When g(x) divides i(x), for example i(x) = g(x): the word ' +
    '000000000011101101001 (the coefficients of g(x) at positions {generatorAt}–{informationLast}).',
  'exercise.unseen.title': 'An unseen error',
  'exercise.unseen.goal':
    'Type a word and an error pattern after which the received word is ' +
    'another code word: the syndrome is zero, though there are errors.',
  'exercise.unseen.hint': 'The sum of two code words is a code word.',
  'exercise.unseen.solution':
    'The error pattern must itself be a nonzero code word, for example ' +
    'the code vector of the word 1: 1000000000000000000001110110100.',
  'exercise.predict.title': 'Predict the weight',
  'exercise.predict.goal':
    'Before each Enter during the correction, say whether after the next ' +
    'rotation the weight will be at most {correctableWeight}. Solved after {goal} right predictions in one run ' +
    'with no wrong one.',
  'exercise.predict.hint':
    'The weight falls to {correctableWeight} or less (to 1 for a single error) when every error ' +
    'has entered the window (with at most two errors). Follow in the explanation where the errors stand.',
  'exercise.predict.solution':
    'Type for example one error at position {parityLength} (the pattern ' +
    '00000000001): it enters the window after 11 rotations, so for {parityLength} rotations the answer is ' +
    '“no”, and at the 11th “yes”.',
  'exercise.longest.title': 'The longest correction',
  'exercise.longest.goal':
    'Type an error pattern that the program corrects after the largest ' +
    'possible number of rotations.',
  'exercise.longest.hint': 'The program makes at most {mostRotations} rotations.',
  'exercise.longest.solution':
    'Errors at positions 0 and {windowLast} (the pattern 1, 29 zeros, 1): they ' +
    'enter the window together only after the {mostRotations}nd rotation, the last one the program makes.',
  'exercise.read.title': 'Read the printout',
  'exercise.read.goal':
    'The program printed the code vector and the received word of the run ' +
    'below. At which positions did the errors stand?',
  'exercise.read.hint': 'Compare the two rows digit by digit; positions count from 0 at the left.',
  'exercise.read.solution':
    'The errors stand where the received word differs from the code ' +
    'vector: compare the digits of the same number in both rows. Here: {positions}.',
  'predict.question': 'After rotation {shift}, will the weight be at most {correctableWeight}?',
  'predict.yes': 'Yes, ≤ {correctableWeight}',
  'predict.no': 'No, > {correctableWeight}',
  'predict.score': 'Right: {right}, wrong: {wrong}. Best run: {best}.',
  'read.loading': 'The program is working…',
  'read.printed': 'The program printed:',
  'read.label': 'Positions of the errors:',
  'read.check': 'Check',

  // --- Why, and how far --------------------------------------------------------------------------
  'why.title': 'Why and how far it works',
  'why-distance.title': 'How many errors the code corrects',
  'why-distance.1':
    'The BCH({codeLength},{informationLength}) code has minimum distance d = 5: two different code words ' +
    'differ in at least five positions. So it corrects t = ⌊(d − 1)/2⌋ = 2 errors: a word with ' +
    'at most two errors lies closer to the word sent than to any other code word.',
  'why-cyclic.title': 'Why rotating is allowed',
  'why-cyclic.1':
    'The code is cyclic: a rotation (cyclic shift) of a code word is again a code word. The ' +
    'rotated received word is the rotated code word plus the rotated error vector, so its ' +
    'syndrome depends on the rotated error vector alone.',
  'why-window.title':
    'Why, with at most two errors, a weight ≤ {correctableWeight} means “the errors are in the window”',
  'why-window.1':
    'When every error stands in the window {first}–{last}, the error vector e(x) ' +
    'has degree less than {generatorDegree} and so is its own remainder modulo g(x): the syndrome equals the ' +
    'error vector, and its weight is the number of errors.',
  'why-window.2':
    'Conversely, with at most two errors a syndrome weight ≤ {correctableWeight} means that the ' +
    'errors stand in the window. Were they not, the error vector plus the syndrome placed in the ' +
    'window would be a nonzero code word (its remainder modulo g(x) is s + s = 0) of weight at ' +
    'most 2 + 2 = 4 < 5 = d, and there is no such code word.',
  'why-limit.title': 'How far this decoder goes',
  'why-limit.1':
    'Error trapping corrects errors only when they all fit into a cyclic burst of ' +
    'at most {windowLength} consecutive positions and one of the {most} rotations brings that burst into the ' +
    'window. A single error at position p enters the window after {windowFirst} − p rotations, so every ' +
    'single error in the information part (0–{informationLast}) is corrected; a single error in the ' +
    'parity part needs no correction of the information, and the program leaves it in the word.',
  'why-limit.2':
    'Of the 465 patterns of two errors, 45 stand in the parity part and need no ' +
    'correction, the decoder corrects 198 and gives up on 222: 186 span more than {windowLength} positions, ' +
    'and 36 would enter the window only after more than {most} rotations. The code corrects all ' +
    '465; this decoder corrects 198. In the 45 pairs in the parity part the information is ' +
    'intact, but both errors stay in the word.',
  'why-algebraic.title': 'Decoders that correct any two errors',
  'why-algebraic.1':
    'Algebraic decoders of BCH codes (the Berlekamp–Massey algorithm with a ' +
    'Chien search, or solving a quadratic equation in GF(32)) compute the syndromes S₁ and S₃ as ' +
    'the values of r(x) at the roots of g(x) and find the error locations from them. They ' +
    'correct every pattern of at most two errors, those that trapping cannot reach included.',
  'why-more.title': 'More than two errors',
  'why-more.1':
    'With three or more errors the code no longer guarantees a correction. It still guarantees ' +
    'that three or four errors never give a zero syndrome: a nonzero code word has weight at ' +
    'least d = 5. A weight ≤ {correctableWeight} can appear although the errors do not stand in ' +
    'the window. After a rotation the decoder then turns the word into another code word (a ' +
    'miscorrection); before any rotation the program changes nothing. When the error is itself a ' +
    'code word (five errors or more), the syndrome is zero and the error goes unseen.',

  // --- What the explanation says where values other than 0 and 1 were typed, and when the
  // rotations end --------------------------------------------------------------------------------
  'error.valuesDiffer': {
    one: 'The received word’s value differs from the code vector’s at position {positions}.',
    other: 'The received word’s values differ from the code vector’s at positions {positions}.',
  },
  'error.bitsDiffer': {
    one: 'Modulo 2, as a bit, it differs at position {positions} only: 1 bit error.',
    other: 'Modulo 2, as bits, they differ at positions {positions}: {count} bit errors.',
  },
  'error.noBitDiffers':
    'Modulo 2, as bits, they differ nowhere: no bit changed, and there is no bit error.',
  'syndrome.missedBits': {
    one: 'Yet a bit of the information part changed (position {positions}).',
    other: 'Yet bits of the information part changed (positions {positions}).',
  },
  'syndrome.missedZeroValues':
    'The syndrome is zero, so the program saw no error; the words hold values other than 0 and ' +
    '1, which it adds as numbers.',
  'rotations.goesOn': 'The program rotates on.',
  'rotations.givesUp':
    'Rotation {shift} is the last the program makes: it gives up, and more rotations would not ' +
    'help.',
  'uncorrectable.count': {
    one: 'The cause is the number of errors.',
    other:
      'The cause is the number of errors: in the window, {count} errors give a syndrome of ' +
      'weight {count} > {correctableWeight}, so more rotations would not help.',
  },

  // --- What learners hit: why a run missed, answers typed, undoing a word, the way back --------
  'reason.values':
    'Values other than 0 and 1 were typed: the exercise counts errors of the bits 0 and 1 only.',
  'reason.count': {
    one: 'This run has {count} error, not {want}.',
    other: 'This run has {count} errors, not {want}.',
  },
  'reason.parityOnly':
    'The errors stand in the parity part alone: the program starts no correction.',
  'reason.noCorrection':
    'The weight is at most {correctableWeight}: the program starts no correction.',
  'reason.gaveUp': 'The program gave up: this decoder cannot correct the word.',
  'reason.miscorrected': 'The program turned the word into a code word other than the one sent.',
  'reason.corrected': 'The program corrected the word.',
  'reason.trappedAfter': {
    one: 'Trapped after {count} rotation, not {want}.',
    other: 'Trapped after {count} rotations, not {want}.',
  },
  'reason.notParityOnly': {
    one: 'An error stands in the information part (position {positions}).',
    other: 'Errors stand in the information part (positions {positions}).',
  },
  'reason.zeroInformation': 'The information word is all zeros.',
  'reason.parityOnes': {
    one: 'The parity part has {count} one.',
    other: 'The parity part has {count} ones.',
  },
  'reason.noErrors': 'The received word has no error.',
  'reason.syndromeWeight': 'The syndrome is not zero: its weight is {weight}.',
  'reason.predictWrong': 'After rotation {shift} the weight was {weight}.',
  'reason.predictFew': {
    one: 'The run ended with {count} right prediction; {goal} are needed.',
    other: 'The run ended with {count} right predictions; {goal} are needed.',
  },
  'reason.syndromeWrong':
    'After rotation {shift} the program printed the syndrome {printed}, not {typed}.',
  'reason.syndromeFew': {
    one: 'The run ended with {count} right syndrome; {goal} are needed.',
    other: 'The run ended with {count} right syndromes; {goal} are needed.',
  },
  'reason.remainderDiffers': 'The program printed {printed}, not the remainder {typed}.',
  'reason.readNotPositions': 'That is not a list of positions 0–{highestDegree}.',
  'reason.readFromZero':
    'Each position you typed is one too high: positions count from 0 at the left.',
  'reason.readCount': {
    one: 'You typed {count} position; the errors are {errors}.',
    other: 'You typed {count} positions; the errors are {errors}.',
  },
  'reason.readPositions': {
    one: 'There is no error at position {positions}.',
    other: 'There are no errors at positions {positions}.',
  },
  'exercise.answer.pending': 'Type the positions of the errors and check them.',
  'exercise.answer.missed': 'Not these positions. Change them and check again.',
  'exercise.now.answer.pending': 'Exercise “{title}”: type the positions of the errors.',
  'exercise.now.answer.missed': 'Exercise “{title}”: not these positions.',
  'button.takeBackWord': 'Undo the word',
  'why.back': 'Back to the step',
  'rotations.typedAtPause':
    'At the pause after rotation {shift} the program read one character, the “{character}” ' +
    'typed there, and went on; the next character typed, the line’s Enter, went to the next ' +
    'pause. A line typed at a pause passes a pause for each of its characters.',
  'rotations.byteAtPause':
    'At the pause after rotation {shift} the program read one character, the byte {byte} typed ' +
    'there, and went on; the next character typed, the line’s Enter, went to the next pause. A ' +
    'line typed at a pause passes a pause for each of its characters.',

  // --- The grade and the course (what a teacher's platform is told) -----------------------
  'exercises.grade': '{count} of {total} solved; passed from {passing}',
  'exercises.gradePassed': '{count} of {total} solved; passed, pass mark {passing}',
  'terminal.hintCourse':
    'Enter sends the typed line to the program. “End input” (Ctrl-D) sends the ' +
    'line without a line end, and on an empty line ends the input. The course keeps your ' +
    'progress in the exercises: come back to it by opening this activity in the course.',
  // --- The arithmetic: the long division by g(x) and the syndrome register ---------------------
  'division.encoding.summary': 'Long division: i(x)·x^({parityLength}) divided by g(x)',
  'division.syndrome.summary': 'Long division: r(x) divided by g(x)',
  'division.encoding.caption':
    'The information word followed by {parityLength} zeros, divided by g(x) = {generator}: under ' +
    'every leading 1, the {generatorDegree} + 1 bits of g(x), and below them the difference (over ' +
    'GF(2), the sum). Above the dividend, the quotient; at the foot, the remainder.',
  'division.syndrome.caption':
    'The received word divided by g(x) = {generator}: under every leading 1, the bits of g(x), ' +
    'and below them the difference. Above, the quotient; at the foot, the remainder.',
  'division.encoding.start': {
    one: 'The dividend i(x)·x^({parityLength}): the information word, then {parityLength} zeros. The division takes {count} step, one for each leading 1 in positions 0–{informationLast}.',
    other:
      'The dividend i(x)·x^({parityLength}): the information word, then {parityLength} zeros. The division takes {count} steps, one for each leading 1 in positions 0–{informationLast}.',
  },
  'division.syndrome.start': {
    one: 'The dividend r(x): the received word. The division takes {count} step, one for each leading 1 in positions 0–{informationLast}.',
    other:
      'The dividend r(x): the received word. The division takes {count} steps, one for each leading 1 in positions 0–{informationLast}.',
  },
  'division.step':
    'Step {step} of {total}: the leading 1 stands at position {position}, so g(x)·x^({power}) is ' +
    'subtracted (added modulo 2) there; the difference is {difference}, and the next step starts ' +
    'at its next 1.',
  'division.encoding.end':
    'No 1 is left in positions 0–{informationLast}: the remainder is {remainder}, and it becomes ' +
    'the parity part, positions {windowFirst}–{windowLast}.',
  'division.syndrome.end':
    'No 1 is left in positions 0–{informationLast}: the remainder {remainder} is the syndrome.',
  'division.encoding.matches':
    'The remainder of the division, {remainder}, is the parity part the program printed.',
  'division.syndrome.matches':
    'The remainder of the division, {remainder}, is the syndrome the program printed.',
  'division.differs':
    'The remainder of the division, {remainder}, is not what the program printed ({printed}).',
  'division.encoding.notBits':
    'No division is shown: the information word holds a value other than 0 and 1, and the ' +
    'program does arithmetic on such a value that is no division of bits.',
  'division.syndrome.notBits':
    'No division is shown: the received word holds a value other than 0 and 1 (or could not be ' +
    'read position by position), and the program does arithmetic on it that is no division of bits.',
  'division.back': 'Step back',
  'division.forward': 'Next step',
  'division.first': 'From the start',
  'division.whole': 'The whole division',
  'division.at': 'Step {step} of {total}',
  'register.summary': 'The syndrome register',
  'register.rule':
    'Each rotation’s syndrome follows from the previous one with no new division: one clock of ' +
    'the syndrome register. Its digits move one place to the right, as the word’s do; the last ' +
    'one leaves, and where it is 1 the taps of g(x) are added.',
  'register.legend':
    'Beside each syndrome in the table stands that clock: the digit that left the register, and ' +
    '“+g” where the taps of g(x) were added.',
  'register.clockTaps':
    'The clock from rotation {from} to rotation {shift}: the digit {out} left the register, so ' +
    'the taps of g(x) were added to the shifted digits.',
  'register.clockPlain':
    'The clock from rotation {from} to rotation {shift}: the digit {out} left the register, and ' +
    'the digits only moved one place to the right.',
  'register.label':
    'Syndrome register after rotation {shift}: {after}; before the clock {before}; the digit ' +
    '{out} left.',
  'register.before': 'before',
  'register.notBits':
    'No clock of the syndrome register is shown: a printed syndrome holds a value other than 0 ' +
    'and 1, and the register’s rule is about bits.',
  'register.astray': {
    one: 'After rotation {shifts} the printed syndrome does not follow from the previous one by a clock of the syndrome register, so no clock is shown.',
    other:
      'After rotations {shifts} the printed syndromes do not follow from the previous ones by a clock of the syndrome register, so no clock is shown.',
  },
  'why-register.title': 'Why the rotations need no new division',
  'why-register.1':
    'A rotation multiplies r(x) by x^({highestDegree}) modulo x^({codeLength}) − 1, and g(x) divides ' +
    'x^({codeLength}) − 1: so the new syndrome is the previous one times x^({highestDegree}) ' +
    'modulo g(x). In hardware that is one clock of a register of {parityLength} cells with ' +
    'feedback taps where g(x) has its ones: every rotation costs one clock, not a division of ' +
    '{codeLength} bits again, and the whole trapping at most {most} clocks.',
  'why-rotations.title': 'Why the program stops after {most} rotations',
  'why-rotations.1':
    'After {informationLength} rotations every information position has passed into the window, ' +
    'and rotation {most} brings position {windowLast} round to position {windowFirst}: every pair ' +
    'of errors within {windowLength} consecutive positions has then been trapped, but for those ' +
    'that start in the parity part and run over the word’s end. More rotations, up to rotation ' +
    '{highestDegree}, would trap 36 more patterns of two errors; 186 no rotation ever traps, ' +
    'because their errors are at least {windowLength} positions apart both ways round. So at ' +
    'most 279 of the 465 could be trapped at all.',

  // --- The arithmetic: exercises ------------------------------------------------------------------
  'exercise.divide.title': 'Divide for the parity part',
  'exercise.divide.goal':
    'Compute the parity part of the information word below by long division by g(x), row by ' +
    'row: each row is checked at once. Then run the program on the word: the parity part it ' +
    'prints must be your remainder.',
  'exercise.divide.hint':
    'Under every leading 1 stands g(x) = {generator}; add its bits modulo 2 (1 + 1 = 0) and ' +
    'write the {parityLength} bits after the leading one. The remainder is what stands in ' +
    'positions {windowFirst}–{windowLast} when no 1 is left before them.',
  'exercise.divide.solution':
    'Open “Long division” in the explanation of a run on this word: it shows every step, and ' +
    'its remainder is the parity part the program prints.',
  'exercise.next-syndrome.title': 'The next syndrome',
  'exercise.next-syndrome.goal':
    'At each pause during the correction, before Enter, type the syndrome the program will ' +
    'print after the next rotation. Solved after {goal} right in one run with none wrong.',
  'exercise.next-syndrome.hint':
    'Move the digits of the current syndrome one place to the right; where the digit that ' +
    'leaves at the right is 1, add the taps of g(x) (its bits but the last) modulo 2.',
  'exercise.next-syndrome.solution':
    'Open “The syndrome register” in the explanation: it shows each clock, and beside every ' +
    'syndrome in the table stands the digit that left and whether g(x) was added.',
  'exercise.syndrome.title': 'Divide for the syndrome',
  'exercise.syndrome.goal':
    'Compute the syndrome of the received word below by long division by g(x), row by row. ' +
    'Then run the program on its information word and error: the syndrome it prints must be ' +
    'your remainder.',
  'exercise.syndrome.hint':
    'The same division as for the parity part, on all {codeLength} positions of the received ' +
    'word: under every leading 1 in positions 0–{informationLast} stands g(x).',
  'exercise.syndrome.solution':
    'Open “Long division: r(x) divided by g(x)” in the explanation of that run: its remainder ' +
    'is the syndrome the program prints.',
  'divide.word': 'The information word: {word}',
  'syndrome.word': 'The received word: {word}',
  'divide.row': 'Row {row} of {total}: the difference, positions {first}–{last}:',
  'divide.remainder': 'Row {row} of {total}: the remainder, positions {windowFirst}–{windowLast}:',
  'divide.wrongBit': 'Bit {bit} of the row is wrong:',
  'divide.done': 'Every row is right: the remainder, the parity part, is {remainder}.',
  'syndrome.done': 'Every row is right: the remainder, the syndrome, is {remainder}.',
  'divide.run': 'Run the program on it',
  'divide.printed': 'The program printed the parity part {printed}.',
  'syndrome.printed': 'The program printed the syndrome {printed}.',
  'nextSyndrome.question': 'The syndrome after rotation {shift}:',
  'nextSyndrome.enter': 'Enter',
  'nextSyndrome.score': 'Right: {right}, wrong: {wrong}.',
};
