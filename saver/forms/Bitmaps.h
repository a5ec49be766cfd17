// Bitmaps for controls: loading a picture stored with the program, and drawing one at its
// natural size from its top-left corner, cut to the room it is given.
#pragma once

#include <windows.h>

#include "base/Rect.h"

namespace velmora::forms {

// A bitmap resource as a DIB section (its colours kept exactly on any screen depth); null when
// the program holds no such resource. The caller deletes it.
HBITMAP loadBitmapResource(int id);

// Draws bitmap at the top-left corner of room on dc, at most the room's size of it.
void drawBitmapClipped(HDC dc, HBITMAP bitmap, const base::PixelRect& room);

} // namespace velmora::forms
