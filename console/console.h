// The four console operations the dialogue needs: write text, read one word, discard the rest
// of the typed line, read one character. They are written once here, over one input buffer
// and one output buffer; a derived class says how input arrives (Fill), whether more of it
// has arrived without waiting (Ready) and where output goes (Emit): the process's standard
// input and output for the program; memory for the tests, the fuzzer and the benchmarks
// (tests/memory_console.h, which the program does not link).
#ifndef BCH_CONSOLE_CONSOLE_H
#define BCH_CONSOLE_CONSOLE_H

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

// Writes format with its one "%d" replaced by value into out, as snprintf would, and returns
// the length of the text (at most capacity - 1; the text is cut to fit).
std::size_t Format_Value(char *out, std::size_t capacity, std::string_view format,
                         std::int32_t value);

// NOLINTNEXTLINE(cppcoreguidelines-pro-type-member-init): input_ is left uninitialised
class Console {
public:
    Console(const Console &) = delete;
    Console &operator=(const Console &) = delete;
    Console(Console &&) = delete;
    Console &operator=(Console &&) = delete;
    virtual ~Console() = default;

    // Output is collected and handed on in one piece before the next wait for input (or by
    // Flush), so every prompt is visible while the program waits.
    void Write(std::string_view text);
    void Write_Repeated(std::string_view text, int count);
    // count values as "%d" prints them, with nothing between them.
    void Write_Values(const std::int32_t *values, int count);
    // format holds one "%d", which receives value.
    void Write_Formatted(std::string_view format, std::int32_t value);
    void Flush();

    // Skips white space, then stores the word's bytes and a terminating zero byte in buffer,
    // keeping at most capacity - 1 of them; the rest of a longer word is read and dropped.
    // The white space byte that ends the word stays unread. Returns false, leaving buffer
    // untouched, when the input ends before a word starts.
    bool Read_Word(char *buffer, std::size_t capacity);
    // Drops what has already arrived of the current line, its line end included. It never
    // waits: it stops at the line end, at end of input, or where nothing more has arrived.
    void Discard_Line();
    // Takes one byte (the pause that waits for Enter); returns at once at end of input.
    void Read_Char();

protected:
    Console() = default; // NOLINT(cppcoreguidelines-pro-type-member-init): see input_
    bool Has_Pending_Output() const { return pending_size_ != 0; }
    // Input bytes taken from the source but not yet consumed by an operation.
    std::size_t Unread() const { return end_ - next_; }

private:
    // Waits for input and puts up to capacity bytes of it into data; 0 means end of input.
    virtual std::size_t Fill(char *data, std::size_t capacity) = 0;
    // Would Fill return without waiting (input has arrived, or its end has)?
    virtual bool Ready() = 0;
    virtual void Emit(const char *data, std::size_t size) = 0;

    // Refills the empty input buffer; false at end of input, which stays ended once seen.
    bool Refill();

    std::array<char, 4096> pending_{};
    std::size_t pending_size_ = 0;
    // Only input_[next_, end_) is ever read, so the buffer is left uninitialised: clearing
    // it would cost a short run more than all its arithmetic.
    std::array<char, 131072> input_;
    std::size_t next_ = 0;
    std::size_t end_ = 0;
    bool ended_ = false;
};

// The process's standard input and standard output (file descriptors 0 and 1). Input is read
// in blocks with read (_read on Windows, whose text mode turns CR LF into one line end and
// ends piped input at Ctrl-Z); output is written with write (_write on Windows).
class System_Console final : public Console {
public:
    System_Console();
    ~System_Console() override { Flush(); }

private:
    std::size_t Fill(char *data, std::size_t capacity) override;
    bool Ready() override;
    void Emit(const char *data, std::size_t size) override;

#ifdef _WIN32
    // The last read filled the whole buffer: a console line too long for it goes on.
    bool filled_ = false;
#endif
};

#endif
