// Swap interval 1 through WGL_EXT_swap_control (see SwapControl.h).
#include "renderer/window/SwapControl.h"

#include <GL/gl.h>

#include "renderer/window/core/ExtensionList.h"

namespace velmora::window {

namespace {

using ExtensionsStringArb = const char*(WINAPI*)(HDC);
using ExtensionsStringExt = const char*(WINAPI*)();
using SwapIntervalExt = BOOL(WINAPI*)(int);

// An extension function by name, as its own type; null when the driver lacks it.
template <class Function> Function extensionFunction(const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(wglGetProcAddress(name)));
}

// The WGL extensions, from whichever query the driver has; older drivers list them among the
// GL extensions.
const char* wglExtensions(HDC deviceContext) {
    if (auto arb = extensionFunction<ExtensionsStringArb>("wglGetExtensionsStringARB")) {
        return arb(deviceContext);
    }
    if (auto ext = extensionFunction<ExtensionsStringExt>("wglGetExtensionsStringEXT")) {
        return ext();
    }
    return reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS));
}

} // namespace

void useSwapInterval(HDC deviceContext) {
    const char* extensions = wglExtensions(deviceContext);
    if (!extensions || !hasExtension(extensions, "WGL_EXT_swap_control")) {
        return;
    }
    if (auto swapInterval = extensionFunction<SwapIntervalExt>("wglSwapIntervalEXT")) {
        swapInterval(1);
    }
}

} // namespace velmora::window
