// Stands in for <GL/glu.h> in platform-free libraries: such code must not reach the platform.
#error "platform header <GL/glu.h> in a platform-free library"
