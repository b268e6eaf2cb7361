#include "dialogue.h"
#include "messages.h"

void Correct_By_Trapping(Console &console, std::int32_t code[Code_Length],
                         const std::int32_t transmitted[Code_Length],
                         std::int32_t syndrome[Parity_Length], std::int32_t &weight,
                         std::int32_t &shift) {
    do {
        ++shift;
        weight = Trapping_Step(code, syndrome);
        Report_Syndrom(console, Message::Shifted, code, Message::Shifted_Syndrom, syndrome, weight);
        console.Write(Message::Pause);
        console.Read_Char();
    } while (weight > Correctable_Weight && shift < Most_Rotations);

    if (weight > Correctable_Weight) {
        console.Write(Message::Uncorrectable);
        return;
    }

    Correct_Parity(code, syndrome);
    while (shift < Code_Length) {
        ++shift;
        Rotate_Right(code);
    }

    console.Write(Message::Corrected);
    console.Write_Values(code, Code_Length);
    console.Write(Message::Transmitted);
    console.Write_Values(transmitted, Code_Length);
    console.Write(Message::Line_End);
}
