// The form of a path given to a place that only takes ANSI text.
#include "base/PathForm.h"

#include <gtest/gtest.h>

namespace velmora::base {
namespace {

TEST(PathForm, TheFullFormFirstThenTheShortOneNeverALookAlike) {
    const PathForm exact{"C:\\vel-é\\a.mp3", "C:\\vel-\xE9\\a.mp3"};
    const PathForm inexact{"C:\\vel-한글\\a.mp3", std::nullopt};
    const PathForm shortExact{"C:\\VEL-~1\\a.mp3", "C:\\VEL-~1\\a.mp3"};
    const PathForm shortInexact{"C:\\vel-〜\\a.mp3", std::nullopt};
    const PathForm tooLong{std::string(300, 'a'), std::string(300, 'a')};
    const struct Case {
        const char* name;
        PathForm full;
        std::optional<PathForm> shortForm;
        const char* chosen; // null: refused
    } cases[] = {
        {"exact full form", exact, shortExact, "C:\\vel-é\\a.mp3"},
        {"short form for a name outside the code page", inexact, shortExact, "C:\\VEL-~1\\a.mp3"},
        {"no short form", inexact, std::nullopt, nullptr},
        {"short form outside the code page too", inexact, shortInexact, nullptr},
        {"too long for the settings file", tooLong, std::nullopt, nullptr},
        {"too long, with a short form that fits", tooLong, shortExact, "C:\\VEL-~1\\a.mp3"},
        {"empty", PathForm{"", ""}, std::nullopt, nullptr},
    };
    for (const Case& c : cases) {
        const std::optional<PathForm> form = ansiUsableForm(c.full, c.shortForm, 255);
        ASSERT_EQ(form.has_value(), c.chosen != nullptr) << c.name;
        if (form) {
            EXPECT_EQ(form->path, c.chosen) << c.name;
        }
    }
}

} // namespace
} // namespace velmora::base
