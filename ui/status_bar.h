#pragma once
// The common controls' status bar at the bottom of a window, with fixed-width panels.
#include <windows.h>

#include <initializer_list>
#include <string>

namespace ui {

class StatusBar {
public:
    // Creates the bar as a child of `parent`; the widths are in pixels, the last panel
    // takes what is left when its width is -1.
    bool Create(HWND parent, int id, std::initializer_list<int> widths);
    void SetText(int panel, const std::string& text, bool centred = false) const;
    [[nodiscard]] std::string Text(int panel) const;
    // The parent calls it on WM_SIZE.
    void Resize() const;
    [[nodiscard]] HWND handle() const { return bar_; }
    [[nodiscard]] int Height() const;

private:
    HWND bar_ = nullptr;
};

}  // namespace ui
