#include "ui/menu.h"

#include "ui/application.h"

namespace ui {

void CheckMenuCommand(HMENU menu, int command, bool checked) {
    ::CheckMenuItem(menu, static_cast<UINT>(command), MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

void EnableMenuCommand(HMENU menu, int command, bool enabled) {
    ::EnableMenuItem(menu, static_cast<UINT>(command), MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

void SetDefaultMenuCommand(HMENU menu, int command) { ::SetMenuDefaultItem(menu, static_cast<UINT>(command), FALSE); }

bool IsMenuCommandChecked(HMENU menu, int command) {
    return (::GetMenuState(menu, static_cast<UINT>(command), MF_BYCOMMAND) & MF_CHECKED) != 0;
}

std::string MenuCommandText(HMENU menu, int command) {
    char text[256] = {};
    const int length = ::GetMenuStringA(menu, static_cast<UINT>(command), text, sizeof text, MF_BYCOMMAND);
    return std::string(text, length > 0 ? static_cast<std::size_t>(length) : 0);
}

int TrackPopup(HMENU popup, HWND owner, const POINT* at) {
    POINT point{};
    if (at)
        point = *at;
    else
        ::GetCursorPos(&point);
    // The owner must be the foreground window, or the menu does not close when the user
    // clicks elsewhere (tray menus in particular).
    ::SetForegroundWindow(owner);
    const int chosen = static_cast<int>(
        ::TrackPopupMenu(popup, TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON, point.x, point.y, 0, owner, nullptr));
    ::PostMessageA(owner, WM_NULL, 0, 0);
    return chosen;
}

ResourceMenu::ResourceMenu(int resourceId)
    : menu_(::LoadMenuA(Application::Instance(), MAKEINTRESOURCEA(resourceId))) {}

ResourceMenu::~ResourceMenu() {
    if (menu_) ::DestroyMenu(menu_);
}

}  // namespace ui
