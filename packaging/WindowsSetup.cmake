# The Windows setup program, Velmora-<version>-setup.exe, made beside the zip by the package
# target: once the zip is packed, SetupPackage.cmake runs makensis on our own script over the
# install tree the zip was packed from. (CPack's NSIS template installs for all users into Program
# Files, asking for administrator rights, and cannot set the screensaver or put the old one back.)
find_program(VELMORA_MAKENSIS makensis REQUIRED)

# The window titles by which the setup knows that Velmora runs, spelled once for both programs.
file(READ ${PROJECT_SOURCE_DIR}/contract/SharedNames.h shared_names)
foreach(pair "SAVER_FORM_TITLE;kSaverFormTitle" "DIALOG_TITLE;kDialogTitle"
    "RENDERER_TITLE;kRendererWindowTitle")
  list(GET pair 0 variable)
  list(GET pair 1 constant)
  string(REGEX MATCH "${constant}\\[\\] = \"([^\"]+)\"" match "${shared_names}")
  set(VELMORA_${variable} "${CMAKE_MATCH_1}")
endforeach()
set(VELMORA_ICON ${PROJECT_SOURCE_DIR}/saver/assets/velmora.ico)
configure_file(${CMAKE_CURRENT_SOURCE_DIR}/VelmoraSetup.nsi.in
  ${CMAKE_CURRENT_BINARY_DIR}/VelmoraSetup.nsi @ONLY)

# Authenticode signing of both programs, the uninstaller and the setup, when a certificate and
# its key are given here or in the environment of the package run; otherwise nothing is signed.
set(VELMORA_SIGN_CERT "" CACHE FILEPATH "PEM certificate (chain) to sign the Windows setup with")
set(VELMORA_SIGN_KEY "" CACHE FILEPATH "PEM private key of VELMORA_SIGN_CERT")

# After the zip is levelled (cmake/Reproducible.cmake), so that signing cannot reach the zip.
list(APPEND CPACK_POST_BUILD_SCRIPTS ${CMAKE_CURRENT_SOURCE_DIR}/SetupPackage.cmake)
set(CPACK_VELMORA_MAKENSIS ${VELMORA_MAKENSIS})
set(CPACK_VELMORA_NSIS_SCRIPT ${CMAKE_CURRENT_BINARY_DIR}/VelmoraSetup.nsi)
set(CPACK_VELMORA_SIGN_SCRIPT ${CMAKE_CURRENT_SOURCE_DIR}/authenticode-sign.sh)
set(CPACK_VELMORA_SETUP_NAME Velmora-${PROJECT_VERSION}-setup.exe)
set(CPACK_VELMORA_SIGN_CERT ${VELMORA_SIGN_CERT})
set(CPACK_VELMORA_SIGN_KEY ${VELMORA_SIGN_KEY})
