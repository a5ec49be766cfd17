// The platform font made from a font design.
#pragma once

#include <windows.h>

#include "saver/forms/core/FontDesign.h"

namespace velmora::forms {

// A font of the design's character height on this screen; the caller deletes it.
HFONT createFont(const FontDesign& design);

} // namespace velmora::forms
