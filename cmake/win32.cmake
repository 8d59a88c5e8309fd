# The Win32 program and its end-to-end driver, cross-built with MinGW-w64.

add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX)
# The program is compiled for the first Windows 95 and its comctl32 4.00:
# structure sizes and declarations as they have them, and every later name
# the headers still declare poisoned (app/win32/win95_floor.h). The test
# programs, which never ship, see the headers as Windows 98 has them.
set(VELMORA_WIN95_FLOOR WINVER=0x0400 _WIN32_WINDOWS=0x0400 _WIN32_WINNT=0x0400 _WIN32_IE=0x0200)
set(VELMORA_WIN95_HEADER -include ${PROJECT_SOURCE_DIR}/app/win32/win95_floor.h)
set(VELMORA_TEST_WINDOWS WINVER=0x0400 _WIN32_WINNT=0x0400 _WIN32_WINDOWS=0x0410 _WIN32_IE=0x0500)
# Test programs name their own libraries; the program takes none it does not name.
set(CMAKE_CXX_STANDARD_LIBRARIES "")
add_link_options(-static -static-libgcc -static-libstdc++)
# What ships carries no unused code and no symbols.
add_link_options(-Wl,--gc-sections $<$<NOT:$<CONFIG:Debug>>:-s>)
# Only the program is optimised whole at link time; the test programs link
# the machine code that the library objects also carry.
add_link_options(-fno-use-linker-plugin)
if(CMAKE_SYSTEM_PROCESSOR STREQUAL "i686")
  # A 4.0 header, or Windows 95 and 98 refuse to load the program.
  add_link_options(-Wl,--major-os-version,4 -Wl,--minor-os-version,0
                   -Wl,--major-subsystem-version,4 -Wl,--minor-subsystem-version,0)
endif()

# Program and driver side by side: the driver starts the program beside it.
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)

# The program's code links no runtime library: no C++ exceptions, no RTTI,
# no unwind tables, no guarded statics. For the i686 program, nothing beyond
# the 486's instructions, so that every Windows 95 and 98 machine runs it.
set(VELMORA_LEAN -fno-exceptions -fno-rtti -fno-asynchronous-unwind-tables -fno-threadsafe-statics -fno-ident
                 -flto -ffat-lto-objects)
if(CMAKE_SYSTEM_PROCESSOR STREQUAL "i686")
  # Win32 promises a 4-byte aligned stack, and nothing here needs more:
  # no code to align it again in every function that keeps a local.
  list(APPEND VELMORA_LEAN -march=i486 -mpreferred-stack-boundary=2)
  set(VELMORA_ENTRY _velmoraStart@0)
else()
  set(VELMORA_ENTRY velmoraStart)
endif()
target_compile_options(velmora_core PRIVATE ${VELMORA_LEAN})

add_library(velmora_win32 STATIC registry/win32_store.cpp driver/win32_environment.cpp)
target_compile_options(velmora_win32 PRIVATE ${VELMORA_LEAN} ${VELMORA_WIN95_HEADER})
target_compile_definitions(velmora_win32 PRIVATE ${VELMORA_WIN95_FLOOR})
target_link_libraries(velmora_win32 PUBLIC velmora_core advapi32)

