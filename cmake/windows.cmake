# The Windows build: the toolkit, the program, Tarnwick.exe, the tests that
# run under Wine and the benchmarks.
enable_language(RC)

if(MINGW)
  # Imports only system DLLs: no libgcc, libstdc++ or libwinpthread DLLs.
  set(TARNWICK_LINK_FLAGS -static -Wl,--no-insert-timestamp)
  set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} --codepage=65001")
endif()

add_library(tarnwick_toolkit STATIC
  toolkit/dpi.cpp
  toolkit/edit_box.cpp
  toolkit/export_ops.cpp
  toolkit/file_write.cpp
  toolkit/hotkey.cpp
  toolkit/input.cpp
  toolkit/runtime.cpp
  toolkit/skin.cpp
  toolkit/text.cpp
  toolkit/window.cpp)
target_compile_definitions(tarnwick_toolkit PUBLIC UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX)
target_compile_options(tarnwick_toolkit PRIVATE ${TARNWICK_WARNINGS})
target_link_libraries(tarnwick_toolkit PUBLIC tarnwick_core user32 gdi32 comctl32)

add_library(tarnwick_program STATIC
  app/main_window.cpp
  app/program.cpp
  nudge/cursor_nudge.cpp
  nudge/hotkeys.cpp
  export/export_command.cpp)
target_compile_options(tarnwick_program PRIVATE ${TARNWICK_WARNINGS})
target_link_libraries(tarnwick_program PUBLIC tarnwick_toolkit)

set(TARNWICK_RESOURCES ${CMAKE_SOURCE_DIR}/app/tarnwick.rc)
set_source_files_properties(${TARNWICK_RESOURCES} PROPERTIES OBJECT_DEPENDS
  "${CMAKE_SOURCE_DIR}/app/tarnwick.ico;${CMAKE_SOURCE_DIR}/app/tarnwick.manifest")

include(cmake/source_package.cmake)

add_executable(Tarnwick WIN32 app/entry.cpp ${TARNWICK_RESOURCES} ${TARNWICK_PACKAGE_RESOURCE})
target_compile_options(Tarnwick PRIVATE ${TARNWICK_WARNINGS})
target_link_libraries(Tarnwick PRIVATE tarnwick_program)
target_link_options(Tarnwick PRIVATE ${TARNWICK_LINK_FLAGS})

# The Windows-side tests run under Wine from a Linux build machine, with
# Debian's GoogleTest sources.
if(BUILD_TESTING AND CMAKE_CROSSCOMPILING AND EXISTS /usr/src/googletest)
  add_subdirectory(tests/win)
endif()
add_subdirectory(bench)
