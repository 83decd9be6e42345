# An optimised build is hardened as Debian builds its packages (lintian checks the package):
# checked string and memory functions, stack protector, relocations read-only and bound at start.
# Not the sanitizer build, whose checks the checked functions would get around.
set(LUMORA_HARDENED "$<AND:$<CONFIG:Release,RelWithDebInfo,MinSizeRel>,$<NOT:$<BOOL:${LUMORA_SANITIZE}>>>")

# Compiler settings every Lumora target shares.
function(lumora_defaults target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wimplicit-fallthrough)
  target_compile_options(${target} PRIVATE
                         "$<${LUMORA_HARDENED}:-U_FORTIFY_SOURCE;-D_FORTIFY_SOURCE=2;-fstack-protector-strong>")
  target_link_options(${target} PRIVATE "$<${LUMORA_HARDENED}:LINKER:-z,relro;LINKER:-z,now>")
  if(LUMORA_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
  if(LUMORA_SANITIZE)
    # GCC's maybe-uninitialized analysis misfires on sanitizer-instrumented code (std::regex and
    # std::function in libstdc++ 12); the plain build keeps the warning.
    # -Og -g1 (after the build type's -O2 -g, so they win): the sanitizer build is there to run
    # the tests; it compiles in well under half the time and its reports still name every line.
    target_compile_options(${target} PRIVATE -fsanitize=address,undefined -fno-sanitize-recover=all
                                             -fno-omit-frame-pointer $<$<CXX_COMPILER_ID:GNU>:-Wno-maybe-uninitialized>
                                             -Og -g1)
    target_link_options(${target} PUBLIC -fsanitize=address,undefined)
  endif()
endfunction()

# An installed target is linked with the run path it is installed with, which holds in the build
# tree as well (see CMAKE_LIBRARY_OUTPUT_DIRECTORY). Otherwise CMake pads the build tree's run
# path for an edit at install time with empty entries, which the loader reads as the current
# folder: a program started from the build tree would load libraries from wherever it was started.
# A program's run path assumes that bin/ and the build tree's app/ lie one level down alike.
function(lumora_installed_run_path target)
  if(ARGC GREATER 1)
    set(run_path "${ARGV1}")
  else()
    set(run_path "$ORIGIN/../${LUMORA_MODULE_INSTALL_DIR}")
  endif()
  set_target_properties(${target} PROPERTIES BUILD_WITH_INSTALL_RPATH ON INSTALL_RPATH "${run_path}")
endfunction()

# One library of the system's own code: the sources of its folder, the folders it may use.
function(lumora_folder_library target)
  cmake_parse_arguments(PARSE_ARGV 1 ARG "" "" "SOURCES;USES")
  add_library(${target} STATIC ${ARG_SOURCES})
  lumora_defaults(${target})
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${target} PUBLIC ${ARG_USES})
endfunction()

# A backend: its code as a static library (which its own tests link directly) and the module that
# the platform loads on the first request for one of its classes.
function(lumora_backend_module module backend)
  # The module exports its entry alone: its own functions are bound when it is linked, not
  # looked up one by one by the loader each time a program loads it.
  set_target_properties(${backend} PROPERTIES POSITION_INDEPENDENT_CODE ON
                        CXX_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON)
  add_library(${module} MODULE module.cpp)
  lumora_defaults(${module})
  set_target_properties(${module} PROPERTIES PREFIX "" CXX_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON)
  target_link_libraries(${module} PRIVATE ${backend})
  if(NOT LUMORA_BUILD_FUZZERS)  # the fuzzer's coverage hooks come from the fuzzing program
    target_link_options(${module} PRIVATE -Wl,--no-undefined)
  endif()
  # No run path: the platform library that loads a module is loaded already, and a search of
  # the module's folder first would only cost each of its libraries a dozen failed lookups.
  lumora_installed_run_path(${module} "")
  install(TARGETS ${module} LIBRARY DESTINATION ${LUMORA_MODULE_INSTALL_DIR})
endfunction()

# The build refuses an include that points up or across the layers.
function(lumora_check_layers)
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS
       ${PROJECT_SOURCE_DIR}/platform/*.cpp ${PROJECT_SOURCE_DIR}/platform/*.h
       ${PROJECT_SOURCE_DIR}/backends/*.cpp ${PROJECT_SOURCE_DIR}/backends/*.h
       ${PROJECT_SOURCE_DIR}/catalogue/*.cpp ${PROJECT_SOURCE_DIR}/catalogue/*.h
       ${PROJECT_SOURCE_DIR}/mediainfo/*.cpp ${PROJECT_SOURCE_DIR}/mediainfo/*.h
       ${PROJECT_SOURCE_DIR}/dvd/*.cpp ${PROJECT_SOURCE_DIR}/dvd/*.h
       ${PROJECT_SOURCE_DIR}/component/*.cpp ${PROJECT_SOURCE_DIR}/component/*.h
       ${PROJECT_SOURCE_DIR}/app/*.cpp ${PROJECT_SOURCE_DIR}/app/*.h)
  set(stamp ${PROJECT_BINARY_DIR}/layers.checked)
  add_custom_command(OUTPUT ${stamp}
    COMMAND ${CMAKE_COMMAND} -DROOT=${PROJECT_SOURCE_DIR} -DSTAMP=${stamp} -P ${PROJECT_SOURCE_DIR}/cmake/CheckLayers.cmake
    DEPENDS ${sources} ${PROJECT_SOURCE_DIR}/cmake/CheckLayers.cmake
    COMMENT "Checking that includes follow the layers")
  add_custom_target(lumora_layers ALL DEPENDS ${stamp})
endfunction()

# Installs a man page of docs/man, compressed as Debian's policy and man-db expect it.
function(lumora_install_man_page page)
  set(source ${PROJECT_SOURCE_DIR}/docs/man/${page})
  set(compressed ${PROJECT_BINARY_DIR}/man/${page}.gz)
  add_custom_command(OUTPUT ${compressed}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/man
    COMMAND gzip -9n -c ${source} > ${compressed}
    DEPENDS ${source} VERBATIM)
  string(MAKE_C_IDENTIFIER ${page} name)
  add_custom_target(man_${name} ALL DEPENDS ${compressed})
  install(FILES ${compressed} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endfunction()
