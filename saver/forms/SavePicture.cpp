// Writing a PixelImage to a bitmap file (see SavePicture.h).
#include "saver/forms/SavePicture.h"

#include <windows.h>

#include "base/win32/PlatformText.h"

namespace velmora::forms {

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

} // namespace velmora::forms
