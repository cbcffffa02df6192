# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 (POSIX threads,
# which std::thread and Qt's own threads need).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(DFCF_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${DFCF_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${DFCF_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${DFCF_MINGW}-windres)

# The Windows libraries built by scripts/windows-deps live outside the tree.
if(NOT DEFINED DFCF_WINDOWS_CACHE)
  if(DEFINED ENV{DFCF_WINDOWS_CACHE})
    set(DFCF_WINDOWS_CACHE $ENV{DFCF_WINDOWS_CACHE})
  else()
    set(DFCF_WINDOWS_CACHE $ENV{HOME}/.cache/kor-dfcf/windows)
  endif()
endif()
set(CMAKE_FIND_ROOT_PATH /usr/${DFCF_MINGW} ${DFCF_WINDOWS_CACHE}/qt ${DFCF_WINDOWS_CACHE}/hamlib)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Qt's code generators (moc, rcc, uic) are Debian's own, of the same version.
set(QT_HOST_PATH /usr)
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake)

# Built programs, tests included, run under Wine.
find_program(DFCF_WINE NAMES wine64 wine)
if(DFCF_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${DFCF_WINE})
endif()
