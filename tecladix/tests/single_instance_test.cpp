// Starting the tutor while it runs: the second copy brings the first one back and ends.
#include <windows.h>

#include <string>

#include "tecladix/core/texts.h"
#include "tutor_fixture.h"
#include "ui/testing/window_driver.h"

namespace tecladix {
namespace {

// A copy of tecladix.exe started in the test's data folder, ended when the test is over.
class TutorProcess {
public:
    explicit TutorProcess(const std::string& folder) {
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        std::string commandLine = "\"" TECLADIX_EXE "\"";
        started_ = ::CreateProcessA(TECLADIX_EXE, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                    folder.c_str(), &startup, &info_) != FALSE;
    }
    TutorProcess(const TutorProcess&) = delete;
    TutorProcess& operator=(const TutorProcess&) = delete;
    ~TutorProcess() {
        if (!started_) return;
        if (!Ended(0)) ::TerminateProcess(info_.hProcess, 1);
        ::CloseHandle(info_.hThread);
        ::CloseHandle(info_.hProcess);
    }

    [[nodiscard]] bool started() const { return started_; }
    [[nodiscard]] DWORD id() const { return info_.dwProcessId; }
    [[nodiscard]] bool Ended(DWORD milliseconds) const {
        return ::WaitForSingleObject(info_.hProcess, milliseconds) == WAIT_OBJECT_0;
    }
    [[nodiscard]] DWORD ExitCode() const {
        DWORD code = STILL_ACTIVE;
        ::GetExitCodeProcess(info_.hProcess, &code);
        return code;
    }

private:
    PROCESS_INFORMATION info_{};
    bool started_ = false;
};

// The visible top-level window of `process` with that title.
HWND FindWindowOf(DWORD process, const std::string& title) {
    for (HWND window = ::FindWindowExA(nullptr, nullptr, nullptr, title.c_str()); window;
         window = ::FindWindowExA(nullptr, window, nullptr, title.c_str())) {
        DWORD owner = 0;
        ::GetWindowThreadProcessId(window, &owner);
        if (owner == process && ::IsWindowVisible(window)) return window;
    }
    return nullptr;
}

int CountApplicationWindows() {
    int count = 0;
    for (HWND window = ::FindWindowExA(nullptr, nullptr, "TecladixApplication", nullptr); window;
         window = ::FindWindowExA(nullptr, window, "TecladixApplication", nullptr))
        ++count;
    return count;
}

using SingleInstance = testing::TutorWindows;

TEST_F(SingleInstance, ASecondStartRestoresTheFirstCopyAndEnds) {
    const std::string mainTitle = texts::kProductTitle + " - " + texts::kPublisher;
    TutorProcess first(folder_.string());
    ASSERT_TRUE(first.started());
    HWND main = nullptr;
    ASSERT_TRUE(ui::testing::PumpUntil(
        [&] { return (main = FindWindowOf(first.id(), mainTitle)) != nullptr; },
        std::chrono::seconds(30)));
    ::ShowWindow(main, SW_MINIMIZE);
    ASSERT_TRUE(ui::testing::PumpUntil([&] { return ::IsIconic(main) != FALSE; }));

    TutorProcess second(folder_.string());
    ASSERT_TRUE(second.started());
    ASSERT_TRUE(second.Ended(30000));
    EXPECT_EQ(0u, second.ExitCode());
    EXPECT_TRUE(ui::testing::PumpUntil([&] { return !::IsIconic(main); }));
    EXPECT_EQ(1, CountApplicationWindows());
    EXPECT_FALSE(first.Ended(0));

    ::PostMessageA(main, WM_CLOSE, 0, 0);  // the title-bar button ends it without asking
    EXPECT_TRUE(first.Ended(30000));
}

}  // namespace
}  // namespace tecladix
