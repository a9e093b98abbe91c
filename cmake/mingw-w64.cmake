# Builds tq3gen for 64-bit Windows with Debian's mingw-w64 (posix threads) and runs what it
# builds under Wine: the demo game folder at build time, and the tests.
#   cmake -S . -B build-windows -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(TQ3_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${TQ3_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TQ3_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${TQ3_MINGW}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${TQ3_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
find_program(TQ3_WINE NAMES wine wine64 REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR ${TQ3_WINE})
