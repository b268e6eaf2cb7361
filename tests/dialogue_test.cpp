// The dialogue run in-process over memory buffers: the bit-string reader case by case, and
// the whole conversation for every single and double error pattern.
#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <string>
#include <vector>

#include "dialogue.h"
#include "memory_console.h"

namespace {

using namespace std::string_literals;

const std::string Information_Ruler = std::string(48, ' ') + std::string(21, '_') +
                                      "\nPodaj ciag do wyslania (21 znakow '0' lub '1'): ";
const std::string Error_Ruler =
    std::string(44, ' ') + std::string(31, '_') + "\nPodaj blad wprowadzony do wektora kodowego: ";

TEST(DigitValue, SignedByteMinusCodeOfZero) {
    const std::vector<std::pair<char, std::int32_t>> cases = {
        {'0', 0},    {'1', 1},     {'2', 2},       {'9', 9},       {'a', 49},     {'-', -3},
        {'\0', -48}, {'\x7f', 79}, {'\x80', -176}, {'\xc3', -109}, {'\xff', -49},
    };
    for (const auto &[character, value] : cases) {
        EXPECT_EQ(Digit_Value(character), value)
            << "byte " << int(static_cast<unsigned char>(character));
    }
}

TEST(ReadBitString, NormalisesTheTypedWord) {
    struct Case {
        const char *name;
        std::string input;
        int length;
        std::string expected; // buffer content up to its terminating zero
        std::size_t consumed; // input bytes taken: the word and the rest of its line
        // Input bytes there before the program waits; the rest arrives only once it waits.
        std::size_t arrived = std::string::npos;
    };
    const std::string default_word = "101010101011001100111";
    const std::string long_word(300, '1');
    const Case cases[] = {
        {"short word padded", "1\nnext", 21, "100000000000000000000", 2},
        {"error pattern padded", "0\n", 31, std::string(31, '0'), 2},
        {"exact length kept", "110011001100110011001\n", 21, "110011001100110011001", 22},
        {"long word cut", "1100110011001100110011111\n", 21, "110011001100110011001", 26},
        {"second word on the line dropped", "10 01\n0\n", 21, "100000000000000000000", 6},
        {"blank lines and blanks skipped", "\n\n \t 1\n", 21, "100000000000000000000", 7},
        {"CR LF line end dropped whole", "1\r\nnext", 21, "100000000000000000000", 3},
        {"other white space ends the word", "1\v0\f1\n", 21, "100000000000000000000", 6},
        {"other characters kept", "1a2\n", 21, "1a2000000000000000000", 4},
        {"zero byte ends the text",
         "1\0"
         "1\n"s,
         21, "100000000000000000000", 4},
        {"bytes over 127 kept", "\xff\x80\n", 21, "\xff\x80" + std::string(19, '0'), 3},
        {"word ended by end of input", "11", 21, "110000000000000000000", 2},
        {"end of input before a word", "", 21, default_word, 0},
        {"only white space", " \n\t\r\n", 21, default_word, 5},
        {"word over 255 characters", long_word + " x\ny", 21, std::string(21, '1'), 303},
        {"line end inside the rest", "1 2 3\r\n4", 21, "100000000000000000000", 7},
        {"form feed ends the word", "1\f1\n", 21, "100000000000000000000", 4},
        {"rest of the line not yet arrived", "1 zz\n0\n", 21, "100000000000000000000", 2, 2},
        {"part of the rest arrived", "1 2 3\n", 21, "100000000000000000000", 3, 3},
        {"word itself arrives in two parts", "10 0\n", 21, "100000000000000000000", 5, 1},
        // The word scan looks at eight bytes at a time from the word's start: a blank at the
        // first byte of a later part, or of a block, or at any other offset inside one (each
        // a different place in the 64-bit number, whichever the byte order), must end the
        // word there.
        {"blank first in a later part", "1 abcdefghij\n", 21, "100000000000000000000", 13, 1},
        {"blank at offset 1", "1 abcdefghij\n", 21, "100000000000000000000", 13},
        {"blank at offset 2", "12 abcdefghij\n", 21, "120000000000000000000", 14},
        {"blank at offset 3", "123 abcdefghij\n", 21, "123000000000000000000", 15},
        {"blank at offset 4", "1234 abcdefghij\n", 21, "123400000000000000000", 16},
        {"blank at offset 5", "12345 abcdefghij\n", 21, "123450000000000000000", 17},
        {"blank at offset 6", "123456 abcdefghij\n", 21, "123456000000000000000", 18},
        {"blank at offset 7", "1234567 abcdefghij\n", 21, "123456700000000000000", 19},
        {"blank at offset 8", "12345678 abcdefghij\n", 21, "123456780000000000000", 20},
        {"blank at offset 9", "123456789 abcdefghij\n", 21, "123456789000000000000", 21},
        {"blank at offset 16", "1234567890abcdef ghijklmnop\n", 21, "1234567890abcdef00000", 28},
        {"word of exactly 8 bytes", "10101010\n", 21, "101010100000000000000", 9},
        {"word of exactly 16 bytes", "1010101010101010 x\n", 21, "101010101010101000000", 19},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        Memory_Console console(c.input, c.arrived);
        char buffer[Text_Buffer_Size] = "101010101011001100111";
        const bool information = c.length == Info_Length;
        Read_Bit_String(console, buffer, c.length, information ? 48 : 44,
                        information ? "\nPodaj ciag do wyslania (21 znakow '0' lub '1'): "
                                    : "\nPodaj blad wprowadzony do wektora kodowego: ");
        EXPECT_EQ(std::string(buffer), c.expected);
        EXPECT_EQ(console.Bytes_Consumed(), c.consumed);
        EXPECT_EQ(console.Output(), information ? Information_Ruler : Error_Ruler);
        EXPECT_FALSE(console.Read_With_Output_Pending());
        EXPECT_FALSE(console.Filled_After_End());
    }
}

TEST(ReadBitString, LongWordStoresAtMost255Characters) {
    // A marker at character 256 must not reach the buffer; the zero after 255 characters must.
    const std::string input = std::string(255, '1') + "2222\n";
    Memory_Console console(input);
    std::array<char, Text_Buffer_Size + 8> guarded{};
    guarded.fill('#');
    char *buffer = guarded.data();
    ASSERT_TRUE(console.Read_Word(buffer, Text_Buffer_Size));
    EXPECT_EQ(std::strlen(buffer), 255U);
    const std::string beyond(guarded.data() + Text_Buffer_Size, guarded.size() - Text_Buffer_Size);
    EXPECT_EQ(beyond, std::string(beyond.size(), '#')) << "written past the buffer";
}

// One run of the whole dialogue and what a user would see of it.
struct Dialogue_Run {
    std::string output;
    std::size_t consumed = 0;
    int writes = 0;
    bool read_with_output_pending = false;

