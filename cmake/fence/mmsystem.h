// Stands in for <mmsystem.h> in platform-free libraries: such code must not reach the platform.
#error "platform header <mmsystem.h> in a platform-free library"
