// Records the bitmap reader's messages for the length of a test instead of showing boxes.
#pragma once

#include "renderer/bitmap/DibMessages.h"

#include <string>
#include <vector>

namespace velmora::bitmap {

class MessageLog {
public:
    MessageLog() {
        previous_ = setDibMessageSink([this](const std::string& text) { texts.push_back(text); });
    }
    ~MessageLog() { setDibMessageSink(previous_); }
    MessageLog(const MessageLog&) = delete;
    MessageLog& operator=(const MessageLog&) = delete;

    std::vector<std::string> texts;

private:
    DibMessageSink previous_;
};

} // namespace velmora::bitmap
