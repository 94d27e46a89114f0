#pragma once
// The registry through one owning key type. Reads report absence instead of throwing, so
// callers choose their own defaults; writes report failure.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace platform {

class RegistryKey {
public:
    RegistryKey() = default;
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;
    RegistryKey(RegistryKey&& other) noexcept;
    RegistryKey& operator=(RegistryKey&& other) noexcept;
    ~RegistryKey();

    // Opens an existing key for reading, or opens/creates it for writing.
    [[nodiscard]] static RegistryKey Open(HKEY root, const std::string& path, REGSAM access = KEY_READ);
    [[nodiscard]] static RegistryKey Create(HKEY root, const std::string& path, REGSAM access = KEY_READ | KEY_WRITE);

    explicit operator bool() const { return key_ != nullptr; }
    [[nodiscard]] HKEY get() const { return key_; }

    // An empty name is the key's default value.
    [[nodiscard]] std::optional<std::string> ReadString(const std::string& name) const;
    [[nodiscard]] std::optional<DWORD> ReadDword(const std::string& name) const;
    [[nodiscard]] std::optional<std::vector<BYTE>> ReadBinary(const std::string& name) const;
    [[nodiscard]] bool WriteString(const std::string& name, const std::string& value) const;
    [[nodiscard]] bool WriteDword(const std::string& name, DWORD value) const;
    [[nodiscard]] bool WriteBinary(const std::string& name, const void* data, DWORD size) const;
    [[nodiscard]] bool DeleteValue(const std::string& name) const;
    [[nodiscard]] std::vector<std::string> ValueNames() const;
    [[nodiscard]] std::vector<std::string> SubkeyNames() const;

private:
    explicit RegistryKey(HKEY key) : key_(key) {}
    HKEY key_ = nullptr;
};

// Deletes a key with everything below it; true when it is gone.
bool DeleteRegistryTree(HKEY root, const std::string& path);

}  // namespace platform