enable_language(RC)
# The resource compiler's own scan misses the pictures the script names.
file(GLOB VELMORA_PICTURES ${PROJECT_SOURCE_DIR}/resources/*.bmp ${PROJECT_SOURCE_DIR}/resources/*.ico)
set_source_files_properties(resources/velmcfg.rc PROPERTIES OBJECT_DEPENDS "${VELMORA_PICTURES}")
add_executable(Velmcfg WIN32
  app/win32/main.cpp
  app/win32/runtime.cpp
  app/win32/main_window.cpp
  app/win32/win32_controls.cpp
  app/win32/help_tips.cpp
  app/win32/help_popup.cpp
  app/win32/keyboard.cpp
  app/win32/clipboard.cpp
  app/win32/report.cpp
  about/win32/about_dialog.cpp
  about/win32/win32_sysinfo.cpp
  resources/velmcfg.rc
)
target_compile_options(Velmcfg PRIVATE ${VELMORA_LEAN} ${VELMORA_WIN95_HEADER})
target_compile_definitions(Velmcfg PRIVATE ${VELMORA_WIN95_FLOOR})
# The C functions the compiler calls are written as plain loops, which it
# must not turn back into calls to those same functions.
set_source_files_properties(app/win32/runtime.cpp PROPERTIES COMPILE_OPTIONS "-fno-builtin;-fno-tree-loop-distribute-patterns;-fno-lto")
target_link_options(Velmcfg PRIVATE -fuse-linker-plugin -Os ${VELMORA_LEAN} -nostdlib -nostartfiles -Wl,--entry=${VELMORA_ENTRY}
                    -Wl,-Map=${CMAKE_BINARY_DIR}/Velmcfg.map)
if(CMAKE_SYSTEM_PROCESSOR STREQUAL "i686")
  # A program is always loaded at its own base address: it needs no relocations.
  target_link_options(Velmcfg PRIVATE -Wl,--disable-dynamicbase -Wl,--disable-reloc-section)
endif()
target_link_libraries(Velmcfg PRIVATE velmora_win32 comctl32 gdi32 user32 advapi32 kernel32)

# The version record takes its numbers from project(), through a header the
# build writes; scripts/release names the release from the same header.
configure_file(resources/velmora_version.h.in velmora_version.h @ONLY)
target_include_directories(Velmcfg PRIVATE ${CMAKE_BINARY_DIR})
set_property(SOURCE resources/velmcfg.rc APPEND PROPERTY OBJECT_DEPENDS ${CMAKE_BINARY_DIR}/velmora_version.h)

# Every build of one commit gives the same bytes: the header's time stamp is
# the commit's time (SOURCE_DATE_EPOCH, where set, instead), written after
# the link together with the checksum that matches it. A new commit changes
# the file below, which relinks the program.
if(DEFINED ENV{SOURCE_DATE_EPOCH})
  set(VELMORA_EPOCH $ENV{SOURCE_DATE_EPOCH})
else()
  execute_process(COMMAND git log -1 --format=%ct WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}
                  OUTPUT_VARIABLE VELMORA_EPOCH OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
endif()
if(NOT VELMORA_EPOCH MATCHES "^[0-9]+$")
  message(WARNING "Neither a git commit nor SOURCE_DATE_EPOCH gives a time: the program's time stamp is 0")
  set(VELMORA_EPOCH 0)
endif()
file(CONFIGURE OUTPUT source_date_epoch CONTENT "${VELMORA_EPOCH}\n")
find_package(Python3 REQUIRED COMPONENTS Interpreter)
target_link_options(Velmcfg PRIVATE -Wl,--no-insert-timestamp)
set_property(TARGET Velmcfg APPEND PROPERTY LINK_DEPENDS ${CMAKE_BINARY_DIR}/source_date_epoch)
add_custom_command(TARGET Velmcfg POST_BUILD
  COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/scripts/pe-stamp $<TARGET_FILE:Velmcfg> ${VELMORA_EPOCH})

add_subdirectory(tests/e2e)
add_subdirectory(tests/bench)

# The floor keeps later names out: each one below, used in a source compiled
# with the program's own options, must stop the compiler at that name.
enable_testing()
foreach(NAME TOOLINFOA TCIF_STATE NM_CUSTOMDRAW)
  configure_file(tests/floor/refused.cpp.in floor/${NAME}.cpp @ONLY)
  add_test(NAME win95_floor_refuses_${NAME}
           COMMAND ${CMAKE_CXX_COMPILER} -std=c++17 -fsyntax-only
                   "-D$<JOIN:$<TARGET_PROPERTY:Velmcfg,COMPILE_DEFINITIONS>,;-D>"
                   "$<TARGET_PROPERTY:Velmcfg,COMPILE_OPTIONS>" floor/${NAME}.cpp
           COMMAND_EXPAND_LISTS)
  set_tests_properties(win95_floor_refuses_${NAME} PROPERTIES PASS_REGULAR_EXPRESSION "poisoned \"${NAME}\"")
endforeach()
