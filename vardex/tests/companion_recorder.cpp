// Stands in for the companion program: writes the command line it was started with to
// "called.txt" in its own folder, then ends.
#include <windows.h>

#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    char path[MAX_PATH] = {};
    const DWORD length = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string record(path, length);
    record = record.substr(0, record.find_last_of('\\') + 1) + "called.txt";

    const char* commandLine = ::GetCommandLineA();
    HANDLE file = ::CreateFileA(record.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 1;
    DWORD written = 0;
    ::WriteFile(file, commandLine, static_cast<DWORD>(lstrlenA(commandLine)), &written, nullptr);
    ::CloseHandle(file);
    return 0;
}
