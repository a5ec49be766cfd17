# Run by CPack in the package target once the zip is packed: signs the staged programs when a
# certificate is given, then makes the setup program from them with makensis (which signs the
# uninstaller and the setup itself the same way), beside the zip.
foreach(part CERT KEY)
  set(${part} "${CPACK_VELMORA_SIGN_${part}}")
  if(NOT ${part})
    set(${part} "$ENV{VELMORA_SIGN_${part}}")
  endif()
endforeach()

set(stage ${CPACK_TEMPORARY_DIRECTORY})
set(setup ${CPACK_PACKAGE_DIRECTORY}/${CPACK_VELMORA_SETUP_NAME})
set(defines -DSTAGE=${stage} -DOUTFILE=${setup})
if(CERT OR KEY)
  if(NOT CERT OR NOT KEY)
    message(FATAL_ERROR "signing needs both VELMORA_SIGN_CERT and VELMORA_SIGN_KEY")
  endif()
  set(sign "sh \"${CPACK_VELMORA_SIGN_SCRIPT}\" \"${CERT}\" \"${KEY}\"")
  foreach(program Velmora.scr Velmora.dll)
    execute_process(COMMAND sh ${CPACK_VELMORA_SIGN_SCRIPT} ${CERT} ${KEY} ${stage}/${program}
      COMMAND_ERROR_IS_FATAL ANY)
  endforeach()
  list(APPEND defines "-DSIGN=${sign}")
endif()

execute_process(
  COMMAND ${CPACK_VELMORA_MAKENSIS} -V2 -INPUTCHARSET UTF8 ${defines} ${CPACK_VELMORA_NSIS_SCRIPT}
  COMMAND_ERROR_IS_FATAL ANY)
message(STATUS "- package: ${setup} generated.")
