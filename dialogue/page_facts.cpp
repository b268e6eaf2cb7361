// Writes web/program/program.js, the program's facts as the web page needs them, from the
// program's own headers: the lengths of the code, the window where trapped errors stand, the
// generator's coefficients, the weight at which trapping stops, the most rotations, the longest
// word kept, the default information word, and every text with the ruler indents.
//   bch_page_facts               prints the module
//   bch_page_facts FILE          writes it to FILE (the target page_facts: web/program/program.js)
//   bch_page_facts --check FILE  exit status 1 unless FILE holds it (the test page_facts)
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <string_view>

#include "bch_arithmetic.h"
#include "dialogue.h"
#include "messages.h"

namespace {

// text as a JavaScript string literal in single quotes. Other bytes stand as they are: the
// module is UTF-8, as a UTF-8 text is.
std::string Js_String(std::string_view text) {
    std::string literal = "'";
    for (const char character : text) {
        if (character == '\\' || character == '\'') {
            literal += '\\';
            literal += character;
        } else if (character == '\n') {
            literal += "\\n";
        } else if (static_cast<unsigned char>(character) < 0x20 || character == 0x7f) {
            char escape[8];
            static_cast<void>(std::snprintf(escape, sizeof escape, "\\x%02x",
                                            static_cast<unsigned char>(character)));
            literal += escape;
        } else {
            literal += character;
        }
    }
    return literal + "'";
}

std::string Module() {
    std::string js =
        "// Generated from dialogue/messages.h, dialogue/dialogue.h and "
        "arithmetic/bch_arithmetic.h\n"
        "// by dialogue/page_facts.cpp: do not edit. To regenerate after changing them:\n"
        "//   cmake --build build --target page_facts\n"
        "// (the test page_facts fails while this file is not what the generator writes).\n";
    const auto number = [&js](const char *name, int value) {
        js += "export const " + std::string(name) + " = " + std::to_string(value) + ";\n";
    };
    number("CODE_LENGTH", Code_Length);
    number("INFORMATION_LENGTH", Info_Length);
    number("PARITY_LENGTH", Parity_Length);
    // The window: the parity positions, where a syndrome of weight at most 2 stands bit for bit.
    number("WINDOW_FIRST", Info_Length);
    number("WINDOW_LAST", Code_Length - 1);
    js += "// g(x), highest degree first: GENERATOR[j] is the coefficient of x^(" +
          std::to_string(Parity_Length) + "-j).\n";
    js += "export const GENERATOR = [";
    for (int j = 0; j <= Parity_Length; ++j) {
        js += (j == 0 ? "" : ", ") + std::to_string(wg[j]);
    }
    js += "];\n";
    number("CORRECTABLE_WEIGHT", Correctable_Weight);
    number("MOST_ROTATIONS", Most_Rotations);
    js += "export const WORD_LIMIT = " + std::to_string(Text_Buffer_Size - 1) +
          "; // bytes of a typed word the program keeps (buffer " +
          std::to_string(Text_Buffer_Size) + " - 1)\n";
    js += "export const DEFAULT_INFORMATION = " + Js_String(Default_Information) + ";\n";

    js += "export const MESSAGES = {\n";
    const auto text = [&js](const char *key, std::string_view value) {
        js += "  " + std::string(key) + ": " + Js_String(value) + ",\n";
    };
    const auto indent = [&js](const char *key, int value) {
        js += "  " + std::string(key) + ": " + std::to_string(value) + ",\n";
    };
    text("banner", Message::Banner);
    text("informationPrompt", Message::Information_Prompt);
    indent("informationIndent", Message::Information_Indent);
    text("rulerMark", Message::Ruler_Mark);
    text("errorPrompt", Message::Error_Prompt);
    indent("errorIndent", Message::Error_Indent);
    text("codeVector", Message::Code_Vector);
    text("received", Message::Received);
    text("receivedSyndrome", Message::Received_Syndrom);
    text("weight", Message::Weight);
    text("noCorrection", Message::No_Correction);
    text("correctionStart", Message::Correction_Start);
    text("shifted", Message::Shifted);
    text("shiftedSyndrome", Message::Shifted_Syndrom);
    text("pause", Message::Pause);
    text("uncorrectable", Message::Uncorrectable);
    text("corrected", Message::Corrected);
    text("transmitted", Message::Transmitted);
    text("closing", Message::Closing);
    return js + "};\n";
}

// The file's bytes, each CR LF read as LF (a checkout that turned line ends into CR LF); false
// when it cannot be read, which the check must not take for an empty file.
bool Read_Text(const char *path, std::string &text) {
    std::ifstream stream(path, std::ios::binary);
    if (!stream) {
        return false;
    }
    const std::string bytes((std::istreambuf_iterator<char>(stream)),
                            std::istreambuf_iterator<char>());
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\r' || i + 1 == bytes.size() || bytes[i + 1] != '\n') {
            text += bytes[i];
        }
    }
    return !stream.bad();
}

} // namespace

int main(int argc, char **argv) {
    const std::string module = Module();
    const std::string_view first = argc > 1 ? argv[1] : "";
    if (argc == 1) {
        std::cout << module;
    } else if (argc == 2 && first != "--check") {
        std::ofstream file(argv[1], std::ios::binary);
        if (!(file << module)) {
            std::cerr << "cannot write " << argv[1] << "\n";
            return 1;
        }
    } else if (argc == 3 && first == "--check") {
        std::string found;
        if (!Read_Text(argv[2], found)) {
            std::cerr << "cannot read " << argv[2] << "\n";
            return 1;
        }
        if (found != module) {
            // The line where they part: from the last line end before the first difference.
            const auto offset = static_cast<std::size_t>(
                std::mismatch(found.begin(), found.end(), module.begin(), module.end()).first -
                found.begin());
            const std::size_t line = offset == 0 ? 0 : found.rfind('\n', offset - 1) + 1;
            std::cerr << argv[2] << " is not what the program's headers give now, from\n  "
                      << found.substr(line, found.find('\n', line) - line)
                      << "\nwhere they give\n  "
                      << module.substr(line, module.find('\n', line) - line)
                      << "\nRegenerate it: cmake --build build --target page_facts\n";
            return 1;
        }
    } else {
        std::cerr << "usage: bch_page_facts [FILE | --check FILE]\n";
        return 2;
    }
    return 0;
}
