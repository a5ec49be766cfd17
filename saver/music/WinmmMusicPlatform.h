// MusicPlatform over the Windows multimedia functions; command strings go to the ANSI
// functions in the system's code page, replies come back as UTF-8, sound files by their
// UTF-16 name.
#pragma once

#include "saver/music/core/MusicPlayer.h"

namespace velmora::music {

class WinmmMusicPlatform : public MusicPlatform {
public:
    int32_t sendString(const std::string& command, char* reply, uint32_t capacity) override;
    bool errorString(int32_t code, char* buffer, uint32_t capacity) override;
    void playSound(const std::string* name, uint32_t flags) override;
    int32_t waveOutDeviceCount() override;
    std::optional<std::string> commandPath(const std::string& path) override;
};

} // namespace velmora::music
