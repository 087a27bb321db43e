# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 (package mingw-w64), the
# POSIX-threads variant: std::thread and std::mutex need it. Programs are linked statically,
# so they run on Windows, or under Wine, without the compiler's DLLs beside them.
#   cmake -S . -B build-windows -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(ORVANE_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${ORVANE_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ORVANE_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${ORVANE_MINGW_TRIPLE}-windres)

# Libraries and headers come from the MinGW-w64 tree only, programs from the build machine.
set(CMAKE_FIND_ROOT_PATH /usr/${ORVANE_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT -static)

# ctest runs the Windows programs under Wine when it is installed.
find_program(ORVANE_WINE wine)
if(ORVANE_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${ORVANE_WINE})
endif()
