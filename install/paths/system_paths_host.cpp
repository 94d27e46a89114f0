// A host without Windows: no registry (every read falls back to its default) and no
// Windows or system folder.
#include <filesystem>

#include "install/paths/system_paths.h"

namespace install {

namespace {

class HostSystemPaths final : public SystemPaths {
public:
    bool ReadRegistryString(int, const std::string&, const std::string&, std::string&) override { return false; }
    bool WindowsDirectory(std::string&) override { return false; }
    bool SystemDirectory(std::string&) override { return false; }
    std::string CurrentDirectory() override {
        std::error_code error;
        return std::filesystem::current_path(error).string();
    }
};

}  // namespace

SystemPaths& MachineSystemPaths() {
    static HostSystemPaths paths;
    return paths;
}

}  // namespace install
