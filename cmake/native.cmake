# The native build: the portable core under GoogleTest with AddressSanitizer
# and UndefinedBehaviorSanitizer, and its fuzz targets when built with clang.
set(TARNWICK_SANITIZERS -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
target_compile_options(tarnwick_core PUBLIC ${TARNWICK_SANITIZERS})
target_link_options(tarnwick_core PUBLIC ${TARNWICK_SANITIZERS})

option(TARNWICK_FUZZ "Build the libFuzzer targets (clang only) instead of the unit tests" OFF)
if(TARNWICK_FUZZ)
  add_subdirectory(tests/fuzz)
elseif(BUILD_TESTING)
  add_subdirectory(tests/native)
endif()
