# Cross-builds the core, plorik-cli and the core tests for 64-bit Windows with MinGW-w64 (Debian's
# g++-mingw-w64-x86-64-posix), statically linked so that the programs need no DLL beside them. The
# test programs run under Wine (wine64), which ctest starts through the emulator set here.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(PLORIK_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${PLORIK_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${PLORIK_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${PLORIK_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${PLORIK_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The C++ runtime, the threads library and everything else go into each .exe.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Debian puts wine64 in /usr/lib/wine; the wine package adds a /usr/bin/wine64 of its own.
find_program(PLORIK_WINE NAMES wine64 wine PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
if(PLORIK_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${PLORIK_WINE})
endif()

# The programs see the build machine's files through Wine's drive Z:, which is its root folder.
set(PLORIK_HOST_DRIVE "Z:")
