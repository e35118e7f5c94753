# Compiler settings shared by every target of the project.

# Warnings are errors in our own code; third-party headers come in as SYSTEM includes.
function(quovex_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Werror)
endfunction()

if(QUOVEX_SANITIZE)
  string(REPLACE ";" "," _quovex_sanitizers "${QUOVEX_SANITIZE}")
  add_compile_options(-fsanitize=${_quovex_sanitizers} -fno-omit-frame-pointer -fno-sanitize-recover=all)
  add_link_options(-fsanitize=${_quovex_sanitizers})
endif()

# libFuzzer targets: only with clang; each fuzz target links -fsanitize=fuzzer itself.
if(QUOVEX_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "QUOVEX_FUZZ needs clang (configure with CXX=clang++ CC=clang)")
  endif()
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()
