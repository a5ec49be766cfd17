// Command: the push button control "Vantri.Command", a child window of a form (or of a picture
// box on it) that draws its own face and caption and raises Click.
//
// Use: make it with the form, give onClick, and call Initialize() once the form has loaded (the
// hover look needs the pointer poll that Initialize starts):
//     Command set(form, onForm(), {.rect = {4860, 3000, 1155, 375},
//                                  .properties = captionedProperties("設定")});
//     set.onClick = [] { ... };            // after form.load(): set.Initialize();
// The stored properties are those the form was saved with; keys left out take their defaults,
// so an empty bag gives an enabled button captioned "Command1" (captionedProperties in
// core/ButtonMachine.h makes the bag of a button that stores only its caption and font).
//
// It reacts to the mouse and to focus only: no keyboard activation, no focus rectangle (the
// focused look is the Selected face). A press of any mouse button on it, released over it,
// clicks; released anywhere else (over another button too), it clicks nothing.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "base/Rect.h"
#include "saver/button/ButtonSurface.h"
#include "saver/button/core/ButtonMachine.h"
#include "saver/forms/Form.h"
#include "saver/forms/PictureBox.h"
#include "saver/forms/Timer.h"
#include "saver/forms/core/PropertyBag.h"

namespace velmora::button {

struct CommandDesign {
    base::TwipsRect rect{0, 0, 1755, 420}; // in twips of the container
    forms::PropertyBag properties;
    // The container's font, the default of the "Font" property.
    forms::FontDesign ambientFont = forms::designFont();
};

class Command : public forms::Control, private ButtonView {
public:
    Command(forms::Form& form, forms::ContainerWindow container, CommandDesign design);
    ~Command() override;

    std::function<void()> onClick;
    // A persisted property has a new value (its key).
    std::function<void(std::string_view)> onPropertyChanged;

    void Initialize() { machine_.Initialize(); }
    // Reading Enabled, FontColour or Visible (while True) redraws the resting face.
    bool Enabled() { return machine_.Enabled(); }
    void setEnabled(bool enabled) { machine_.setEnabled(enabled); }
    const std::string& Caption() const { return machine_.Caption(); }
    void setCaption(const std::string& text) { machine_.setCaption(text); }
    const forms::FontDesign& Font() const { return machine_.Font(); }
    void setFont(const forms::FontDesign& font) { machine_.setFont(font); }
    uint32_t FontColour() { return machine_.FontColour(); } // &H00BBGGRR or a system colour
    void setFontColour(uint32_t colour) { machine_.setFontColour(colour); }
    // True: opaque background; False: transparent. The button stays on the screen either way.
    bool Visible() { return machine_.Visible(); }
    void setVisible(bool visible) { machine_.setVisible(visible); }

    // The persisted properties as the form saves them.
    forms::PropertyBag WriteProperties();
    // Places the button, in twips of its container; a new size redraws it.
    void move(const base::TwipsRect& rect);

    HWND hwnd() const { return window_; }

private:
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    void formCreated(HWND form) override;
    void formDestroyed() override;
    void onSize();
    void onPaint();
    void onMouseButton(UINT message, LPARAM lParam);
    void pollPointer();

    // What the logic asks of the window.
    bool drawFace(ButtonFace face, bool reversed) override;
    void showCaption(const CaptionLook& look) override;
    void setOpaque(bool opaque) override;
    void startPoll() override;
    void raiseClick() override;
    void propertyChanged(std::string_view key) override;

    forms::Form& form_;
    forms::ContainerWindow container_;
    CommandDesign design_;
    ButtonMachine machine_{*this};
    forms::Timer tmrMouse_;
    ButtonSurface surface_;
    CaptionText caption_;
    RECT captionRect_{};
    bool opaque_ = true;
    bool ready_ = false; // the stored properties are loaded
    HWND window_ = nullptr;
};

} // namespace velmora::button
