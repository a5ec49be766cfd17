// Timer: a message-driven timer of a form. While it is enabled with an interval above 0 and its
// form is loaded, onTick runs every interval milliseconds from the form's message loop.
#pragma once

#include <functional>

#include "saver/forms/Form.h"

namespace velmora::forms {

class Timer : public Control {
public:
    Timer(Form& form, unsigned intervalMs, bool enabled);
    ~Timer() override;

    std::function<void()> onTick;

    bool enabled() const { return enabled_; }
    void setEnabled(bool enabled);
    void setInterval(unsigned intervalMs);

private:
    void formCreated(HWND form) override;
    void formDestroyed() override;
    bool timerFired(UINT_PTR id) override;
    void apply();
    UINT_PTR id() const { return reinterpret_cast<UINT_PTR>(this); }

    Form& form_;
    HWND window_ = nullptr;
    unsigned interval_;
    bool enabled_;
};

} // namespace velmora::forms
