// The four console operations the dialogue needs: write text, read one word, discard the rest
// of the typed line, read one character. The operations are written once here, over a byte
// source and a byte sink that a derived class provides: the process's standard streams for
// the program, memory buffers for tests and fuzzing.
#ifndef BCH_DIALOGUE_CONSOLE_H
#define BCH_DIALOGUE_CONSOLE_H

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

class Console {
public:
    static constexpr int End_Of_Input = -1;

    Console(const Console &) = delete;
    Console &operator=(const Console &) = delete;
    Console(Console &&) = delete;
    Console &operator=(Console &&) = delete;
    virtual ~Console() = default;

    // Output is collected and handed to the sink in one piece before the next wait for input
    // (or by Flush), so every prompt is visible while the program waits.
    void Write(std::string_view text);
    void Write_Repeated(std::string_view text, int count);
    // One value as "%d" would print it.
    void Write_Value(std::int32_t value);
    // count values as "%d" each, with nothing between them.
    void Write_Values(const std::int32_t *values, int count);
    // format holds one "%d", which receives value.
    void Write_Formatted(const char *format, std::int32_t value);
    void Flush();

    // Skips white space, then stores the word's bytes and a terminating zero byte in buffer,
    // keeping at most capacity - 1 of them; the rest of a longer word is read and dropped.
    // The white space byte that ends the word stays unread. Returns false, leaving buffer
    // untouched, when the input ends before a word starts.
    bool Read_Word(char *buffer, std::size_t capacity);
    // Drops the rest of the current line, its line end included; at end of input, nothing.
    void Discard_Line();
    // Takes one byte (the pause that waits for Enter); returns at once at end of input.
    void Read_Char();

protected:
    Console() = default;
    bool Has_Pending_Output() const { return pending_size_ != 0; }

private:
    // Next input byte as 0..255, or End_Of_Input.
    virtual int Get_Byte() = 0;
    virtual void Emit(const char *data, std::size_t size) = 0;

    int Next();

    std::array<char, 4096> pending_{};
    std::size_t pending_size_ = 0;
    int lookahead_ = No_Lookahead;
    static constexpr int No_Lookahead = -2;
};

// Standard input and standard output of the process, through C stdio.
class Stdio_Console final : public Console {
public:
    Stdio_Console();
    ~Stdio_Console() override;
    Stdio_Console(const Stdio_Console &) = delete;
    Stdio_Console &operator=(const Stdio_Console &) = delete;
    Stdio_Console(Stdio_Console &&) = delete;
    Stdio_Console &operator=(Stdio_Console &&) = delete;

private:
    int Get_Byte() override;
    void Emit(const char *data, std::size_t size) override;
};

// Input from a byte string that the caller keeps alive, output gathered into a string. Besides the
// output it records what a terminal user would notice: how often the output was written and
// whether the program ever waited for input with output still unwritten.
class Memory_Console final : public Console {
public:
    explicit Memory_Console(std::string_view input) : input_(input) {}
    ~Memory_Console() override = default;
    Memory_Console(const Memory_Console &) = delete;
    Memory_Console &operator=(const Memory_Console &) = delete;
    Memory_Console(Memory_Console &&) = delete;
    Memory_Console &operator=(Memory_Console &&) = delete;

    const std::string &Output() const { return output_; }
    std::size_t Bytes_Consumed() const { return position_; }
    int Writes() const { return writes_; }
    bool Read_With_Output_Pending() const { return read_with_output_pending_; }

private:
    int Get_Byte() override;
    void Emit(const char *data, std::size_t size) override;

    std::string_view input_;
    std::size_t position_ = 0;
    std::string output_;
    int writes_ = 0;
    bool read_with_output_pending_ = false;
};

#endif
