// The scene on the hack's window: started as on Windows, then always under the hack's projection,
// so that the glows keep their shape on any window and after any resize.
#pragma once

namespace velmora::x11 {

// Needs the hack's context current. False when the scene cannot be set up.
bool startHackScene(int width, int height);

// After the window's size changed.
void viewHackScene(int width, int height);

} // namespace velmora::x11
