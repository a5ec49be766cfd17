// A drawing surface in memory: a device context with a bitmap of its own selected into it, both
// released together.
#pragma once

#include <windows.h>

namespace velmora::forms {

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
