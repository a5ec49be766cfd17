// Parsing of the hack's options.
#include "renderer/x11/core/HackOptions.h"

#include <charconv>

namespace velmora::x11 {

namespace {

// The option's name without its one or two leading dashes; empty for a word without a dash.
std::string_view optionName(std::string_view word) {
    if (!word.starts_with('-')) {
        return {};
    }
    word.remove_prefix(word.starts_with("--") ? 2 : 1);
    return word;
}

template <class Number> std::optional<Number> parseNumber(std::string_view text, int base) {
    Number value{};
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value, base);
    if (text.empty() || error != std::errc{} || stop != end) {
        return std::nullopt;
    }
    return value;
}

} // namespace

std::optional<unsigned long> parseWindowId(std::string_view text) {
    const bool hex = text.starts_with("0x") || text.starts_with("0X");
    const std::optional<unsigned long> id =
        hex ? parseNumber<unsigned long>(text.substr(2), 16) : parseNumber<unsigned long>(text, 10);
    if (!id || *id == 0) {
        return std::nullopt;
    }
    return id;
}

std::optional<HackOptions> parseHackOptions(const std::vector<std::string_view>& arguments) {
    HackOptions options;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view name = optionName(arguments[i]);
        const bool hasValue = i + 1 < arguments.size();
        if (name == "root") {
            options.target = DrawTarget::Root;
        } else if (name == "fps") {
            options.showFps = true;
        } else if (name == "window-id" && hasValue) {
            const std::optional<unsigned long> id = parseWindowId(arguments[++i]);
            if (!id) {
                return std::nullopt;
            }
            options.target = DrawTarget::GivenWindow;
            options.windowId = *id;
        } else if (name == "delay" && hasValue) {
            const std::optional<long> delay = parseNumber<long>(arguments[++i], 10);
            if (!delay || *delay < 0) {
                return std::nullopt;
            }
            options.delayMicroseconds = *delay;
        } else {
            return std::nullopt;
        }
    }
    return options;
}

} // namespace velmora::x11
