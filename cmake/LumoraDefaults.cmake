# Compiler settings every Lumora target shares.
function(lumora_defaults target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wimplicit-fallthrough -Werror)
  if(LUMORA_SANITIZE)
    # GCC's maybe-uninitialized analysis misfires on sanitizer-instrumented code (std::regex and
    # std::function in libstdc++ 12); the plain build keeps the warning.
    target_compile_options(${target} PRIVATE -fsanitize=address,undefined -fno-sanitize-recover=all
                                             -fno-omit-frame-pointer -Wno-maybe-uninitialized)
    target_link_options(${target} PUBLIC -fsanitize=address,undefined)
  endif()
endfunction()
