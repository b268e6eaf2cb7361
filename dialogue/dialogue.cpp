#include <algorithm>
#include <iterator>

#include "dialogue.h"
#include "messages.h"

void Run_Dialogue(Console &console) {
    std::int32_t code[Code_Length];
    std::int32_t transmitted[Code_Length];
    std::int32_t syndrome[Parity_Length];
    std::int32_t weight = 0;
    std::int32_t shift = 0;
    char information[Text_Buffer_Size] = {};
    std::copy(std::begin(Default_Information), std::end(Default_Information), information);
    char error[Text_Buffer_Size] = {};

    console.Write(Message::Banner);

    Read_Bit_String(console, information, Info_Length, Message::Information_Indent,
                    Message::Information_Prompt_Filled.data());

    std::int32_t information_values[Info_Length];
    for (int p = 0; p < Info_Length; ++p) {
        information_values[p] = Digit_Value(information[p]);
    }
    Encode(information_values, code);
    std::copy(code, code + Code_Length, transmitted);
    console.Write(Message::Code_Vector);
    console.Write_Values(code, Code_Length);
    console.Write(Message::Line_End);

    Read_Bit_String(console, error, Code_Length, Message::Error_Indent, Message::Error_Prompt);

    // Received word r(x) = c(x) + e(x).
    for (int p = 0; p < Code_Length; ++p) {
        code[p] = Add_Bits(Digit_Value(error[p]), code[p]);
    }
    Calculate_Syndrom(code, syndrome);
    weight = Syndrom_Weight(syndrome);
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
