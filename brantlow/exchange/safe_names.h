#pragma once
// File names made from free text: page titles and bookmark descriptions.
#include <cstddef>
#include <string>
#include <string_view>

namespace brantlow {

// Every character outside `allowed` becomes "_", runs of "_" become one, "_" goes from both
// ends, and the result is cut to `limit` characters.
[[nodiscard]] std::string FileNameFromText(std::string_view text, std::size_t limit, std::string_view allowed);

}  // namespace brantlow
