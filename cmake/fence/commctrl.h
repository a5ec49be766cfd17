// Stands in for <commctrl.h> in platform-free libraries: such code must not reach the platform.
#error "platform header <commctrl.h> in a platform-free library"
