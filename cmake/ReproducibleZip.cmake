# Run by CPack after its generators: packs every .zip they made again from the staged files,
# in name order and without the extra fields (access and change times, owner ids) CPack's
# archive writer adds, which no one can set. The staged files already carry the release's time
# and level modes (cmake/ReproducibleStage.cmake), so the same files make the same bytes.

# Zip keeps local time; UTC makes it the release's time on every builder.
set(ENV{TZ} UTC)

foreach(package IN LISTS CPACK_PACKAGE_FILES)
  if(NOT package MATCHES "\\.zip$")
    continue()
  endif()
  file(GLOB_RECURSE members LIST_DIRECTORIES false RELATIVE "${CPACK_TEMPORARY_DIRECTORY}"
    "${CPACK_TEMPORARY_DIRECTORY}/*")
  list(SORT members)
  file(REMOVE "${package}")
  execute_process(COMMAND zip --quiet -X -D "${package}" ${members}
    WORKING_DIRECTORY "${CPACK_TEMPORARY_DIRECTORY}" COMMAND_ERROR_IS_FATAL ANY)
endforeach()
