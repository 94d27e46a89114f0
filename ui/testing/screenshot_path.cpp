#include "ui/testing/screenshot_path.h"

#include <windows.h>

namespace ui::testing {

std::string ScreenshotPath(const std::string& fileName) {
    const std::string folder = SCREENSHOT_DIR;
    ::CreateDirectoryA(folder.c_str(), nullptr);
    return folder + "/" + fileName;
}

}  // namespace ui::testing