    int Count(const std::string &text) const {
        int n = 0;
        for (std::size_t at = output.find(text); at != std::string::npos;
             at = output.find(text, at + 1)) {
            ++n;
        }
        return n;
    }
    std::string Line_After(const std::string &label) const {
        const std::size_t at = output.find(label);
        if (at == std::string::npos) {
            return "(missing)";
        }
        const std::size_t start = at + label.size();
        return output.substr(start, output.find('\n', start) - start);
    }
};

Dialogue_Run Run_With(const std::string &input) {
    Memory_Console console(input);
    Run_Dialogue(console);
    return {console.Output(), console.Bytes_Consumed(), console.Writes(),
            console.Read_With_Output_Pending()};
}

std::string Error_Pattern(std::initializer_list<int> positions) {
    std::string pattern(Code_Length, '0');
    for (const int p : positions) {
        pattern[p] = '1';
    }
    return pattern;
}

// Error trapping catches errors at positions a and b when some rotation by k = 1..22 brings
// both into the parity positions 21..30; it then stops at the smallest such k. 0 = never.
int Trapping_Rotations(int a, int b) {
    for (int k = 1; k <= 22; ++k) {
        if ((a + k) % Code_Length >= Info_Length && (b + k) % Code_Length >= Info_Length) {
            return k;
        }
    }
    return 0;
}

TEST(Dialogue, EverySingleAndDoubleErrorPattern) {
    const std::string words[] = {std::string(21, '0'), std::string(21, '1'),
                                 "101010101011001100111", "110100011010010001011"};
    const std::string pauses(40, '\n');
    for (const std::string &word : words) {
        int no_correction = 0;
        int corrected = 0;
        int uncorrectable = 0;
        for (int a = 0; a < Code_Length; ++a) {
            for (int b = a; b < Code_Length; ++b) {
                const bool single = a == b;
                SCOPED_TRACE(word + " errors at " + std::to_string(a) + ", " + std::to_string(b));
                const std::string head = word + "\n" + Error_Pattern({a, b}) + "\n";
                const Dialogue_Run run = Run_With(head + pauses);
                const int rotations = run.Count("Przesuniety ciag: ");
                // Each rotation pauses once, and the closing pauses once more.
                ASSERT_EQ(run.consumed, head.size() + static_cast<std::size_t>(rotations) + 1);
                ASSERT_EQ(run.Count("<Enter>\n"), rotations + 1);
                ASSERT_FALSE(run.read_with_output_pending);
                ASSERT_EQ(run.writes, rotations + 3); // one per wait for input
                const std::string transmitted = run.Line_After("Zakodowany ciag (wektor kodowy): ");

                if (a >= Info_Length) {
                    ASSERT_EQ(run.Count("nie ma potrzeby korekcji"), 1);
                    ASSERT_EQ(rotations, 0);
                    no_correction += single ? 0 : 1;
                    continue;
                }
                const int expected = single ? Info_Length - a : Trapping_Rotations(a, b);
                ASSERT_EQ(run.Count("W odebranym ciagu sa bledy - rozpoczynam korekcje\n"), 1);
                if (expected == 0) {
                    ASSERT_EQ(rotations, 22);
                    ASSERT_EQ(
                        run.Count("\nCiagu nie da sie skorygowac!\n\nKoniec programu!\n<Enter>\n"),
                        1);
                    ASSERT_EQ(run.Count("Skorygowany"), 0);
                    uncorrectable += single ? 0 : 1;
                } else {
                    ASSERT_EQ(rotations, expected);
                    ASSERT_EQ(run.Line_After("Skorygowany ciag: "), transmitted);
                    ASSERT_EQ(run.Line_After("Nadany ciag:      "), transmitted);
                    corrected += single ? 0 : 1;
                }
            }
        }
        EXPECT_EQ(no_correction, 45);
        EXPECT_EQ(corrected, 198);
        EXPECT_EQ(uncorrectable, 222);
    }
}

TEST(Dialogue, PauseTakesOneCharacterAndEndOfInputEndsEveryPause) {
    const std::string head = "101010101011001100111\n" + Error_Pattern({0}) + "\n";
    const Dialogue_Run at_end = Run_With(head);
    const Dialogue_Run with_enter = Run_With(head + std::string(22, '\n'));
    // Twenty-one rotations, each pause taking "x" or its line end: 11 lines of "x\n" hold 22.
    std::string typed;
    for (int i = 0; i < 11; ++i) {
        typed += "x\n";
    }
    const Dialogue_Run with_characters = Run_With(head + typed + "left over");
    EXPECT_EQ(at_end.output, with_enter.output);
    EXPECT_EQ(at_end.output, with_characters.output);
    EXPECT_EQ(with_enter.consumed, head.size() + 22);
    EXPECT_EQ(with_characters.consumed, head.size() + 22);
    EXPECT_EQ(at_end.consumed, head.size());
}

TEST(Dialogue, ThreeErrorsCanBeTurnedIntoAnotherCodeWord) {
    // Errors at 0, 1 and 3 of the zero word lie at distance 2 from the weight-5 code word with
    // ones at 0, 1, 3, 7 and 15 (x^30 + x^29 + x^27 + x^23 + x^15): trapping finds the two
    // missing ones and "corrects" the word into that code word.
    const Dialogue_Run run =
        Run_With(std::string(21, '0') + "\n" + Error_Pattern({0, 1, 3}) + "\n");
    const std::string corrected = run.Line_After("Skorygowany ciag: ");
    EXPECT_EQ(corrected, "1101000100000001000000000000000");
    EXPECT_EQ(run.Line_After("Nadany ciag:      "), std::string(31, '0'));
    std::int32_t word[Code_Length];
    std::int32_t syndrome[Parity_Length];
    for (int p = 0; p < Code_Length; ++p) {
        word[p] = corrected.at(p) - '0';
    }
    Calculate_Syndrom(word, syndrome);
    EXPECT_EQ(Syndrom_Weight(syndrome), 0);
}

} // namespace
