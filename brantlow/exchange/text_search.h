#pragma once
// Searches that ignore the ASCII letter case without making a lower-case copy of the text,
// so that a long line is searched once however often it is looked at from a new start.
#include <cstddef>
#include <string>
#include <string_view>

#include "brantlow/core/file_system.h"

namespace brantlow {

// The first occurrence of `lowerPattern` (lower case) at or after `from`, or npos.
[[nodiscard]] std::size_t FindNoCase(std::string_view text, std::string_view lowerPattern, std::size_t from = 0);

// The text of the error box that ends a file operation which failed to read or write.
[[nodiscard]] std::string IOErrorText(const std::string& path, const FileError& error);

// The error of a file that ended before its size said it would.
[[nodiscard]] FileError ReadFailure();
// The error of a file that could not be moved or replaced.
[[nodiscard]] FileError RenameFailure();

}  // namespace brantlow
