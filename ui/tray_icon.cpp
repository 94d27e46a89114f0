#include "ui/tray_icon.h"

#include <shellapi.h>

namespace ui {

bool TrayIcon::Notify(DWORD action, UINT flags) {
    NOTIFYICONDATAA data{};
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = owner_;
    data.uID = id_;
    data.uFlags = flags;
    data.uCallbackMessage = callbackMessage_;
    data.hIcon = icon_;
    lstrcpynA(data.szTip, tip_.c_str(), sizeof data.szTip);
    return ::Shell_NotifyIconA(action, &data) != FALSE;
}

bool TrayIcon::Show(HICON icon, const std::string& tip) {
    icon_ = icon;
    tip_ = tip;
    if (visible_) return Notify(NIM_MODIFY, NIF_ICON | NIF_TIP);
    visible_ = Notify(NIM_ADD, NIF_ICON | NIF_TIP | NIF_MESSAGE);
    return visible_;
}

bool TrayIcon::SetIcon(HICON icon) {
    icon_ = icon;
    return !visible_ || Notify(NIM_MODIFY, NIF_ICON);
}

bool TrayIcon::SetTip(const std::string& tip) {
    tip_ = tip;
    return !visible_ || Notify(NIM_MODIFY, NIF_TIP);
}

void TrayIcon::Hide() {
    if (visible_) Notify(NIM_DELETE, 0);
    visible_ = false;
}

UINT TrayIcon::TaskbarCreatedMessage() {
    static const UINT message = ::RegisterWindowMessageA("TaskbarCreated");
    return message;
}

void TrayIcon::Restore() {
    if (visible_) visible_ = Notify(NIM_ADD, NIF_ICON | NIF_TIP | NIF_MESSAGE);
}

}  // namespace ui
