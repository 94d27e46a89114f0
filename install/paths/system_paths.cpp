#include "install/paths/system_paths.h"

#include "install/framework/exceptions.h"
#include "install/framework/strings.h"

namespace install {

namespace {

SystemPaths* gSystemPaths = nullptr;

constexpr const char* kShellFolders = "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
constexpr const char* kCurrentVersion = "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion";

// A shell folder: the default first, then the registry's value, one trailing backslash off.
std::string ShellFolder(int root, const char* key, const char* name, const std::string& defaultPath) {
    return StripBackslash(ReadRegString(root, key, name, defaultPath));
}

}  // namespace

SystemPaths& CurrentSystemPaths() { return gSystemPaths ? *gSystemPaths : MachineSystemPaths(); }

void SetSystemPaths(SystemPaths* paths) { gSystemPaths = paths; }

std::string ReadRegString(int root, const std::string& key, const std::string& name,
                          const std::string& defaultValue) {
    std::string value;
    try {
        if (CurrentSystemPaths().ReadRegistryString(root, key, name, value)) return value;
    } catch (...) {
        // Registry reads never raise: the default stands.
    }
    return defaultValue;
}

std::string GetWindowsDir() {
    std::string path;
    if (!CurrentSystemPaths().WindowsDirectory(path))
        throw EAPIRoutines("Could not retrieve the windows directory from windows");
    return path;
}

std::string GetSystemDir() {
    std::string path;
    if (!CurrentSystemPaths().SystemDirectory(path))
        throw EAPIRoutines("Could not retrieve the system directroy from windows");
    return path;
}

std::string GetStartMenuDir() {
    return ShellFolder(kHKeyCurrentUser, kShellFolders, "Start Menu", GetWindowsDir() + "\\Startmen");
}

std::string GetProgramsMenuDir() {
    return ShellFolder(kHKeyCurrentUser, kShellFolders, "Programs", GetStartMenuDir() + "\\Programs");
}

std::string GetDesktopDir() {
    return ShellFolder(kHKeyCurrentUser, kShellFolders, "Desktop", GetWindowsDir() + "\\Desktop");
}

std::string GetStartupDir() {
    return ShellFolder(kHKeyCurrentUser, kShellFolders, "Startup", GetWindowsDir() + "\\Startup");
}

std::string GetProgramFilesDir() {
    const std::string drive = ExtractFileDrive(CurrentSystemPaths().CurrentDirectory());
    return ShellFolder(kHKeyLocalMachine, kCurrentVersion, "ProgramFilesDir", drive + "\\Program Files");
}

std::string GetCommonFilesDir() {
    const std::string drive = ExtractFileDrive(CurrentSystemPaths().CurrentDirectory());
    return ShellFolder(kHKeyLocalMachine, kCurrentVersion, "CommonFilesDir",
                       drive + "\\Program Files\\Common Files");
}

std::string ExtractFileDrive(const std::string& path) {
    if (path.size() >= 2 && path[1] == ':') return path.substr(0, 2);
    if (path.size() >= 2 && path[0] == '\\' && path[1] == '\\') {
        // \\server\share: up to the separator after the share name.
        const std::size_t server = path.find('\\', 2);
        if (server == std::string::npos) return path;
        const std::size_t share = path.find('\\', server + 1);
        return path.substr(0, share);
    }
    return {};
}

}  // namespace install
