// The hack's projection (see HackView.h).
#include "renderer/x11/core/HackView.h"

#include "renderer/window/core/RunScreen.h"

namespace velmora::x11 {

scene::Perspective hackPerspective(int width, int height) {
    scene::Perspective perspective = scene::startupPerspective();
    const int usedHeight = height == 0 ? 1 : height;
    // In whole numbers first, so that every 4:3 window gets exactly 1.
    perspective.aspect *= static_cast<double>(width) * window::kRunScreenHeight /
                          (static_cast<double>(usedHeight) * window::kRunScreenWidth);
    return perspective;
}

} // namespace velmora::x11
