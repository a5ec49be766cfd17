// Editing the user's list of hacks.
#include "desktop/core/XScreenSaverList.h"

#include "desktop/core/ResourceText.h"

#include <algorithm>
#include <cctype>
#include <iterator>

namespace velmora::desktop {

namespace {

constexpr std::string_view kProgramsName = "programs";
// Where XScreenSaver's settings put the command and the end of an entry's line, and the end of
// the "programs:" line.
constexpr int kCommandColumn = 32;
constexpr int kEntryEndColumn = 75;
constexpr int kNameEndColumn = 77;
// The two characters that end an entry inside the value.
constexpr std::string_view kEntryEnd = "\\n";

bool isSpace(char c) {
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}

std::string_view skipSpace(std::string_view text) {
    while (!text.empty() && isSpace(text.front())) {
        text.remove_prefix(1);
    }
    return text;
}

// "programs:" and its padding, ending in the backslash that carries the list on.
std::string programsLine(std::string_view key) {
    return std::string(key) + padding(columnAfter(key, 0), kNameEndColumn) + " \\";
}

// The part of the list's first line before its value, colon included.
std::string_view keyPart(std::string_view line) {
    const std::size_t colon = line.find(':');
    return colon == std::string_view::npos ? line : line.substr(0, colon + 1);
}

// The entry a line of the list holds alone; nothing for a line with none, or with more than one
// (which an edit by line cannot take apart).
std::optional<Hack> soleHackOf(std::string_view line) {
    std::string_view body = line;
    if (continues(body)) {
        body.remove_suffix(1);
    }
    body = trimmed(body);
    if (body.ends_with(kEntryEnd)) {
        body = trimmed(body.substr(0, body.size() - kEntryEnd.size()));
    }
    if (body.find(kEntryEnd) != std::string_view::npos) {
        return std::nullopt;
    }
    return parseHack(body);
}

bool listsVelmora(std::string_view programs) {
    const std::vector<Hack> hacks = hacksOf(programs);
    return std::any_of(hacks.begin(), hacks.end(), runsVelmora);
}

ListEdit changed(ListChange change, const TextLines& lines) {
    return {change, joinLines(lines), {}};
}

// A list of the user's own: Velmora's line goes at its end, so that the numbers of the entries
// before it (which "selected:" and xscreensaver-command -select count by) stay as they were.
ListEdit appendTo(TextLines lines, const Resource& programs) {
    auto& all = lines.lines;
    std::string& last = all[programs.last];
    const auto end = all.begin() + static_cast<std::ptrdiff_t>(programs.last);
    // As the settings write it: every entry ends in \n\ and a blank line closes the list.
    if (programs.last != programs.first && trimmed(last).empty()) {
        all.insert(end, formatHack(velmoraHack()));
        return changed(ListChange::Added, lines);
    }
    // Written by hand: the last line closes the list, so it has to carry it on to Velmora's.
    if (!continues(last)) {
        const std::string_view line = last;
        const std::string_view value =
            programs.last == programs.first ? line.substr(keyPart(line).size()) : line;
        if (trimmed(value).empty()) {
            last = programsLine(trimmed(last));
        } else {
            last += trimmed(value).ends_with(kEntryEnd) ? " \\" : " \\n\\";
        }
    }
    all.insert(end + 1, {formatHack(velmoraHack()), ""});
    return changed(ListChange::Added, lines);
}

// No list of the user's own: XScreenSaver's default list is in force, so the user's list
// becomes that one and Velmora.
ListEdit writeDefaultsAnd(std::optional<std::string_view> userFile,
                          std::optional<std::string_view> appDefaults, const FileHeader& header) {
    const std::optional<Resource> defaults =
        appDefaults ? findResource(splitLines(*appDefaults), kProgramsName) : std::nullopt;
    if (!defaults) {
        return {ListChange::Refused, {}, "XScreenSaver's default list of hacks cannot be read"};
    }
    if (listsVelmora(defaults->value)) {
        return {ListChange::AlreadyListed, {}, {}};
    }
    std::string list = programsLine("programs:") + "\n";
    for (const Hack& hack : hacksOf(defaults->value)) {
        list += formatHack(hack) + "\n";
    }
    list += formatHack(velmoraHack()) + "\n\n";
    std::string text;
    if (!userFile) {
        text = "# XScreenSaver Preferences File\n# Written by " + std::string(header.program) +
               " " + std::string(header.version) + " for " + std::string(header.user) + " on " +
               std::string(header.date) + ".\n# https://www.jwz.org/xscreensaver/\n\n";
    } else {
        text = *userFile;
        if (!text.empty() && !text.ends_with('\n')) {
            text += '\n';
        }
        // A blank line first, so that nothing before can run on into the list.
        if (!text.empty() && !text.ends_with("\n\n")) {
            text += '\n';
        }
    }
    return {ListChange::Added, text + list, {}};
}

} // namespace

std::optional<Hack> parseHack(std::string_view entry) {
    Hack hack;
    std::string_view rest = skipSpace(entry);
    if (rest.starts_with('-')) {
        hack.enabled = false;
        rest = skipSpace(rest.substr(1));
    }
    const std::size_t word =
        std::find_if(rest.begin(), rest.end(),
                     [](char c) { return c == ':' || c == '"' || isSpace(c); }) -
        rest.begin();
    if (word < rest.size() && rest[word] == ':') {
        hack.visual = rest.substr(0, word);
        rest = skipSpace(rest.substr(word + 1));
    }
    if (rest.starts_with('"')) {
        const std::size_t close = rest.find('"', 1);
        hack.name = rest.substr(1, close == std::string_view::npos ? close : close - 1);
        rest = close == std::string_view::npos ? std::string_view{}
                                               : skipSpace(rest.substr(close + 1));
    }
    hack.command = trimmed(rest);
    if (hack.command.empty()) {
        return std::nullopt;
    }
    return hack;
}

std::vector<Hack> hacksOf(std::string_view programs) {
    std::vector<Hack> hacks;
    for (const std::string& line : splitLines(programs).lines) {
        if (std::optional<Hack> hack = parseHack(line)) {
            hacks.push_back(*hack);
        }
    }
    return hacks;
}

bool runsVelmora(const Hack& hack) {
    const std::string_view command = hack.command;
    const std::string_view program =
        command.substr(0, std::find_if(command.begin(), command.end(), isSpace) - command.begin());
    const std::size_t slash = program.rfind('/');
    return program.substr(slash == std::string_view::npos ? 0 : slash + 1) == "velmora";
}

std::string formatHack(const Hack& hack) {
    std::string line = hack.enabled ? "" : "-";
    if (!hack.visual.empty()) {
        line += (hack.enabled ? "  " : " ") + hack.visual + ": ";
    }
    if (!hack.name.empty()) {
        line += "\"" + hack.name + "\" ";
    }
    line += padding(columnAfter(line, 0), kCommandColumn) + hack.command;
    return line + padding(columnAfter(line, 0), kEntryEndColumn) + " \\n\\";
}

const Hack& velmoraHack() {
    static const Hack hack{true, "GL", "", "velmora --root"};
    return hack;
}

ListEdit addVelmora(std::optional<std::string_view> userFile,
                    std::optional<std::string_view> appDefaults, const FileHeader& header) {
    const TextLines lines = splitLines(userFile.value_or(""));
    const std::optional<Resource> programs = findResource(lines, kProgramsName);
    if (!programs) {
        return writeDefaultsAnd(userFile, appDefaults, header);
    }
    if (listsVelmora(programs->value)) {
        return {ListChange::AlreadyListed, {}, {}};
    }
    return appendTo(lines, *programs);
}

ListEdit removeVelmora(std::optional<std::string_view> userFile) {
    TextLines lines = splitLines(userFile.value_or(""));
    const std::optional<Resource> programs = findResource(lines, kProgramsName);
    if (!programs || !listsVelmora(programs->value)) {
        return {ListChange::NotListed, {}, {}};
    }
    std::vector<std::string> kept(
        lines.lines.begin(), lines.lines.begin() + static_cast<std::ptrdiff_t>(programs->first));
    for (std::size_t i = programs->first; i <= programs->last; ++i) {
        std::string& line = lines.lines[i];
        const std::string_view key = i == programs->first ? keyPart(line) : std::string_view{};
        const std::optional<Hack> hack = soleHackOf(std::string_view(line).substr(key.size()));
        if (!hack || !runsVelmora(*hack)) {
            kept.push_back(line);
        } else if (i == programs->first) {
            // The list began on the name's line: the name stays, with the rest of the list.
            kept.push_back(continues(line) ? programsLine(trimmed(key))
                                           : std::string(trimmed(key)));
        } else if (i == programs->last) {
            // The line closed the list: a blank line still closes it.
            kept.emplace_back();
        }
    }
    kept.insert(kept.end(), lines.lines.begin() + static_cast<std::ptrdiff_t>(programs->last + 1),
                lines.lines.end());
    lines.lines = std::move(kept);
    const std::optional<Resource> after = findResource(lines, kProgramsName);
    if (after && listsVelmora(after->value)) {
        return {ListChange::Refused,
                {},
                "Velmora shares a line of the list with another hack; take it out in "
                "xscreensaver-settings"};
    }
    return changed(ListChange::Removed, lines);
}

} // namespace velmora::desktop
