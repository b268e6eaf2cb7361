# Cross-compiling for Windows with MinGW-w64; MINGW_TRIPLET is set by the file that includes
# this one. Built this way, the tests run under Wine: -DCMAKE_CROSSCOMPILING_EMULATOR=wine.
set(CMAKE_SYSTEM_NAME Windows)
# Debian installs the compilers under their triplet, with a -posix and a -win32 threading
# variant. The program uses no threads, but GoogleTest needs std::mutex, which GCC 12 offers
# only in the -posix variant; the plain name is whichever variant the system chose.
find_program(CMAKE_C_COMPILER NAMES ${MINGW_TRIPLET}-gcc-posix ${MINGW_TRIPLET}-gcc REQUIRED)
find_program(CMAKE_CXX_COMPILER NAMES ${MINGW_TRIPLET}-g++-posix ${MINGW_TRIPLET}-g++ REQUIRED)
set(CMAKE_FIND_ROOT_PATH /usr/${MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# The GCC runtime and the C++ library are linked in, so the program runs on a bare Windows
# system: it imports only the system's own DLLs (kernel32.dll and the C runtime msvcrt.dll).
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
