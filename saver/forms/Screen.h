// The screen's scale: twips per pixel across and down, from its real dots per inch.
#pragma once

namespace velmora::forms {

double screenTwipsPerPixelX();
double screenTwipsPerPixelY();

} // namespace velmora::forms
