// Loading and drawing control pictures (see Bitmaps.h).
#include "saver/forms/Bitmaps.h"

#include <algorithm>

namespace velmora::forms {

HBITMAP loadBitmapResource(int id) {
    if (id == 0) {
        return nullptr;
    }
    return static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id),
                                           IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
}

void drawBitmapClipped(HDC dc, HBITMAP bitmap, const base::PixelRect& room) {
    BITMAP info{};
    if (!bitmap || !GetObjectW(bitmap, sizeof(info), &info)) {
        return;
    }
    const int shownWidth = std::min(room.width, static_cast<int>(info.bmWidth));
    const int shownHeight = std::min(room.height, static_cast<int>(info.bmHeight));
    if (shownWidth <= 0 || shownHeight <= 0) {
        return;
    }
    HDC source = CreateCompatibleDC(dc);
    HGDIOBJ previous = SelectObject(source, bitmap);
    BitBlt(dc, room.left, room.top, shownWidth, shownHeight, source, 0, 0, SRCCOPY);
    SelectObject(source, previous);
    DeleteDC(source);
}

} // namespace velmora::forms
