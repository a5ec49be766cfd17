// The scene on the hack's window: started as on Windows, then always under the hack's projection,
// so that the glows keep their shape on any window and after any resize.
#pragma once

#include "renderer/scene/Scene.h"

namespace velmora::x11 {

// Needs the hack's context current. False when the star picture or the scene cannot be had.
bool startHackScene(scene::SceneState& scene, int width, int height);

// After the window's size changed.
void viewHackScene(int width, int height);

} // namespace velmora::x11
