// The background music of a full-screen run: an audio CD or one MP3 file through MCI command
// strings, or one WAV file through the sound player. The saver form calls these operations at
// load, from its CD and file timers, and at unload; failures are silent by design.
#pragma once

#include "saver/music/core/MusicPlatform.h"
#include "saver/settings/core/SettingsRecord.h"

#include <array>
#include <cstdint>
#include <string>

namespace velmora::music {

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
