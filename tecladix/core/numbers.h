#pragma once
// Whole numbers typed by people or stored in the data files.
#include <optional>
#include <string_view>

namespace tecladix {

// Decimal digits with an optional sign and blanks around them, in the int range; anything
// else is not a whole number.
[[nodiscard]] std::optional<int> ParseWholeNumber(std::string_view text);

}  // namespace tecladix
