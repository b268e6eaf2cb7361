// Every text the program writes, in the order the conversation uses them.
// "%d" marks the one place where a number is filled in.
#ifndef BCH_DIALOGUE_MESSAGES_H
#define BCH_DIALOGUE_MESSAGES_H

#include <array>
#include <cstddef>
#include <string_view>

#include "../arithmetic/bch_arithmetic.h"

namespace Message {

// Digits of value (0 or more) in decimal.
constexpr std::size_t Decimal_Digits(int value) {
    std::size_t digits = 1;
    for (; value >= 10; value /= 10) {
        ++digits;
    }
    return digits;
}

// format with its one "%d" replaced by the decimal digits of value (0 or more), made at compile
// time; Size is the length of the result and its terminating zero:
// sizeof format - 2 + Decimal_Digits(value).
template <std::size_t Size>
constexpr std::array<char, Size> Filled(std::string_view format, int value) {
    std::array<char, Size> text{};
    const std::size_t slot = format.find("%d");
    const std::size_t digits = Decimal_Digits(value);
    for (std::size_t i = 0; i < slot; ++i) {
        text[i] = format[i];
    }
    for (std::size_t d = digits; d > 0; --d, value /= 10) {
        text[slot + d - 1] = static_cast<char>('0' + value % 10);
    }
    for (std::size_t i = slot + 2; i < format.size(); ++i) {
        text[i - 2 + digits] = format[i];
    }
    return text;
}

// Columns that a prompt takes on the line where the user then types: its text after its last
// line end.
constexpr int Prompt_Width(std::string_view prompt) {
    return static_cast<int>(prompt.size() - (prompt.rfind('\n') + 1));
}

inline constexpr char Banner[] = "------------------ Kod BCH ------------------\n";

// Prompts of the two bit strings. Each starts a new line below its ruler and ends where the
// user types; the ruler is indented by the width of the prompt line, so that its marks stand
// over the typed word. The information prompt's "%d" is filled with the word's length.
inline constexpr char Information_Prompt[] = "\nPodaj ciag do wyslania (%d znakow '0' lub '1'): ";
inline constexpr auto Information_Prompt_Filled =
    Filled<sizeof Information_Prompt - 2 + Decimal_Digits(Info_Length)>(Information_Prompt,
                                                                        Info_Length);
inline constexpr int Information_Indent = Prompt_Width(Information_Prompt_Filled.data());
inline constexpr char Ruler_Mark[] = "_";
inline constexpr char Error_Prompt[] = "\nPodaj blad wprowadzony do wektora kodowego: ";
inline constexpr int Error_Indent = Prompt_Width(Error_Prompt);

inline constexpr char Code_Vector[] = "Zakodowany ciag (wektor kodowy): ";
inline constexpr char Received[] = "Odebrany ciag: ";
inline constexpr char Received_Syndrom[] = "Syndrom odebranego ciagu: ";
inline constexpr char Weight[] = "Waga syndromu: %d\n";
inline constexpr char No_Correction[] =
    "W ciagu informacyjnym nie ma bledu - nie ma potrzeby korekcji\n";
inline constexpr char Correction_Start[] = "W odebranym ciagu sa bledy - rozpoczynam korekcje\n";

// Error trapping, after every rotation.
inline constexpr char Shifted[] = "Przesuniety ciag: ";
inline constexpr char Shifted_Syndrom[] = "Syndrom ciagu odebranego: ";
inline constexpr char Pause[] = "<Enter>\n";

// End of the correction: either it fails, or the corrected word stands above the sent one,
// both digit rows starting in the same column.
inline constexpr char Uncorrectable[] = "\nCiagu nie da sie skorygowac!\n";
inline constexpr char Corrected[] = "Koniec procesu korekcji.\nSkorygowany ciag: ";
inline constexpr char Transmitted[] = "\nNadany ciag:      ";

inline constexpr char Closing[] = "\nKoniec programu!\n<Enter>\n";

inline constexpr char Line_End[] = "\n";

} // namespace Message

#endif
