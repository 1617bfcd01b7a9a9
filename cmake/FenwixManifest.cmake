# fenwix_add_manifest(target): compiles the application manifest of Fenwix programs into a
# program. It asks for version 6 of the common controls, declares per-monitor DPI awareness
# and lists the Windows versions the program is written for. The manifest and its resource
# script lie beside this file, in the source tree and in the installed package alike.

# A resource script is compiled by CMake's RC language (windres under mingw-w64), which
# can only be enabled in file scope: here, as the library's build or find_package reads this file.
get_property(fenwix_enabled_languages GLOBAL PROPERTY ENABLED_LANGUAGES)
if(NOT "RC" IN_LIST fenwix_enabled_languages)
  enable_language(RC)
endif()
unset(fenwix_enabled_languages)

function(fenwix_add_manifest target)
  set(script ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/fenwix_manifest.rc)
  target_sources(${target} PRIVATE ${script})
  # windres finds the manifest beside the script; CMake does not see that it reads it.
  set_property(SOURCE ${script} TARGET_DIRECTORY ${target} APPEND
               PROPERTY OBJECT_DEPENDS ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/fenwix.manifest)
endfunction()
