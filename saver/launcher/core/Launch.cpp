// The start-up's decisions (see Launch.h).
#include "saver/launcher/core/Launch.h"

#include <cmath>
#include <limits>

#include "base/Twips.h"
#include "saver/text/core/VbNumber.h"

namespace velmora::launcher {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// Bytes of the UTF-8 character that starts with lead; a stray byte counts as one.
size_t characterLength(unsigned char lead) {
    if (lead >= 0xF0) {
        return 4;
    }
    if (lead >= 0xE0) {
        return 3;
    }
    if (lead >= 0xC0) {
        return 2;
    }
    return 1;
}

// The text from its character at index (counted from 0) on; empty when it is shorter.
std::string_view fromCharacter(std::string_view text, int index) {
    size_t at = 0;
    for (int i = 0; i < index && at < text.size(); ++i) {
        at += characterLength(static_cast<unsigned char>(text[at]));
    }
    return at < text.size() ? text.substr(at) : std::string_view();
}

// The second character, upper-cased, when it is an ASCII letter; 0 when there is none.
char modeLetter(std::string_view arguments) {
    const std::string_view second = fromCharacter(arguments, 1);
    if (second.empty()) {
        return 0;
    }
    const char letter = second.front();
    return letter >= 'a' && letter <= 'z' ? static_cast<char>(letter - 'a' + 'A') : letter;
}

int32_t previewHandle(std::string_view arguments) {
    const double value = std::nearbyint(text::leadingNumber(fromCharacter(arguments, 3)));
    const bool fits = value >= std::numeric_limits<int32_t>::min() &&
                      value <= std::numeric_limits<int32_t>::max();
    return fits ? static_cast<int32_t>(value) : 0;
}

} // namespace

std::string_view argumentsOf(std::string_view commandLine) {
    size_t at = 0;
    // A quoted path ends at its closing quote, whatever follows: the host may write "/s"
    // right after it.
    if (!commandLine.empty() && commandLine[0] == '"') {
        const size_t closing = commandLine.find('"', 1);
        at = closing == std::string_view::npos ? commandLine.size() : closing + 1;
    } else {
        while (at < commandLine.size() && !isBlank(commandLine[at])) {
            ++at;
        }
    }
    while (at < commandLine.size() && isBlank(commandLine[at])) {
        ++at;
    }
    return commandLine.substr(at);
}

LaunchRequest parseCommandLine(std::string_view arguments) {
    if (arguments.empty()) {
        return {.mode = LaunchMode::Saver};
    }
    switch (modeLetter(arguments)) {
    case 'P':
        return {.mode = LaunchMode::Preview, .previewHandle = previewHandle(arguments)};
    case 'C':
        return {.mode = LaunchMode::Configure};
    case 'S':
        return {.mode = LaunchMode::Saver, .hideCursor = true};
    default:
        return {};
    }
}

int16_t previewTwips(int pixels, double twipsPerPixel) {
    const double twips = base::twipsFromPixels(pixels, twipsPerPixel);
    if (twips > INT16_MAX || twips < INT16_MIN) {
        return 0;
    }
    return static_cast<int16_t>(twips);
}

} // namespace velmora::launcher
