// The screen the starfield is made for: the Windows renderer switches the display to it, and the
// Linux hack opens its own window at its size and keeps, on any window, the look it has there.
#pragma once

namespace velmora::window {

inline constexpr int kRunScreenWidth = 1024;
inline constexpr int kRunScreenHeight = 768;
inline constexpr int kRunScreenBits = 16;

} // namespace velmora::window
