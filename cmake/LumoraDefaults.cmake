# Compiler settings every Lumora target shares.
function(lumora_defaults target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wimplicit-fallthrough -Werror)
  if(LUMORA_SANITIZE)
    target_compile_options(${target} PRIVATE -fsanitize=address,undefined -fno-sanitize-recover=all
                                             -fno-omit-frame-pointer)
    target_link_options(${target} PUBLIC -fsanitize=address,undefined)
  endif()
endfunction()
