// The user's list of hacks in ~/.xscreensaver (its "programs:" setting) and the edits that put
// Velmora into it and take it out again, changing no line of the file but those of the list.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::desktop {

// One entry of the list: "- GL: velmora --root" is a disabled GL hack.
struct Hack {
    bool enabled = true;
    std::string visual;
    std::string name;
    std::string command;
};

// The entry of one line of the list; nothing for a blank one.
std::optional<Hack> parseHack(std::string_view entry);
// The entries of a "programs:" value, one a line.
std::vector<Hack> hacksOf(std::string_view programs);
// Whether the entry starts Velmora, by name in the hacks' folder or by any path.
bool runsVelmora(const Hack& hack);
// The entry as XScreenSaver's settings write it: the command at column 32, then " \n\" at 75.
std::string formatHack(const Hack& hack);

// The entry the edits add.
const Hack& velmoraHack();

enum class ListChange {
    Added,
    AlreadyListed,
    Removed,
    NotListed,
    Refused,
};

struct ListEdit {
    ListChange change = ListChange::Refused;
    std::string text;    // the file to write, for Added and Removed
    std::string refusal; // why nothing can be done, for Refused
};

// The first lines of a file written from scratch, as XScreenSaver's settings write them.
struct FileHeader {
    std::string_view program;
    std::string_view version;
    std::string_view user;
    std::string_view date;
};

// userFile: ~/.xscreensaver, or nothing when there is none; appDefaults: XScreenSaver's
// app-defaults file, whose list is in force while the user has none of their own.
ListEdit addVelmora(std::optional<std::string_view> userFile,
                    std::optional<std::string_view> appDefaults, const FileHeader& header);
ListEdit removeVelmora(std::optional<std::string_view> userFile);

} // namespace velmora::desktop
