// Stands in for <X11/Xlib.h> in platform-free libraries: such code must not reach the platform.
#error "platform header <X11/Xlib.h> in a platform-free library"
