#pragma once
// The tutor's data files: 8-bit text read and written whole as a list of lines. Reading
// splits at CR LF, a lone CR or a lone LF and stops at a NUL byte; writing puts CR LF after
// every line. A file is replaced through a temporary file beside it, so a failed write
// leaves the old contents in place.
#include <string>
#include <string_view>
#include <vector>

namespace tecladix {

using Lines = std::vector<std::string>;

enum class FileStatus { Ok, CannotOpen, CannotCreate };

// What a file operation gives back: the status and the file it concerns.
struct [[nodiscard]] FileResult {
    FileStatus status = FileStatus::Ok;
    std::string path;

    [[nodiscard]] bool ok() const { return status == FileStatus::Ok; }
    static FileResult Success() { return {}; }
};

[[nodiscard]] Lines SplitLines(std::string_view text);
[[nodiscard]] std::string JoinLines(const Lines& lines);

// Larger files are not the tutor's: reading them is refused rather than filling memory.
inline constexpr std::size_t kMaxDataFileSize = 16u << 20;

FileResult LoadLines(const std::string& path, Lines& lines);
FileResult SaveLines(const std::string& path, const Lines& lines);

}  // namespace tecladix
