// Visible forms with a fixed single border: a caption bar with a close box, not resizable, made
// to a given client size. Also the screen and window sizes in twips that placing such a form
// on the screen works with.
#pragma once

#include <string>

#include "saver/forms/Form.h"

namespace velmora::forms {

struct TwipsSize {
    int width = 0;
    int height = 0;
};

// The design of a form whose client area is clientWidthTwips x clientHeightTwips; the window
// size in the design includes the border and caption bar.
FormDesign fixedSingleFormDesign(std::string caption, int clientWidthTwips, int clientHeightTwips,
                                 COLORREF backColour, HICON icon);

TwipsSize screenSizeTwips();
// The form's window with its border and caption; 0 x 0 while it is not loaded.
TwipsSize windowSizeTwips(const Form& form);

} // namespace velmora::forms
