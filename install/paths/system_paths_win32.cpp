// The machine's answers from Windows: its registry and its folders.
#include <windows.h>

#include "install/paths/system_paths.h"
#include "platform/registry.h"

namespace install {

namespace {

HKEY RootKey(int root) {
    switch (root) {
        case kHKeyClassesRoot: return HKEY_CLASSES_ROOT;
        case kHKeyCurrentConfig: return HKEY_CURRENT_CONFIG;
        case kHKeyCurrentUser: return HKEY_CURRENT_USER;
        case kHKeyDynData: return HKEY_DYN_DATA;
        case kHKeyLocalMachine: return HKEY_LOCAL_MACHINE;
        case kHKeyUsers: return HKEY_USERS;
        default: return nullptr;
    }
}

class WindowsSystemPaths final : public SystemPaths {
public:
    bool ReadRegistryString(int root, const std::string& key, const std::string& name,
                            std::string& value) override {
        const HKEY rootKey = RootKey(root);
        if (!rootKey) return false;
        // Key paths are written from the root ("\SOFTWARE\..."): the API wants them relative.
        const std::size_t skip = key.find_first_not_of('\\');
        const auto opened = platform::RegistryKey::Open(rootKey, skip == std::string::npos ? std::string() : key.substr(skip));
        const auto stored = opened.ReadString(name);
        if (!stored) return false;
        value = stored->substr(0, stored->find('\0'));
        return true;
    }

    bool WindowsDirectory(std::string& path) override {
        char buffer[261] = {};
        const UINT length = ::GetWindowsDirectoryA(buffer, sizeof buffer);
        if (length == 0 || length >= sizeof buffer) return false;
        path.assign(buffer, length);
        return true;
    }

    bool SystemDirectory(std::string& path) override {
        char buffer[261] = {};
        const UINT length = ::GetSystemDirectoryA(buffer, sizeof buffer);
        if (length == 0 || length >= sizeof buffer) return false;
        path.assign(buffer, length);
        return true;
    }

    std::string CurrentDirectory() override {
        char buffer[MAX_PATH + 1] = {};
        const DWORD length = ::GetCurrentDirectoryA(sizeof buffer, buffer);
        return length > 0 && length < sizeof buffer ? std::string(buffer, length) : std::string();
    }
};

}  // namespace

SystemPaths& MachineSystemPaths() {
    static WindowsSystemPaths paths;
    return paths;
}

}  // namespace install
