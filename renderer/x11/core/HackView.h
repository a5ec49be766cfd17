// The hack's projection on a window of any size: the Windows run's start-up projection, whose
// square view fills its 4:3 screen, so that glows are a third wider than tall and the scene has
// its start-up depth; on other shapes the view widens or narrows with the window at the same
// height, so glows keep that shape and are never stretched.
#pragma once

#include "renderer/scene/core/SceneLayout.h"

namespace velmora::x11 {

// Exactly the start-up projection on a 4:3 window; a height of 0 counts as 1.
scene::Perspective hackPerspective(int width, int height);

} // namespace velmora::x11
