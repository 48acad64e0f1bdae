# Compiler settings every target of the suite shares.
add_library(kx_settings INTERFACE)
target_compile_options(kx_settings INTERFACE
  -Wall -Wextra -Wpedantic -Werror -Wshadow -Wconversion -Wno-sign-conversion
  # Results must not depend on whether the compiler fuses a multiply and an add.
  -ffp-contract=off)
if(KX_SANITIZE)
  target_compile_options(kx_settings INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_link_options(kx_settings INTERFACE -fsanitize=address,undefined)
endif()
