// The music settings as the settings dialog shows them and stores them: the chosen source and
// what it switches on there (the repeat list only for the audio CD, the file button only for a
// music file, and the chosen source's mark), the texts of the repeat box, and the values that
// confirming stores.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "saver/settings/core/SettingsRecord.h"
#include "saver/settings/core/SettingsStore.h"

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

// The list of the repeat combo box: an empty entry for "no repeat", then the tracks 1 to 30.
std::vector<std::string> repeatListEntries();

// The combo box text for a stored repeat track; no repeat (0) shows as an empty text.
std::string repeatText(int16_t bgmRepeat);

// What confirming the dialog stores: the repeat track taken from the typed text, and the three
// keys in the order they are written.
struct SettingsToSave {
    int16_t bgmRepeat;
    std::array<settings::IniEntry, 3> entries;
};

// The typed repeat text becomes a track rounded halves-to-even; a text that is no number, or a
// number beyond the 16-bit range, stores 0 rather than failing. Numbers are written with a
// leading blank for zero and above; the file path is written as it is, empty or not.
SettingsToSave settingsToSave(int16_t bgmKind, std::string_view typedRepeat,
                              const std::string& bgmFile);

} // namespace velmora::dialog
