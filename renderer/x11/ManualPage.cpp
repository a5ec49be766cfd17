// Writes the hack's manual page at build time: the template's prose with the synopsis and the
// options made from the option table, so that the page never lists other options than the hack.
// Usage: velmora_manual TEMPLATE OUTPUT VERSION
#include <fstream>
#include <sstream>
#include <string>

#include "renderer/x11/core/HackOptions.h"

namespace {

void replace(std::string& text, const std::string& mark, const std::string& with) {
    for (std::size_t at = 0; (at = text.find(mark, at)) != std::string::npos; at += with.size()) {
        text.replace(at, mark.size(), with);
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        return 2;
    }
    std::stringstream page;
    page << std::ifstream(argv[1]).rdbuf();
    std::string text = page.str();
    replace(text, "@HACK_SYNOPSIS@\n", velmora::x11::manualSynopsis());
    replace(text, "@HACK_OPTIONS@\n", velmora::x11::manualOptions());
    replace(text, "@PROJECT_VERSION@", argv[3]);
    std::ofstream out(argv[2]);
    out << text;
    return text.empty() || !out ? 1 : 0;
}
