#include "brantlow/app/dialog_fonts.h"

namespace brantlow {

void ApplyDialogFont(HWND dialog, HFONT font) {
    if (!font) return;
    ::SendMessageA(dialog, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    ::EnumChildWindows(
        dialog,
        [](HWND child, LPARAM param) -> BOOL {
            ::SendMessageA(child, WM_SETFONT, static_cast<WPARAM>(param), FALSE);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(font));
}

}  // namespace brantlow
