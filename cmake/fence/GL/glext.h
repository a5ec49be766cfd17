// Stands in for <GL/glext.h> in platform-free libraries: such code must not reach the platform.
#error "platform header <GL/glext.h> in a platform-free library"
