// Parsing of the hack's options.
#include "renderer/x11/core/HackOptions.h"

#include <charconv>

namespace velmora::x11 {

namespace {

template <class Number> std::optional<Number> parseNumber(std::string_view text, int base) {
    Number value{};
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value, base);
    if (text.empty() || error != std::errc{} || stop != end) {
        return std::nullopt;
    }
    return value;
}

std::string quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

std::string badWindowId(std::string_view word, std::string_view value) {
    return std::string(word) + ": " + quoted(value) +
           " is not a window id (decimal, or hexadecimal after 0x)";
}

// The delay in microseconds, or the refusal of its value.
std::string readDelay(std::string_view word, std::string_view value, long& delay) {
    // Digits only, so that a sign or a number too long for a long reads as out of range below.
    const std::string_view digits = value.starts_with('-') ? value.substr(1) : value;
    if (digits.empty() || digits.find_first_not_of("0123456789") != std::string_view::npos) {
        return std::string(word) + ": " + quoted(value) + " is not a number of microseconds";
    }
    const std::optional<long> number = parseNumber<long>(value, 10);
    if (!number || *number < 0 || *number > kLongestDelayMicroseconds) {
        return std::string(word) + ": " + quoted(value) + " is outside 0 to " +
               std::to_string(kLongestDelayMicroseconds) + " microseconds";
    }
    delay = *number;
    return {};
}

// One option and, for those that take one, its value (from "=" or the next word), applied to
// options; returns the refusal, or empty.
class Reader {
public:
    Reader(const std::vector<std::string_view>& arguments, HackOptions& options)
        : arguments_(arguments), options_(options) {}

    std::string option(std::size_t& i) {
        const std::string_view word = arguments_[i];
        if (!word.starts_with('-') || word == "-" || word.starts_with("---")) {
            return quoted(word) + " is not an option (see -help)";
        }
        std::string_view name = word.substr(word.starts_with("--") ? 2 : 1);
        std::optional<std::string_view> attached;
        if (const std::size_t equals = name.find('='); equals != std::string_view::npos) {
            attached = name.substr(equals + 1);
            name = name.substr(0, equals);
        }
        if (name == "window-id" || name == "delay") {
            std::string_view value;
            if (attached) {
                value = *attached;
            } else if (i + 1 < arguments_.size()) {
                value = arguments_[++i];
            } else {
                return std::string(word) + ": needs a value (see -help)";
            }
            return name == "delay" ? readDelay(word, value, options_.delayMicroseconds)
                                   : readWindowId(word, value);
        }
        const std::optional<HackRequest> request = flag(name);
        if (!request) {
            return std::string(word) + ": unknown option (see -help)";
        }
        if (attached) {
            return std::string(word) + ": -" + std::string(name) + " takes no value";
        }
        if (*request != HackRequest::Run) {
            options_.request = *request;
        }
        return {};
    }

private:
    // The flags without a value; nothing for an unknown name.
    std::optional<HackRequest> flag(std::string_view name) {
        if (name == "root") {
            options_.target = DrawTarget::Root;
        } else if (name == "fps") {
            options_.showFps = true;
        } else if (name == "help" || name == "h") {
            return HackRequest::ShowHelp;
        } else if (name == "version") {
            return HackRequest::ShowVersion;
        } else {
            return std::nullopt;
        }
        return HackRequest::Run;
    }

    std::string readWindowId(std::string_view word, std::string_view value) {
        const std::optional<unsigned long> id = parseWindowId(value);
        if (!id) {
            return badWindowId(word, value);
        }
        options_.target = DrawTarget::GivenWindow;
        options_.windowId = *id;
        return {};
    }

    const std::vector<std::string_view>& arguments_;
    HackOptions& options_;
};

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

ParsedOptions parseHackOptions(const std::vector<std::string_view>& arguments,
                               std::optional<std::string_view> xscreensaverWindow) {
    ParsedOptions parsed;
    Reader reader(arguments, parsed.options);
    for (std::size_t i = 0; i < arguments.size() && parsed.refusal.empty(); ++i) {
        parsed.refusal = reader.option(i);
    }
    HackOptions& options = parsed.options;
    if (parsed.refusal.empty() && options.target == DrawTarget::Root && xscreensaverWindow) {
        // The daemon's window, refused by name rather than replaced by the root window.
        const std::optional<unsigned long> id = parseWindowId(*xscreensaverWindow);
        if (!id) {
            parsed.refusal = badWindowId("XSCREENSAVER_WINDOW", *xscreensaverWindow);
        } else {
            options.target = DrawTarget::GivenWindow;
            options.windowId = *id;
        }
    }
    return parsed;
}

} // namespace velmora::x11
