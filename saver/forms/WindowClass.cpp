// Window class registration (see WindowClass.h).
#include "saver/forms/WindowClass.h"

namespace velmora::forms {

void registerWindowClass(const wchar_t* name, WNDPROC procedure, HCURSOR cursor) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    if (GetClassInfoExW(GetModuleHandleW(nullptr), name, &windowClass)) {
        return;
    }
    windowClass = WNDCLASSEXW{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = cursor;
    windowClass.lpszClassName = name;
    RegisterClassExW(&windowClass);
}

} // namespace velmora::forms
