# Cross-compiling for 64-bit ARM Linux (arm64, aarch64) with Debian's cross compiler
# (g++-aarch64-linux-gnu, or crossbuild-essential-arm64). Every test that runs the program runs
# it under qemu-user's emulator (Debian: qemu-user), which finds the arm64 dynamic loader and C
# library where the cross compiler's own libc6-arm64-cross put them: -L /usr/aarch64-linux-gnu.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(triplet aarch64-linux-gnu)
find_program(CMAKE_C_COMPILER NAMES ${triplet}-gcc REQUIRED)
find_program(CMAKE_CXX_COMPILER NAMES ${triplet}-g++ REQUIRED)
set(CMAKE_FIND_ROOT_PATH /usr/${triplet})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# Where qemu-user is missing, the plain name stays, and the tests fail saying it is not found.
find_program(BCH_QEMU_AARCH64 NAMES qemu-aarch64 qemu-aarch64-static NO_CACHE)
if(NOT BCH_QEMU_AARCH64)
  set(BCH_QEMU_AARCH64 qemu-aarch64)
endif()
set(CMAKE_CROSSCOMPILING_EMULATOR ${BCH_QEMU_AARCH64} -L /usr/${triplet})
