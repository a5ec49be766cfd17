// Vantri_R: the preview form. It becomes a child of the screensaver host's preview window,
// covers it and shows the still star-cloud picture at natural size from the top-left corner.
#pragma once

#include <windows.h>

#include "saver/forms/Form.h"
#include "saver/forms/Image.h"

namespace velmora::launcher {

class Vantri_R {
public:
    Vantri_R();

    // Loads the form into host, sized to the host's window, and shows it. The form unloads
    // when the host destroys its window.
    void showIn(HWND host);
    const forms::Form& form() const { return form_; }

private:
    forms::Form form_;
    forms::Image Img_Prev;
};

} // namespace velmora::launcher
