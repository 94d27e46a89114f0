// The windows build asks the system's version functions.
#include <windows.h>

#include "install/version/version_data.h"

namespace install {

namespace {

class SystemVersionData final : public VersionData {
public:
    explicit SystemVersionData(std::vector<char> block) : block_(std::move(block)) {}

    std::optional<FixedFileInfo> Fixed() const override {
        void* value = nullptr;
        UINT length = 0;
        if (!::VerQueryValueA(block_.data(), "\\", &value, &length) || length < sizeof(VS_FIXEDFILEINFO))
            return std::nullopt;
        const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(value);
        FixedFileInfo info;
        info.fileVersionMS = fixed->dwFileVersionMS;
        info.fileVersionLS = fixed->dwFileVersionLS;
        info.productVersionMS = fixed->dwProductVersionMS;
        info.productVersionLS = fixed->dwProductVersionLS;
        info.fileOS = fixed->dwFileOS;
        info.fileType = fixed->dwFileType;
        info.fileSubtype = fixed->dwFileSubtype;
        return info;
    }

    std::optional<std::string> QueryString(const std::string& subBlock) const override {
        void* value = nullptr;
        UINT length = 0;
        if (!::VerQueryValueA(block_.data(), subBlock.c_str(), &value, &length)) return std::nullopt;
        if (!value || length == 0) return std::string();
        const auto* text = static_cast<const char*>(value);
        std::size_t n = 0;
        while (n < length && text[n] != '\0') ++n;
        return std::string(text, n);
    }

private:
    // VerQueryValueA writes its ANSI conversions into the buffer's spare half.
    mutable std::vector<char> block_;
};

}  // namespace

std::unique_ptr<VersionData> ReadVersionData(const std::string& path) {
    DWORD ignored = 0;
    const DWORD size = ::GetFileVersionInfoSizeA(path.c_str(), &ignored);
    if (size == 0) return nullptr;
    std::vector<char> block(size);
    if (!::GetFileVersionInfoA(path.c_str(), 0, size, block.data())) return nullptr;
    return std::make_unique<SystemVersionData>(std::move(block));
}

}  // namespace install
