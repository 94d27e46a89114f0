#pragma once
// Fonts made by name and point size, owned like every other GDI object.
#include <windows.h>

#include "ui/handles.h"

namespace ui {

struct FontOptions {
    const char* face = "MS Sans Serif";
    int points = 8;
    bool bold = false;
    bool italic = false;
};

[[nodiscard]] GdiObject CreatePointFont(const FontOptions& options);
// Gives the control the font; the caller keeps the font alive as long as the control.
void SetControlFont(HWND control, const GdiObject& font);

}  // namespace ui
