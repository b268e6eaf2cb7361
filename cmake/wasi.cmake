# Cross-compiling for WebAssembly with the WASI system interface (wasm32-wasi), for the web
# page: Debian's clang with wasi-libc, libc++-14-dev-wasm32, libc++abi-14-dev-wasm32 and
# libclang-rt-14-dev-wasm32. The program becomes bch.wasm; the build also lays out the static
# site (build folder's site/). Its tests are the page's own (label web).
# CMake 3.25 knows no WASI platform; Generic with the compiler's target serves.
set(CMAKE_SYSTEM_NAME Generic)
set(CMAKE_SYSTEM_PROCESSOR wasm32)
set(triple wasm32-wasi)
find_program(CMAKE_C_COMPILER NAMES clang-14 clang REQUIRED)
find_program(CMAKE_CXX_COMPILER NAMES clang++-14 clang++ REQUIRED)
set(CMAKE_C_COMPILER_TARGET ${triple})
set(CMAKE_CXX_COMPILER_TARGET ${triple})
set(BCH_WEB ON)
# No exceptions and no threads in this program; the debug names are dropped from bch.wasm.
set(CMAKE_CXX_FLAGS_INIT "-fno-exceptions")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-Wl,--strip-all")
set(CMAKE_TRY_COMPILE_TARGET_TYPE STATIC_LIBRARY)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
