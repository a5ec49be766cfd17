// The pictures as the saver loads them from its resources: every bitmap with its size and
// depth, the icon and the hand cursor with its hot spot.
#include <gtest/gtest.h>

#include <windows.h>

#include "saver/assets/AssetIds.h"

namespace velmora::assets {
namespace {

struct BitmapCase {
    int id;
    int width;
    int height;
};

const BitmapCase kBitmaps[] = {
    {IDB_STAR, 32, 32},
    {IDB_PREVIEW, 152, 112},
    {IDB_MARK_OFF, 12, 12},
    {IDB_MARK_ON, 12, 12},
    {IDB_FACE_NORMAL, 64, 25},
    {IDB_FACE_HIGHLIGHT, 64, 25},
    {IDB_FACE_HIGHLIGHTSELECT, 64, 25},
    {IDB_FACE_SELECTED, 64, 25},
    {IDB_FACE_PRESSED, 64, 25},
    {IDB_FACE_DISABLE, 64, 25},
};

TEST(Resources, EveryBitmapLoadsAsA24BitSectionOfItsSize) {
    for (const BitmapCase& c : kBitmaps) {
        HBITMAP bitmap =
            static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(c.id),
                                            IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
        ASSERT_NE(bitmap, nullptr) << "id " << c.id;
        DIBSECTION section{};
        ASSERT_EQ(GetObjectW(bitmap, sizeof section, &section), int{sizeof section}) << c.id;
        EXPECT_EQ(section.dsBm.bmWidth, c.width) << "id " << c.id;
        EXPECT_EQ(section.dsBm.bmHeight, c.height) << "id " << c.id;
        EXPECT_EQ(section.dsBm.bmBitsPixel, 24) << "id " << c.id;
        DeleteObject(bitmap);
    }
}

TEST(Resources, StarCoreReadsBackWithItsColour) {
    HBITMAP bitmap =
        static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDB_STAR),
                                        IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    ASSERT_NE(bitmap, nullptr);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, bitmap);
    EXPECT_EQ(GetPixel(dc, 16, 16), RGB(227, 225, 229));
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(bitmap);
}

// What GetIconInfo tells of an icon or cursor, with its bitmaps released again.
struct IconFacts {
    bool isIcon = false;
    DWORD hotX = 0;
    DWORD hotY = 0;
    LONG width = 0;
    LONG height = 0;
};

IconFacts describe(HICON handle) {
    IconFacts facts;
    ICONINFO info{};
    if (!GetIconInfo(handle, &info)) {
        ADD_FAILURE() << "GetIconInfo failed";
        return facts;
    }
    BITMAP bm{};
    // A monochrome image keeps its colour rows under the mask rows in one bitmap.
    GetObjectW(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof bm, &bm);
    facts = {info.fIcon != FALSE, info.xHotspot, info.yHotspot, bm.bmWidth,
             info.hbmColor ? bm.bmHeight : bm.bmHeight / 2};
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return facts;
}

TEST(Resources, IconLoadsAt32By32) {
    HICON icon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_VELMORA));
    ASSERT_NE(icon, nullptr);
    const IconFacts facts = describe(icon);
    EXPECT_TRUE(facts.isIcon);
    EXPECT_EQ(facts.width, 32);
    EXPECT_EQ(facts.height, 32);
}

TEST(Resources, HandCursorLoadsAt32By32WithHotSpot12And10) {
    HCURSOR hand = LoadCursorW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDC_HAND_POINTER));
    ASSERT_NE(hand, nullptr);
    const IconFacts facts = describe(hand);
    EXPECT_FALSE(facts.isIcon);
    EXPECT_EQ(facts.hotX, 12u);
    EXPECT_EQ(facts.hotY, 10u);
    EXPECT_EQ(facts.width, 32);
    EXPECT_EQ(facts.height, 32);
}

TEST(Resources, ProgramIconIsTheFirstIconGroup) {
    // The shell shows the first icon group of the program; resource enumeration lists them in
    // that order.
    int first = 0;
    EnumResourceNamesW(
        GetModuleHandleW(nullptr), MAKEINTRESOURCEW(14) /* RT_GROUP_ICON */,
        [](HMODULE, LPCWSTR, LPWSTR name, LONG_PTR found) -> BOOL {
            *reinterpret_cast<int*>(found) = IS_INTRESOURCE(name) ? LOWORD(name) : -1;
            return FALSE;
        },
        reinterpret_cast<LONG_PTR>(&first));
    EXPECT_EQ(first, IDI_VELMORA);
}

} // namespace
} // namespace velmora::assets
