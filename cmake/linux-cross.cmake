# Cross-compiling for Linux on another processor with Debian's cross compilers, one file for
# every target: BCH_TARGET names the compiler's triplet, as Debian's packages g++-TRIPLET do
# (-DBCH_TARGET=aarch64-linux-gnu, arm-linux-gnueabihf, riscv64-linux-gnu, s390x-linux-gnu).
# The target's headers and libraries are those that the cross compiler's own C library put in
# /usr/TRIPLET (Debian: libc6-dev-arm64-cross and the like); of the build machine only its
# programs are used. Every test that runs the program runs it under qemu-user's emulator of the
# triplet's processor (Debian: qemu-user), which finds the target's dynamic loader and C
# library in that same tree: qemu-arm -L /usr/arm-linux-gnueabihf.
if(NOT BCH_TARGET)
  message(FATAL_ERROR "cmake/linux-cross.cmake needs the target's triplet: "
                      "-DBCH_TARGET=arm-linux-gnueabihf, for example (or a preset: arm64, "
                      "armhf, riscv64, s390x)")
endif()
# CMake reads this file again for every check it compiles; those see the triplet too.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES BCH_TARGET)

set(CMAKE_SYSTEM_NAME Linux)
# The processor is the triplet's first part, as qemu names its emulators (aarch64, arm,
# riscv64, s390x). CMAKE_SYSTEM_PROCESSOR, which names the tarball, is what a native build
# would find there (uname -m): the same, but for armhf, whose programs need ARMv7 or later.
string(REGEX MATCH "^[^-]+" bch_target_cpu "${BCH_TARGET}")
set(CMAKE_SYSTEM_PROCESSOR ${bch_target_cpu})
if(BCH_TARGET STREQUAL "arm-linux-gnueabihf")
  set(CMAKE_SYSTEM_PROCESSOR armv7l)
endif()

find_program(CMAKE_C_COMPILER NAMES ${BCH_TARGET}-gcc REQUIRED)
find_program(CMAKE_CXX_COMPILER NAMES ${BCH_TARGET}-g++ REQUIRED)
set(CMAKE_FIND_ROOT_PATH /usr/${BCH_TARGET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Where qemu-user is missing, the plain name stays, and the tests fail saying it is not found.
find_program(bch_qemu NAMES qemu-${bch_target_cpu} qemu-${bch_target_cpu}-static NO_CACHE)
if(NOT bch_qemu)
  set(bch_qemu qemu-${bch_target_cpu})
endif()
set(CMAKE_CROSSCOMPILING_EMULATOR ${bch_qemu} -L /usr/${BCH_TARGET})
