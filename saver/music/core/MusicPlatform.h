// What the music player needs of the platform: MCI command strings, MCI error texts, the sound
// player and the count of wave output devices. Texts are UTF-8 on this side of the seam.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace velmora::music {

class MusicPlatform {
public:
    virtual ~MusicPlatform() = default;

    // Sends an MCI command string without a callback window and returns the MCI error code, 0 on
    // success. `reply` is null with capacity 0 for no reply, or a buffer of `capacity`
    // characters that receives the NUL-terminated reply; like the platform's own buffer it may
    // be left as it was when the command fails.
    virtual int32_t sendString(const std::string& command, char* reply, uint32_t capacity) = 0;

    // Puts the platform's text for an MCI error code into a buffer of `capacity` characters;
    // false when there is no text.
    virtual bool errorString(int32_t code, char* buffer, uint32_t capacity) = 0;

    // Plays the named sound with the platform's flags (SND_ASYNC = 1, SND_NODEFAULT = 2,
    // SND_LOOP = 8, SND_FILENAME = 0x20000); a null name with flags 0 stops the sound that is
    // playing. The name reaches the platform exactly as it is.
    virtual void playSound(const std::string* name, uint32_t flags) = 0;

    // The form of a file path that a command string can carry: the path, or its short form,
    // whichever converts to the command strings' code page exactly; nothing when neither does.
    virtual std::optional<std::string> commandPath(const std::string& path) = 0;

    virtual int32_t waveOutDeviceCount() = 0;
};

} // namespace velmora::music
