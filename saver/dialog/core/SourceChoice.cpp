// The dialog's source choice (see SourceChoice.h).
#include "saver/dialog/core/SourceChoice.h"

namespace velmora::dialog {

std::optional<BgmKind> SourceChoice::markedSource() const {
    switch (bgmKind_) {
    case kNoMusic:
    case kAudioCd:
    case kMusicFile:
        return static_cast<BgmKind>(bgmKind_);
    default:
        return std::nullopt;
    }
}

} // namespace velmora::dialog
