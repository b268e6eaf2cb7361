#include "dialogue.h"
#include "messages.h"

namespace {

// Largest shift count after which the trapping loop still rotates once more, so the loop makes
// at most 22 rotations. Trapping catches a pair of errors only when one of those rotations
// brings both into the ten parity positions: 0 and 30 are caught at the 22nd rotation, 0 and
// 29 would need a 23rd, and 0 and 10 or 0 and 21 lie too far apart for any rotation.
constexpr std::int32_t Last_Shift_Before_Rotating = Info_Length;

} // namespace

void Correct_By_Trapping(Console &console, std::int32_t code[Code_Length],
                         const std::int32_t transmitted[Code_Length],
                         std::int32_t syndrome[Parity_Length], std::int32_t &weight,
                         std::int32_t &shift) {
    // The code is cyclic, so the syndrome of the rotated word is the syndrome of the rotated
    // error pattern. Once every error stands in the parity positions 21..30 the syndrome is
    // the error pattern there, bit for bit, and its weight is at most 2.
    do {
        ++shift;
        Rotate_Right(code);
        Report_Syndrom(console, Message::Shifted, code, Message::Shifted_Syndrom, syndrome, weight);
        console.Write(Message::Pause);
        console.Read_Char();
    } while (weight > Correctable_Weight && shift <= Last_Shift_Before_Rotating);

    if (weight > Correctable_Weight) {
        console.Write(Message::Uncorrectable);
        return;
    }

    // The trapped errors are the syndrome itself: add it to the parity part (over GF(2)
    // adding is subtracting). Unlike the other sums there is no + 2 here, so a negative value
    // in the word can stay negative: -1 + 0 rem 2 = -1.
    for (int q = 0; q < Parity_Length; ++q) {
        code[Info_Length + q] = (code[Info_Length + q] + syndrome[q]) % 2;
    }
    // 31 rotations in all give the first alignment back.
    do {
        ++shift;
        Rotate_Right(code);
    } while (shift != Code_Length);

    console.Write(Message::Corrected);
    console.Write_Values(code, Code_Length);
    console.Write(Message::Transmitted);
    console.Write_Values(transmitted, Code_Length);
    console.Write(Message::Line_End);
}
