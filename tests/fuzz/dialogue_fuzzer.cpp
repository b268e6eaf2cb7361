// Feeds arbitrary bytes to the whole dialogue as its standard input, over memory buffers, and
// checks what holds for every input:
//  - the dialogue reaches its closing text, after at most 22 rotations;
//  - every output line is one of the program's own lines;
//  - if the information word is made of '0' and '1' only, the code vector printed for it
//    starts with those bits and is divisible by g(x);
//  - if, besides, the error pattern is '0' and '1' with at most two ones, the outcome follows
//    from where the errors stand (see Expected_Outcome).
// The expectations are worked out here from the input bytes alone, with a bit-mask model of
// the code, not with the program's own arithmetic.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <numeric>
#include <string>
#include <string_view>
#include <vector>

#include "dialogue.h"
#include "memory_console.h"

namespace {

constexpr int Length = 31;
constexpr int Information = 21;
constexpr int Max_Rotations = 22;
// g(x) = x^10 + x^9 + x^8 + x^6 + x^5 + x^3 + 1, bit k holding the coefficient of x^k.
constexpr std::uint32_t Generator = 0x769;

[[noreturn]] void Fail(const char *what, std::string_view detail = {}) {
    static_cast<void>(std::fprintf(stderr, "dialogue fuzzer: %s: %.*s\n", what,
                                   static_cast<int>(detail.size()), detail.data()));
    std::abort();
}

void Check(bool condition, const char *what, std::string_view detail = {}) {
    if (!condition) {
        Fail(what, detail);
    }
}

bool Is_Space(unsigned char byte) {
    return byte == ' ' || byte == '\t' || byte == '\n' || byte == '\r' || byte == '\v' ||
           byte == '\f';
}

// The next word of the input as the program sees it: white space skipped, the word read to
// the next white space, the rest of its line dropped. Returns the characters the bit string
// is made of: the word up to a NUL, at most 255 bytes, padded with '0' to length. When the input
// ends before a word starts, the buffer keeps what it held: initial.
std::string Next_Bit_String(std::string_view input, std::size_t &position, int length,
                            std::string_view initial) {
    while (position < input.size() && Is_Space(static_cast<unsigned char>(input[position]))) {
        ++position;
    }
    const std::size_t start = position;
    while (position < input.size() && !Is_Space(static_cast<unsigned char>(input[position]))) {
        ++position;
    }
    std::string word(start == input.size()
                         ? initial
                         : input.substr(start, position - start).substr(0, Text_Buffer_Size - 1));
    word.resize(std::min(word.size(), word.find('\0')));
    while (position < input.size() && input[position++] != '\n') {
    }
    word.resize(static_cast<std::size_t>(length), '0');
    return word;
}

bool Only_Bits(const std::string &text) {
    return text.find_first_not_of("01") == std::string::npos;
}

// Can text be printed by count "%d" conversions of 32-bit values written one after another?
bool Splits_Into_Values(std::string_view text, int count) {
    // Bit n of reachable[i] is set when n values can print exactly text[0, i).
    std::vector<std::uint64_t> reachable(text.size() + 1);
    reachable[0] = 1;
    const auto is_digit = [&](std::size_t k) { return text[k] >= '0' && text[k] <= '9'; };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::size_t j = i + (text[i] == '-' ? 1 : 0);
        if (reachable[i] == 0 || j >= text.size() || !is_digit(j) || (j > i && text[j] == '0')) {
            continue;
        }
        // "0" stands alone; other values have no leading zero and at most ten digits.
        const std::size_t last = text[j] == '0' ? j + 1 : std::min(text.size(), j + 10);
        for (std::size_t end = j + 1; end <= last && is_digit(end - 1); ++end) {
            reachable[end] |= reachable[i] << 1U;
        }
    }
    return (reachable[text.size()] >> static_cast<unsigned>(count) & 1U) != 0;
}

struct Line_Kind {
    std::string_view prefix;
    int values; // how many values follow the prefix; 0: the line is exactly the prefix
};

const Line_Kind Lines[] = {
    {"------------------ Kod BCH ------------------", 0},
    {"", 0},
    {"W ciagu informacyjnym nie ma bledu - nie ma potrzeby korekcji", 0},
    {"W odebranym ciagu sa bledy - rozpoczynam korekcje", 0},
    {"<Enter>", 0},
    {"Ciagu nie da sie skorygowac!", 0},
    {"Koniec procesu korekcji.", 0},
    {"Koniec programu!", 0},
    {"Podaj ciag do wyslania (21 znakow '0' lub '1'): Zakodowany ciag (wektor kodowy): ", 31},
    {"Podaj blad wprowadzony do wektora kodowego: Odebrany ciag: ", 31},
    {"Przesuniety ciag: ", 31},
    {"Skorygowany ciag: ", 31},
    {"Nadany ciag:      ", 31},
    {"Syndrom odebranego ciagu: ", 10},
    {"Syndrom ciagu odebranego: ", 10},
    {"Waga syndromu: ", 1},
};

