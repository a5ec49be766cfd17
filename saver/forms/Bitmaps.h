// Bitmaps of the forms layer: loading a picture stored with the program, drawing one at its
// natural size cut to the room it is given, a drawing surface in memory, and saving a picture as
// a Windows bitmap file.
#pragma once

#include <windows.h>

#include <string>

#include "base/Rect.h"
#include "saver/forms/core/PixelImage.h"

namespace velmora::forms {

// A bitmap resource as a DIB section (its colours kept exactly on any screen depth); null when
// the program holds no such resource. The caller deletes it.
HBITMAP loadBitmapResource(int id);

// Draws bitmap at the top-left corner of room on dc, at most the room's size of it.
void drawBitmapClipped(HDC dc, HBITMAP bitmap, const base::PixelRect& room);

// Writes image to path (UTF-8) as 24 bits per pixel, uncompressed, replacing an existing file.
// False when the file could not be written completely; a partly written file is removed.
bool savePicture(const PixelImage& image, const std::string& path);

// A drawing surface in memory: a device context with a bitmap of its own selected into it, both
// released together.
class MemoryBitmap {
public:
    MemoryBitmap() = default;
    ~MemoryBitmap() { release(); }
    MemoryBitmap(const MemoryBitmap&) = delete;
    MemoryBitmap& operator=(const MemoryBitmap&) = delete;

    // Takes both and selects the bitmap; false, holding nothing, when either is missing.
    bool hold(HDC dc, HBITMAP bitmap);
    void release();

    // Null while nothing is held.
    HDC dc() const { return dc_; }

private:
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
};

} // namespace velmora::forms
