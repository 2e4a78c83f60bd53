# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 compilers. The "posix" variants
# are the ones whose C++ runtime has std::thread and std::mutex.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(KILNWARD_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${KILNWARD_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KILNWARD_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${KILNWARD_MINGW_TRIPLE}-windres)

# Headers, libraries and CMake packages come from the MinGW sysroot (and from a cross-built
# Qt named by CMAKE_PREFIX_PATH); programs run during the build are the host's.
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${KILNWARD_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Test executables built here run under Wine.
find_program(KILNWARD_WINE NAMES wine64 wine)
if(KILNWARD_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${KILNWARD_WINE})
endif()
