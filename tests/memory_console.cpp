#include "memory_console.h"

#include <algorithm>
#include <cstring>

std::size_t Memory_Console::Fill(char *data, std::size_t capacity) {
    if (Has_Pending_Output()) {
        read_with_output_pending_ = true;
    }
    filled_after_end_ = filled_after_end_ || gave_end_;
    if (position_ == arrived_) {
        arrived_ = input_.size(); // waiting: the rest of the input arrives
    }
    // One line at a time, as a terminal hands over what is typed.
    const std::size_t line_end = input_.find('\n', position_);
    const std::size_t size =
        std::min({capacity, arrived_ - position_,
                  line_end == std::string_view::npos ? input_.size() - position_
                                                     : line_end + 1 - position_});
    std::memcpy(data, input_.data() + position_, size);
    position_ += size;
    gave_end_ = size == 0;
    return size;
}

void Memory_Console::Emit(const char *data, std::size_t size) {
    output_.append(data, size);
    ++writes_;
}
