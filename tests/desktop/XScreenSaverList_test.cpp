// The edits of the user's list of XScreenSaver hacks: Velmora's line goes in at the end of the
// list in force and out again, every other line of the file kept as it was, in the files
// XScreenSaver's settings write and in those written by hand.
#include "desktop/core/XScreenSaverList.h"

#include <gtest/gtest.h>

namespace velmora::desktop {
namespace {

// The lines as XScreenSaver's settings write them.
const std::string kProgramsLine = "programs:\t\t\t\t\t\t\t\t      \\\n";
const std::string kVelmoraLine = "  GL: \t\t\t\tvelmora --root\t\t\t\t    \\n\\\n";
const std::string kMazeLine = "\t\t\t\tmaze --root\t\t\t\t    \\n\\\n";
const std::string kSuperquadricsLine = "- GL: \t\t\t\tsuperquadrics --root\t\t\t    \\n\\\n";

const std::string kSettingsTop =
    "# XScreenSaver Preferences File\n\nmode:\t\tone\nselected:\t1\n\n" + kProgramsLine +
    kMazeLine + kSuperquadricsLine;
const std::string kSettingsEnd = "\n\npointerHysteresis:\t10\n";
const std::string kSettingsFile = kSettingsTop + kSettingsEnd;
const std::string kSettingsWithVelmora = kSettingsTop + kVelmoraLine + kSettingsEnd;

// The default list, its last entry closing it as the app-defaults file does.
const std::string kAppDefaults = "*fade:\t\t\tTrue\n*programs:\t\t\t\t\t\t\t\t      \\\n" +
                                 kMazeLine +
                                 "- GL: \t\t\t\tsuperquadrics --root\t\t\t    \\n\n"
                                 "*lock:\t\t\tFalse\n";
const std::string kDefaultsAndVelmora =
    kProgramsLine + kMazeLine + kSuperquadricsLine + kVelmoraLine + "\n";
const FileHeader kHeader{"velmora-xscreensaver", "1.0.0", "ann", "Wed Dec  9 16:00:00 2026"};

struct Edit {
    const char* what;
    std::optional<std::string> before;
    ListChange change;
    std::string after; // for Added and Removed
};

void expectEdit(const Edit& edit, const ListEdit& result) {
    SCOPED_TRACE(edit.what);
    EXPECT_EQ(result.change, edit.change);
    EXPECT_EQ(result.text, edit.after);
}

TEST(XScreenSaverList, AddsVelmoraAtTheEndOfTheListInForce) {
    const Edit edits[] = {
        {"the settings' file", kSettingsFile, ListChange::Added, kSettingsWithVelmora},
        {"a second time", kSettingsWithVelmora, ListChange::AlreadyListed, ""},
        {"listed by its path, disabled",
         "programs: - GL: /usr/libexec/xscreensaver/velmora -root \\n\n", ListChange::AlreadyListed,
         ""},
        {"the last entry closing the list", "programs: \\\n\tmaze -root \\n\nlock: False\n",
         ListChange::Added,
         "programs: \\\n\tmaze -root \\n \\\n" + kVelmoraLine + "\nlock: False\n"},
        {"the last entry without its \\n", "Programs:\tmaze -root\nlock: False\n",
         ListChange::Added, "Programs:\tmaze -root \\n\\\n" + kVelmoraLine + "\nlock: False\n"},
        {"an empty list", "programs:\n", ListChange::Added, kProgramsLine + kVelmoraLine + "\n"},
        {"the last of two lists", "programs: maze -root\nprograms: qix -root\n", ListChange::Added,
         "programs: maze -root\nprograms: qix -root \\n\\\n" + kVelmoraLine + "\n"},
        {"no list: the defaults and Velmora", "lock:\t\tFalse", ListChange::Added,
         "lock:\t\tFalse\n\n" + kDefaultsAndVelmora},
        {"a list inside a comment is none", "# programs: \\\nprograms: qix\n", ListChange::Added,
         "# programs: \\\nprograms: qix\n\n" + kDefaultsAndVelmora},
        {"no file", std::nullopt, ListChange::Added,
         "# XScreenSaver Preferences File\n"
         "# Written by velmora-xscreensaver 1.0.0 for ann on Wed Dec  9 16:00:00 2026.\n"
         "# https://www.jwz.org/xscreensaver/\n\n" +
             kDefaultsAndVelmora},
    };
    for (const Edit& edit : edits) {
        const std::optional<std::string_view> before =
            edit.before ? std::optional<std::string_view>(*edit.before) : std::nullopt;
        expectEdit(edit, addVelmora(before, kAppDefaults, kHeader));
    }
}

TEST(XScreenSaverList, RefusesWithoutTheDefaultList) {
    EXPECT_EQ(addVelmora(std::nullopt, std::nullopt, kHeader).change, ListChange::Refused);
    EXPECT_EQ(addVelmora("lock: False\n", "*fade: True\n", kHeader).change, ListChange::Refused);
}

TEST(XScreenSaverList, TakesOutVelmorasLinesOnly) {
    const Edit edits[] = {
        {"the settings' file", kSettingsWithVelmora, ListChange::Removed, kSettingsFile},
        {"a second time", kSettingsFile, ListChange::NotListed, ""},
        {"no file", std::nullopt, ListChange::NotListed, ""},
        {"no list", "lock: False\n", ListChange::NotListed, ""},
        {"the list's only entry", "programs: GL: velmora -root \\n\nlock: False\n",
         ListChange::Removed, "programs:\nlock: False\n"},
        {"the first entry, beside the name",
         "programs: GL: velmora -root \\n\\\n\tmaze -root \\n\n", ListChange::Removed,
         kProgramsLine + "\tmaze -root \\n\n"},
        {"the entry closing the list",
         "programs: \\\n\tmaze -root \\n\\\n- GL: /opt/velmora -root \\n\nlock: False\n",
         ListChange::Removed, "programs: \\\n\tmaze -root \\n\\\n\nlock: False\n"},
        {"every Velmora line", "programs: \\\nvelmora \\n\\\nmaze \\n\\\nvelmora -fps \\n\\\n\n",
         ListChange::Removed, "programs: \\\nmaze \\n\\\n\n"},
        {"a line shared with another hack", "programs: maze -root \\n velmora -root \\n\n",
         ListChange::Refused, ""},
    };
    for (const Edit& edit : edits) {
        const std::optional<std::string_view> before =
            edit.before ? std::optional<std::string_view>(*edit.before) : std::nullopt;
        expectEdit(edit, removeVelmora(before));
    }
}

} // namespace
} // namespace velmora::desktop
