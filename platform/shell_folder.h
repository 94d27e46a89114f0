#pragma once
// The current user's special folders as the shell records them in the registry.
#include <string>

namespace platform {

// The folder stored under `name` ("FAVORITES", "PROGRAMS", "STARTUP", ...) in the user's
// "Shell Folders" key; value names match without regard to case. Empty when the key or the
// value is missing.
std::string ShellFolder(const std::string& name);

}  // namespace platform
