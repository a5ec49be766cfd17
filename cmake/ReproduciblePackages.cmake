# Run by CPack after each generator, on the packages it made, to take out what comes from the
# builder rather than from the staged files (which cmake/ReproducibleStage.cmake has levelled).

# Zip keeps local time; UTC makes it the release's time on every builder.
set(ENV{TZ} UTC)

# A zip is packed again, in name order and without the extra fields CPack's archive writer adds
# (access and change times, owner ids), which no one can set.
function(velmora_repack_zip package)
  file(GLOB_RECURSE members LIST_DIRECTORIES false RELATIVE "${CPACK_TEMPORARY_DIRECTORY}"
    "${CPACK_TEMPORARY_DIRECTORY}/*")
  list(SORT members)
  file(REMOVE "${package}")
  execute_process(COMMAND zip --quiet -X -D "${package}" ${members}
    WORKING_DIRECTORY "${CPACK_TEMPORARY_DIRECTORY}" COMMAND_ERROR_IS_FATAL ANY)
endfunction()

# The DEB generator gives the .deb's ar members (debian-binary, control.tar.gz, data.tar.gz) the
# modes of its temporary files, which follow the builder's umask; each becomes 100644, as
# dpkg-deb writes it. An ar member header is 60 bytes: name, time, owner, group, the mode at 40
# (8 bytes) and the size at 48 (10 bytes); its data follows, padded to an even length.
function(velmora_level_deb_modes package)
  file(SIZE "${package}" end)
  set(mode_file "${CPACK_TEMPORARY_DIRECTORY}/ar-member-mode")
  file(WRITE "${mode_file}" "100644  ")
  set(header 8)
  while(header LESS end)
    file(READ "${package}" size OFFSET ${header} LIMIT 60)
    string(SUBSTRING "${size}" 48 10 size)
    string(STRIP "${size}" size)
    math(EXPR mode_at "${header} + 40")
    execute_process(COMMAND dd if=${mode_file} of=${package} bs=1 seek=${mode_at} conv=notrunc
      status=none COMMAND_ERROR_IS_FATAL ANY)
    math(EXPR header "${header} + 60 + ${size} + ${size} % 2")
  endwhile()
  file(REMOVE "${mode_file}")
endfunction()

foreach(package IN LISTS CPACK_PACKAGE_FILES)
  if(package MATCHES "\\.zip$")
    velmora_repack_zip("${package}")
  elseif(package MATCHES "\\.deb$")
    velmora_level_deb_modes("${package}")
  endif()
endforeach()
