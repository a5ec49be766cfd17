// The renderer program of a full-screen run as a process of its own, and its window.
#pragma once

#include <windows.h>

#include "saver/run/core/RunMachine.h"

namespace velmora::run {

class RendererProcess : public Renderer {
public:
    RendererProcess() = default;
    ~RendererProcess() override;
    RendererProcess(const RendererProcess&) = delete;
    RendererProcess& operator=(const RendererProcess&) = delete;

    // Starts Velmora.dll beside the program as a new process, its window shown normally.
    bool start() override;
    bool running() override;
    // A window of the started process captioned contract::kRefusedModeCaption.
    bool asking() override;
    // A window titled "Vantri_VC", from this renderer or any other.
    bool windowOpen() override;
    void release() override;

private:
    HANDLE process_ = nullptr;
    DWORD processId_ = 0;
};

} // namespace velmora::run
