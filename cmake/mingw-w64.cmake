# Builds Windows programs on Debian with the MinGW-w64 cross compiler
# (package g++-mingw-w64-x86-64-posix); the posix flavour has std::thread.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(KORVANDA_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${KORVANDA_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KORVANDA_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${KORVANDA_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${KORVANDA_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# zlib from Debian's libz-mingw-w64-dev, found under the root path above; its
# static library, not the import library of a zlib1.dll that Windows lacks.
set(ZLIB_USE_STATIC_LIBS ON)

# Statically linked, so a program runs on a bare Windows (or Wine) without
# the compiler's DLLs beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# ctest runs the programs through Wine when it is there.
find_program(KORVANDA_WINE NAMES wine64 wine)
if(KORVANDA_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${KORVANDA_WINE})
endif()
