// Starting Velmora.dll (see RendererProcess.h).
#include "saver/run/RendererProcess.h"

#include <windows.h>

#include <string>

#include "saver/settings/Paths.h"
#include "saver/text/AnsiText.h"

void startRenderer() {
    const std::string path = toAnsi(programFolder() + "\\Velmora.dll");
    std::string commandLine = "\"" + path + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &process))
        return;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}
