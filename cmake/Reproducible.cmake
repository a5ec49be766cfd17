# Reproducible releases: the same commit gives the same bytes wherever and whenever it is built.
# Every time a release carries is the commit's (SOURCE_DATE_EPOCH, taken from git when not
# given), and no build folder or checkout path reaches a program. scripts/check-reproducible.sh
# proves it.

# The time of the release. A given SOURCE_DATE_EPOCH wins (Debian's builders set it from the
# changelog); outside git, the time of this configure.
if(DEFINED ENV{SOURCE_DATE_EPOCH})
  set(VELMORA_SOURCE_DATE_EPOCH "$ENV{SOURCE_DATE_EPOCH}")
else()
  execute_process(COMMAND git log -1 --format=%ct
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
    RESULT_VARIABLE git_result OUTPUT_VARIABLE VELMORA_SOURCE_DATE_EPOCH
    OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
  if(NOT git_result EQUAL 0)
    string(TIMESTAMP VELMORA_SOURCE_DATE_EPOCH "%s" UTC)
    message(STATUS "Not a git checkout: the release carries the time of this configure")
  endif()
endif()
if(NOT VELMORA_SOURCE_DATE_EPOCH MATCHES "^[0-9]+$")
  message(FATAL_ERROR "SOURCE_DATE_EPOCH must be whole seconds, not '${VELMORA_SOURCE_DATE_EPOCH}'")
endif()
# string(TIMESTAMP) of the configure (the Debian changelog's date) reads it from here.
set(ENV{SOURCE_DATE_EPOCH} ${VELMORA_SOURCE_DATE_EPOCH})

# A new commit or checkout configures again, so that a build folder never packs a stale time.
foreach(git_file HEAD logs/HEAD)
  execute_process(COMMAND git rev-parse --path-format=absolute --git-path ${git_file}
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
    RESULT_VARIABLE git_result OUTPUT_VARIABLE git_path
    OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
  if(git_result EQUAL 0 AND EXISTS "${git_path}")
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${git_path}")
  endif()
endforeach()

# A release program names its sources relative to the checkout (__FILE__ and the like), never by
# the folder it happened to be built in.
add_compile_options("$<$<CONFIG:Release>:-ffile-prefix-map=${PROJECT_SOURCE_DIR}/=>"
  "$<$<CONFIG:Release>:-ffile-prefix-map=${PROJECT_BINARY_DIR}/=>")

# Links a shipped program with the release's time: MinGW's ld writes SOURCE_DATE_EPOCH into the
# PE header instead of the time of the link. Usage: velmora_reproducible_link(TARGET)
function(velmora_reproducible_link target)
  set_target_properties(${target} PROPERTIES CXX_LINKER_LAUNCHER
    "${CMAKE_COMMAND};-E;env;SOURCE_DATE_EPOCH=${VELMORA_SOURCE_DATE_EPOCH}")
endfunction()

# CPack hands the time to its generators (the DEB generator stamps every member with it), levels
# the staged files first (cmake/ReproducibleStage.cmake) and takes the builder out of the packages
# after (cmake/ReproduciblePackages.cmake).
set(CPACK_VELMORA_SOURCE_DATE_EPOCH ${VELMORA_SOURCE_DATE_EPOCH})
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/ReproducibleStage.cmake)
set(CPACK_POST_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/ReproduciblePackages.cmake)
