// The music platform over winmm: mciSendStringA, mciGetErrorStringA, PlaySoundW and
// waveOutGetNumDevs, with the ANSI conversion of commands and replies.
#include "saver/music/WinmmMusicPlatform.h"

#include "base/win32/PlatformText.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <windows.h>

#include <mmsystem.h>

namespace velmora::music {

namespace {

// Turns the ANSI reply in a buffer into UTF-8 in place, cut at a character boundary to fit.
void replyToUtf8(char* buffer, uint32_t capacity) {
    if (buffer == nullptr || capacity == 0) {
        return;
    }
    const char* end = std::find(buffer, buffer + capacity, '\0');
    if (std::all_of(static_cast<const char*>(buffer), end,
                    [](char c) { return static_cast<unsigned char>(c) < 0x80; })) {
        return;
    }
    const std::string utf8 = win32::fromAnsi(std::string_view(buffer, end - buffer));
    size_t length = std::min<size_t>(utf8.size(), capacity - 1);
    while (length > 0 && length < utf8.size() &&
           (static_cast<unsigned char>(utf8[length]) & 0xC0) == 0x80) {
        --length;
    }
    std::memcpy(buffer, utf8.data(), length);
    buffer[length] = '\0';
}

} // namespace

int32_t WinmmMusicPlatform::sendString(const std::string& command, char* reply, uint32_t capacity) {
    const MCIERROR code = mciSendStringA(win32::toAnsi(command).c_str(), reply, capacity, nullptr);
    if (code == 0) {
        replyToUtf8(reply, capacity);
    }
    return static_cast<int32_t>(code);
}

bool WinmmMusicPlatform::errorString(int32_t code, char* buffer, uint32_t capacity) {
    if (!mciGetErrorStringA(static_cast<MCIERROR>(code), buffer, capacity)) {
        return false;
    }
    replyToUtf8(buffer, capacity);
    return true;
}

void WinmmMusicPlatform::playSound(const std::string* name, uint32_t flags) {
    if (name == nullptr) {
        PlaySoundW(nullptr, nullptr, flags);
        return;
    }
    PlaySoundW(win32::toWide(*name).c_str(), nullptr, flags);
}

std::optional<std::string> WinmmMusicPlatform::commandPath(const std::string& path) {
    const std::optional<base::PathForm> usable =
        win32::ansiUsablePath(path, std::numeric_limits<size_t>::max());
    if (!usable) {
        return std::nullopt;
    }
    return usable->path;
}

int32_t WinmmMusicPlatform::waveOutDeviceCount() {
    return static_cast<int32_t>(waveOutGetNumDevs());
}

} // namespace velmora::music
