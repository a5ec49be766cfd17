// ComboBox: a drop-down combo box whose text can be typed as well as picked from its list, a
// child window of its container.
#pragma once

#include <string>

#include "base/Rect.h"

#include "saver/forms/Form.h"
#include "saver/forms/PictureBox.h"

namespace velmora::forms {

// rect: in pixels within the container; its height is that of the closed box.
struct ComboBoxDesign {
    base::PixelRect rect;
    FontDesign font = designFont();
    COLORREF backColour = RGB(255, 255, 255); // of the text field and the list
};

class ComboBox : public Control {
public:
    ComboBox(Form& form, ContainerWindow container, ComboBoxDesign design);
    ~ComboBox() override;

    HWND hwnd() const { return window_; }
    std::string text() const;
    void setText(const std::string& text);
    void addItem(const std::string& item);
    bool enabled() const;
    void setEnabled(bool enabled);

private:
    static LRESULT CALLBACK subclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR id, DWORD_PTR self);
    void formCreated(HWND form) override;
    void formDestroyed() override;

    Form& form_;
    ContainerWindow container_;
    ComboBoxDesign design_;
    HWND window_ = nullptr;
    WindowSubclass subclass_;
    HFONT font_ = nullptr;
    HBRUSH back_ = nullptr;
};

} // namespace velmora::forms
