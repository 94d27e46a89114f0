#pragma once
// The program registered for ".html" files (Windows build only).
#include <string>

namespace brantlow {

// Empty when nothing is registered.
[[nodiscard]] std::string DefaultBrowser();

}  // namespace brantlow
