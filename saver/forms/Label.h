// Label: a windowless text control with a transparent background, drawn over its container's
// picture. It can size itself to its text, draw a single-line border, show its own mouse
// pointer and raise MouseDown (any button) and Click.
#pragma once

#include <functional>
#include <string>

#include "base/Rect.h"
#include "saver/forms/Windowless.h"

namespace velmora::forms {

enum class TextAlignment { Left, Centre };

// rect: in pixels within the container.
struct LabelDesign {
    base::PixelRect rect;
    std::string caption; // UTF-8
    FontDesign font = designFont();
    COLORREF colour = RGB(0, 0, 0);
    TextAlignment alignment = TextAlignment::Left;
    bool autoSize = false; // width and height follow the text
    bool border = false;
    HCURSOR pointer = nullptr; // null: the standard arrow
};

class Label : public WindowlessControl {
public:
    Label(WindowlessHost& host, LabelDesign design);
    ~Label() override;
    Label(const Label&) = delete; // the font is the label's own
    Label& operator=(const Label&) = delete;

    std::function<void(MouseButton)> onMouseDown;
    std::function<void()> onClick;

    const std::string& Caption() const { return design_.caption; }
    void setCaption(const std::string& caption);
    RECT bounds() const override;

private:
    void paint(HDC dc) override;
    bool takesMouse() const override { return true; }
    void mouseDown(MouseButton button) override;
    void click() override;
    HCURSOR pointer() const override { return design_.pointer; }
    void fitToText();
    UINT textFormat() const;

    WindowlessHost& host_;
    LabelDesign design_;
    HFONT font_;
};

} // namespace velmora::forms
