// Mouse button codes as the event handlers receive them; each is a bit of its own, so a set of
// held buttons is their sum.
#pragma once

enum class MouseButton { Left = 1, Right = 2, Middle = 4 };
