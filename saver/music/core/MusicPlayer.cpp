// The music player's command strings, reply handling and the CD, MP3 and WAV procedures.
#include "saver/music/core/MusicPlayer.h"

#include "saver/text/core/VbNumber.h"

#include <algorithm>
#include <cstring>

namespace velmora::music {

namespace {

constexpr char kEmptyCommandReply[] = "コマンド文字列が指定されていません";
constexpr char kNoErrorTextReply[] = "Error (文字列が取れません)";
// Of the CD mode buffer one character is kept back from the platform.
constexpr uint32_t kCdModeCapacity = 255;
// A file by its name only, never a system sound in its place, looping in the background.
constexpr uint32_t kSoundAsync = 0x1;
constexpr uint32_t kSoundNoDefault = 0x2;
constexpr uint32_t kSoundLoop = 0x8;
constexpr uint32_t kSoundFileName = 0x20000;
constexpr uint32_t kWavFlags = kSoundFileName | kSoundNoDefault | kSoundAsync | kSoundLoop;

template <size_t N> std::string textOf(const std::array<char, N>& buffer) {
    return std::string(buffer.data(), std::find(buffer.begin(), buffer.end(), '\0'));
}

// Mode replies are judged on their first seven characters only; "stopped" and "playing" are
// seven long, so a shorter reply fails through its NUL.
template <size_t N> bool modeIs(const std::array<char, N>& buffer, const char* mode) {
    return std::memcmp(buffer.data(), mode, 7) == 0;
}

bool containsErr(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; });
    return text.find("ERR") != std::string::npos;
}

} // namespace

MusicPlayer::MusicPlayer(MusicPlatform& platform, const settings::SettingsRecord& record)
    : platform_(platform), record_(record) {}

int32_t MusicPlayer::MCI_Send(const std::string& command, std::string& reply) {
    if (command.empty()) {
        reply = kEmptyCommandReply;
        return -1;
    }
    const int32_t code = platform_.sendString(command, replyBuffer_.data(), replyBuffer_.size());
    if (code != 0) {
        reply = platform_.errorString(code, errorBuffer_.data(), errorBuffer_.size())
                    ? textOf(errorBuffer_)
                    : kNoErrorTextReply;
        return code;
    }
    reply = textOf(replyBuffer_);
    return 0;
}

std::string MusicPlayer::MCI_Query(const std::string& command) {
    const int32_t code = MCI_Send(command, lastReply_);
    return code != 0 ? "Error:" + std::to_string(code) : lastReply_;
}

int32_t MusicPlayer::MCI_Play(const std::string& device, const std::string& from,
                              const std::string& to) {
    std::string command = "play " + device;
    if (!from.empty()) {
        command += " from " + from;
    }
    if (!to.empty()) {
        command += " to " + to;
    }
    return MCI_Send(command, lastReply_);
}

void MusicPlayer::send(const std::string& command) {
    platform_.sendString(command, nullptr, 0);
}

bool MusicPlayer::checkedQuery(const std::string& command, std::string& reply) {
    reply = MCI_Query(command);
    if (containsErr(reply)) {
        cdActive_ = false;
        return false;
    }
    return true;
}

void MusicPlayer::CD_Open() {
    send("open cdaudio");
    send("set cdaudio time format tmsf");
}

void MusicPlayer::CD_Poll() {
    cdActive_ = true;
    std::string track;
    std::string trackCount;
    if (!checkedQuery("status cdaudio current track", track) ||
        !checkedQuery("status cdaudio number of tracks", trackCount)) {
        return;
    }
    platform_.sendString("status cdaudio mode", cdModeBuffer_.data(), kCdModeCapacity);
    const bool stopped = modeIs(cdModeBuffer_, "stopped");
    if (record_.BgmRepeat == 0) {
        if (stopped) {
            MCI_Play("cdaudio", "", "");
        }
        return;
    }
    // The track reply is compared as a number even when the drive has stopped; one that is no
    // number is a failed tick.
    const auto trackNumber = text::numberValue(track);
    if (!trackNumber) {
        cdActive_ = false;
        return;
    }
    if (stopped || *trackNumber != record_.BgmRepeat) {
        const std::string position =
            MCI_Query("status cdaudio position track " + std::to_string(record_.BgmRepeat));
        MCI_Play("cdaudio", position, "");
    }
}

void MusicPlayer::CD_Close() {
    send("stop cdaudio");
    send("close cdaudio");
}

void MusicPlayer::MP3_Open() {
    // A path the command cannot carry exactly would open another file, or none: play nothing.
    const std::optional<std::string> path = platform_.commandPath(record_.BgmFile);
    if (!path) {
        return;
    }
    if (platform_.sendString("open \"" + *path + "\" type MPEGVideo Alias MP3Play", nullptr, 0) ==
        0) {
        send("play MP3Play");
    }
}

bool MusicPlayer::MP3_IsPlaying() {
    platform_.sendString("status MP3Play mode", fileModeBuffer_.data(), fileModeBuffer_.size());
    return modeIs(fileModeBuffer_, "playing");
}

void MusicPlayer::MP3_Poll() {
    if (MP3_IsPlaying()) {
        return;
    }
    send("stop MP3Play");
    send("play MP3Play from 0");
}

void MusicPlayer::MP3_Close() {
    send("stop MP3Play");
    send("close MP3Play");
}

void MusicPlayer::WAV_Play() {
    if (platform_.waveOutDeviceCount() <= 0) {
        return;
    }
    platform_.playSound(&record_.BgmFile, kWavFlags);
}

void MusicPlayer::WAV_Stop() {
    platform_.playSound(nullptr, 0);
}

} // namespace velmora::music
