# Cross-build for 64-bit Windows with Debian's mingw-w64 (g++-mingw-w64-x86-64-posix).
# The programs link statically, so they need no DLLs besides the system's own; with Wine
# installed, CTest and the build's own tools run them through it.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(TARNIVEL_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${TARNIVEL_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TARNIVEL_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${TARNIVEL_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${TARNIVEL_MINGW_PREFIX})
# An installed Qt for Windows (e.g. the unpacked qt6-mingw archive): searched like the system's
# own files, with its host tools (moc, rcc, uic) taken from the build machine's Qt of the same
# version.
set(TARNIVEL_MINGW_QT "" CACHE PATH "Qt for Windows to build the program and its widget tests with")
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES TARNIVEL_MINGW_QT)
if(TARNIVEL_MINGW_QT)
    list(APPEND CMAKE_FIND_ROOT_PATH "${TARNIVEL_MINGW_QT}")
    set(QT_HOST_PATH /usr)
    set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake)
endif()
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

find_program(TARNIVEL_WINE wine)
if(TARNIVEL_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${TARNIVEL_WINE})
endif()
