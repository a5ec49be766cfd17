// What each stored music source switches on in the settings dialog, the repeat list and what
// confirming the dialog stores.
#include "saver/dialog/core/DialogValues.h"

#include <gtest/gtest.h>

namespace velmora::dialog {
namespace {
TEST(DialogValues, EachSourceEnablesItsOwnControlAndMark) {
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

TEST(DialogValues, RepeatListIsAnEmptyEntryThenOneToThirty) {
    const auto entries = repeatListEntries();
    ASSERT_EQ(entries.size(), 31u);
    EXPECT_EQ(entries[0], "");
    EXPECT_EQ(entries[1], "1");
    EXPECT_EQ(entries[9], "9");
    EXPECT_EQ(entries[10], "10");
    EXPECT_EQ(entries[30], "30");
}

TEST(DialogValues, RepeatTextShowsNoRepeatAsEmpty) {
    EXPECT_EQ(repeatText(0), "");
    EXPECT_EQ(repeatText(7), "7");
    EXPECT_EQ(repeatText(31), "31");
    EXPECT_EQ(repeatText(-2), "-2");
}

TEST(DialogValues, TypedRepeatIsStoredAsARoundedSixteenBitTrack) {
    struct Case {
        std::string_view typed;
        int16_t repeat;
        std::string_view written;
    };
    const Case cases[] = {
        {"", 0, " 0"}, // empty combo text
        {"7", 7, " 7"},
        {" 12 ", 12, " 12"},
        {"2.5", 2, " 2"}, // halves to even
        {"3.5", 4, " 4"},
        {"4.51", 5, " 5"},
        {"-1.5", -2, "-2"},
        {"abc", 0, " 0"},
        {"7a", 0, " 0"},
        {"&H10", 16, " 16"},
        {"32767", 32767, " 32767"},
        {"32768", 0, " 0"}, // beyond 16 bits: stored as 0 instead of failing
        {"-32769", 0, " 0"},
        {"1E10", 0, " 0"},
    };
    for (const Case& c : cases) {
        const SettingsToSave saved = settingsToSave(1, c.typed, "");
        EXPECT_EQ(saved.bgmRepeat, c.repeat) << "typed '" << c.typed << "'";
        EXPECT_EQ(saved.entries[1].value, c.written) << "typed '" << c.typed << "'";
    }
}

TEST(DialogValues, ThreeKeysInOrderWithBlankLedNumbersAndTheFileAsItIs) {
    const SettingsToSave saved = settingsToSave(2, "", "C:\\Music\\曲 1.mp3");
    EXPECT_EQ(saved.entries[0], (settings::IniEntry{"BGM区分", " 2"}));
    EXPECT_EQ(saved.entries[1], (settings::IniEntry{"BGMﾘﾋﾟｰﾄ", " 0"}));
    EXPECT_EQ(saved.entries[2], (settings::IniEntry{"BGMﾌｧｲﾙ", "C:\\Music\\曲 1.mp3"}));

    // An out-of-range source from a hand-edited file goes back unchanged; no file writes empty.
    const SettingsToSave odd = settingsToSave(-7, "5", "");
    EXPECT_EQ(odd.entries[0].value, "-7");
    EXPECT_EQ(odd.entries[2].value, "");
}

} // namespace
} // namespace velmora::dialog
