// The two kinds of container a control can sit in (see Container.h).
#include "saver/forms/Container.h"

#include "saver/forms/PictureBox.h"

namespace velmora::forms {

ContainerWindow onForm() {
    return [](HWND form) { return form; };
}

ContainerWindow inside(const PictureBox& box) {
    return [&box](HWND) { return box.hwnd(); };
}

} // namespace velmora::forms
