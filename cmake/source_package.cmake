# The source package: the project's tracked files packed into a ZIP by the
# build-time packer (built for the build machine), wrapped as a byte set and
# embedded in Tarnwick.exe as the RCDATA resource SOURCE_PACKAGE.
include(ExternalProject)

if(CMAKE_CROSSCOMPILING)
  set(TARNWICK_HOST_CXX c++)
  set(TARNWICK_HOST_SUFFIX "")
else()
  set(TARNWICK_HOST_CXX ${CMAKE_CXX_COMPILER})
  set(TARNWICK_HOST_SUFFIX ${CMAKE_EXECUTABLE_SUFFIX})
endif()
set(TARNWICK_PACKER ${CMAKE_BINARY_DIR}/packer-install/bin/tarnwick_pack${TARNWICK_HOST_SUFFIX})
ExternalProject_Add(packer
  SOURCE_DIR ${CMAKE_SOURCE_DIR}/cmake/packer
  BINARY_DIR ${CMAKE_BINARY_DIR}/packer
  INSTALL_DIR ${CMAKE_BINARY_DIR}/packer-install
  CMAKE_ARGS -DCMAKE_CXX_COMPILER=${TARNWICK_HOST_CXX} -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=<INSTALL_DIR>
  BUILD_ALWAYS ON
  BUILD_BYPRODUCTS ${TARNWICK_PACKER})

# The files that go in: what git tracks, or everything outside build/ in an
# unpacked package. Adding a file to git reconfigures.
execute_process(COMMAND git -C ${CMAKE_SOURCE_DIR} ls-files
  OUTPUT_VARIABLE tracked RESULT_VARIABLE git_failed ERROR_QUIET OUTPUT_STRIP_TRAILING_WHITESPACE)
if(NOT git_failed AND EXISTS ${CMAKE_SOURCE_DIR}/.git)
  string(REPLACE "\n" ";" tracked "${tracked}")
  list(TRANSFORM tracked PREPEND ${CMAKE_SOURCE_DIR}/)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/.git/index)
else()
  file(GLOB_RECURSE tracked LIST_DIRECTORIES false ${CMAKE_SOURCE_DIR}/*)
  list(FILTER tracked EXCLUDE REGEX "^${CMAKE_SOURCE_DIR}/(build|\\.git)/")
endif()

set(TARNWICK_PACKAGE ${CMAKE_BINARY_DIR}/source_package.bin)
add_custom_command(OUTPUT ${TARNWICK_PACKAGE}
  COMMAND ${TARNWICK_PACKER} ${CMAKE_SOURCE_DIR} ${TARNWICK_PACKAGE}
  DEPENDS packer ${tracked}
  COMMENT "Packing the source package")
add_custom_target(source_package DEPENDS ${TARNWICK_PACKAGE})

set(TARNWICK_PACKAGE_RESOURCE ${CMAKE_BINARY_DIR}/source_package.rc)
file(WRITE ${TARNWICK_PACKAGE_RESOURCE}.in "SOURCE_PACKAGE RCDATA \"@TARNWICK_PACKAGE@\"\n")
configure_file(${TARNWICK_PACKAGE_RESOURCE}.in ${TARNWICK_PACKAGE_RESOURCE} @ONLY)
set_source_files_properties(${TARNWICK_PACKAGE_RESOURCE} PROPERTIES OBJECT_DEPENDS ${TARNWICK_PACKAGE})
