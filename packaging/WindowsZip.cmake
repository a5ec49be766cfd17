# The Windows release: Velmora-<version>-windows-x64.zip with both programs at its root (the
# Explorer's "Extract All" already makes a folder), the read-me and the programs' checksums.
install(TARGETS velmora_scr velmora_dll RUNTIME DESTINATION .)

# Notepad of every Windows version reads UTF-8 with a byte order mark and CRLF line ends,
# whatever the system's code page.
set(readme_template ${CMAKE_CURRENT_SOURCE_DIR}/README.txt.in)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${readme_template})
file(READ ${readme_template} readme)
string(ASCII 239 187 191 byte_order_mark)
file(CONFIGURE OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/README.txt CONTENT "${byte_order_mark}${readme}"
  @ONLY NEWLINE_STYLE CRLF)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/README.txt DESTINATION .)

# The checksums are taken of the installed copies, so they describe exactly what is packed.
install(CODE [[
  set(folder "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
  set(sums "")
  foreach(name Velmora.scr Velmora.dll)
    file(SHA256 "${folder}/${name}" hash)
    string(APPEND sums "${hash}  ${name}\n")
  endforeach()
  file(WRITE "${folder}/SHA256SUMS" "${sums}")
]])

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_FILE_NAME Velmora-${PROJECT_VERSION}-windows-x64)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
