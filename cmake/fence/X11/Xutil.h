// Stands in for <X11/Xutil.h> in platform-free libraries: such code must not reach the platform.
#error "platform header <X11/Xutil.h> in a platform-free library"
