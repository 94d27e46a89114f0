// snapshot OUT.png [PROGRAM.exe] [--wait SECONDS] [--close] [--answer-boxes]
// Waits until a visible top-level window of a process running PROGRAM.exe appears, saves
// what it shows as OUT.png (the whole screen when no program is named or no window
// appears, or the program ends without one), and with --close asks that program's windows
// to close. With --answer-boxes, message boxes the program shows before its window (a
// first-run greeting) are answered with OK.
#include <windows.h>
#include <tlhelp32.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "common/png_writer.h"
#include "ui/screenshot.h"

namespace {

std::string ProcessImageName(DWORD processId) {
    HANDLE process = ::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
    if (!process) return {};
    char path[MAX_PATH] = {};
    DWORD size = MAX_PATH;
    std::string name;
    if (::QueryFullProcessImageNameA(process, 0, path, &size)) {
        name.assign(path, size);
        name = name.substr(name.find_last_of("\\/") + 1);
    }
    ::CloseHandle(process);
    return name;
}

std::vector<HWND> ProgramWindows(const std::string& program) {
    struct Search {
        const std::string* program;
        std::vector<HWND> windows;
    } search{&program, {}};
    ::EnumWindows(
        [](HWND window, LPARAM param) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(param);
            if (!::IsWindowVisible(window) || ::GetWindow(window, GW_OWNER)) return TRUE;
            DWORD processId = 0;
            ::GetWindowThreadProcessId(window, &processId);
            if (lstrcmpiA(ProcessImageName(processId).c_str(), s.program->c_str()) == 0) s.windows.push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.windows;
}

// Presses OK in every visible message box of the program.
void AnswerMessageBoxes(const std::string& program) {
    ::EnumWindows(
        [](HWND window, LPARAM param) -> BOOL {
            char className[16] = {};
            if (!::IsWindowVisible(window) || !::GetClassNameA(window, className, sizeof className) ||
                lstrcmpA(className, "#32770") != 0 || !::GetDlgItem(window, IDOK))
                return TRUE;
            DWORD processId = 0;
            ::GetWindowThreadProcessId(window, &processId);
            if (lstrcmpiA(ProcessImageName(processId).c_str(), reinterpret_cast<const std::string*>(param)->c_str()) == 0)
                ::PostMessageA(window, WM_COMMAND, IDOK, 0);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&program));
}

bool ProgramRunning(const std::string& program) {
    HANDLE snapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return true;
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    bool running = false;
    for (BOOL more = ::Process32First(snapshot, &entry); more && !running; more = ::Process32Next(snapshot, &entry))
        running = lstrcmpiA(entry.szExeFile, program.c_str()) == 0;
    ::CloseHandle(snapshot);
    return running;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: snapshot OUT.png [PROGRAM.exe] [--wait SECONDS] [--close] [--answer-boxes]\n");
        return 2;
    }
    std::string out = argv[1], program;
    int waitSeconds = 10;
    bool close = false;
    bool answerBoxes = false;
    for (int i = 2; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--close") close = true;
        else if (arg == "--answer-boxes") answerBoxes = true;
        else if (arg == "--wait" && i + 1 < argc) waitSeconds = std::atoi(argv[++i]);
        else program = arg;
    }

    std::vector<HWND> windows;
    for (int tries = 0; !program.empty() && tries < waitSeconds * 10; ++tries) {
        windows = ProgramWindows(program);
        if (!windows.empty()) break;
        if (answerBoxes) AnswerMessageBoxes(program);
        if (tries >= 20 && !ProgramRunning(program)) break;  // ended without a window
        ::Sleep(100);
    }
    if (!windows.empty()) ::Sleep(1000);  // let it finish painting

    const common::RgbImage image = windows.empty() ? ui::CaptureScreen() : ui::CaptureWindow(windows.front());
    const bool saved = image.width > 0 && common::WritePngFile(out, image);
    std::printf("%s %s\n", saved ? "saved" : "could not save", out.c_str());
    if (!program.empty() && windows.empty()) std::printf("no window of %s appeared: saved the screen\n", program.c_str());

    if (close)
        for (HWND window : windows) ::PostMessageA(window, WM_CLOSE, 0, 0);
    return saved ? 0 : 1;
}
