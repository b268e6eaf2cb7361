// The console layer's own contracts, where the dialogue's texts do not reach them: number
// formatting against snprintf, the order of output around the output buffer's size, and no
// read once the input has ended.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstdio>
#include <string>

#include "memory_console.h"

namespace {

TEST(FormatValue, WritesWhatSnprintfWritesAndNothingPastTheCapacity) {
    const char *const formats[] = {"Waga syndromu: %d\n", "%d", "ab%dcd", "no number here"};
    const std::int32_t values[] = {0, 6, -1, -176, 2147483647, -2147483647 - 1};
    for (const char *format : formats) {
        for (const std::int32_t value : values) {
            for (std::size_t capacity = 1; capacity <= 40; ++capacity) {
                SCOPED_TRACE(std::string(format) + " with " + std::to_string(value) +
                             ", capacity " + std::to_string(capacity));
                std::array<char, 48> expected{};
                const int length = std::snprintf(expected.data(), capacity, format, value);
                std::array<char, 48> out{};
                out.fill('#');
                const std::size_t size = Format_Value(out.data(), capacity, format, value);
                EXPECT_EQ(size,
                          std::min<std::size_t>(static_cast<std::size_t>(length), capacity - 1));
                EXPECT_EQ(std::string(out.data()), std::string(expected.data()));
                EXPECT_EQ(std::string(out.data() + capacity, out.size() - capacity),
                          std::string(out.size() - capacity, '#'))
                    << "written past the capacity";
            }
        }
    }
}

TEST(ConsoleWrite, KeepsTheOrderWhateverTheSizes) {
    // Around the 4096 bytes the output buffer holds: a text that fits, one that fills it, and
    // texts too long for it, in every order of three.
    const std::size_t sizes[] = {0, 1, 4095, 4096, 4097, 9000};
    for (const std::size_t a : sizes) {
        for (const std::size_t b : sizes) {
            for (const std::size_t c : sizes) {
                SCOPED_TRACE(std::to_string(a) + ", " + std::to_string(b) + ", " +
                             std::to_string(c));
                const std::string texts[] = {std::string(a, 'a'), std::string(b, 'b'),
                                             std::string(c, 'c')};
                Memory_Console console("");
                for (const std::string &text : texts) {
                    console.Write(text);
                }
                console.Flush();
                ASSERT_EQ(console.Output(), texts[0] + texts[1] + texts[2]);
            }
        }
    }
}

TEST(ConsoleRead, AsksForNoInputOnceItHasEnded) {
    // At a terminal a read after the end of input waits for more typing: after Ctrl-D on an
    // empty line the run would no longer end.
    Memory_Console console("1");
    std::array<char, 8> word{};
    EXPECT_TRUE(console.Read_Word(word.data(), word.size()));
    console.Discard_Line();
    EXPECT_FALSE(console.Read_Word(word.data(), word.size()));
    console.Discard_Line();
    console.Read_Char();
    console.Read_Char();
    EXPECT_EQ(std::string(word.data()), "1");
    EXPECT_EQ(console.Bytes_Consumed(), 1U);
    EXPECT_FALSE(console.Filled_After_End());
}

} // namespace
