// The console dialogue: one full cycle of the BCH(31,21) code, from the information word to
// the corrected received word.
#ifndef BCH_DIALOGUE_DIALOGUE_H
#define BCH_DIALOGUE_DIALOGUE_H

#include <cstdint>

#include "../arithmetic/bch_arithmetic.h"
#include "console.h"

// Room for a typed word of up to 255 characters and its terminating zero character.
constexpr int Text_Buffer_Size = 256;

// The code corrects two errors. While there are at most two, a syndrome weight of 2 or less
// means every difference from a code word lies in the parity part: an error in the
// information part always gives a weight of at least 3.
constexpr std::int32_t Correctable_Weight = 2;

// Value of a typed character: its code as a signed 8-bit number, minus the code of '0'.
// '0' -> 0, '1' -> 1, '2' -> 2, 'a' -> 49, '-' -> -3, byte 0xFF -> -49.
std::int32_t Digit_Value(char character);

// Draws a ruler of `length` underscores indented by `indent` spaces, writes the prompt, reads
// one word into buffer and drops the rest of its line, then pads the text with '0' or cuts
// it so that buffer holds exactly `length` characters and a zero character. At end of input
// before a word the earlier content of buffer is what gets padded or cut.
void Read_Bit_String(Console &console, char buffer[Text_Buffer_Size], int length, int indent,
                     const char *prompt);

// Writes word_label and the word, computes its syndrome and weight into syndrome and weight,
// and writes syndrome_label with the syndrome, then the weight line.
void Report_Syndrom(Console &console, const char *word_label, const std::int32_t code[Code_Length],
                    const char *syndrome_label, std::int32_t syndrome[Parity_Length],
                    std::int32_t &weight);

// Error trapping of a received word whose syndrome weight is 3 or more. Rotates `code` one
// position at a time, reporting and pausing after each rotation, until the syndrome weight
// is at most 2 or 22 rotations are made; then declares the word uncorrectable, or adds the
// syndrome into the parity part, rotates the word back to its first alignment and prints it
// above `transmitted`. `shift` counts the rotations (0 on entry, 31 after a correction).
void Correct_By_Trapping(Console &console, std::int32_t code[Code_Length],
                         const std::int32_t transmitted[Code_Length],
                         std::int32_t syndrome[Parity_Length], std::int32_t &weight,
                         std::int32_t &shift);

// The whole run, from the banner to the closing pause; it owns all the run's state.
void Run_Dialogue(Console &console);

#endif
