// The font of a text as a form or control was designed with it: face, size and style, as the
// button's Font property stores it and as the platform font is made from it; and its character
// height on a screen of a given scale.
#pragma once

#include <string>

namespace velmora::forms {

struct FontDesign {
    std::string name;  // face name, UTF-8
    double size = 0.0; // points
    int charset = 0;
    int weight = 400;
    bool italic = false;
    bool underline = false;
    bool strikethrough = false;
    bool operator==(const FontDesign&) const = default;
};

// The font every text of the saver's forms is designed with: ＭＳ Ｐゴシック, 9.75 pt,
// Shift-JIS (128), regular weight (400).
FontDesign designFont();

// A point is 20 twips; the height is rounded to whole pixels (9.75 pt is 13 pixels at 15 twips
// per pixel, 16 at 12).
int fontPixelHeight(double points, double twipsPerPixel);

} // namespace velmora::forms
