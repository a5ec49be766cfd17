// The source choice, and conversions between the music settings and the dialog's texts.
#include "saver/dialog/core/DialogValues.h"

#include "saver/settings/core/SettingsRecord.h"
#include "saver/text/core/VbNumber.h"

namespace velmora::dialog {

namespace {
constexpr int kLastListedTrack = 30;
} // namespace

std::vector<std::string> repeatListEntries() {
    std::vector<std::string> entries;
    for (int track = 0; track <= kLastListedTrack; ++track) {
        entries.push_back(text::hashHashText(track));
    }
    return entries;
}

std::string repeatText(int16_t bgmRepeat) {
    return text::hashHashText(bgmRepeat);
}

SettingsToSave settingsToSave(int16_t bgmKind, std::string_view typedRepeat,
                              const std::string& bgmFile) {
    const int16_t repeat = text::roundToInt16(typedRepeat);
    return {repeat,
            {settings::IniEntry{settings::kBgmKindKey, text::blankLedText(bgmKind)},
             settings::IniEntry{settings::kBgmRepeatKey, text::blankLedText(repeat)},
             settings::IniEntry{settings::kBgmFileKey, bgmFile}}};
}

std::optional<settings::BgmKind> SourceChoice::markedSource() const {
    switch (bgmKind_) {
    case settings::kNoMusic:
    case settings::kAudioCd:
    case settings::kMusicFile:
        return static_cast<settings::BgmKind>(bgmKind_);
    default:
        return std::nullopt;
    }
}

} // namespace velmora::dialog
