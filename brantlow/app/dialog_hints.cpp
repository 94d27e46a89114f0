#include "brantlow/app/dialog_hints.h"

#include <commctrl.h>

#include "ui/application.h"

namespace brantlow {

void DialogHints::Create(HWND dialog, bool active) {
    dialog_ = dialog;
    tips_ = ::CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                              CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, dialog, nullptr,
                              ui::Application::Instance(), nullptr);
    SetActive(active);
}

void DialogHints::SetActive(bool active) const {
    if (tips_) ::SendMessageA(tips_, TTM_ACTIVATE, active ? TRUE : FALSE, 0);
}

void DialogHints::Add(int id, const char* text) const { Add(::GetDlgItem(dialog_, id), text); }

void DialogHints::Add(HWND control, const char* text) const {
    if (!tips_ || !control) return;
    TTTOOLINFOA tool{};
    tool.cbSize = TTTOOLINFOA_V2_SIZE;  // understood by every version of the control
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = ::GetParent(control);
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = const_cast<char*>(text);
    ::SendMessageA(tips_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

}  // namespace brantlow
