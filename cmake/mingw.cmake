# Cross build of the Win32 program with Debian's MinGW-w64, win32 thread model
# (the posix one pulls in calls Windows 98 lacks). Included by the toolchain
# file of each processor, which sets VELMORA_MINGW.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${VELMORA_MINGW})
set(CMAKE_C_COMPILER ${VELMORA_MINGW}-w64-mingw32-gcc-win32)
set(CMAKE_CXX_COMPILER ${VELMORA_MINGW}-w64-mingw32-g++-win32)
set(CMAKE_RC_COMPILER ${VELMORA_MINGW}-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${VELMORA_MINGW}-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
