// Stands in for <GL/gl.h> in platform-free libraries: such code must not reach the platform.
#error "platform header <GL/gl.h> in a platform-free library"
