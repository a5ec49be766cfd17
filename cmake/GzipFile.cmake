# Debian keeps manual pages and changelogs gzip-compressed; -n leaves the name and time out so
# the same text gives the same bytes. Done when configuring, as the inputs are configured files.
function(velmora_gzip_file input output)
  execute_process(COMMAND gzip -9n -c ${input} OUTPUT_FILE ${output} COMMAND_ERROR_IS_FATAL ANY)
endfunction()
