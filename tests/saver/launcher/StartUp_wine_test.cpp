// Velmora.scr's start-up as the screensaver host sees it: the message for a missing renderer,
// unknown modes, and the preview inside host windows of several sizes. (Wine shows nothing of
// a child window whose parent belongs to another process, so the preview's pixels are checked
// in-process by the Vantri_R test.)
#include <gtest/gtest.h>

#include <cstdio>

#include "SaverHost.h"
#include "contract/SharedNames.h"

namespace velmora::launcher {

namespace {

constexpr wchar_t kMissingRendererMessage[] = L"Velmora.dll が同じﾌｫﾙﾀﾞに見つかりません！";

struct MessageBoxParts {
    std::wstring text;
    int buttons = 0;
    int icons = 0;
};

MessageBoxParts partsOf(HWND box) {
    MessageBoxParts parts;
    EnumChildWindows(
        box,
        [](HWND child, LPARAM found) {
            auto& parts = *reinterpret_cast<MessageBoxParts*>(found);
            if (!IsWindowVisible(child)) {
                return TRUE;
            }
            char kind[32] = {};
            GetClassNameA(child, kind, sizeof kind);
            wchar_t text[256] = {};
            GetWindowTextW(child, text, 256);
            const LONG style = GetWindowLongA(child, GWL_STYLE);
            if (lstrcmpiA(kind, "Button") == 0) {
                ++parts.buttons;
            } else if (lstrcmpiA(kind, "Static") == 0 && (style & SS_TYPEMASK) == SS_ICON) {
                parts.icons += SendMessageA(child, STM_GETICON, 0, 0) != 0;
            } else if (text[0]) {
                parts.text = text;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&parts));
    return parts;
}

// The host's preview area, and waiting for the preview inside it.
class HostWindow {
public:
    HostWindow(int width, int height) : window_(makeHostWindow(100, 100, width, height)) {
        pumpMessages(Millis(100));
    }
    ~HostWindow() {
        if (IsWindow(window_)) {
            DestroyWindow(window_);
        }
    }
    HWND window() const { return window_; }
    std::string previewArguments() const {
        return "/p " + std::to_string(reinterpret_cast<intptr_t>(window_));
    }
    // Shown last, once placed and sized.
    HWND waitForPreview(Millis timeout) const {
        return waitForWindow(
            {.title = contract::kPreviewFormTitle, .parent = window_, .visibleOnly = true},
            timeout);
    }

private:
    HWND window_;
};

} // namespace

namespace {

// The one message of a start without Velmora.dll beside the program, then the end.
void expectMissingRendererMessage(const ProgramFolder& folder, const std::string& arguments) {
    SaverProcess saver(folder, arguments);
    HWND box = waitForWindow({.title = "Velmora (ScreenSaver)"}, Millis(10000));
    ASSERT_TRUE(box) << "no message for " << arguments;
    pumpMessages(Millis(300)); // the box gets its parts after its window
    const MessageBoxParts parts = partsOf(box);
    EXPECT_EQ(parts.text, kMissingRendererMessage) << arguments;
    EXPECT_EQ(parts.buttons, 1) << arguments; // OK only
    EXPECT_EQ(parts.icons, 0) << arguments;
    EXPECT_TRUE(saver.running()) << arguments; // waits for the message to be read
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(saver.waitForExit(Millis(3000))) << arguments;
    EXPECT_FALSE(FindWindowA(nullptr, contract::kSaverFormTitle)) << arguments;
    EXPECT_FALSE(FindWindowA(nullptr, contract::kDialogTitle)) << arguments;
}

} // namespace

TEST(StartUp, MissingRendererShowsTheMessageAndEnds) {
    ProgramFolder folder(false);
    for (const std::string arguments : {"/s", "/c", "", "/x"}) {
        expectMissingRendererMessage(folder, arguments);
    }
}

// 한글 has no code page 932 form: the renderer is looked for by its UTF-16 path.
TEST(StartUp, MissingRendererIsReportedInAFolderNamedOutsideTheCodePage) {
    ProgramFolder folder("C:\\vel-한글", false);
    expectMissingRendererMessage(folder, "/s");
}

TEST(StartUp, ConfigureShowsTheSettingsDialogAndEndsWhenItCloses) {
    ProgramFolder folder;
    for (const std::string arguments : {"/c", "/C:1234"}) {
        SaverProcess saver(folder, arguments);
        HWND dialog = waitForWindow({.title = contract::kDialogTitle}, Millis(10000));
        ASSERT_TRUE(dialog) << arguments;
        pumpMessages(Millis(300));
        EXPECT_TRUE(IsWindowVisible(dialog)) << arguments;
        EXPECT_FALSE(FindWindowA(nullptr, contract::kSaverFormTitle)) << arguments;
        PostMessageA(dialog, WM_CLOSE, 0, 0);
        EXPECT_TRUE(saver.waitForExit(Millis(5000))) << arguments;
    }
}

TEST(StartUp, UnknownModesEndWithoutAMessage) {
    ProgramFolder folder;
    for (const std::string arguments : {"/x", "S", "/"}) {
        SaverProcess saver(folder, arguments);
        EXPECT_TRUE(saver.waitForExit(Millis(5000))) << arguments;
        EXPECT_FALSE(FindWindowA(nullptr, "Velmora (ScreenSaver)")) << arguments;
    }
}

TEST(Preview, FillsSitsOnBlackOrIsClippedAndEndsWithItsHost) {
    ProgramFolder folder(false); // the preview does not look for the renderer
    const struct {
        int width, height;
    } hosts[] = {{152, 112}, {200, 150}, {100, 80}};
    for (const auto& size : hosts) {
        HostWindow host(size.width, size.height);
        SaverProcess saver(folder, host.previewArguments());
        const HWND preview = host.waitForPreview(Millis(10000));
        ASSERT_TRUE(preview) << size.width << " x " << size.height;
        EXPECT_FALSE(FindWindowA(nullptr, "Velmora (ScreenSaver)"));
        RECT client{};
        GetClientRect(preview, &client);
        EXPECT_EQ(client.right, size.width);
        EXPECT_EQ(client.bottom, size.height);

        const auto destroyed = Clock::now();
        DestroyWindow(host.window());
        EXPECT_TRUE(saver.waitForExit(Millis(3000)));
        std::printf("[figures] host %d x %d destroyed to preview exit: %lld ms\n", size.width,
                    size.height,
                    static_cast<long long>(
                        std::chrono::duration_cast<Millis>(Clock::now() - destroyed).count()));
    }
}

TEST(Preview, AHandleOfNoWindowEndsAtOnce) {
    ProgramFolder folder;
    for (const std::string arguments : {"/p 0", "/p", "/p:0", "/p 123456789"}) {
        SaverProcess saver(folder, arguments);
        EXPECT_TRUE(saver.waitForExit(Millis(3000))) << arguments;
        EXPECT_FALSE(FindWindowA(nullptr, contract::kPreviewFormTitle)) << arguments;
    }
}

} // namespace velmora::launcher
