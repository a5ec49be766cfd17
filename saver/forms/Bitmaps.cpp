// Loading, drawing, holding and saving bitmaps (see Bitmaps.h).
#include "saver/forms/Bitmaps.h"

#include <algorithm>

#include "base/win32/PlatformText.h"

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

bool savePicture(const PixelImage& image, const std::string& path) {
    const std::vector<uint8_t> bytes = encodeBmp24(image);
    const std::string ansiPath = win32::toAnsi(path);
    HANDLE file = CreateFileA(ansiPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    DWORD written = 0;
    const bool complete =
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
        written == bytes.size();
    CloseHandle(file);
    if (!complete) {
        DeleteFileA(ansiPath.c_str());
    }
    return complete;
}

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
