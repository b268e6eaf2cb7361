#include "dialogue.h"
#include "messages.h"

void Report_Syndrom(Console &console, const char *word_label, const std::int32_t code[Code_Length],
                    const char *syndrome_label, const std::int32_t syndrome[Parity_Length],
                    std::int32_t weight) {
    console.Write(word_label);
    console.Write_Values(code, Code_Length);
    console.Write(Message::Line_End);
    console.Write(syndrome_label);
    console.Write_Values(syndrome, Parity_Length);
    console.Write(Message::Line_End);
    console.Write_Formatted(Message::Weight, weight);
}
