// Bitmaps for controls: loading a picture stored with the program, and drawing one at its
// natural size from its top-left corner, cut to the room it is given.
#pragma once

#include <windows.h>

// A bitmap resource as a DIB section (its colours kept exactly on any screen depth); null when
// the program holds no such resource. The caller deletes it.
HBITMAP loadBitmapResource(int id);

// Draws bitmap at (x, y) of dc, at most width x height pixels of it.
void drawBitmapClipped(HDC dc, HBITMAP bitmap, int x, int y, int width, int height);
