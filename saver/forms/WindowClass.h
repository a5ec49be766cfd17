// Registering the window classes of the forms layer, once each per process.
#pragma once

#include <windows.h>

namespace velmora::forms {

// Registers the class unless the program already has one of that name.
void registerWindowClass(const wchar_t* name, WNDPROC procedure, HCURSOR cursor = nullptr);

} // namespace velmora::forms
