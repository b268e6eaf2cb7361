// Generated from dialogue/messages.h, dialogue/dialogue.h and arithmetic/bch_arithmetic.h
// by dialogue/page_facts.cpp: do not edit. To regenerate after changing them:
//   cmake --build build --target page_facts
// (the test page_facts fails while this file is not what the generator writes).
export const CODE_LENGTH = 31;
export const INFORMATION_LENGTH = 21;
export const PARITY_LENGTH = 10;
export const WINDOW_FIRST = 21;
export const WINDOW_LAST = 30;
// g(x), highest degree first: GENERATOR[j] is the coefficient of x^(10-j).
export const GENERATOR = [1, 1, 1, 0, 1, 1, 0, 1, 0, 0, 1];
export const CORRECTABLE_WEIGHT = 2;
export const MOST_ROTATIONS = 22;
export const WORD_LIMIT = 255; // bytes of a typed word the program keeps (buffer 256 - 1)
export const DEFAULT_INFORMATION = '101010101011001100111';
export const MESSAGES = {
  banner: '------------------ Kod BCH ------------------\n',
  informationPrompt: '\nPodaj ciag do wyslania (%d znakow \'0\' lub \'1\'): ',
  informationIndent: 48,
  rulerMark: '_',
  errorPrompt: '\nPodaj blad wprowadzony do wektora kodowego: ',
  errorIndent: 44,
  codeVector: 'Zakodowany ciag (wektor kodowy): ',
  received: 'Odebrany ciag: ',
  receivedSyndrome: 'Syndrom odebranego ciagu: ',
  weight: 'Waga syndromu: %d\n',
  noCorrection: 'W ciagu informacyjnym nie ma bledu - nie ma potrzeby korekcji\n',
  correctionStart: 'W odebranym ciagu sa bledy - rozpoczynam korekcje\n',
  shifted: 'Przesuniety ciag: ',
  shiftedSyndrome: 'Syndrom ciagu odebranego: ',
  pause: '<Enter>\n',
  uncorrectable: '\nCiagu nie da sie skorygowac!\n',
  corrected: 'Koniec procesu korekcji.\nSkorygowany ciag: ',
  transmitted: '\nNadany ciag:      ',
  closing: '\nKoniec programu!\n<Enter>\n',
};
