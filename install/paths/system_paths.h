#pragma once
// What the path specifiers ask of the machine: registry values, the Windows and system
// folders and the current folder. The windows build asks Windows; tests put in their own.
#include <string>

namespace install {

// Registry roots as the installer numbers them.
enum RegistryRoot : int {
    kHKeyClassesRoot = 0, kHKeyCurrentConfig = 1, kHKeyCurrentUser = 2, kHKeyDynData = 3,
    kHKeyLocalMachine = 4, kHKeyUsers = 5,
};

class SystemPaths {
public:
    virtual ~SystemPaths() = default;
    // The stored text, or nothing when the key, the value or the read fails.
    [[nodiscard]] virtual bool ReadRegistryString(int root, const std::string& key,
                                                  const std::string& name, std::string& value) = 0;
    // Each returns false when the system cannot tell.
    [[nodiscard]] virtual bool WindowsDirectory(std::string& path) = 0;
    [[nodiscard]] virtual bool SystemDirectory(std::string& path) = 0;
    [[nodiscard]] virtual std::string CurrentDirectory() = 0;
};

// The machine's own answers (a host without Windows has no registry and no Windows folder).
SystemPaths& MachineSystemPaths();
// The answers in use: the machine's unless a test put others in.
SystemPaths& CurrentSystemPaths();
void SetSystemPaths(SystemPaths* paths);  // null: the machine's again

// routines_Registry: the default unless the key exists, opens for reading, the value exists
// and reads as a string; then the stored text, which may be empty. Never raises.
std::string ReadRegString(int root, const std::string& key, const std::string& name,
                          const std::string& defaultValue);

// routines_API: raise EAPIRoutines when Windows cannot tell.
std::string GetWindowsDir();
std::string GetSystemDir();

// routines_ExpandPaths: shell folders from the registry, each without trailing backslash.
std::string GetStartMenuDir();
std::string GetProgramsMenuDir();
std::string GetDesktopDir();
std::string GetStartupDir();
std::string GetProgramFilesDir();
std::string GetCommonFilesDir();

// "C:" of "C:\Folder", "\\server\share" of a network path, empty otherwise.
std::string ExtractFileDrive(const std::string& path);

}  // namespace install
