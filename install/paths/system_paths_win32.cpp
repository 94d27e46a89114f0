// The machine's answers from Windows: its registry and its folders.
#include <windows.h>

#include <vector>

#include "install/paths/system_paths.h"

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

class RegistryKey {
public:
    RegistryKey(HKEY root, const std::string& path) {
        // Key paths are written from the root ("\SOFTWARE\..."): the API wants them relative.
        const std::size_t skip = path.find_first_not_of('\\');
        const std::string relative = skip == std::string::npos ? std::string() : path.substr(skip);
        if (::RegOpenKeyExA(root, relative.c_str(), 0, KEY_READ, &key_) != ERROR_SUCCESS) key_ = nullptr;
    }
    ~RegistryKey() {
        if (key_) ::RegCloseKey(key_);
    }
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;
    [[nodiscard]] HKEY get() const { return key_; }

private:
    HKEY key_ = nullptr;
};

class WindowsSystemPaths final : public SystemPaths {
public:
    bool ReadRegistryString(int root, const std::string& key, const std::string& name,
                            std::string& value) override {
        const HKEY rootKey = RootKey(root);
        if (!rootKey) return false;
        const RegistryKey opened(rootKey, key);
        if (!opened.get()) return false;
        DWORD type = 0, size = 0;
        if (::RegQueryValueExA(opened.get(), name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
            (type != REG_SZ && type != REG_EXPAND_SZ))
            return false;
        std::vector<char> buffer(size + 1, '\0');
        if (::RegQueryValueExA(opened.get(), name.c_str(), nullptr, &type,
                               reinterpret_cast<BYTE*>(buffer.data()), &size) != ERROR_SUCCESS)
            return false;
        value.assign(buffer.data());  // up to the terminating zero
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
