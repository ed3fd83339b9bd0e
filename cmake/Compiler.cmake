# Warnings, ccache, sanitizers and fuzzing flags shared by every target.

find_program(CCACHE_PROGRAM ccache)
if(CCACHE_PROGRAM)
  set(CMAKE_C_COMPILER_LAUNCHER ${CCACHE_PROGRAM})
  set(CMAKE_CXX_COMPILER_LAUNCHER ${CCACHE_PROGRAM})
endif()

add_library(brightfold_warnings INTERFACE)
target_compile_options(brightfold_warnings INTERFACE
  -Wall -Wextra -Wpedantic -Werror -Wno-missing-field-initializers)

if(SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

if(FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "FUZZ=ON needs clang: configure with CC=clang CXX=clang++")
  endif()
  # Everything is instrumented for coverage; only the harnesses link the libFuzzer main.
  # Undefined behaviour is fatal, so that a fuzz run stops at its first report.
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer
                      -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()
