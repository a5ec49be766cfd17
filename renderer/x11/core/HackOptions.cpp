// The hack's options: parsed, listed for -help and for the manual page, all from the table.
#include "renderer/x11/core/HackOptions.h"

#include <algorithm>
#include <cctype>
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

// A value of the kind Microseconds, or the refusal of it.
std::string readMicroseconds(std::string_view word, std::string_view value, const HackOption& row,
                             long& microseconds) {
    // Digits only, so that a sign or a number too long for a long reads as out of range below.
    const std::string_view digits = value.starts_with('-') ? value.substr(1) : value;
    if (digits.empty() || digits.find_first_not_of("0123456789") != std::string_view::npos) {
        return std::string(word) + ": " + quoted(value) + " is not a number of microseconds";
    }
    const std::optional<long> number = parseNumber<long>(value, 10);
    if (!number || *number < row.low || *number > row.high) {
        return std::string(word) + ": " + quoted(value) + " is outside " + std::to_string(row.low) +
               " to " + std::to_string(row.high) + " microseconds";
    }
    microseconds = *number;
    return {};
}

const HackOption* optionNamed(std::string_view name) {
    for (const HackOption& row : kHackOptions) {
        if (name == row.name || (!row.also.empty() && name == row.also)) {
            return &row;
        }
    }
    return nullptr;
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
        const HackOption* row = optionNamed(name);
        if (!row) {
            return std::string(word) + ": unknown option (see -help)";
        }
        if (row->value == OptionValue::Flag) {
            if (attached) {
                return std::string(word) + ": -" + std::string(name) + " takes no value";
            }
            apply(row->id);
            return {};
        }
        std::string_view value;
        if (attached) {
            value = *attached;
        } else if (i + 1 < arguments_.size()) {
            value = arguments_[++i];
        } else {
            return std::string(word) + ": needs a value (see -help)";
        }
        return row->value == OptionValue::Microseconds
                   ? readMicroseconds(word, value, *row, options_.delayMicroseconds)
                   : readWindowId(word, value);
    }

private:
    void apply(HackOptionId id) {
        switch (id) {
        case HackOptionId::Root:
            options_.target = DrawTarget::Root;
            break;
        case HackOptionId::Fps:
            options_.showFps = true;
            break;
        case HackOptionId::Help:
            options_.request = HackRequest::ShowHelp;
            break;
        case HackOptionId::Version:
            options_.request = HackRequest::ShowVersion;
            break;
        case HackOptionId::WindowId:
        case HackOptionId::Delay:
            break;
        }
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

// The option as a synopsis or a manual page writes it, dashes escaped for troff when asked.
std::string spelled(const HackOption& row, bool troff) {
    std::string text = "-" + std::string(row.name);
    if (troff) {
        for (std::size_t at = 0; (at = text.find('-', at)) != std::string::npos; at += 2) {
            text.insert(at, "\\");
        }
    }
    if (!row.valueName.empty()) {
        text += troff ? " \\fI" + std::string(row.valueName) + "\\fP"
                      : " " + std::string(row.valueName);
    }
    return text;
}

// The help line with the range and default of a value that has them.
std::vector<std::string> helpLines(const HackOption& row) {
    std::vector<std::string> lines{std::string(row.help)};
    if (row.value == OptionValue::Microseconds) {
        lines[0] += ", " + std::to_string(row.low) + " to " + std::to_string(row.high);
        lines.push_back("(" + std::to_string(row.byDefault) + " by default: " +
                        std::to_string((1'000'000 + row.byDefault / 2) / row.byDefault) +
                        " frames a second)");
    }
    return lines;
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

ParsedOptions parseHackOptions(const std::vector<std::string_view>& arguments,
                               std::optional<std::string_view> saverWindow) {
    ParsedOptions parsed;
    Reader reader(arguments, parsed.options);
    for (std::size_t i = 0; i < arguments.size() && parsed.refusal.empty(); ++i) {
        parsed.refusal = reader.option(i);
    }
    HackOptions& options = parsed.options;
    // A saver host's window, unless -window-id names one: XScreenSaver passes -root with it,
    // xsecurelock documents the variable alone. Refused by name rather than replaced by another.
    if (parsed.refusal.empty() && options.target != DrawTarget::GivenWindow && saverWindow) {
        const std::optional<unsigned long> id = parseWindowId(*saverWindow);
        if (!id) {
            parsed.refusal = badWindowId("XSCREENSAVER_WINDOW", *saverWindow);
        } else {
            options.target = DrawTarget::GivenWindow;
            options.windowId = *id;
        }
    }
    return parsed;
}

std::string hackHelp() {
    constexpr std::size_t kColumn = 24;
    std::string text = "usage: velmora";
    for (std::size_t i = 0; i < std::size(kHackOptions); ++i) {
        const HackOption& row = kHackOptions[i];
        const bool closes = i + 1 == std::size(kHackOptions) || !kHackOptions[i + 1].orPrevious;
        text += (row.orPrevious ? " | " : " [") + spelled(row, false) + (closes ? "]" : "");
    }
    text += "\n";
    for (const HackOption& row : kHackOptions) {
        // The help in its column, or a space after a longer option.
        std::string left = "  " + spelled(row, false);
        left.resize(std::max(kColumn, left.size() + 1), ' ');
        for (const std::string& line : helpLines(row)) {
            text += left + line + "\n";
            left.assign(kColumn, ' ');
        }
    }
    return text + "Every option may also be written with two dashes. Without -root, -window-id or\n"
                  "$XSCREENSAVER_WINDOW velmora opens a window of its own; Escape, q or the close\n"
                  "box end it.\n";
}

std::string manualSynopsis() {
    std::string text = ".B velmora\n";
    for (const HackOption& row : kHackOptions) {
        text += "[" + spelled(row, true) + "]\n";
    }
    return text;
}

std::string manualOptions() {
    std::string text;
    for (const HackOption& row : kHackOptions) {
        text += ".TP 8\n.B " + spelled(row, true) + "\n";
        std::string sentence;
        for (const std::string& line : helpLines(row)) {
            sentence += (sentence.empty() ? "" : " ") + line;
        }
        sentence[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(sentence[0])));
        text += sentence + ".\n";
    }
    return text;
}

} // namespace velmora::x11
