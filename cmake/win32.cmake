# The Win32 program and its end-to-end driver, cross-built with MinGW-w64.

# Structure sizes and declarations as Windows 98 accepts them.
add_compile_definitions(WINVER=0x0400 _WIN32_WINNT=0x0400 _WIN32_WINDOWS=0x0410 _WIN32_IE=0x0500
                        WIN32_LEAN_AND_MEAN NOMINMAX)
# Fully static: nothing but the DLLs that ship with Windows.
add_link_options(-static -static-libgcc -static-libstdc++)
# What ships carries no unused code and no symbols.
add_link_options(-Wl,--gc-sections $<$<NOT:$<CONFIG:Debug>>:-s>)
if(CMAKE_SYSTEM_PROCESSOR STREQUAL "i686")
  # A 4.0 header, or Windows 98 refuses to load the program.
  add_link_options(-Wl,--major-os-version,4 -Wl,--minor-os-version,0
                   -Wl,--major-subsystem-version,4 -Wl,--minor-subsystem-version,0)
endif()

# Program and driver side by side: the driver starts the program beside it.
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)

add_library(velmora_win32 STATIC
  registry/win32_store.cpp
)
target_link_libraries(velmora_win32 PUBLIC velmora_core advapi32)

enable_language(RC)
add_executable(Velmcfg WIN32
  app/win32/main.cpp
  app/win32/main_window.cpp
  app/win32/win32_controls.cpp
  app/win32/report.cpp
  app/win32/terminate.cpp
  about/win32/about_dialog.cpp
  about/win32/win32_sysinfo.cpp
  resources/velmcfg.rc
)
target_link_libraries(Velmcfg PRIVATE velmora_win32 comctl32 gdi32 user32 kernel32)
# The runtime's wide kernel32 calls routed to the ANSI ones (see the file);
# an object library, so that its import slots are always linked.
add_library(velmora_ansi_imports OBJECT app/win32/ansi_imports.cpp)
target_link_libraries(Velmcfg PRIVATE velmora_ansi_imports)
if(CMAKE_SYSTEM_PROCESSOR STREQUAL "i686")
  # Which object each instruction comes from, for scripts/cpu-floor.
  target_link_options(Velmcfg PRIVATE -Wl,-Map=${CMAKE_BINARY_DIR}/Velmcfg.map)
endif()

add_subdirectory(tests/e2e)
add_subdirectory(tests/bench)
