#pragma once
// An icon in the taskbar's notification area. Its mouse messages reach the owner window as
// `callbackMessage`, with the mouse message in lParam.
#include <windows.h>

#include <string>

namespace ui {

class TrayIcon {
public:
    TrayIcon(HWND owner, UINT id, UINT callbackMessage) : owner_(owner), id_(id), callbackMessage_(callbackMessage) {}
    TrayIcon(const TrayIcon&) = delete;
    TrayIcon& operator=(const TrayIcon&) = delete;
    ~TrayIcon() { Hide(); }

    bool Show(HICON icon, const std::string& tip);
    bool SetIcon(HICON icon);
    bool SetTip(const std::string& tip);
    void Hide();
    [[nodiscard]] bool visible() const { return visible_; }

    // Explorer forgets every icon when it restarts; it says so with this message.
    static UINT TaskbarCreatedMessage();
    // Adds the icon again after such a restart.
    void Restore();

private:
    bool Notify(DWORD action, UINT flags);

    HWND owner_;
    UINT id_;
    UINT callbackMessage_;
    HICON icon_ = nullptr;
    std::string tip_;
    bool visible_ = false;
};

}  // namespace ui
