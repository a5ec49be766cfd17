// Stands in for <commdlg.h> in platform-free libraries: such code must not reach the platform.
#error "platform header <commdlg.h> in a platform-free library"
