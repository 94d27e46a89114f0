#pragma once
// Message formatting for the installer's texts: "%s" takes a text, "%d" a number, "%%" is a
// percent sign. The format may come from a translation table, so it is never handed to
// printf; a placeholder without a matching argument is kept as written.
#include <cstdint>
#include <initializer_list>
#include <string>
#include <variant>

namespace install {

using FormatArg = std::variant<std::string, std::int64_t>;

std::string FormatText(const std::string& format, std::initializer_list<FormatArg> args);

}  // namespace install
