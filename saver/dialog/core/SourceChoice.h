// The music source chosen in the settings dialog and what it switches on there: the repeat list
// only for the audio CD, the file button only for a music file, and the chosen source's mark.
#pragma once

#include <cstdint>
#include <optional>

#include "saver/settings/core/SettingsRecord.h"

namespace velmora::dialog {

class SourceChoice {
public:
    // The stored BgmKind number, which a settings file may set to anything.
    explicit SourceChoice(int16_t bgmKind) : bgmKind_(bgmKind) {}

    bool repeatListEnabled() const { return bgmKind_ == settings::kAudioCd; }
    bool fileButtonEnabled() const { return bgmKind_ == settings::kMusicFile; }
    // The source whose mark shows on; none for a number outside the three sources.
    std::optional<settings::BgmKind> markedSource() const;

private:
    int16_t bgmKind_;
};

} // namespace velmora::dialog