bool Is_Program_Line(std::string_view line) {
    if (line == std::string(48, ' ') + std::string(21, '_') ||
        line == std::string(44, ' ') + std::string(31, '_')) {
        return true;
    }
    return std::any_of(std::begin(Lines), std::end(Lines), [line](const Line_Kind &kind) {
        return kind.values == 0
                   ? line == kind.prefix
                   : line.substr(0, kind.prefix.size()) == kind.prefix &&
                         Splits_Into_Values(line.substr(kind.prefix.size()), kind.values);
    });
}

// The rest of the line that starts with prefix, or "" if no line does.
std::string Value_After(const std::vector<std::string_view> &lines, std::string_view prefix) {
    for (std::string_view line : lines) {
        if (line.substr(0, prefix.size()) == prefix) {
            return std::string(line.substr(prefix.size()));
        }
    }
    return {};
}

// Bits of a 0/1 string as a polynomial: character p is the coefficient of x^(30 - p).
std::uint32_t As_Polynomial(const std::string &bits) {
    return std::accumulate(bits.begin(), bits.end(), std::uint32_t{0},
                           [](std::uint32_t value, char bit) {
                               return value << 1U | static_cast<std::uint32_t>(bit == '1');
                           });
}

std::uint32_t Remainder(std::uint32_t value) {
    for (int degree = Length - 1; degree >= 10; --degree) {
        if ((value >> static_cast<unsigned>(degree) & 1U) != 0) {
            value ^= Generator << static_cast<unsigned>(degree - 10);
        }
    }
    return value;
}

// With at most two errors (positions p, counted from the left) every rotation moves each error
// one place right (p -> p + 1 mod 31), and the syndrome weight is at most 2 exactly when all
// errors stand in the parity positions 21..30 (two errors outside them and a syndrome of
// weight 2 or less would add up to a nonzero code word of weight 4 or less, below the
// distance 5). So: no rotation if they stand there at once (or there is none), else the first
// of 22 rotations that brings them there, else the word is uncorrectable.
struct Outcome {
    bool corrects = false;
    int rotations = 0;
};
Outcome Expected_Outcome(const std::string &error) {
    std::vector<int> positions;
    for (int p = 0; p < Length; ++p) {
        if (error[static_cast<std::size_t>(p)] == '1') {
            positions.push_back(p);
        }
    }
    const auto all_in_parity = [&](int rotations) {
        return std::all_of(positions.begin(), positions.end(),
                           [rotations](int p) { return (p + rotations) % Length >= Information; });
    };
    if (all_in_parity(0)) {
        return {false, 0};
    }
    for (int rotations = 1; rotations <= Max_Rotations; ++rotations) {
        if (all_in_parity(rotations)) {
            return {true, rotations};
        }
    }
    return {false, Max_Rotations};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    // NOLINTNEXTLINE(cppcoreguidelines-pro-type-reinterpret-cast): bytes seen as characters
    const std::string_view input(reinterpret_cast<const char *>(data), size);
    Memory_Console console(input);
    Run_Dialogue(console);
    const std::string &output = console.Output();

    const std::string_view closing = "\nKoniec programu!\n<Enter>\n";
    Check(output.size() >= closing.size() &&
              output.compare(output.size() - closing.size(), closing.size(), closing) == 0,
          "output does not end with the closing text");
    std::vector<std::string_view> lines;
    for (std::size_t start = 0; start < output.size();) {
        const std::size_t end = output.find('\n', start);
        lines.push_back(std::string_view(output).substr(start, end - start));
        start = end + 1;
    }
    int rotations = 0;
    for (std::string_view line : lines) {
        Check(Is_Program_Line(line), "a line the program does not write", line);
        rotations += static_cast<int>(line.substr(0, 18) == "Przesuniety ciag: ");
    }
    Check(rotations <= Max_Rotations, "more than 22 rotations");

    std::size_t position = 0;
    const std::string information =
        Next_Bit_String(input, position, Information, "101010101011001100111");
    const std::string error = Next_Bit_String(input, position, Length, "");
    if (!Only_Bits(information)) {
        return 0;
    }
    const std::string transmitted = Value_After(
        lines, "Podaj ciag do wyslania (21 znakow '0' lub '1'): Zakodowany ciag (wektor kodowy): ");
    Check(transmitted.size() == Length && Only_Bits(transmitted) &&
              transmitted.compare(0, Information, information) == 0,
          "code vector is not the information word and 10 bits", transmitted);
    Check(Remainder(As_Polynomial(transmitted)) == 0, "code vector not divisible by g(x)",
          transmitted);

    if (!Only_Bits(error) || std::count(error.begin(), error.end(), '1') > 2) {
        return 0;
    }
    const Outcome expected = Expected_Outcome(error);
    Check(rotations == expected.rotations, "number of rotations", error);
    const bool corrected = output.find("Koniec procesu korekcji.") != std::string::npos;
    Check(corrected == expected.corrects, "correction reported or not", error);
    if (expected.corrects) {
        Check(Value_After(lines, "Skorygowany ciag: ") == transmitted &&
                  Value_After(lines, "Nadany ciag:      ") == transmitted,
              "corrected word differs from the transmitted one", error);
    } else if (expected.rotations == 0) {
        Check(output.find("nie ma potrzeby korekcji") != std::string::npos,
              "expected no correction", error);
    } else {
        Check(output.find("Ciagu nie da sie skorygowac!") != std::string::npos,
              "expected an uncorrectable word", error);
    }
    return 0;
}
