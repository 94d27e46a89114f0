#include "platform/registry.h"

#include <utility>

namespace platform {

RegistryKey::RegistryKey(RegistryKey&& other) noexcept : key_(std::exchange(other.key_, nullptr)) {}

RegistryKey& RegistryKey::operator=(RegistryKey&& other) noexcept {
    if (this != &other) {
        if (key_) ::RegCloseKey(key_);
        key_ = std::exchange(other.key_, nullptr);
    }
    return *this;
}

RegistryKey::~RegistryKey() {
    if (key_) ::RegCloseKey(key_);
}

RegistryKey RegistryKey::Open(HKEY root, const std::string& path, REGSAM access) {
    HKEY key = nullptr;
    if (::RegOpenKeyExA(root, path.c_str(), 0, access, &key) != ERROR_SUCCESS) return RegistryKey();
    return RegistryKey(key);
}

RegistryKey RegistryKey::Create(HKEY root, const std::string& path, REGSAM access) {
    HKEY key = nullptr;
    if (::RegCreateKeyExA(root, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, access, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return RegistryKey();
    return RegistryKey(key);
}

std::optional<std::string> RegistryKey::ReadString(const std::string& name) const {
    DWORD type = 0, size = 0;
    if (!key_ || ::RegQueryValueExA(key_, name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return {};
    if (type != REG_SZ && type != REG_EXPAND_SZ) return {};
    std::string value(size, '\0');
    if (::RegQueryValueExA(key_, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(value.data()), &size) !=
        ERROR_SUCCESS)
        return {};
    value.resize(size);
    while (!value.empty() && value.back() == '\0') value.pop_back();
    return value;
}

std::optional<DWORD> RegistryKey::ReadDword(const std::string& name) const {
    DWORD type = 0, value = 0, size = sizeof value;
    if (!key_ || ::RegQueryValueExA(key_, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) !=
                     ERROR_SUCCESS ||
        type != REG_DWORD)
        return {};
    return value;
}

std::optional<std::vector<BYTE>> RegistryKey::ReadBinary(const std::string& name) const {
    DWORD type = 0, size = 0;
    if (!key_ || ::RegQueryValueExA(key_, name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return {};
    std::vector<BYTE> value(size);
    if (::RegQueryValueExA(key_, name.c_str(), nullptr, &type, value.data(), &size) != ERROR_SUCCESS) return {};
    value.resize(size);
    return value;
}

bool RegistryKey::WriteString(const std::string& name, const std::string& value) const {
    return key_ && ::RegSetValueExA(key_, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                                    static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS;
}

bool RegistryKey::WriteDword(const std::string& name, DWORD value) const {
    return key_ && ::RegSetValueExA(key_, name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                                    sizeof value) == ERROR_SUCCESS;
}

bool RegistryKey::WriteBinary(const std::string& name, const void* data, DWORD size) const {
    return key_ && ::RegSetValueExA(key_, name.c_str(), 0, REG_BINARY, static_cast<const BYTE*>(data), size) ==
                       ERROR_SUCCESS;
}

bool RegistryKey::DeleteValue(const std::string& name) const {
    return key_ && ::RegDeleteValueA(key_, name.c_str()) == ERROR_SUCCESS;
}

std::vector<std::string> RegistryKey::ValueNames() const {
    std::vector<std::string> names;
    char name[16384];
    for (DWORD i = 0; key_; ++i) {
        DWORD length = sizeof name;
        if (::RegEnumValueA(key_, i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
        names.emplace_back(name, length);
    }
    return names;
}

std::vector<std::string> RegistryKey::SubkeyNames() const {
    std::vector<std::string> names;
    char name[256];
    for (DWORD i = 0; key_; ++i) {
        DWORD length = sizeof name;
        if (::RegEnumKeyExA(key_, i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
        names.emplace_back(name, length);
    }
    return names;
}

bool DeleteRegistryTree(HKEY root, const std::string& path) {
    {
        RegistryKey key = RegistryKey::Open(root, path, KEY_READ | KEY_WRITE);
        if (!key) return true;
        for (const std::string& child : key.SubkeyNames())
            if (!DeleteRegistryTree(key.get(), child)) return false;
    }
    return ::RegDeleteKeyA(root, path.c_str()) == ERROR_SUCCESS;
}

}  // namespace platform
