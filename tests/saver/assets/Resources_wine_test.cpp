// The pictures as the saver loads them from its resources: every bitmap with its size and
// depth, the icon and the hand cursor with its hot spot.
#include <gtest/gtest.h>

#include <windows.h>

#include "saver/assets/AssetIds.h"

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

// Width and height of an icon or cursor, from its colour or (for a monochrome one) mask bitmap.
SIZE iconSize(const ICONINFO& info) {
    BITMAP bm{};
    GetObjectW(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof bm, &bm);
    return {bm.bmWidth, info.hbmColor ? bm.bmHeight : bm.bmHeight / 2};
}

TEST(Resources, IconLoadsAt32By32) {
    HICON icon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_VELMORA));
    ASSERT_NE(icon, nullptr);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(icon, &info));
    EXPECT_TRUE(info.fIcon);
    const SIZE size = iconSize(info);
    EXPECT_EQ(size.cx, 32);
    EXPECT_EQ(size.cy, 32);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
}

TEST(Resources, HandCursorLoadsAt32By32WithHotSpot12And10) {
    HCURSOR hand = LoadCursorW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDC_HAND));
    ASSERT_NE(hand, nullptr);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(hand, &info));
    EXPECT_FALSE(info.fIcon);
    EXPECT_EQ(info.xHotspot, 12u);
    EXPECT_EQ(info.yHotspot, 10u);
    const SIZE size = iconSize(info);
    EXPECT_EQ(size.cx, 32);
    EXPECT_EQ(size.cy, 32);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
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
