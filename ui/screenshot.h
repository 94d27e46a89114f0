#pragma once
// Pictures of what is on the screen, for screenshots of the programs' windows.
#include <windows.h>

#include "common/png_writer.h"

namespace ui {

// The screen area that `window` covers (frame included), as the user sees it.
[[nodiscard]] common::RgbImage CaptureWindow(HWND window);
[[nodiscard]] common::RgbImage CaptureScreen();

}  // namespace ui
