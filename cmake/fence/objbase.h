// Stands in for <objbase.h> in platform-free libraries: such code must not reach the platform.
#error "platform header <objbase.h> in a platform-free library"
