#include "platform/shell_folder.h"

#include "platform/registry.h"

namespace platform {

std::string ShellFolder(const std::string& name) {
    const auto key = RegistryKey::Open(HKEY_CURRENT_USER,
                                       "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders");
    if (!key) return {};
    return key.ReadString(name).value_or(std::string{});
}

}  // namespace platform
