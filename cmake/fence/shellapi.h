// Stands in for <shellapi.h> in platform-free libraries: such code must not reach the platform.
#error "platform header <shellapi.h> in a platform-free library"
