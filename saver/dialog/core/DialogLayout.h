// Where the settings dialog and its controls sit: the control table in twips, the centring of
// the window on the screen, and the path of the zoom that opens and closes it.
#pragma once

#include <optional>
#include <string_view>

#include "base/Rect.h"

namespace velmora::dialog {

// Which surface a control is placed on: the form itself or the music panel Pic_C(0).
enum class Parent { Form, Panel };

// No tab stop: the control is never reached with the Tab key.
inline constexpr int kNoTabIndex = -1;

struct ControlLayout {
    std::string_view name;
    int index; // element of a control array, or -1 for a single control
    Parent parent;
    base::TwipsRect twips;
    int tabIndex;
};

// The inner size of the form.
inline constexpr int kClientWidthTwips = 7440;
inline constexpr int kClientHeightTwips = 3645;

// Every control of the dialog, by name and index; the table is the design of the form.
namespace layout {
inline constexpr ControlLayout kPanel{"Pic_C", 0, Parent::Form, {180, 240, 7035, 2475}, 1};
inline constexpr ControlLayout kHeading{"lbl", 15, Parent::Panel, {300, 360, 1665, 195}, 8};
inline constexpr ControlLayout kHeadingFrame{
    "Shape3", 3, Parent::Panel, {300, 300, 1695, 315}, kNoTabIndex};
inline constexpr ControlLayout kMarkCd{
    "Img_BGM", 1, Parent::Panel, {420, 840, 195, 195}, kNoTabIndex};
inline constexpr ControlLayout kLabelCd{"lbl_BGM", 1, Parent::Panel, {660, 840, 645, 195}, 6};
inline constexpr ControlLayout kRepeatCaption{"lbl", 14, Parent::Panel, {2340, 840, 990, 195}, 7};
inline constexpr ControlLayout kRepeat{"BGM_Repeat", -1, Parent::Panel, {1680, 780, 615, 300}, 2};
inline constexpr ControlLayout kMarkNone{
    "Img_BGM", 0, Parent::Panel, {420, 1140, 195, 195}, kNoTabIndex};
inline constexpr ControlLayout kLabelNone{"lbl_BGM", 0, Parent::Panel, {660, 1140, 330, 195}, 4};
inline constexpr ControlLayout kMarkFile{
    "Img_BGM", 2, Parent::Panel, {420, 1440, 195, 195}, kNoTabIndex};
inline constexpr ControlLayout kLabelFile{"lbl_BGM", 2, Parent::Panel, {660, 1440, 900, 195}, 5};
inline constexpr ControlLayout kFileButton{"Cmd_File", 0, Parent::Panel, {420, 1740, 615, 315}, 9};
inline constexpr ControlLayout kFileName{"lbl_Fname", 0, Parent::Panel, {1080, 1740, 5595, 495}, 3};
inline constexpr ControlLayout kCredit{"lbl", 7, Parent::Form, {180, 2880, 2475, 195}, 0};
inline constexpr ControlLayout kUrl{"lbl_URL", -1, Parent::Form, {180, 3120, 3105, 195}, 13};
inline constexpr ControlLayout kSet{"Cmd_Set", -1, Parent::Form, {4860, 3000, 1155, 375}, 10};
inline constexpr ControlLayout kCancel{"Cmd_Can", -1, Parent::Form, {6060, 3000, 1155, 375}, 11};
// The two mark pictures sit outside the client area: they are only sources to copy from.
inline constexpr ControlLayout kMarkOff{
    "Img_Ra", 0, Parent::Form, {8040, 300, 180, 180}, kNoTabIndex};
inline constexpr ControlLayout kMarkOn{
    "Img_Ra", 1, Parent::Form, {8040, 600, 180, 180}, kNoTabIndex};
} // namespace layout

// Top-left corner, in twips, that places a window a half across and a third down the free space
// of the screen; both divisions truncate toward zero, so a window larger than the screen gets a
// negative corner.
struct TwipsPoint {
    int x;
    int y;
    bool operator==(const TwipsPoint&) const = default;
};
TwipsPoint dialogCorner(int screenWidthTwips, int screenHeightTwips, int windowWidthTwips,
                        int windowHeightTwips);

// The zoom draws an outline travelling between two rectangles of the screen, in pixels.
struct ZoomPath {
    base::PixelRect from;
    base::PixelRect to;
    bool operator==(const ZoomPath&) const = default;
};
enum class ZoomDirection { Open, Close };
struct ScreenPoint {
    long x;
    long y;
};

// The anchor is an empty rectangle where the pointer was when the dialog loaded, kept as 16-bit
// screen coordinates; (0, 0), the screen's top-left corner, when the position could not be read.
base::PixelRect zoomAnchor(std::optional<ScreenPoint> pointer);
// Opening runs from the anchor to the window's rectangle, closing from the window back to it.
ZoomPath zoomPath(ZoomDirection direction, const base::PixelRect& anchor,
                  const base::PixelRect& window);

} // namespace velmora::dialog
