// Velmora.scr started as the screensaver host starts it for a full-screen run, with the real
// renderer beside it: the texture bitmap, the renderer's window, the ways a run ends, the
// single-instance guard, an unwritable texture path and damaged settings.
#include <gtest/gtest.h>

#include <cstdio>

#include "SaverHost.h"
#include "contract/SharedNames.h"
#include "saver/assets/AssetIds.h"
#include "tests/support/Files.h"
#include "tests/support/KeyTap.h"
#include "tests/support/ProcessTimes.h"

namespace velmora::launcher {

namespace {

constexpr Millis kStartTimeout(20000);
constexpr Millis kEndTimeout(5000);

long long since(Clock::time_point start) {
    return std::chrono::duration_cast<Millis>(Clock::now() - start).count();
}

// The pixel rows of a written texture bitmap equal the built-in star picture's.
void expectStarPicture(const std::string& path) {
    const std::vector<unsigned char> file = testing::readBytes(path);
    const ResourcePicture star = resourcePicture(IDB_STAR);
    ASSERT_EQ(star.width, 32);
    ASSERT_EQ(file.size(), 54 + star.rows.size()) << path;
    EXPECT_EQ(file[0], 'B');
    EXPECT_EQ(file[1], 'M');
    EXPECT_EQ(file[14], 40);
    EXPECT_EQ(file[28], 24);
    EXPECT_TRUE(std::equal(star.rows.begin(), star.rows.end(), file.begin() + 54)) << path;
}

// The renderer's window and process of a run that has started.
struct Renderer {
    HWND window = nullptr;
    HANDLE process = nullptr;
    // A renderer left running by a failed check would spoil the tests after it.
    ~Renderer() {
        if (!process) {
            return;
        }
        if (!waitPumping(process, Millis(0))) {
            PostMessageA(window, WM_CLOSE, 0, 0);
        }
        if (!waitPumping(process, Millis(3000))) {
            TerminateProcess(process, 1);
        }
        CloseHandle(process);
    }
};

void waitForRenderer(Renderer& renderer) {
    renderer.window = waitForWindow({.title = contract::kRendererWindowTitle}, kStartTimeout);
    ASSERT_TRUE(renderer.window) << "the renderer window never appeared";
    renderer.process = processOfWindow(renderer.window);
    ASSERT_TRUE(renderer.process);
}

// Waits until the renderer's first frame has reached the screen; true when it did.
bool waitForFirstFrame(Clock::time_point start) {
    const RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    while (litPixels(screen) == 0) {
        if (since(start) > kStartTimeout.count()) {
            return false;
        }
        pumpMessages(Millis(10));
    }
    return true;
}

// Closing the renderer's window ends the renderer and then the saver.
void closeAndExpectEnd(const Renderer& renderer, const SaverProcess& saver) {
    PostMessageA(renderer.window, WM_CLOSE, 0, 0);
    EXPECT_TRUE(waitPumping(renderer.process, kEndTimeout));
    EXPECT_TRUE(saver.waitForExit(kEndTimeout));
}

// One tap of Escape, with nothing brought to the front first: the renderer must have taken the
// keyboard itself. Both programs are gone within 1.2 s of the tap.
void tapEscapeAndExpectEnd(const Renderer& renderer, const SaverProcess& saver) {
    const auto tapped = Clock::now();
    testing::tapKey(VK_ESCAPE);
    ASSERT_TRUE(waitPumping(renderer.process, kEndTimeout)) << "the tap did not end the renderer";
    const auto rendererGone = Clock::now();
    ASSERT_TRUE(saver.waitForExit(kEndTimeout));
    std::printf("[figures] Escape to renderer exit: %lld ms, Escape to saver exit: %lld ms\n",
                std::chrono::duration_cast<Millis>(rendererGone - tapped).count(), since(tapped));
    EXPECT_LE(since(tapped), 1200);
}

} // namespace

// 한글 has no code page 932 form: the renderer is started by its UTF-16 path.
TEST(FullScreenRun, TheRendererStartsFromAFolderNamedOutsideTheCodePage) {
    ProgramFolder folder("C:\\vel-한글", true);
    SaverProcess saver(folder, "/s");
    Renderer renderer;
    waitForRenderer(renderer);
    closeAndExpectEnd(renderer, saver);
}

TEST(FullScreenRun, SlashSWritesTheStarStartsTheRendererAndEndsOnEscape) {
    ProgramFolder folder;
    DeleteFileA(contract::kTexturePath);
    SaverProcess saver(folder, "/s");
    ASSERT_TRUE(saver.started());
    Renderer renderer;
    ASSERT_NO_FATAL_FAILURE(waitForRenderer(renderer));
    const long long toWindow = since(saver.startTime());
    EXPECT_TRUE(waitForFirstFrame(saver.startTime())) << "no frame reached the screen";
    const long long toFrame = since(saver.startTime());
    std::printf("[figures] start to renderer window: %lld ms, to first frame: %lld ms\n", toWindow,
                toFrame);

    EXPECT_TRUE(FindWindowA(nullptr, contract::kSaverFormTitle)); // the hidden saver form
    expectStarPicture(contract::kTexturePath);

    const double cpuBefore = testing::cpuSeconds(saver.handle());
    const auto watchStart = Clock::now();
    pumpMessages(Millis(3000));
    const double cpuUsed = testing::cpuSeconds(saver.handle()) - cpuBefore;
    const double cpuShare = cpuUsed / (since(watchStart) / 1000.0);
    std::printf("[figures] saver CPU while it watches: %.3f %% (%.1f ms in %lld ms)\n",
                cpuShare * 100, cpuUsed * 1000, since(watchStart));
    EXPECT_LT(cpuShare, 0.02);
    ASSERT_TRUE(saver.running());

    tapEscapeAndExpectEnd(renderer, saver);
    EXPECT_FALSE(FindWindowA(nullptr, contract::kSaverFormTitle));
    EXPECT_FALSE(FindWindowA(nullptr, contract::kRendererWindowTitle));
}

TEST(FullScreenRun, AnEmptyCommandLineRunsTheSame) {
    ProgramFolder folder;
    SaverProcess saver(folder, "");
    Renderer renderer;
    ASSERT_NO_FATAL_FAILURE(waitForRenderer(renderer));
    EXPECT_TRUE(waitForFirstFrame(saver.startTime()));
    tapEscapeAndExpectEnd(renderer, saver);
}

// The screensaver host starts the run while the user's own program is in front.
TEST(FullScreenRun, WithAnotherProgramInFrontOneTapStillEndsTheRun) {
    HWND other = makeHostWindow(100, 100, 300, 200);
    SetForegroundWindow(other);
    pumpMessages(Millis(200));
    ASSERT_EQ(other, GetForegroundWindow());
    ProgramFolder folder;
    SaverProcess saver(folder, "/s");
    Renderer renderer;
    ASSERT_NO_FATAL_FAILURE(waitForRenderer(renderer));
    EXPECT_TRUE(waitForFirstFrame(saver.startTime()));
    // The change of foreground reaches this thread through its messages, a moment later.
    for (int i = 0; i < 100 && GetForegroundWindow() != renderer.window; ++i) {
        pumpMessages(Millis(10));
    }
    EXPECT_EQ(renderer.window, GetForegroundWindow());
    tapEscapeAndExpectEnd(renderer, saver);
    DestroyWindow(other);
}

TEST(FullScreenRun, ClosingTheRendererWindowEndsTheRun) {
    ProgramFolder folder;
    SaverProcess saver(folder, "/S");
    Renderer renderer;
    ASSERT_NO_FATAL_FAILURE(waitForRenderer(renderer));
    closeAndExpectEnd(renderer, saver);
}

TEST(FullScreenRun, ASecondRunEndsAtOnceWhileOneIsGoing) {
    ProgramFolder folder;
    SaverProcess first(folder, "/s");
    Renderer renderer;
    ASSERT_NO_FATAL_FAILURE(waitForRenderer(renderer));
    SaverProcess second(folder, "-s");
    EXPECT_TRUE(second.waitForExit(Millis(3000)));
    pumpMessages(Millis(500));
    int renderers = 0;
    EnumWindows(
        [](HWND window, LPARAM count) {
            char title[16] = {};
            GetWindowTextA(window, title, sizeof title);
            *reinterpret_cast<int*>(count) += std::string(title) == contract::kRendererWindowTitle;
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&renderers));
    EXPECT_EQ(renderers, 1);
    EXPECT_TRUE(first.running());
    closeAndExpectEnd(renderer, first);
}

TEST(FullScreenRun, ASettingsDialogTitleBlocksEveryStart) {
    HWND dialog = CreateWindowExA(0, "STATIC", contract::kDialogTitle, WS_POPUP, 0, 0, 10, 10,
                                  nullptr, nullptr, nullptr, nullptr);
    HWND host = CreateWindowExA(0, "STATIC", "host", WS_POPUP | WS_VISIBLE, 0, 0, 152, 112, nullptr,
                                nullptr, nullptr, nullptr);
    ProgramFolder folder;
    const std::string preview = "/p " + std::to_string(reinterpret_cast<intptr_t>(host));
    for (const std::string arguments : {"/s", "/c", "", preview.c_str()}) {
        SaverProcess saver(folder, arguments);
        EXPECT_TRUE(saver.waitForExit(Millis(3000))) << arguments;
        EXPECT_FALSE(FindWindowA(nullptr, contract::kSaverFormTitle)) << arguments;
        EXPECT_FALSE(FindWindowExA(host, nullptr, nullptr, "Preview Window")) << arguments;
    }
    pumpMessages(Millis(500));
    EXPECT_FALSE(FindWindowA(nullptr, contract::kRendererWindowTitle));
    DestroyWindow(host);
    DestroyWindow(dialog);
}

TEST(FullScreenRun, AnUnwritableTexturePathPutsThePictureInTheTemporaryFolder) {
    DeleteFileA(contract::kTexturePath);
    ASSERT_TRUE(CreateDirectoryA(contract::kTexturePath, nullptr)); // a folder where the file goes
    const std::string fallback = testing::temporaryPath(contract::kTextureFileName);
    DeleteFileA(fallback.c_str());
    {
        ProgramFolder folder;
        SaverProcess saver(folder, "/s");
        Renderer renderer;
        waitForRenderer(renderer);
        if (renderer.window) {
            expectStarPicture(fallback);
            pumpMessages(Millis(1000));
            EXPECT_TRUE(IsWindow(renderer.window)) << "the renderer gave up on its texture";
            EXPECT_TRUE(saver.running());
            closeAndExpectEnd(renderer, saver);
        }
    }
    RemoveDirectoryA(contract::kTexturePath);
}

TEST(FullScreenRun, DamagedSettingsStillGiveARun) {
    const std::string longPath(5000, 'A');
    const std::string cases[] = {
        std::string("\x00\xFF\xFE\x01[\x80\x81]\r\n\x00\x00garbage=\xFF", 20),
        "[Section]\r\nBGM\x8B\xE6\x95\xAA=99999999999999999999\r\nBGM\xD8\xCB\xDF\xB0\xC4="
        "-1e308\r\n",
        "[Section]\r\nBGM\x8B\xE6\x95\xAA= 2\r\nBGM\xCC\xA7\xB2\xD9=C:\\" + longPath + ".mp3\r\n",
        "[Other]\r\nBGM\x8B\xE6\x95\xAA= 1\r\n",
    };
    for (const std::string& settings : cases) {
        ProgramFolder folder;
        folder.writeSettings(settings);
        SaverProcess saver(folder, "/s");
        Renderer renderer;
        ASSERT_NO_FATAL_FAILURE(waitForRenderer(renderer));
        pumpMessages(Millis(700));
        EXPECT_TRUE(saver.running());
        closeAndExpectEnd(renderer, saver);
    }
}

} // namespace velmora::launcher
