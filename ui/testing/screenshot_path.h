#pragma once
#include <string>

namespace ui::testing {

// Where window tests save their screenshots: the "screenshots" folder of the build tree.
std::string ScreenshotPath(const std::string& fileName);

}  // namespace ui::testing
