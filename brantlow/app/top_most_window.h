#pragma once
// TTopMostWindow: keeps a form in or out of the topmost band. It has no window of its own;
// it takes the form's window when created.
#include <windows.h>

#include <functional>

namespace brantlow {

class TTopMostWindow {
public:
    explicit TTopMostWindow(HWND form) : form_(form) {}

    [[nodiscard]] bool AlwaysOnTop() const { return alwaysOnTop_; }
    // A different value fires OnBeforeChange, is stored, moves the window into or out of the
    // topmost band without moving or resizing it, and fires OnAfterChange.
    void SetAlwaysOnTop(bool onTop);

    std::function<void()> OnBeforeChange;
    std::function<void()> OnAfterChange;

private:
    HWND form_;
    bool alwaysOnTop_ = false;
};

}  // namespace brantlow
