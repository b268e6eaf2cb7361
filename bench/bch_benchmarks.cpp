// Time of one syndrome computation, and of one whole dialogue run in memory: the session with
// the longest correction, 22 rotations that end with an uncorrectable word.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

#include "bch_arithmetic.h"
#include "dialogue.h"
#include "memory_console.h"

namespace {

void Calculate_Syndrom_Of_A_Word(benchmark::State &state) {
    // A code word with an error at position 0: the division does work at every position.
    std::int32_t code[Code_Length] = {1, 0, 1, 0, 1, 0, 1, 0, 1, 0, 1, 1, 0, 0, 1, 1,
                                      0, 0, 1, 1, 1, 0, 1, 1, 1, 0, 1, 1, 1, 0, 1};
    std::int32_t syndrome[Parity_Length];
    for (auto iteration : state) {
        static_cast<void>(iteration);
        benchmark::DoNotOptimize(code);
        Calculate_Syndrom(code, syndrome);
        benchmark::DoNotOptimize(syndrome);
    }
}
BENCHMARK(Calculate_Syndrom_Of_A_Word);

void Whole_Dialogue_With_22_Rotations(benchmark::State &state) {
    const std::string input =
        "101010101011001100111\n1000000000000000000000000000010\n" + std::string(23, '\n');
    for (auto iteration : state) {
        static_cast<void>(iteration);
        Memory_Console console(input);
        Run_Dialogue(console);
        benchmark::DoNotOptimize(console.Output().data());
    }
}
BENCHMARK(Whole_Dialogue_With_22_Rotations);

} // namespace
