// The console dialogue: one full cycle of the BCH(31,21) code, from the information word to
// the corrected received word.
#ifndef BCH_DIALOGUE_DIALOGUE_H
#define BCH_DIALOGUE_DIALOGUE_H

#include <cstdint>

#include "../arithmetic/bch_arithmetic.h"
#include "console.h"

// Room for a typed word of up to 255 characters and its terminating zero character.
constexpr int Text_Buffer_Size = 256;

// The information word the dialogue holds before one is typed: the one it encodes when the
// input ends before a word.
inline constexpr char Default_Information[] = "101010101011001100111";
static_assert(sizeof Default_Information == Info_Length + 1, "one character a position");

// Value of a typed character: its code as a signed 8-bit number, minus the code of '0'.
// '0' -> 0, '1' -> 1, '2' -> 2, 'a' -> 49, '-' -> -3, byte 0xFF -> -49.
std::int32_t Digit_Value(char character);

// Draws a ruler of `length` underscores indented by `indent` spaces, writes the prompt, reads
// one word into buffer and drops the rest of its line, then pads the text with '0' or cuts
// it so that buffer holds exactly `length` characters and a zero character. At end of input
// before a word the earlier content of buffer is what gets padded or cut.
void Read_Bit_String(Console &console, char buffer[Text_Buffer_Size], int length, int indent,
                     const char *prompt);

// Writes word_label and the word, syndrome_label and its syndrome, then the weight line.
void Report_Syndrom(Console &console, const char *word_label, const std::int32_t code[Code_Length],
                    const char *syndrome_label, const std::int32_t syndrome[Parity_Length],
                    std::int32_t weight);

// Error trapping of a received word whose syndrome weight is 3 or more: steps 3 to 5 of
// bch_arithmetic.h, with the dialogue around them. Every rotation is reported and followed by
// a pause, until the weight is at most 2 or Most_Rotations are made; then the word is declared
// uncorrectable, or corrected, rotated back and printed above `transmitted`. The arrays and
// numbers it takes are the dialogue's own state, which it works on in place: the received word
// `code`, the transmitted copy, the syndrome and its weight, and `shift`, the rotations made
// (0 on entry, 31 after a correction).
void Correct_By_Trapping(Console &console, std::int32_t code[Code_Length],
                         const std::int32_t transmitted[Code_Length],
                         std::int32_t syndrome[Parity_Length], std::int32_t &weight,
                         std::int32_t &shift);

// The whole run, from the banner to the closing pause; it owns all the run's state.
void Run_Dialogue(Console &console);

#endif
