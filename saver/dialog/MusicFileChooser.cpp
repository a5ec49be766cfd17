// The open-file request of the settings dialog: one filter entry, the old-style record size and
// no flags, in UTF-16 so that any file name comes back as it is.
#include "saver/dialog/MusicFileChooser.h"

#include <commdlg.h>

#include "base/win32/PlatformText.h"

namespace velmora::dialog {

namespace {
// Both buffers hold 255 characters; the request is told so, so a longer path cannot overrun.
constexpr DWORD kPathCapacity = 255;
} // namespace

std::optional<std::string> chooseMusicFile(HWND owner, const std::string& startFolder) {
    // The filter is a description and a pattern, each NUL-ended, and a final NUL to close it.
    std::wstring filter = win32::toWide("BGMﾌｧｲﾙ (MP3 WAV)");
    filter.push_back(L'\0');
    filter += L"*.MP3;*.WAV";
    filter.push_back(L'\0');
    const std::wstring folder = win32::toWide(startFolder);
    const std::wstring title = win32::toWide("ﾌｧｲﾙを開く");
    wchar_t file[kPathCapacity + 1] = {};
    wchar_t fileTitle[kPathCapacity + 1] = {};

    OPENFILENAMEW request = {};
    request.lStructSize = OPENFILENAME_SIZE_VERSION_400W;
    request.hwndOwner = owner;
    request.hInstance = GetModuleHandleW(nullptr);
    request.lpstrFilter = filter.c_str();
    request.lpstrFile = file;
    request.nMaxFile = kPathCapacity;
    request.lpstrFileTitle = fileTitle;
    request.nMaxFileTitle = kPathCapacity;
    request.lpstrInitialDir = folder.c_str();
    request.lpstrTitle = title.c_str();
    request.Flags = 0;

    if (GetOpenFileNameW(&request) <= 0) {
        return std::nullopt;
    }
    return win32::fromWide(file);
}

} // namespace velmora::dialog
