// Placement of the settings dialog: control table in pixels and the window's corner.
#include "saver/dialog/core/DialogLayout.h"

#include "base/Twips.h"

#include <gtest/gtest.h>

#include <utility>

namespace velmora::dialog {
namespace {

TEST(DialogLayout, ControlsInPixelsAtFifteenTwipsPerPixel) {
    struct Case {
        ControlPlace control;
        base::PixelRect expected;
    };
    const Case cases[] = {
        {place::kPanel, {12, 16, 469, 165}},       {place::kHeading, {20, 24, 111, 13}},
        {place::kHeadingFrame, {20, 20, 113, 21}}, {place::kMarkCd, {28, 56, 13, 13}},
        {place::kLabelCd, {44, 56, 43, 13}},       {place::kRepeatCaption, {156, 56, 66, 13}},
        {place::kRepeat, {112, 52, 41, 20}},       {place::kMarkNone, {28, 76, 13, 13}},
        {place::kLabelNone, {44, 76, 22, 13}},     {place::kMarkFile, {28, 96, 13, 13}},
        {place::kLabelFile, {44, 96, 60, 13}},     {place::kFileButton, {28, 116, 41, 21}},
        {place::kFileName, {72, 116, 373, 33}},    {place::kCredit, {12, 192, 165, 13}},
        {place::kUrl, {12, 208, 207, 13}},         {place::kSet, {324, 200, 77, 25}},
        {place::kCancel, {404, 200, 77, 25}},      {place::kMarkOff, {536, 20, 12, 12}},
        {place::kMarkOn, {536, 40, 12, 12}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(base::toPixels(c.control.twips, 15, 15), c.expected)
            << c.control.name << "(" << c.control.index << ")";
    }
    EXPECT_EQ(base::toPixels({0, 0, kClientWidthTwips, kClientHeightTwips}, 15, 15),
              (base::PixelRect{0, 0, 496, 243}));
}

TEST(DialogLayout, OtherResolutionsRoundToTheNearestPixel) {
    // 120 dots per inch: 12 twips per pixel; 144 dots per inch: 10.
    EXPECT_EQ(base::toPixels(place::kMarkCd.twips, 12, 12), (base::PixelRect{35, 70, 16, 16}));
    EXPECT_EQ(base::toPixels(place::kPanel.twips, 10, 10), (base::PixelRect{18, 24, 704, 248}));
}

TEST(DialogLayout, EveryVisibleControlFitsItsSurface) {
    const ControlPlace visible[] = {
        place::kHeading,       place::kHeadingFrame, place::kMarkCd,     place::kLabelCd,
        place::kRepeatCaption, place::kRepeat,       place::kMarkNone,   place::kLabelNone,
        place::kMarkFile,      place::kLabelFile,    place::kFileButton, place::kFileName,
        place::kCredit,        place::kUrl,          place::kSet,        place::kCancel,
    };
    for (const ControlPlace& c : visible) {
        const base::TwipsRect bounds =
            c.parent == Parent::Panel
                ? base::TwipsRect{0, 0, place::kPanel.twips.width, place::kPanel.twips.height}
                : base::TwipsRect{0, 0, kClientWidthTwips, kClientHeightTwips};
        EXPECT_LE(c.twips.left + c.twips.width, bounds.width) << c.name << c.index;
        EXPECT_LE(c.twips.top + c.twips.height, bounds.height) << c.name << c.index;
    }
    // The mark sources are deliberately out of sight.
    EXPECT_GE(place::kMarkOff.twips.left, kClientWidthTwips);
    EXPECT_GE(place::kMarkOn.twips.left, kClientWidthTwips);
}

TEST(DialogLayout, CornerIsAHalfAcrossAndAThirdDown) {
    struct Case {
        int screenW, screenH, windowW, windowH;
        TwipsPoint expected;
    };
    const Case cases[] = {
        {15360, 11520, 7530, 4110, {3915, 2470}}, // 1024 x 768 with a 502 x 274 window
        {15360, 11520, 7545, 4125, {3907, 2465}}, // odd differences truncate
        {19200, 14400, 7440, 3645, {5880, 3585}},
        {7000, 3000, 7530, 4110, {-265, -370}}, // larger than the screen: toward zero
        {7001, 3001, 7530, 4112, {-264, -370}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(dialogCorner(c.screenW, c.screenH, c.windowW, c.windowH), c.expected)
            << c.screenW << "x" << c.screenH << " " << c.windowW << "x" << c.windowH;
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
