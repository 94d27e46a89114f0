#include "tecladix/core/line_file.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace tecladix {

Lines SplitLines(std::string_view text) {
    if (const auto nul = text.find('\0'); nul != std::string_view::npos) text = text.substr(0, nul);
    Lines lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n') continue;
        lines.emplace_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < text.size()) lines.emplace_back(text.substr(start));
    return lines;
}

std::string JoinLines(const Lines& lines) {
    std::string text;
    for (const auto& line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

FileResult LoadLines(const std::string& path, Lines& lines) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return {FileStatus::CannotOpen, path};
    file.seekg(0, std::ios::end);
    const std::streamoff size = file.tellg();
    if (size < 0 || static_cast<unsigned long long>(size) > kMaxDataFileSize) return {FileStatus::CannotOpen, path};
    file.seekg(0, std::ios::beg);
    std::string text(static_cast<std::size_t>(size), '\0');
    if (!file.read(text.data(), size)) return {FileStatus::CannotOpen, path};
    lines = SplitLines(text);
    return FileResult::Success();
}

FileResult SaveLines(const std::string& path, const Lines& lines) {
    const std::string temporary = path + ".tmp";
    const std::string text = JoinLines(lines);
    {
        std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
        if (!file) return {FileStatus::CannotCreate, path};
        file.write(text.data(), static_cast<std::streamsize>(text.size()));
        file.close();
        if (!file) {
            std::remove(temporary.c_str());
            return {FileStatus::CannotCreate, path};
        }
    }
    std::error_code error;
    std::filesystem::rename(temporary, path, error);
    if (error) {
        std::remove(temporary.c_str());
        return {FileStatus::CannotCreate, path};
    }
    return FileResult::Success();
}

}  // namespace tecladix
