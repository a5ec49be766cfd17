// The open-file request of the settings dialog: one filter entry, the old-style record size and
// no flags, all texts in the ANSI code page the request is read in.
#include "saver/dialog/MusicFileChooser.h"

#include <commdlg.h>

#include "saver/text/AnsiText.h"

namespace velmora::dialog {

namespace {
// Both buffers hold 255 characters; the request is told so, so a longer path cannot overrun.
constexpr DWORD kPathCapacity = 255;
} // namespace

std::optional<std::string> chooseMusicFile(HWND owner, const std::string& startFolder) {
    // The filter is a description and a pattern, each NUL-ended, and a final NUL to close it.
    std::string filter = toAnsi("BGMﾌｧｲﾙ (MP3 WAV)");
    filter.push_back('\0');
    filter += "*.MP3;*.WAV";
    filter.push_back('\0');
    const std::string folder = toAnsi(startFolder);
    const std::string title = toAnsi("ﾌｧｲﾙを開く");
    char file[kPathCapacity + 1] = {};
    char fileTitle[kPathCapacity + 1] = {};

    OPENFILENAMEA request = {};
    request.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
    request.hwndOwner = owner;
    request.hInstance = GetModuleHandleA(nullptr);
    request.lpstrFilter = filter.c_str();
    request.lpstrFile = file;
    request.nMaxFile = kPathCapacity;
    request.lpstrFileTitle = fileTitle;
    request.nMaxFileTitle = kPathCapacity;
    request.lpstrInitialDir = folder.c_str();
    request.lpstrTitle = title.c_str();
    request.Flags = 0;

    if (GetOpenFileNameA(&request) <= 0) {
        return std::nullopt;
    }
    return fromAnsi(file);
}

} // namespace velmora::dialog
