#pragma once
// SetupSystem over the registry, the user's shell folders and the shell-link object.
#include "brantlow/setup/setup_commands.h"

namespace brantlow {

class WindowsSetupSystem final : public SetupSystem {
public:
    std::string ShortPath(const std::string& path) override;
    std::optional<std::string> WriteAssociation(const std::string& openCommand, const std::string& icon) override;
    std::string SpecialFolder(const std::string& name) override;
    bool CreateShellLink(const ShellLinkRequest& link) override;
    void RemoveFile(const std::string& path) override;
    void RemoveKeyTree(RegistryRoot root, const std::string& path) override;
};

}  // namespace brantlow
