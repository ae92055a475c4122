# Cross build for 64-bit Windows with MinGW-w64; test binaries run under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Link libgcc, libstdc++ and winpthread statically so that the binaries need no
# MinGW runtime DLL: a player's machine has none.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "-static")

# A private prefix inside the build folder keeps the tests away from the user's own
# Wine setup; the overrides stop Wine from offering to install Mono and Gecko. Wine turns
# arguments and file names between Unix and Windows in the locale's encoding: UTF-8, so that
# a test's non-ASCII paths mean the same on both sides whatever the machine's locale.
set(CMAKE_CROSSCOMPILING_EMULATOR
    env
    LC_ALL=C.UTF-8
    "WINEPREFIX=${CMAKE_BINARY_DIR}/wineprefix"
    WINEDEBUG=-all
    "WINEDLLOVERRIDES=mscoree,mshtml="
    ${CMAKE_CURRENT_LIST_DIR}/wine-run)
