// An X resource file read as XScreenSaver reads ~/.xscreensaver and its app-defaults file: lines
// that end in a backslash go on in the next one, "name: value" with backslash escapes, the last
// setting of a name winning. The lines are kept as they are, so that an edit can leave every line
// it does not mean untouched.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::desktop {

// The lines of a text without their line ends, and whether the last one had one.
struct TextLines {
    std::vector<std::string> lines;
    bool finalNewline = true;
};

TextLines splitLines(std::string_view text);
std::string joinLines(const TextLines& text);

// Whether the line goes on in the next one: it ends in a backslash (and is more than that
// backslash, as XScreenSaver counts).
bool continues(std::string_view line);

// One setting and the lines it spans.
struct Resource {
    std::size_t first = 0; // the line with the name
    std::size_t last = 0;  // the line that ends it
    std::string value;     // continuations joined, escapes resolved, trimmed
};

// The setting whose name, after the last "." or "*" ("*programs" in the app-defaults file,
// "programs" in the user's), is name in any case; the last of them, as that is the one in force.
std::optional<Resource> findResource(const TextLines& text, std::string_view name);

// The text without the blanks at either end.
std::string_view trimmed(std::string_view text);

// The column reached after text starting at column from, with a tab stop every 8 columns.
int columnAfter(std::string_view text, int from);
// Tabs, then spaces, from column from to column to (nothing when from is past it).
std::string padding(int from, int to);

} // namespace velmora::desktop
