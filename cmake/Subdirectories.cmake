# Adds each listed subfolder that has a CMakeLists.txt, so a folder joins the build as soon as
# it has one.
function(velmora_add_subdirectories)
  foreach(dir ${ARGN})
    if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/CMakeLists.txt)
      add_subdirectory(${dir})
    endif()
  endforeach()
endfunction()
