#include "console.h"

#include <algorithm>
#include <charconv>
#include <cstring>

namespace {

// Blank, tab, line feed, carriage return, vertical tab and form feed; every other byte,
// NUL and bytes of 128 and over included, belongs to a word.
bool Is_White_Space(char byte) {
    return byte == ' ' || byte == '\t' || byte == '\n' || byte == '\r' || byte == '\v' ||
           byte == '\f';
}

// Index of the first white-space byte of text[from, to), or to. Every white-space byte is
// below 0x21, so eight bytes at a time are passed over when none of them is: with b = 0x21 in
// every byte lane, (x - b) & ~x & 0x80.. is non-zero exactly when some byte of x is below b.
std::size_t Find_White_Space(const char *text, std::size_t from, std::size_t to) {
    constexpr std::uint64_t lanes = 0x0101010101010101U;
    constexpr std::uint64_t high_bits = 0x8080808080808080U;
    for (; to - from >= sizeof(std::uint64_t); from += sizeof(std::uint64_t)) {
        std::uint64_t block = 0;
        std::memcpy(&block, text + from, sizeof block);
        if (((block - lanes * 0x21) & ~block & high_bits) != 0) {
            for (std::size_t i = from; i < from + sizeof block; ++i) {
                if (Is_White_Space(text[i])) {
                    return i;
                }
            }
        }
    }
    for (; from < to; ++from) {
        if (Is_White_Space(text[from])) {
            return from;
        }
    }
    return to;
}

// value as "%d" prints it; "-2147483648" is the longest, 11 characters.
std::string_view To_Decimal(std::int32_t value, std::array<char, 11> &digits) {
    auto *const end = std::to_chars(digits.data(), digits.data() + digits.size(), value).ptr;
    return {digits.data(), static_cast<std::size_t>(end - digits.data())};
}

} // namespace

std::size_t Format_Value(char *out, std::size_t capacity, std::string_view format,
                         std::int32_t value) {
    std::array<char, 11> digits{};
    const std::size_t slot = format.find("%d");
    // Without a "%d" the last two parts are empty, at the end of format: an empty view with
    // no data at all must not reach memcpy.
    const std::string_view none = format.substr(format.size());
    const std::string_view parts[] = {
        format.substr(0, slot), slot == std::string_view::npos ? none : To_Decimal(value, digits),
        slot == std::string_view::npos ? none : format.substr(slot + 2)};
    std::size_t size = 0;
    for (const std::string_view part : parts) {
        const std::size_t take = std::min(part.size(), capacity - 1 - size);
        std::memcpy(out + size, part.data(), take);
        size += take;
    }
    out[size] = '\0';
    return size;
}

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

void Console::Write_Values(const std::int32_t *values, int count) {
    std::array<char, 11> digits{};
    for (int i = 0; i < count; ++i) {
        Write(To_Decimal(values[i], digits));
    }
}

void Console::Write_Formatted(std::string_view format, std::int32_t value) {
    std::array<char, 128> text{};
    Write(std::string_view(text.data(), Format_Value(text.data(), text.size(), format, value)));
}

void Console::Flush() {
    if (pending_size_ != 0) {
        const std::size_t size = pending_size_;
        pending_size_ = 0;
        Emit(pending_.data(), size);
    }
}

bool Console::Refill() {
    if (!ended_) {
        next_ = 0;
        end_ = Fill(input_.data(), input_.size());
        ended_ = end_ == 0;
    }
    return !ended_;
}

bool Console::Read_Word(char *buffer, std::size_t capacity) {
    Flush(); // whatever was written must be on the screen before the wait
    for (;;) {
        while (next_ != end_ && Is_White_Space(input_[next_])) {
            ++next_;
        }
        if (next_ != end_) {
            break;
        }
        if (!Refill()) {
            return false;
        }
    }
    std::size_t stored = 0;
    do {
        const std::size_t word_end = Find_White_Space(input_.data(), next_, end_);
        const std::size_t take = std::min(word_end - next_, capacity - 1 - stored);
        std::memcpy(buffer + stored, input_.data() + next_, take);
        stored += take;
        next_ = word_end;
    } while (next_ == end_ && Refill());
    buffer[stored] = '\0';
    return true;
}

void Console::Discard_Line() {
    Flush();
    for (;;) {
        const void *line_end = std::memchr(input_.data() + next_, '\n', end_ - next_);
        if (line_end != nullptr) {
            next_ =
                static_cast<std::size_t>(static_cast<const char *>(line_end) - input_.data()) + 1;
            return;
        }
        next_ = end_;
        if (ended_ || !Ready() || !Refill()) {
            return;
        }
    }
}

void Console::Read_Char() {
    Flush(); // whatever was written must be on the screen before the wait
    if (next_ != end_ || Refill()) {
        ++next_;
    }
}
