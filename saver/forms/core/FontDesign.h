// The font of a text as a form or control was designed with it: face, size and style, as the
// button's Font property stores it and as the platform font is made from it.
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

} // namespace velmora::forms
