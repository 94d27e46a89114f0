#pragma once
// Keeps the controls of a resizable dialog in place as it is resized: each control keeps
// its distance to the edges it is anchored to, and the dialog cannot be made smaller than
// its template.
#include <windows.h>

#include <vector>

namespace brantlow {

enum Anchor : unsigned {
    kAnchorTopLeft = 0,
    kMoveRight = 1,      // keeps its distance to the right edge
    kMoveDown = 2,       // keeps its distance to the bottom edge
    kStretchRight = 4,   // its right side keeps its distance to the right edge
    kStretchDown = 8,    // its bottom keeps its distance to the bottom edge
};

class DialogLayout {
public:
    // Call from WM_INITDIALOG, before the dialog is first resized.
    void Attach(HWND dialog);
    void Anchor(int id, unsigned anchors);
    // The dialog's WM_SIZE and WM_GETMINMAXINFO.
    void Resize() const;
    void LimitSize(MINMAXINFO& limits) const;

private:
    struct Item {
        HWND control;
        RECT original;
        unsigned anchors;
    };
    HWND dialog_ = nullptr;
    SIZE originalClient_{};
    SIZE minimumWindow_{};
    std::vector<Item> items_;
};

}  // namespace brantlow
