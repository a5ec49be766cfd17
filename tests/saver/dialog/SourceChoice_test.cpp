// What each stored music source switches on in the settings dialog.
#include "saver/dialog/core/SourceChoice.h"

#include <gtest/gtest.h>

namespace velmora::dialog {
namespace {

TEST(SourceChoice, EachSourceEnablesItsOwnControlAndMark) {
    struct Case {
        int16_t bgmKind;
        bool repeatList;
        bool fileButton;
        std::optional<settings::BgmKind> mark;
    };
    const Case cases[] = {
        {settings::kNoMusic, false, false, settings::kNoMusic},
        {settings::kAudioCd, true, false, settings::kAudioCd},
        {settings::kMusicFile, false, true, settings::kMusicFile},
        {3, false, false, std::nullopt},
        {-1, false, false, std::nullopt},
        {257, false, false, std::nullopt},
    };
    for (const Case& c : cases) {
        const SourceChoice choice(c.bgmKind);
        EXPECT_EQ(choice.repeatListEnabled(), c.repeatList) << c.bgmKind;
        EXPECT_EQ(choice.fileButtonEnabled(), c.fileButton) << c.bgmKind;
        EXPECT_EQ(choice.markedSource(), c.mark) << c.bgmKind;
    }
}

} // namespace
} // namespace velmora::dialog
