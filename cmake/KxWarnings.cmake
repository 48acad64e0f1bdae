# Compiler settings every target of the suite shares.
add_library(kx_settings INTERFACE)
target_compile_options(kx_settings INTERFACE
  -Wall -Wextra -Wpedantic -Werror -Wshadow -Wconversion -Wno-sign-conversion
  # Results must not depend on whether the compiler fuses a multiply and an add.
  -ffp-contract=off)
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  # GCC 12 reports std::string appends at -O3 as overlapping copies (a known false positive).
  target_compile_options(kx_settings INTERFACE -Wno-restrict)
endif()
if(KX_SANITIZE)
  # The stored records are packed on purpose (they are the file layout), so their fields sit at
  # unaligned addresses; the processors we build for load them fine, and a reference bound to
  # one (as test assertions do) is not a fault worth stopping for.
  target_compile_options(kx_settings INTERFACE
    -fsanitize=address,undefined -fno-sanitize=alignment -fno-sanitize-recover=all
    -fno-omit-frame-pointer)
  target_link_options(kx_settings INTERFACE -fsanitize=address,undefined)
endif()
if(KX_FUZZ)
  # Every library is instrumented for coverage and memory errors, not only the fuzz targets, so
  # that the fuzzer learns from the readers' branches and catches their faults.
  target_compile_options(kx_settings INTERFACE
    -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize=alignment -fno-omit-frame-pointer)
  target_link_options(kx_settings INTERFACE -fsanitize=address,undefined)
endif()
