// The two sine-shaped background gradients of the settings dialog: one grey level per pixel row,
// dark at the top and bottom and brightest at mid-height, and the row colours built from it.
#pragma once

#include <cstdint>
#include <vector>

namespace velmora::dialog {

struct RowColour {
    uint8_t red;
    uint8_t green;
    uint8_t blue;
    bool operator==(const RowColour&) const = default;
};

// Level v of every row y from 0 to innerHeight rounded: |sin(y / d) x 220| rounded, with
// d = innerHeight / 3.142, so one half wave spans the surface.
std::vector<int> sineGradientLevels(double innerHeight);

// The form's rows are blue-tinted (v, v, v + 30); the panel's are grey (v + 30 on every channel).
RowColour formRowColour(int level);
RowColour panelRowColour(int level);

} // namespace velmora::dialog
