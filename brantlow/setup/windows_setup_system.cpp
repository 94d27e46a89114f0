#include "brantlow/setup/windows_setup_system.h"

#include <windows.h>

#include <string>

#include "brantlow/setup/shell_link.h"
#include "platform/registry.h"
#include "platform/shell_folder.h"

namespace brantlow {
namespace {

// Sets a key's default value and writes it to disk at once.
bool WriteFlushed(const std::string& path, const std::string& value) {
    const auto key = platform::RegistryKey::Create(HKEY_CLASSES_ROOT, path);
    return key && key.WriteString("", value) && ::RegFlushKey(key.get()) == ERROR_SUCCESS;
}

}  // namespace

std::string WindowsSetupSystem::ShortPath(const std::string& path) {
    const DWORD needed = ::GetShortPathNameA(path.c_str(), nullptr, 0);
    if (needed == 0) return path;
    std::string shortPath(needed, '\0');
    const DWORD length = ::GetShortPathNameA(path.c_str(), shortPath.data(), needed);
    if (length == 0 || length >= needed) return path;
    shortPath.resize(length);
    return shortPath;
}

std::optional<std::string> WindowsSetupSystem::WriteAssociation(const std::string& openCommand,
                                                                const std::string& icon) {
    const std::string command = std::string(kDataFileClassKey) + "\\shell\\open\\command";
    if (!WriteFlushed(command, openCommand)) return "Could not write the registry key\rHKEY_CLASSES_ROOT\\" + command;
    const std::string defaultIcon = std::string(kDataFileClassKey) + "\\DefaultIcon";
    if (!WriteFlushed(defaultIcon, icon)) return "Could not write the registry key\rHKEY_CLASSES_ROOT\\" + defaultIcon;
    return std::nullopt;
}

std::string WindowsSetupSystem::SpecialFolder(const std::string& name) { return platform::ShellFolder(name); }

bool WindowsSetupSystem::CreateShellLink(const ShellLinkRequest& link) { return brantlow::CreateShellLink(link); }

void WindowsSetupSystem::RemoveFile(const std::string& path) { (void)::DeleteFileA(path.c_str()); }

void WindowsSetupSystem::RemoveKeyTree(RegistryRoot root, const std::string& path) {
    (void)platform::DeleteRegistryTree(root == RegistryRoot::Classes ? HKEY_CLASSES_ROOT : HKEY_CURRENT_USER, path);
}

}  // namespace brantlow
