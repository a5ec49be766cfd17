// Mouse button codes as the event handlers receive them; each is a bit of its own, so a set of
// held buttons is their sum.
#pragma once

namespace velmora::forms {

enum class MouseButton { Left = 1, Right = 2, Middle = 4 };

} // namespace velmora::forms
