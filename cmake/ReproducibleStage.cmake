# Run by CPack once the release's files are staged and before any generator packs them: the
# generators copy each file's time and mode into the package, and those come from the checkout's
# clone time, the build's clock and the builder's umask. Here every staged file takes the
# release's time and a mode that says only whether it is a program.

# Generators and the tools they start (the DEB generator, makensis) read the time from here.
set(ENV{SOURCE_DATE_EPOCH} ${CPACK_VELMORA_SOURCE_DATE_EPOCH})

file(GLOB_RECURSE staged LIST_DIRECTORIES true "${CPACK_TEMPORARY_DIRECTORY}/*")
foreach(path IN LISTS staged)
  if(IS_SYMLINK "${path}")
    continue()
  endif()
  if(IS_DIRECTORY "${path}")
    file(CHMOD "${path}" PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ
      GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
    continue()
  endif()
  execute_process(COMMAND test -x "${path}" RESULT_VARIABLE not_program)
  if(not_program)
    file(CHMOD "${path}" PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
  else()
    file(CHMOD "${path}" PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ
      GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
  endif()
endforeach()

if(staged)
  execute_process(COMMAND touch --no-dereference --date=@${CPACK_VELMORA_SOURCE_DATE_EPOCH}
    ${staged} COMMAND_ERROR_IS_FATAL ANY)
endif()
