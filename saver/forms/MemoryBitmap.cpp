// The memory drawing surface (see MemoryBitmap.h).
#include "saver/forms/MemoryBitmap.h"

namespace velmora::forms {

bool MemoryBitmap::hold(HDC dc, HBITMAP bitmap) {
    release();
    dc_ = dc;
    bitmap_ = bitmap;
    if (!dc_ || !bitmap_) {
        release();
        return false;
    }
    previous_ = SelectObject(dc_, bitmap_);
    return true;
}

void MemoryBitmap::release() {
    if (dc_) {
        if (previous_) {
            SelectObject(dc_, previous_);
        }
        DeleteDC(dc_);
    }
    if (bitmap_) {
        DeleteObject(bitmap_);
    }
    dc_ = nullptr;
    bitmap_ = nullptr;
    previous_ = nullptr;
}

} // namespace velmora::forms
