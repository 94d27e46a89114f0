#pragma once
// What a path specifier asks of the install object it expands a path for, and of the one
// TInstall of the run. The engine's install objects answer; tests give simple objects.
#include <optional>
#include <string>

namespace install {

class PathRequester {
public:
    virtual ~PathRequester() = default;
    [[nodiscard]] virtual std::string ComponentName() const = 0;
    // The class tests of the install object tree.
    [[nodiscard]] virtual bool IsInstallObject() const = 0;  // a TInstallObject
    [[nodiscard]] virtual bool IsFileRelated() const { return false; }
    [[nodiscard]] virtual bool IsFileContainer() const { return false; }
    [[nodiscard]] virtual bool IsInstallFile() const { return false; }
    [[nodiscard]] virtual bool IsShortcut() const { return false; }  // a TCustomInstallShellLink
    [[nodiscard]] virtual PathRequester* Container() const { return nullptr; }
    [[nodiscard]] virtual std::string GroupName() const { return {}; }
    // The full destination folder and the archive path, built from the object's own specifiers.
    [[nodiscard]] virtual std::string FullDestDir() const = 0;
    [[nodiscard]] virtual std::string ArchivePath() const { return {}; }
    // A shortcut's linked file or group, and an install file's name at its destination.
    [[nodiscard]] virtual PathRequester* ObjectLink() const { return nullptr; }
    [[nodiscard]] virtual std::string DestName() const { return {}; }
};

class InstallRun {
public:
    virtual ~InstallRun() = default;
    [[nodiscard]] virtual const PathRequester& InstallObject() const = 0;  // the TInstall itself
    [[nodiscard]] virtual std::string FullDestDir() const = 0;
    [[nodiscard]] virtual std::string SourceFolder() const = 0;  // without trailing backslash
    // The value of the -e switch when the run was started with it.
    [[nodiscard]] virtual std::optional<std::string> SelfExtractorName() const = 0;
};

// The one TInstall of the program, or null while there is none.
InstallRun* CurrentInstall();
void SetCurrentInstall(InstallRun* install);

}  // namespace install
