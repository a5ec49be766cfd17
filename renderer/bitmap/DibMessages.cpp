// The default sink: an OK box captioned "Error" without icon, owned by the focused window.
#include "renderer/bitmap/DibMessages.h"

#include <windows.h>

#include <utility>

namespace velmora::bitmap {

namespace {

void showMessageBox(const std::string& text) {
    MessageBoxA(GetFocus(), text.c_str(), "Error", MB_OK);
}

DibMessageSink& currentSink() {
    static DibMessageSink sink = showMessageBox;
    return sink;
}

} // namespace

DibMessageSink setDibMessageSink(DibMessageSink sink) {
    if (!sink) {
        sink = showMessageBox;
    }
    return std::exchange(currentSink(), std::move(sink));
}

void showDibMessage(const std::string& text) {
    currentSink()(text);
}

} // namespace velmora::bitmap
