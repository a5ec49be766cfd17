// Where a control of a form puts itself: on the form's own window or inside a picture box that
// serves as a container. The window is only known once the form has been loaded.
#pragma once

#include <windows.h>

#include <functional>

namespace velmora::forms {

class PictureBox;

// Given the form's window, the window the control is placed in.
using ContainerWindow = std::function<HWND(HWND form)>;

ContainerWindow onForm();
ContainerWindow inside(const PictureBox& box);

} // namespace velmora::forms
