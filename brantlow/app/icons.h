#pragma once
// The program's pictures, drawn at start-up: the window and tray icons (idle and
// monitoring) and the small scheme icons of the list view (URLIcons_Small).
#include <windows.h>
#include <commctrl.h>

namespace brantlow {

// A bookmark ribbon; `monitoring` draws it with the eye of the clipboard monitor.
[[nodiscard]] HICON MakeProgramIcon(int size, bool monitoring);
// Index 0 for an unknown scheme, 1 to 10 for the built-in schemes.
[[nodiscard]] HIMAGELIST MakeSchemeImages(int size);

}  // namespace brantlow
