#include <algorithm>

#include "dialogue.h"
#include "messages.h"

std::int32_t Digit_Value(char character) {
    const int byte = static_cast<unsigned char>(character);
    const int signed_byte = byte < 128 ? byte : byte - 256;
    return signed_byte - '0';
}

void Read_Bit_String(Console &console, char buffer[Text_Buffer_Size], int length, int indent,
                     const char *prompt) {
    console.Write_Repeated(" ", indent);
    console.Write_Repeated(Message::Ruler_Mark, length);
    console.Write(prompt);

    static_cast<void>(console.Read_Word(buffer, Text_Buffer_Size));
    // Whatever else stood on the line (a second word, say) is not the next answer.
    console.Discard_Line();

    // A zero character inside the word ends the text as well as the terminator does.
    const auto typed =
        static_cast<int>(std::find(buffer, buffer + Text_Buffer_Size, '\0') - buffer);
    for (int p = typed; p < length; ++p) {
        buffer[p] = '0';
    }
    buffer[length] = '\0';
}
