# The README names release files with their version; each such name must carry the project's
# version, or configuring stops, so a new version cannot ship with stale install lines.
function(velmora_check_readme_version readme)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${readme})
  file(READ ${readme} text)
  string(REGEX MATCHALL
    "Velmora-[^-`]+-windows-x64\\.zip|Velmora-[^-`]+-setup\\.exe|velmora_[^_`]+_amd64\\.deb"
    names "${text}")
  foreach(name IN LISTS names)
    string(REGEX REPLACE "^Velmora-|-windows-x64\\.zip$|-setup\\.exe$|^velmora_|_amd64\\.deb$"
      "" version "${name}")
    if(NOT version STREQUAL PROJECT_VERSION)
      message(FATAL_ERROR
        "${readme} names ${name}, but the project's version is ${PROJECT_VERSION}")
    endif()
  endforeach()
endfunction()
