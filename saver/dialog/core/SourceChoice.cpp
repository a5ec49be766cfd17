// The dialog's source choice (see SourceChoice.h).
#include "saver/dialog/core/SourceChoice.h"

namespace velmora::dialog {

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
