// The font of a control as its form was designed with it, and the platform font made from it.
#pragma once

#include <windows.h>

#include <string>

struct FontDesign {
    std::string face; // UTF-8
    double points = 9.0;
    int charset = DEFAULT_CHARSET;
    int weight = FW_NORMAL;
    bool underline = false;
};

// The forms' Japanese text font: ＭＳ Ｐゴシック, 9.75 pt, Shift-JIS, regular.
FontDesign japaneseUiFont();

// A font of the design's character height on this screen; the caller deletes it.
HFONT createFont(const FontDesign& design);
