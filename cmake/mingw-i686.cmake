# The program as it ships: 32-bit, for Windows 98 and later.
set(VELMORA_MINGW i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
