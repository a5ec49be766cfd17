// velmora-xscreensaver: puts Velmora into the user's list of XScreenSaver hacks in
// ~/.xscreensaver, or takes it out again with --remove. The file is replaced in one step, so
// that a running daemon, which rereads it when it changes, never sees half of it.
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <iostream>
#include <sstream>

#include "desktop/core/XScreenSaverList.h"

namespace velmora::desktop {

namespace {

constexpr std::string_view kProgram = "velmora-xscreensaver";
constexpr std::string_view kUsage =
    "usage: velmora-xscreensaver [-remove]\n"
    "  (no option)  add Velmora to your list of hacks in ~/.xscreensaver\n"
    "  -remove      take it out again\n"
    "  -help        show this list\n"
    "  -version     show the version\n"
    "Every option may also be written with two dashes.\n";

// The whole file, or nothing when there is none; a file that exists but cannot be read is a
// failure, not an empty list.
bool readFile(const std::string& path, std::optional<std::string>& text) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        text.reset();
        return errno == ENOENT;
    }
    std::ostringstream content;
    content << in.rdbuf();
    text = content.str();
    return !in.bad();
}

// Writes a scratch copy beside the file and renames it over the file. The copy keeps the old
// file's permissions (readable and writable by its owner, executable by none); a new file gets
// those the umask allows.
std::string replaceFile(const std::string& path, const std::string& text) {
    std::string scratch = path + ".XXXXXX";
    const int fd = mkstemp(scratch.data());
    if (fd < 0) {
        return std::string("cannot write beside ") + path + ": " + std::strerror(errno);
    }
    struct stat old {};
    mode_t mode = 0;
    if (stat(path.c_str(), &old) == 0) {
        mode = (old.st_mode & 07777 & ~mode_t{S_IXUSR | S_IXGRP | S_IXOTH}) | S_IRUSR | S_IWUSR;
    } else {
        const mode_t mask = umask(0);
        umask(mask);
        mode = 0666 & ~mask;
    }
    std::size_t written = 0;
    while (written < text.size()) {
        const ssize_t n = write(fd, text.data() + written, text.size() - written);
        if (n <= 0) {
            break;
        }
        written += static_cast<std::size_t>(n);
    }
    const bool whole = written == text.size() && fchmod(fd, mode) == 0 && fsync(fd) == 0;
    const int error = errno;
    if (close(fd) != 0 || !whole || rename(scratch.c_str(), path.c_str()) != 0) {
        const int cause = whole ? errno : error;
        unlink(scratch.c_str());
        return std::string("cannot write ") + path + ": " + std::strerror(cause);
    }
    return {};
}

std::string now() {
    const std::time_t time = std::time(nullptr);
    char text[64] = {};
    std::strftime(text, sizeof text, "%a %b %e %H:%M:%S %Y", std::localtime(&time));
    return text;
}

int fail(const std::string& why) {
    std::cerr << kProgram << ": " << why << "\n";
    return 1;
}

} // namespace

int run(int argc, char** argv) {
    bool remove = false;
    for (int i = 1; i < argc; ++i) {
        std::string_view word = argv[i];
        if (!word.starts_with('-')) {
            return fail(std::string("\"") + argv[i] + "\" is not an option (see -help)");
        }
        word.remove_prefix(word.starts_with("--") ? 2 : 1);
        if (word == "remove") {
            remove = true;
        } else if (word == "help" || word == "h") {
            std::cout << kUsage;
            return 0;
        } else if (word == "version") {
            std::cout << kProgram << " " << VELMORA_VERSION << "\n";
            return 0;
        } else {
            return fail(std::string("\"") + argv[i] + "\": unknown option (see -help)");
        }
    }
    // XScreenSaver finds the file in the home folder of the password database, not $HOME.
    const passwd* user = getpwuid(getuid());
    if (!user || !user->pw_dir || !*user->pw_dir) {
        return fail("your home folder is unknown");
    }
    std::string path = std::string(user->pw_dir) + "/.xscreensaver";
    // A linked file is replaced where it lives, and the link stays.
    if (char* real = realpath(path.c_str(), nullptr)) {
        path = real;
        std::free(real);
    }
    std::optional<std::string> userFile;
    if (!readFile(path, userFile)) {
        return fail("cannot read " + path + ": " + std::strerror(errno));
    }
    std::optional<std::string> appDefaults;
    readFile(VELMORA_XSCREENSAVER_APP_DEFAULTS, appDefaults);
    const std::string date = now();
    const ListEdit edit =
        remove ? removeVelmora(userFile)
               : addVelmora(userFile, appDefaults,
                            {kProgram, VELMORA_VERSION, user->pw_name ? user->pw_name : "", date});
    switch (edit.change) {
    case ListChange::AlreadyListed:
        std::cout << "Velmora is already in your list of hacks (" << path << ").\n";
        return 0;
    case ListChange::NotListed:
        std::cout << "Velmora is not in your list of hacks (" << path << ").\n";
        return 0;
    case ListChange::Refused:
        return fail(edit.refusal + " (" + path + ")");
    case ListChange::Added:
    case ListChange::Removed:
        break;
    }
    if (const std::string failure = replaceFile(path, edit.text); !failure.empty()) {
        return fail(failure);
    }
    if (edit.change == ListChange::Added) {
        std::cout << "Velmora is added to your list of hacks (" << path
                  << "): choose it in xscreensaver-settings.\n";
    } else {
        std::cout << "Velmora is taken out of your list of hacks (" << path << ").\n";
    }
    return 0;
}

} // namespace velmora::desktop

int main(int argc, char** argv) {
    return velmora::desktop::run(argc, argv);
}
