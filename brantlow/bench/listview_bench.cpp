// listview_bench BRANTLOW.EXE: the time from starting the bookmark manager to its painted
// main window, with a collection of 10,000 and of 100,000 bookmarks. Each size runs in a
// folder of its own holding a copy of the program, so the user's configuration and
// collection are never touched. Prints "name: value" lines; the ratio of the two times
// shows how start-up grows with the collection (linear growth gives 10).
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "brantlow/core/data_file.h"
#include "brantlow/core/file_system.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

bool WriteCollection(const std::string& path, int count) {
    brantlow::StdFileSystem files;
    brantlow::FileError error;
    auto output = files.Create(path, error);
    if (!output) return false;
    brantlow::DataFileWriter writer(*output);
    bool ok = writer.WriteHeader(count);
    brantlow::TURLInfo entry;
    for (int i = 0; ok && i < count; ++i) {
        entry.URL = "http://host" + std::to_string(i % 997) + ".example/path/" + std::to_string(i) + ".html";
        entry.Description = "Bookmark number " + std::to_string(i) + " of the benchmark collection";
        entry.State = brantlow::MakeState(45000.0 + i / 1000.0);
        ok = writer.WriteRecord(entry);
    }
    ok = writer.Flush() && ok;
    return output->Close() && ok;
}

struct Search {
    DWORD processId;
    HWND found = nullptr;
};

HWND MainWindowOf(DWORD processId) {
    Search search{processId};
    ::EnumWindows(
        [](HWND window, LPARAM param) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(param);
            DWORD owner = 0;
            ::GetWindowThreadProcessId(window, &owner);
            char name[32] = {};
            ::GetClassNameA(window, name, sizeof name);
            if (owner != s.processId || !::IsWindowVisible(window) || lstrcmpA(name, "TForm_Main") != 0) return TRUE;
            s.found = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Milliseconds from the start of the program to its painted main window; -1 on failure.
double TimeToPaintedWindow(const std::string& program, const std::string& folder) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::string line = "\"" + program + "\"";
    const auto begin = Clock::now();
    if (!::CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                          &process))
        return -1;
    HWND window = nullptr;
    while (!window && Clock::now() - begin < std::chrono::seconds(120)) {
        window = MainWindowOf(process.dwProcessId);
        if (!window) ::Sleep(5);
    }
    double elapsed = -1;
    if (window) {
        // Painting happens when the program's queue runs empty: a message answered after
        // the window is visible and idle comes after its first paint.
        ::WaitForInputIdle(process.hProcess, 60000);
        ::UpdateWindow(window);
        DWORD_PTR ignored = 0;
        ::SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, 60000, &ignored);
        elapsed = std::chrono::duration<double, std::milli>(Clock::now() - begin).count();
        ::PostMessageA(window, WM_CLOSE, 0, 0);
    }
    if (::WaitForSingleObject(process.hProcess, 60000) != WAIT_OBJECT_0) ::TerminateProcess(process.hProcess, 1);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return elapsed;
}

// The best of a few runs with a collection of `count` bookmarks.
double Measure(const std::string& program, int count, int runs) {
    char temp[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, temp);
    const std::string folder = std::string(temp) + "brantlow_bench_" + std::to_string(count) + "\\";
    std::error_code ignored;
    fs::remove_all(folder, ignored);
    fs::create_directories(folder);
    const std::string copy = folder + "brantlow.exe";
    fs::copy_file(program, copy, ignored);
    const fs::path library = fs::path(program).parent_path() / "libpcre2-8-0.dll";
    fs::copy_file(library, folder + "libpcre2-8-0.dll", ignored);
    // Not a first run, nothing saved at the start or the end, no tray icon.
    std::ofstream(folder + "brantlow.ini", std::ios::binary)
        << "[BrantlowURL]\r\nAutoSave=0\r\nIconInTray=0\r\nMonitorClip=0\r\nMRUUse=0\r\n";
    std::ofstream(folder + "brantlow.html", std::ios::binary) << "";
    if (!WriteCollection(folder + "brantlow.btw", count)) return -1;
    double best = -1;
    for (int run = 0; run < runs; ++run) {
        const double time = TimeToPaintedWindow(copy, folder);
        if (time >= 0 && (best < 0 || time < best)) best = time;
    }
    fs::remove_all(folder, ignored);
    return best;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: listview_bench BRANTLOW.EXE\n");
        return 2;
    }
    const double small = Measure(argv[1], 10000, 3);
    const double large = Measure(argv[1], 100000, 3);
    if (small <= 0 || large <= 0) {
        std::fprintf(stderr, "listview_bench: the program did not show its window\n");
        return 1;
    }
    std::printf("listview_10k_start_ms: %.0f\n", small);
    std::printf("listview_100k_start_ms: %.0f\n", large);
    std::printf("listview_100k_vs_10k: %.2f\n", large / small);
    return 0;
}
