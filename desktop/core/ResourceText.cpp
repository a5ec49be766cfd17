// Reading X resource lines.
#include "desktop/core/ResourceText.h"

#include <algorithm>
#include <cctype>

namespace velmora::desktop {

namespace {

constexpr int kTabWidth = 8;

// Backslash escapes as XScreenSaver resolves them: \n, \r and \t, any other character itself.
std::string unescaped(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        const char next = text[++i];
        out += next == 'n' ? '\n' : next == 'r' ? '\r' : next == 't' ? '\t' : next;
    }
    return out;
}

bool sameName(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

} // namespace

TextLines splitLines(std::string_view text) {
    TextLines out;
    out.finalNewline = text.empty() || text.back() == '\n';
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        out.lines.emplace_back(text.substr(start, end - start));
        start = end + 1;
    }
    return out;
}

std::string joinLines(const TextLines& text) {
    std::string out;
    for (const std::string& line : text.lines) {
        out += line;
        out += '\n';
    }
    if (!text.finalNewline && !out.empty()) {
        out.pop_back();
    }
    return out;
}

bool continues(std::string_view line) {
    return line.size() >= 2 && line.back() == '\\';
}

std::optional<Resource> findResource(const TextLines& text, std::string_view name) {
    std::optional<Resource> found;
    const std::vector<std::string>& lines = text.lines;
    for (std::size_t first = 0; first < lines.size(); ++first) {
        std::string joined = lines[first];
        std::size_t last = first;
        while (continues(lines[last]) && last + 1 < lines.size()) {
            joined.pop_back();
            joined += lines[++last];
        }
        const std::string logical = unescaped(joined);
        const std::string_view line = trimmed(logical);
        const std::size_t colon = line.find(':');
        const bool comment = line.empty() || line[0] == '#' || line[0] == '!' || line[0] == ';';
        if (!comment && colon != std::string_view::npos) {
            const std::string_view key = trimmed(line.substr(0, colon));
            const std::size_t component = key.find_last_of(".*");
            const std::string_view leaf =
                component == std::string_view::npos ? key : key.substr(component + 1);
            if (sameName(leaf, name)) {
                found = Resource{first, last, std::string(trimmed(line.substr(colon + 1)))};
            }
        }
        first = last;
    }
    return found;
}

std::string_view trimmed(std::string_view text) {
    const std::size_t start = text.find_first_not_of(" \t\r\n");
    if (start == std::string_view::npos) {
        return {};
    }
    return text.substr(start, text.find_last_not_of(" \t\r\n") - start + 1);
}

int columnAfter(std::string_view text, int from) {
    int column = from;
    for (const char c : text) {
        column = c == '\n' ? 0 : c == '\t' ? (column / kTabWidth + 1) * kTabWidth : column + 1;
    }
    return column;
}

std::string padding(int from, int to) {
    std::string out;
    const int lastStop = to / kTabWidth * kTabWidth;
    while (from < lastStop) {
        out += '\t';
        from = (from / kTabWidth + 1) * kTabWidth;
    }
    if (from < to) {
        out.append(static_cast<std::size_t>(to - from), ' ');
    }
    return out;
}

} // namespace velmora::desktop
