#pragma once
// Menus of windows and pop-ups, addressed by command identifier.
#include <windows.h>

#include <string>

namespace ui {

void CheckMenuCommand(HMENU menu, int command, bool checked);
void EnableMenuCommand(HMENU menu, int command, bool enabled);
void SetDefaultMenuCommand(HMENU menu, int command);
[[nodiscard]] bool IsMenuCommandChecked(HMENU menu, int command);
[[nodiscard]] std::string MenuCommandText(HMENU menu, int command);

// Shows `popup` at the screen point (the mouse position when none is given) and returns
// the chosen command, 0 when the menu was dismissed. The window gets no WM_COMMAND.
int TrackPopup(HMENU popup, HWND owner, const POINT* at = nullptr);

// A menu of the resources that is destroyed with the object; SubMenu(i) is a pop-up of it.
class ResourceMenu {
public:
    explicit ResourceMenu(int resourceId);
    ResourceMenu(const ResourceMenu&) = delete;
    ResourceMenu& operator=(const ResourceMenu&) = delete;
    ~ResourceMenu();
    [[nodiscard]] HMENU get() const { return menu_; }
    [[nodiscard]] HMENU SubMenu(int position) const { return ::GetSubMenu(menu_, position); }

private:
    HMENU menu_;
};

}  // namespace ui
