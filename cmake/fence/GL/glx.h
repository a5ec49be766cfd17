// Stands in for <GL/glx.h> in platform-free libraries: such code must not reach the platform.
#error "platform header <GL/glx.h> in a platform-free library"
