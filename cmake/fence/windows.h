// Stands in for <windows.h> in platform-free libraries: such code must not reach the platform.
#error "platform header <windows.h> in a platform-free library"
