// Preloaded into the program by tests/system_faults.sh: every write to standard output takes
// at most five bytes of its text, as a slow pipe or a terminal may take only a part, so the
// program has to go on writing the rest.
#include <dlfcn.h>
#include <unistd.h>

#include <algorithm>
#include <cstddef>

// NOLINTNEXTLINE(readability-inconsistent-declaration-parameter-name): libc's are reserved names
extern "C" ssize_t write(int fd, const void *data, std::size_t size) {
    using Write_Function = ssize_t (*)(int, const void *, std::size_t);
    // NOLINTNEXTLINE(cppcoreguidelines-pro-type-reinterpret-cast): dlsym's void * is the function
    static const auto real = reinterpret_cast<Write_Function>(dlsym(RTLD_NEXT, "write"));
    return real(fd, data, fd == STDOUT_FILENO ? std::min<std::size_t>(size, 5) : size);
}
