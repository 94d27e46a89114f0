#include "brantlow/app/list_appearance.h"

#include "ui/handles.h"

namespace brantlow {

COLORREF ToColorRef(std::int32_t colour) {
    return colour < 0 ? ::GetSysColor(colour & 0xFF) : static_cast<COLORREF>(colour);
}

LOGFONTA ListLogFont(const TFontProperties& f) {
    LOGFONTA font{};
    ui::WindowDc screen(nullptr);
    font.lfHeight = -::MulDiv(f.FSize > 0 && f.FSize < 200 ? f.FSize : 10, ::GetDeviceCaps(screen.get(), LOGPIXELSY), 72);
    font.lfWeight = f.Bold ? FW_BOLD : FW_NORMAL;
    font.lfItalic = f.Italic;
    font.lfUnderline = f.Underline;
    font.lfStrikeOut = f.StrikeOut;
    font.lfCharSet = f.FCharset;
    font.lfPitchAndFamily = f.FPitch == 1 ? VARIABLE_PITCH : f.FPitch == 2 ? FIXED_PITCH : DEFAULT_PITCH;
    lstrcpynA(font.lfFaceName, f.FName.c_str(), LF_FACESIZE);
    return font;
}

}  // namespace brantlow
