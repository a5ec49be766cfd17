// readDibFile: maps the file, checks its layout, lets GDI convert it into a 24-bit DIB section
// and copies the rows out; in front of it the quiet existence test and the texture hand-off. Every
// handle is owned by a guard, so each path releases what it made (device context, section, header
// blocks, view, mapping, file, in that order).
#include "renderer/bitmap/DibReader.h"

#include "base/win32/TextureHandOff.h"
#include "renderer/bitmap/core/DibLayout.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <new>
#include <type_traits>
#include <utility>

namespace velmora::bitmap {

namespace {

// Release functions of the guards; unique_ptr calls them only for what was made.
struct CloseHandleDeleter {
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};
struct UnmapViewDeleter {
    void operator()(const void* view) const { UnmapViewOfFile(view); }
};
struct DeleteDcDeleter {
    void operator()(HDC dc) const { DeleteDC(dc); }
};
struct DeleteObjectDeleter {
    void operator()(HBITMAP bitmap) const { DeleteObject(bitmap); }
};

using OwnedHandle = std::unique_ptr<void, CloseHandleDeleter>;

class MappedFile {
public:
    bool open(const char* path) {
        const HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                        FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) {
            return false;
        }
        file_.reset(file);
        LARGE_INTEGER size;
        if (!GetFileSizeEx(file, &size)) {
            return false;
        }
        mapping_.reset(CreateFileMappingA(file, nullptr, PAGE_READONLY, 0, 0, nullptr));
        if (!mapping_) {
            return false;
        }
        view_.reset(MapViewOfFile(mapping_.get(), FILE_MAP_READ, 0, 0, 0));
        size_ = static_cast<size_t>(size.QuadPart);
        return view_ != nullptr;
    }

    std::span<const uint8_t> bytes() const {
        return {static_cast<const uint8_t*>(view_.get()), size_};
    }

private:
    // Declared in the order of making, so they are released view, mapping, file.
    OwnedHandle file_;
    OwnedHandle mapping_;
    std::unique_ptr<const void, UnmapViewDeleter> view_;
    size_t size_ = 0;
};

class DibSection {
public:
    bool createDc() {
        dc_.reset(CreateCompatibleDC(nullptr));
        return dc_ != nullptr;
    }

    // A 24-bit section of the same width and height, sign kept, selected into the DC.
    bool create(int32_t width, int32_t height) {
        BITMAPINFO target{};
        target.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        target.bmiHeader.biWidth = width;
        target.bmiHeader.biHeight = height;
        target.bmiHeader.biPlanes = 1;
        target.bmiHeader.biBitCount = 24;
        target.bmiHeader.biCompression = BI_RGB;
        target.bmiHeader.biSizeImage = static_cast<DWORD>(sizeBytes(width, height));
        section_.reset(CreateDIBSection(dc_.get(), &target, DIB_RGB_COLORS, &bits_, nullptr, 0));
        return section_ && bits_ && SelectObject(dc_.get(), section_.get());
    }

    bool convert(const DibLayout& layout, const std::vector<uint8_t>& header,
                 const uint8_t* pixels) {
        const UINT rows = static_cast<UINT>(std::abs(layout.header.height));
        const int converted =
            SetDIBits(dc_.get(), section_.get(), 0, rows, pixels,
                      reinterpret_cast<const BITMAPINFO*>(header.data()), DIB_RGB_COLORS);
        GdiFlush();
        return converted > 0;
    }

    std::span<const uint8_t> bits(int32_t width, int32_t height) const {
        return {static_cast<const uint8_t*>(bits_), sizeBytes(width, height)};
    }

private:
    static size_t sizeBytes(int32_t width, int32_t height) {
        return sectionRowBytes(width) * static_cast<size_t>(std::abs(height));
    }

    // Declared so that the DC goes first and the section it holds after it.
    std::unique_ptr<std::remove_pointer_t<HBITMAP>, DeleteObjectDeleter> section_;
    std::unique_ptr<std::remove_pointer_t<HDC>, DeleteDcDeleter> dc_;
    void* bits_ = nullptr;
};

bool canOpenForReading(const char* path) {
    FILE* file = std::fopen(path, "r");
    if (!file) {
        return false;
    }
    std::fclose(file);
    return true;
}

DibError convertFile(const char* path, std::optional<RgbImage>& image) {
    MappedFile file;
    if (!file.open(path)) {
        return DibError::OpenFailed;
    }
    DibLayout layout;
    if (const DibError error = readDibLayout(file.bytes(), layout); error != DibError::None) {
        return error;
    }
    const std::vector<uint8_t> header = buildWorkingHeader(file.bytes(), layout);
    DibSection section;
    const int32_t width = layout.header.width;
    const int32_t height = layout.header.height;
    if (!section.createDc() || !section.create(width, height)) {
        return DibError::OutOfMemory;
    }
    if (!section.convert(layout, header, file.bytes().data() + layout.pixelOffset)) {
        return DibError::ConversionError;
    }
    image = copySectionRows(section.bits(width, height), width, height);
    return DibError::None;
}

} // namespace

DibReading readDibFile(const char* path) {
    if (!path) {
        path = ""; // reported as a file that cannot be opened
    }
    DibReading reading;
    DibError error;
    try {
        error = convertFile(path, reading.image);
    } catch (const std::bad_alloc&) {
        error = DibError::OutOfMemory;
    }
    if (error != DibError::None) {
        reading.image.reset();
        reading.message = dibErrorText(error, path);
    }
    return reading;
}

DibReading loadTextureBitmap(const char* path) {
    if (!path || !canOpenForReading(path)) {
        return {};
    }
    return readDibFile(path);
}

std::optional<RgbImage> loadScenePicture() {
    DibReading reading = loadTextureBitmap(win32::textureBitmapToRead().c_str());
    if (!reading.message.empty()) {
        MessageBoxA(GetFocus(), reading.message.c_str(), "Error", MB_OK);
    }
    return std::move(reading.image);
}

} // namespace velmora::bitmap
