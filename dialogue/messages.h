// Every text the program writes, in the order the conversation uses them.
// "%d" marks the one place where a number is filled in.
#ifndef BCH_DIALOGUE_MESSAGES_H
#define BCH_DIALOGUE_MESSAGES_H

namespace Message {

inline constexpr char Banner[] = "------------------ Kod BCH ------------------\n";

// Prompts of the two bit strings. Each starts a new line below its ruler and ends where the
// user types; the ruler is indented by the length of the prompt line.
inline constexpr char Information_Prompt[] = "\nPodaj ciag do wyslania (%d znakow '0' lub '1'): ";
inline constexpr int Information_Indent = 48;
inline constexpr char Ruler_Mark[] = "_";
inline constexpr char Error_Prompt[] = "\nPodaj blad wprowadzony do wektora kodowego: ";
inline constexpr int Error_Indent = 44;

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
