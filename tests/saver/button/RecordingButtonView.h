// A button view that records what the logic asks of it: faces drawn ("Name", with "~" when the
// gradient is reversed), "poll" and "Click" in order; caption, background and changed keys aside.
#pragma once

#include "saver/button/core/ButtonMachine.h"

#include <string>
#include <utility>
#include <vector>

namespace velmora::button {

class RecordingButtonView : public ButtonView {
public:
    bool drawFace(ButtonFace face, bool reversed) override {
        static const char* const names[] = {"Normal",   "HighLight", "HighLightSelect",
                                            "Selected", "Pressed",   "Disable"};
        calls.push_back(std::string(names[static_cast<int>(face)]) + (reversed ? "~" : ""));
        return faceDrawable;
    }
    void showCaption(const CaptionLook& look) override { caption = look; }
    void setOpaque(bool isOpaque) override { opaque = isOpaque; }
    void startPoll() override { calls.push_back("poll"); }
    void raiseClick() override { calls.push_back("Click"); }
    void propertyChanged(std::string_view key) override { changed.emplace_back(key); }

    // The calls since the last take.
    std::vector<std::string> take() { return std::exchange(calls, {}); }

    std::vector<std::string> calls;
    std::vector<std::string> changed;
    CaptionLook caption;
    bool opaque = true;
    bool faceDrawable = true;
};

} // namespace velmora::button
