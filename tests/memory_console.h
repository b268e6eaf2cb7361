// The console over memory, for the tests, the fuzzer and the benchmarks: a test double that the
// program itself does not link (it is built into a library of its own, bch_memory_console).
#ifndef BCH_TESTS_MEMORY_CONSOLE_H
#define BCH_TESTS_MEMORY_CONSOLE_H

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>

#include "console.h"

// Input from a byte string that the caller keeps alive, output gathered into a string. Input
// is handed over a line at a time, as a terminal does, and only the first `arrived` bytes are
// there before the program waits for more (the rest arrives once it waits). Besides the output
// it records what a terminal user would notice: how often the output was written, whether the
// program ever waited for input with output still unwritten, and whether it asked for input
// again after the input had ended (at a terminal that read would wait for more typing).
class Memory_Console final : public Console {
public:
    explicit Memory_Console(std::string_view input, std::size_t arrived = std::string_view::npos)
        : input_(input), arrived_(std::min(arrived, input.size())) {}

    const std::string &Output() const { return output_; }
    std::size_t Bytes_Consumed() const { return position_ - Unread(); }
    int Writes() const { return writes_; }
    bool Read_With_Output_Pending() const { return read_with_output_pending_; }
    bool Filled_After_End() const { return filled_after_end_; }

private:
    std::size_t Fill(char *data, std::size_t capacity) override;
    bool Ready() override { return position_ < arrived_ || position_ == input_.size(); }
    void Emit(const char *data, std::size_t size) override;

    std::string_view input_;
    std::size_t arrived_;
    std::size_t position_ = 0;
    std::string output_;
    int writes_ = 0;
    bool read_with_output_pending_ = false;
    bool gave_end_ = false; // Fill has returned 0
    bool filled_after_end_ = false;
};

#endif
