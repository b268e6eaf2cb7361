#include "console.h"

#include <charconv>
#include <csignal>
#include <cstdio>
#include <cstring>

namespace {

// Blank, tab, line feed, carriage return, vertical tab and form feed; every other byte,
// NUL and bytes of 128 and over included, belongs to a word.
bool Is_White_Space(int byte) {
    return byte == ' ' || byte == '\t' || byte == '\n' || byte == '\r' || byte == '\v' ||
           byte == '\f';
}

} // namespace

void Console::Write(std::string_view text) {
    if (text.size() > pending_.size() - pending_size_) {
        Flush();
        if (text.size() > pending_.size()) {
            Emit(text.data(), text.size());
            return;
        }
    }
    std::memcpy(pending_.data() + pending_size_, text.data(), text.size());
    pending_size_ += text.size();
}

void Console::Write_Repeated(std::string_view text, int count) {
    for (int i = 0; i < count; ++i) {
        Write(text);
    }
}

void Console::Write_Value(std::int32_t value) {
    std::array<char, 12> digits{}; // "-2147483648" is 11 characters
    const auto result = std::to_chars(digits.data(), digits.data() + digits.size(), value);
    Write(std::string_view(digits.data(), static_cast<std::size_t>(result.ptr - digits.data())));
}

void Console::Write_Values(const std::int32_t *values, int count) {
    for (int i = 0; i < count; ++i) {
        Write_Value(values[i]);
    }
}

void Console::Write_Formatted(const char *format, std::int32_t value) {
    const std::string_view text(format);
    const std::size_t slot = text.find("%d");
    if (slot == std::string_view::npos) {
        Write(text);
        return;
    }
    Write(text.substr(0, slot));
    Write_Value(value);
    Write(text.substr(slot + 2));
}

void Console::Flush() {
    if (pending_size_ != 0) {
        const std::size_t size = pending_size_;
        pending_size_ = 0;
        Emit(pending_.data(), size);
    }
}

int Console::Next() {
    if (lookahead_ != No_Lookahead) {
        const int byte = lookahead_;
        // End of input is final: once seen, every later read sees it too.
        if (byte != End_Of_Input) {
            lookahead_ = No_Lookahead;
        }
        return byte;
    }
    const int byte = Get_Byte();
    if (byte == End_Of_Input) {
        lookahead_ = End_Of_Input;
    }
    return byte;
}

bool Console::Read_Word(char *buffer, std::size_t capacity) {
    Flush(); // whatever was written must be on the screen before the wait
    int byte = Next();
    while (Is_White_Space(byte)) {
        byte = Next();
    }
    if (byte == End_Of_Input) {
        return false;
    }
    std::size_t stored = 0;
    while (byte != End_Of_Input && !Is_White_Space(byte)) {
        if (stored + 1 < capacity) {
            buffer[stored++] = static_cast<char>(byte);
        }
        byte = Next();
    }
    buffer[stored] = '\0';
    // The white space that ended the word belongs to what follows it.
    if (byte != End_Of_Input) {
        lookahead_ = byte;
    }
    return true;
}

void Console::Discard_Line() {
    Flush(); // whatever was written must be on the screen before the wait
    int byte = Next();
    while (byte != End_Of_Input && byte != '\n') {
        byte = Next();
    }
}

void Console::Read_Char() {
    Flush(); // whatever was written must be on the screen before the wait
    static_cast<void>(Next());
}

Stdio_Console::Stdio_Console() {
    // Fully buffered, so that one Emit reaches the terminal as one write, not one per line.
    static_cast<void>(std::setvbuf(stdout, nullptr, _IOFBF, 8192));
#ifdef SIGPIPE
    // A reader that goes away must not cut the run short: the dialogue still ends with 0.
    static_cast<void>(std::signal(SIGPIPE, SIG_IGN));
#endif
}

Stdio_Console::~Stdio_Console() {
    Flush();
}

int Stdio_Console::Get_Byte() {
    const int byte = std::getc(stdin);
    return byte == EOF ? End_Of_Input : byte;
}

void Stdio_Console::Emit(const char *data, std::size_t size) {
    static_cast<void>(std::fwrite(data, 1, size, stdout));
    static_cast<void>(std::fflush(stdout));
}

int Memory_Console::Get_Byte() {
    if (Has_Pending_Output()) {
        read_with_output_pending_ = true;
    }
    if (position_ == input_.size()) {
        return End_Of_Input;
    }
    return static_cast<unsigned char>(input_[position_++]);
}

void Memory_Console::Emit(const char *data, std::size_t size) {
    output_.append(data, size);
    ++writes_;
}
