// Reading the screensaver command line (see CommandLine.h).
#include "saver/launcher/core/CommandLine.h"

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

// The second character, upper-cased, when it is an ASCII letter; 0 otherwise.
char modeLetter(std::string_view arguments) {
    if (arguments.empty()) {
        return 0;
    }
    const size_t second = characterLength(static_cast<unsigned char>(arguments[0]));
    if (second >= arguments.size()) {
        return 0;
    }
    const char letter = arguments[second];
    return letter >= 'a' && letter <= 'z' ? static_cast<char>(letter - 'a' + 'A') : letter;
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
        return {LaunchMode::SaverCursorShown, 0};
    }
    switch (modeLetter(arguments)) {
    case 'P':
        return {LaunchMode::Preview, text::commandLineHandle(arguments)};
    case 'C':
        return {LaunchMode::Configure, 0};
    case 'S':
        return {LaunchMode::Saver, 0};
    default:
        return {LaunchMode::None, 0};
    }
}

} // namespace velmora::launcher
