// The settings dialog's layout: controls that fit their surface without covering each other,
// source rows of a mark and its label, distinct tab stops, the window's corner on the screen and
// the zoom's path.
#include "saver/dialog/core/DialogLayout.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <utility>

namespace velmora::dialog {
namespace {

// Every control in sight but the frame drawn around the heading.
constexpr ControlLayout kControls[] = {
    layout::kPanel,         layout::kHeading,   layout::kMarkCd,     layout::kLabelCd,
    layout::kRepeatCaption, layout::kRepeat,    layout::kMarkNone,   layout::kLabelNone,
    layout::kMarkFile,      layout::kLabelFile, layout::kFileButton, layout::kFileName,
    layout::kCredit,        layout::kUrl,       layout::kSet,        layout::kCancel,
};

bool overlap(const base::TwipsRect& a, const base::TwipsRect& b) {
    return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
           b.top < a.top + a.height;
}

TEST(DialogLayout, ControlsFitTheirSurfaceAndCoverNoOther) {
    for (const ControlLayout& c : kControls) {
        const base::TwipsRect surface =
            c.parent == Parent::Panel
                ? layout::kPanel.twips
                : base::TwipsRect{0, 0, kClientWidthTwips, kClientHeightTwips};
        EXPECT_LE(c.twips.left + c.twips.width, surface.width) << c.name << c.index;
        EXPECT_LE(c.twips.top + c.twips.height, surface.height) << c.name << c.index;
        // Whole pixels at 96 dots per inch.
        EXPECT_EQ(c.twips.left % 15 + c.twips.top % 15 + c.twips.width % 15 + c.twips.height % 15,
                  0)
            << c.name << c.index;
        for (const ControlLayout& other : kControls) {
            if (&c < &other && c.parent == other.parent) {
                EXPECT_FALSE(overlap(c.twips, other.twips)) << c.name << c.index << other.name;
            }
        }
    }
    // The heading sits inside its frame; the mark sources are deliberately out of sight.
    const base::TwipsRect frame = layout::kHeadingFrame.twips;
    const base::TwipsRect heading = layout::kHeading.twips;
    EXPECT_TRUE(heading.left >= frame.left && heading.top >= frame.top &&
                heading.left + heading.width <= frame.left + frame.width &&
                heading.top + heading.height <= frame.top + frame.height);
    EXPECT_GE(layout::kMarkOff.twips.left, kClientWidthTwips);
    EXPECT_GE(layout::kMarkOn.twips.left, kClientWidthTwips);
}

TEST(DialogLayout, EachSourceIsAMarkWithItsLabelBesideItInOneColumn) {
    const std::pair<ControlLayout, ControlLayout> rows[] = {
        {layout::kMarkNone, layout::kLabelNone},
        {layout::kMarkCd, layout::kLabelCd},
        {layout::kMarkFile, layout::kLabelFile}};
    for (const auto& [mark, label] : rows) {
        EXPECT_EQ(mark.index, label.index);
        EXPECT_EQ(mark.twips.top, label.twips.top) << label.index;
        EXPECT_EQ(mark.twips.left, layout::kMarkNone.twips.left) << label.index;
        EXPECT_GT(label.twips.left, mark.twips.left + mark.twips.width) << label.index;
    }
}

TEST(DialogLayout, TabStopsAreDistinct) {
    std::set<int> stops;
    for (const ControlLayout& c : kControls) {
        if (c.tabIndex != kNoTabIndex) {
            EXPECT_TRUE(stops.insert(c.tabIndex).second) << c.name << c.index;
        }
    }
}

// Half the free space across and a third of it down, rounded toward zero, also for a window
// larger than the screen.
TEST(DialogLayout, CornerIsAHalfAcrossAndAThirdDown) {
    for (int screen : {7000, 7001, 15360, 19200}) {
        for (int window : {3645, 4110, 4125, 7530, 7545}) {
            const TwipsPoint corner = dialogCorner(screen, screen * 3 / 4, window, window / 2);
            const int across = screen - window;
            const int down = screen * 3 / 4 - window / 2;
            EXPECT_LE(std::abs(across - 2 * corner.x), 1) << screen << " " << window;
            EXPECT_LE(std::abs(down - 3 * corner.y), 2) << screen << " " << window;
            EXPECT_LE(std::abs(2 * corner.x), std::abs(across));
            EXPECT_LE(std::abs(3 * corner.y), std::abs(down));
        }
    }
}

TEST(DialogLayout, ZoomOpensFromTheAnchorAndClosesBackToIt) {
    const base::PixelRect window{261, 165, 502, 274};
    for (const auto& [pointer, anchor] :
         {std::pair{std::optional<ScreenPoint>({40, 70}), base::PixelRect{40, 70, 0, 0}},
          std::pair{std::optional<ScreenPoint>(), base::PixelRect{0, 0, 0, 0}}}) {
        EXPECT_EQ(zoomAnchor(pointer), anchor);
        EXPECT_EQ(zoomPath(ZoomDirection::Open, anchor, window), (ZoomPath{anchor, window}));
        EXPECT_EQ(zoomPath(ZoomDirection::Close, anchor, window), (ZoomPath{window, anchor}));
    }
}

} // namespace
} // namespace velmora::dialog
