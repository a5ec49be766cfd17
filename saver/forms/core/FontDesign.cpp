// The design font (see FontDesign.h).
#include "saver/forms/core/FontDesign.h"

namespace velmora::forms {

FontDesign designFont() {
    return FontDesign{.name = "ＭＳ Ｐゴシック", .size = 9.75, .charset = 128, .weight = 400};
}

} // namespace velmora::forms
