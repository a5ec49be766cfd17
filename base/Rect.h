// One rectangle shape for every place the programs measure: a corner and a size, tagged with its
// unit so twips and pixels never mix without a conversion.
#pragma once

namespace velmora::base {

struct Twips {};
struct Pixels {};

template <typename Unit> struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const Rect&) const = default;
};

using TwipsRect = Rect<Twips>;
using PixelRect = Rect<Pixels>;

} // namespace velmora::base
