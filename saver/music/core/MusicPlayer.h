// The background music of a full-screen run: an audio CD or one MP3 file through MCI command
// strings, or one WAV file through the sound player. The saver form calls these operations at
// load, from its CD and file timers, and at unload; failures are silent by design. The player
// meets the platform through MusicPlatform: MCI command strings, MCI error texts, the sound
// player and the count of wave output devices, texts UTF-8 on this side of the seam.
#pragma once

#include "saver/settings/core/SettingsRecord.h"

#include <array>
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

class MusicPlayer {
public:
    MusicPlayer(MusicPlatform& platform, const settings::SettingsRecord& record);

    // Sends a command with the 512-character reply buffer: 0 on success, -1 for an empty
    // command, otherwise the MCI error code with the platform's error text as reply.
    int32_t MCI_Send(const std::string& command, std::string& reply);
    // The reply, or "Error:" and the code when the command fails (the error text stays in
    // LastReply).
    std::string MCI_Query(const std::string& command);
    // "play <device>[ from <from>][ to <to>]"; an empty from or to is left out.
    int32_t MCI_Play(const std::string& device, const std::string& from, const std::string& to);

    void CD_Open();
    // One tick of the CD watch: plays the disc on when the drive has stopped, or keeps track
    // BgmRepeat looping. Clears CdActive when the drive or disc is unusable.
    void CD_Poll();
    void CD_Close();

    void MP3_Open();
    bool MP3_IsPlaying();
    // Starts the file again from its beginning once it has ended.
    void MP3_Poll();
    void MP3_Close();

    void WAV_Play();
    void WAV_Stop();

    bool CdActive() const { return cdActive_; }
    const std::string& LastReply() const { return lastReply_; }

private:
    void send(const std::string& command);
    bool checkedQuery(const std::string& command, std::string& reply);

    MusicPlatform& platform_;
    const settings::SettingsRecord& record_;
    bool cdActive_ = false;
    std::string lastReply_;
    // The buffers keep their content from call to call, as a failed command may leave them.
    std::array<char, 512> replyBuffer_{};
    std::array<char, 256> errorBuffer_{};
    std::array<char, 256> cdModeBuffer_{};
    std::array<char, 30> fileModeBuffer_{};
};

} // namespace velmora::music
