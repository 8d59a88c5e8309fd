# The same sources for 64-bit Wine, where a machine runs no 32-bit processes.
set(VELMORA_MINGW x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
