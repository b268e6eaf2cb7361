// The process's standard input and output. Input is read in blocks; whether more of it has
// arrived is asked of the system without waiting: poll on POSIX systems and under WASI; on
// Windows it depends on what standard input is (a console, a pipe or a file).
#include "console.h"

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <cerrno>
#include <poll.h>
#include <unistd.h>
#ifndef __wasi__ // WASI has no signals
#include <csignal>
#endif
#endif

#include <algorithm>
#include <climits>

System_Console::System_Console() {
#if defined(SIGPIPE) && !defined(__wasi__)
    // A reader that goes away must not cut the run short: the dialogue still ends with 0.
    static_cast<void>(std::signal(SIGPIPE, SIG_IGN));
#endif
}

#ifdef _WIN32

std::size_t System_Console::Fill(char *data, std::size_t capacity) {
    const int size =
        _read(0, data, static_cast<unsigned>(std::min<std::size_t>(capacity, INT_MAX)));
    filled_ = size > 0 && static_cast<std::size_t>(size) == capacity;
    return size > 0 ? static_cast<std::size_t>(size) : 0;
}

bool System_Console::Ready() {
    const HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
    switch (GetFileType(input)) {
    case FILE_TYPE_CHAR:
        // A console hands over a typed line whole, or in parts where it outgrows the buffer:
        // more of it has been typed exactly when the last read filled the buffer. (After a
        // Ctrl-Z inside a line the runtime drops what the console handed over after it, and
        // the next read waits for a new line.)
        return filled_;
    case FILE_TYPE_PIPE: {
        DWORD available = 0;
        // Where the pipe cannot say (Wine answers ERROR_NOT_SUPPORTED for a host pipe, and a
        // closed pipe fails too), reading on is what is left; it may wait.
        return PeekNamedPipe(input, nullptr, 0, nullptr, &available, nullptr) == 0 ||
               available != 0;
    }
    default: // a file: what it holds has arrived
        return true;
    }
}

void System_Console::Emit(const char *data, std::size_t size) {
    while (size != 0) {
        const int written =
            _write(1, data, static_cast<unsigned>(std::min<std::size_t>(size, INT_MAX)));
        if (written <= 0) {
            return; // nobody reads the output any more; the dialogue goes on to its end
        }
        data += written;
        size -= static_cast<std::size_t>(written);
    }
}

#else

std::size_t System_Console::Fill(char *data, std::size_t capacity) {
    for (;;) {
        const ssize_t size = read(STDIN_FILENO, data, capacity);
        if (size >= 0) {
            return static_cast<std::size_t>(size);
        }
        if (errno != EINTR) {
            return 0; // an input that fails has ended
        }
    }
}

bool System_Console::Ready() {
    // POLLIN, POLLHUP, POLLERR and POLLNVAL all mean that a read returns at once.
    pollfd input{STDIN_FILENO, POLLIN, 0};
    return poll(&input, 1, 0) > 0;
}

void System_Console::Emit(const char *data, std::size_t size) {
    while (size != 0) {
        const ssize_t written = write(STDOUT_FILENO, data, size);
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return; // nobody reads the output any more; the dialogue goes on to its end
        }
        data += written;
        size -= static_cast<std::size_t>(written);
    }
}

#endif
