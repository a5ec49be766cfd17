// The preview form inside a host window of this process, where the screen shows what it
// draws: the picture fills a host of its own size, sits top-left on black in a larger one and
// is clipped in a smaller one.
#include <gtest/gtest.h>

#include "SaverHost.h"
#include "contract/SharedNames.h"
#include "saver/assets/AssetIds.h"
#include "saver/forms/Program.h"
#include "saver/launcher/Vantri_R.h"

namespace velmora::launcher {

namespace {

constexpr int kLeft = 100;
constexpr int kTop = 100;

} // namespace

TEST(Vantri_R, PictureFillsSitsTopLeftOnBlackOrIsClipped) {
    const ResourcePicture picture = resourcePicture(IDB_PREVIEW);
    ASSERT_EQ(picture.width, 152);
    ASSERT_EQ(picture.height, 112);
    const struct {
        int width, height;
    } hosts[] = {{152, 112}, {200, 150}, {100, 80}};
    for (const auto& size : hosts) {
        HWND host = makeHostWindow(kLeft, kTop, size.width, size.height);
        Vantri_R preview;
        preview.showIn(host);
        HWND form = FindWindowExA(host, nullptr, nullptr, contract::kPreviewFormTitle);
        ASSERT_TRUE(form);
        EXPECT_TRUE(GetWindowLongA(form, GWL_STYLE) & WS_CHILD);
        RECT client{};
        GetClientRect(form, &client);
        EXPECT_EQ(client.right, size.width);
        EXPECT_EQ(client.bottom, size.height);
        pumpMessages(Millis(200));

        const std::vector<uint32_t> shown =
            captureScreen({kLeft, kTop, kLeft + size.width, kTop + size.height});
        int wrong = 0;
        for (int y = 0; y < size.height; ++y) {
            for (int x = 0; x < size.width; ++x) {
                wrong += !sameOnScreen(shown[y * size.width + x],
                                       x < 152 && y < 112 ? picture.at(x, y) : 0);
            }
        }
        EXPECT_EQ(wrong, 0) << "pixels that differ in a host of " << size.width << " x "
                            << size.height;

        // The host going away unloads the form: the program's loop ends.
        PostMessageA(host, WM_CLOSE, 0, 0);
        const auto start = Clock::now();
        velmora::forms::runMessageLoop(preview.form());
        EXPECT_LT(Clock::now() - start, Millis(1000));
        EXPECT_FALSE(IsWindow(form));
    }
}

// A side beyond what 16-bit twips hold (2184 pixels at 96 dots per inch, 2730 at 120) stays 0,
// as the failed store leaves it; the other side is as wide as the host's.
TEST(Vantri_R, AHostTooWideForSixteenBitTwipsGivesAWidthOfZero) {
    HWND host = makeHostWindow(kLeft, kTop, 3000, 112);
    Vantri_R preview;
    preview.showIn(host);
    HWND form = FindWindowExA(host, nullptr, nullptr, contract::kPreviewFormTitle);
    ASSERT_TRUE(form);
    RECT client{};
    GetClientRect(form, &client);
    EXPECT_EQ(client.right, 0);
    EXPECT_EQ(client.bottom, 112);
    DestroyWindow(host);
}

} // namespace velmora::launcher
