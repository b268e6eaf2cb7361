#include <algorithm>
#include <array>

#include "dialogue.h"
#include "messages.h"

namespace {

// (a + b + 2) rem 2: addition modulo 2 for bits, with any other value carried through the
// same formula.
std::int32_t Add_Bits(std::int32_t a, std::int32_t b) {
    return (a + b + 2) % 2;
}

} // namespace

void Report_Syndrom(Console &console, const char *word_label, const std::int32_t code[Code_Length],
                    const char *syndrome_label, std::int32_t syndrome[Parity_Length],
                    std::int32_t &weight) {
    console.Write(word_label);
    console.Write_Values(code, Code_Length);
    console.Write(Message::Line_End);
    Calculate_Syndrom(code, syndrome);
    weight = Syndrom_Weight(syndrome);
    console.Write(syndrome_label);
    console.Write_Values(syndrome, Parity_Length);
    console.Write(Message::Line_End);
    console.Write_Formatted(Message::Weight, weight);
}

void Run_Dialogue(Console &console) {
    std::int32_t code[Code_Length];
    std::int32_t transmitted[Code_Length];
    std::int32_t syndrome[Parity_Length];
    std::int32_t weight = 0;
    std::int32_t shift = 0;
    char information[Text_Buffer_Size] = "101010101011001100111";
    char error[Text_Buffer_Size] = {};

    console.Write(Message::Banner);

    std::array<char, 64> information_prompt{};
    Format_Value(information_prompt.data(), information_prompt.size(), Message::Information_Prompt,
                 Info_Length);
    Read_Bit_String(console, information, Info_Length, Message::Information_Indent,
                    information_prompt.data());

    // Systematic encoding: c(x) = i(x) x^10 + (i(x) x^10 mod g(x)).
    for (int p = 0; p < Info_Length; ++p) {
        code[p] = Digit_Value(information[p]);
    }
    for (int p = Info_Length; p < Code_Length; ++p) {
        code[p] = 0;
    }
    Calculate_Syndrom(code, syndrome);
    for (int q = 0; q < Parity_Length; ++q) {
        code[Info_Length + q] = syndrome[q];
    }
    std::copy(code, code + Code_Length, transmitted);
    console.Write(Message::Code_Vector);
    console.Write_Values(code, Code_Length);
    console.Write(Message::Line_End);

    Read_Bit_String(console, error, Code_Length, Message::Error_Indent, Message::Error_Prompt);

    // Received word r(x) = c(x) + e(x).
    for (int p = 0; p < Code_Length; ++p) {
        code[p] = Add_Bits(Digit_Value(error[p]), code[p]);
    }
    Report_Syndrom(console, Message::Received, code, Message::Received_Syndrom, syndrome, weight);

    if (weight <= Correctable_Weight) {
        console.Write(Message::No_Correction);
    } else {
        console.Write(Message::Correction_Start);
        Correct_By_Trapping(console, code, transmitted, syndrome, weight, shift);
    }

    console.Write(Message::Closing);
    console.Read_Char();
    console.Flush();
}
