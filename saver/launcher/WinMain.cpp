// The entry point of Velmora.scr: hands the command line's arguments to Main.
#include <windows.h>

#include "saver/launcher/Main.h"
#include "saver/launcher/core/CommandLine.h"
#include "saver/text/AnsiText.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    using namespace velmora;
    const std::string commandLine = text::fromWide(GetCommandLineW());
    return launcher::Main(launcher::argumentsOf(commandLine));
}
