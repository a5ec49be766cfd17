// What the screen shows in a rectangle, read back for the Wine tests that check pixels.
#pragma once

#include <windows.h>

#include "saver/forms/core/PixelImage.h"

// The screen's pixels inside `area` (screen coordinates), rows from the top; empty for an empty
// rectangle.
velmora::forms::PixelImage captureScreenArea(const RECT& area);
