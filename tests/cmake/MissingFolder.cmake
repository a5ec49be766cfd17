# Lists a folder that does not exist; the helper must stop here, before adding anything.
include(${SUBDIRECTORIES})
velmora_add_subdirectories(no-such-folder)
message(STATUS "velmora_add_subdirectories went past a missing folder")
