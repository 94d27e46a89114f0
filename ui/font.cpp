#include "ui/font.h"

namespace ui {

GdiObject CreatePointFont(const FontOptions& options) {
    WindowDc screen(nullptr);
    const int height = -::MulDiv(options.points, ::GetDeviceCaps(screen.get(), LOGPIXELSY), 72);
    return GdiObject(::CreateFontA(height, 0, 0, 0, options.bold ? FW_BOLD : FW_NORMAL, options.italic, FALSE, FALSE,
                                   ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                   DEFAULT_PITCH | FF_DONTCARE, options.face));
}

void SetControlFont(HWND control, const GdiObject& font) {
    ::SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);
}

}  // namespace ui
