#pragma once
// Shortcut files through the system's shell-link object (IShellLinkA, IPersistFile).
#include <optional>

#include "brantlow/setup/setup_commands.h"

namespace brantlow {

// Writes a shortcut to `WorkingFolder\ProgramName` with the arguments and the working
// folder. The texts are trimmed; an empty link file, folder or program name is refused.
// False as well when the shell could not make or save the link.
[[nodiscard]] bool CreateShellLink(const ShellLinkRequest& request);

// What a shortcut file holds: its target path (as LinkFile), working folder and arguments.
struct ShellLinkContents {
    std::string Target;
    std::string WorkingFolder;
    std::string Arguments;
};
[[nodiscard]] std::optional<ShellLinkContents> ReadShellLink(const std::string& linkFile);

}  // namespace brantlow
