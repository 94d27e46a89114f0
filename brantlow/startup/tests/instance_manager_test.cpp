// Two real processes: the first instance receives the second one's command line.
#include "brantlow/startup/instance_manager.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <thread>

namespace {

using namespace std::chrono_literals;

std::string ExeFolder() {
    char path[MAX_PATH] = {};
    std::string module(path, ::GetModuleFileNameA(nullptr, path, MAX_PATH));
    return module.substr(0, module.find_last_of('\\') + 1);
}

struct Process {
    ui::KernelHandle handle;
    DWORD Wait(DWORD ms = 10000) const {
        DWORD code = 0xDEAD;
        if (::WaitForSingleObject(handle.get(), ms) == WAIT_OBJECT_0) ::GetExitCodeProcess(handle.get(), &code);
        return code;
    }
};

Process StartProbe(const std::string& arguments) {
    std::string commandLine = "\"" + ExeFolder() + "instance_probe.exe\" " + arguments;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!::CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info))
        return {};
    ::CloseHandle(info.hThread);
    return {ui::KernelHandle(info.hProcess)};
}

HWND WaitForInstanceWindow() {
    for (int i = 0; i < 800; ++i) {  // a cold Wine start of the probe may take seconds
        if (HWND window = ::FindWindowA("TInstanceManager", "BrantlowURL1")) return window;
        std::this_thread::sleep_for(25ms);
    }
    return nullptr;
}

std::string Record() {
    std::ifstream file(ExeFolder() + "handover.txt", std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

LRESULT SendText(HWND window, ULONG_PTR identifier, const std::string& text) {
    COPYDATASTRUCT data{identifier, static_cast<DWORD>(text.size()), const_cast<char*>(text.data())};
    return ::SendMessageA(window, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data));
}

TEST(InstanceManager, ASecondInstanceHandsItsCommandLineToTheFirstAndEnds) {
    ::DeleteFileA((ExeFolder() + "handover.txt").c_str());
    Process first = StartProbe("");
    HWND window = WaitForInstanceWindow();
    ASSERT_TRUE(window);

    Process second = StartProbe("\"D:\\My Links\\Work.btw\" -min");
    EXPECT_EQ(0u, second.Wait()) << "the second instance ends after handing over";

    // Exactly the bytes sent, no terminator needed.
    EXPECT_EQ(1, SendText(window, 1555, std::string("abc\0def", 3)));
    EXPECT_EQ(1, SendText(window, 1555, "quit"));
    EXPECT_EQ(1u, first.Wait());

    const std::string record = Record();
    EXPECT_NE(std::string::npos, record.find("instance_probe.exe\" \"D:\\My Links\\Work.btw\" -min\n")) << record;
    EXPECT_NE(std::string::npos, record.find("\nabc\n")) << record;
    EXPECT_FALSE(::FindWindowA("TInstanceManager", "BrantlowURL1")) << "the window goes with its program";
}

// A running instance that answers 0 lets the new one start as an ordinary instance.
LRESULT CALLBACK RefusingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COPYDATA) return 0;
    return ::DefWindowProcA(window, message, wParam, lParam);
}

TEST(InstanceManager, ARefusedHandOverStartsAnOrdinaryInstance) {
    ui::KernelHandle mutex(::CreateMutexA(nullptr, FALSE, "BrantlowURL1"));
    WNDCLASSA wc{};
    wc.lpfnWndProc = &RefusingProc;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = "TInstanceManager";
    ASSERT_TRUE(::RegisterClassA(&wc));
    ui::OwnedWindow refusing(::CreateWindowExA(0, "TInstanceManager", "BrantlowURL1", 0, 0, 0, 0, 0, nullptr, nullptr,
                                               wc.hInstance, nullptr));
    ASSERT_TRUE(refusing);

    Process second = StartProbe("c:\\a.btw");
    // The probe's SendMessage needs this thread to answer it.
    DWORD code = 0xDEAD;
    for (int i = 0; i < 400 && code == 0xDEAD; ++i) {
        MSG message;
        while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageA(&message);
        code = second.Wait(25);
    }
    EXPECT_EQ(2u, code);
    refusing.reset();
    ::UnregisterClassA("TInstanceManager", wc.hInstance);
}

}  // namespace
