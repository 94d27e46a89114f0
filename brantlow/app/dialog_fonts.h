#pragma once
// The font of the program's dialogs: "Verdana" when UseVerdana is on, otherwise the main
// window's font.
#include <windows.h>

namespace brantlow {

// Gives the dialog and all its controls the font; a null font leaves the template's.
void ApplyDialogFont(HWND dialog, HFONT font);

}  // namespace brantlow
