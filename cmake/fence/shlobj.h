// Stands in for <shlobj.h> in platform-free libraries: such code must not reach the platform.
#error "platform header <shlobj.h> in a platform-free library"
