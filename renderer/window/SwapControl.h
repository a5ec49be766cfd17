// The swap interval of the renderer's context.
#pragma once

#include <windows.h>

namespace velmora::window {

// Ties each swap to the display's refresh where the driver offers WGL_EXT_swap_control;
// elsewhere nothing changes and the frame pacer alone holds the rate. Needs the current context.
void useSwapInterval(HDC deviceContext);

} // namespace velmora::window
