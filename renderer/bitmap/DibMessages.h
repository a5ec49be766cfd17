// Where the bitmap reader's error messages go: a message box by default, replaceable so that
// tests can record the texts instead of blocking on a box.
#pragma once

#include <functional>
#include <string>

namespace velmora::bitmap {

using DibMessageSink = std::function<void(const std::string& text)>;

// Installs sink (an empty one restores the message box) and returns the previous one.
DibMessageSink setDibMessageSink(DibMessageSink sink);

void showDibMessage(const std::string& text);

} // namespace velmora::bitmap
