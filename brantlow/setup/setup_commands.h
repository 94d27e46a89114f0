#pragma once
// Installing the bookmark manager into the system and removing it again: the ".btw"
// association, the shortcuts in the user's Programs and Startup folders, and the program's
// registry keys. The steps and their messages are here; SetupSystem does the work.
#include <functional>
#include <optional>
#include <string>

#include "common/message_box.h"

namespace brantlow {

inline constexpr const char* kShortcutName = "BrantlowURL.lnk";
inline constexpr const char* kDataFileClassKey = ".btw";
inline constexpr const char* kProgramRegistryKey = "Software\\Quillmoor\\BrantlowURL";

// The boxes of the install dialog.
struct InstallChoices {
    bool Associate = true;
    bool Programs = true;
    bool Startup = false;
};

// "&Install" is enabled exactly while at least one box is ticked.
[[nodiscard]] inline bool CanInstall(const InstallChoices& choices) {
    return choices.Associate || choices.Programs || choices.Startup;
}

struct ShellLinkRequest {
    std::string LinkFile;       // the ".lnk" file to write
    std::string WorkingFolder;  // the program's folder
    std::string ProgramName;    // the program's file name inside that folder
    std::string Arguments;
};

enum class RegistryRoot { Classes, CurrentUser };

// What installing and uninstalling change in the system.
class SetupSystem {
public:
    virtual ~SetupSystem() = default;
    // The short (8.3) form of an existing path, or the path itself when the system has none.
    [[nodiscard]] virtual std::string ShortPath(const std::string& path) = 0;
    // Sets the default values of ".btw\shell\open\command" and ".btw\DefaultIcon" under the
    // classes root and flushes them; the system's error text when a write failed.
    [[nodiscard]] virtual std::optional<std::string> WriteAssociation(const std::string& openCommand,
                                                                      const std::string& icon) = 0;
    // The user's special folder of that name ("PROGRAMS", "STARTUP"); empty when unknown.
    [[nodiscard]] virtual std::string SpecialFolder(const std::string& name) = 0;
    // Writes the shortcut; false when it was refused or could not be written.
    [[nodiscard]] virtual bool CreateShellLink(const ShellLinkRequest& link) = 0;
    // A missing file or key is no error.
    virtual void RemoveFile(const std::string& path) = 0;
    virtual void RemoveKeyTree(RegistryRoot root, const std::string& path) = 0;
};

// The path the association names: the short form when the path holds a blank, lower case.
[[nodiscard]] std::string AssociationPath(const std::string& programPath, SetupSystem& system);

// "&Install" of the install dialog: every ticked step, then the summary or the errors.
// False when the association could not be written: the error box has said so and the
// dialog stays open; otherwise the dialog closes.
bool RunInstall(const InstallChoices& choices, const std::string& programPath, SetupSystem& system,
                common::MessageBoxHost& messages);

// Asks, then removes the shortcuts and the registry keys; true when it was done (the main
// window then stops storing its state and closes). The box saying so comes after `completed`.
bool RunUninstall(const std::string& programPath, SetupSystem& system, common::MessageBoxHost& messages,
                  const std::function<void()>& completed);

}  // namespace brantlow
