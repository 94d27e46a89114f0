#pragma once
// The tooltip hints of a dialog's controls, shown while ShowHints is on.
#include <windows.h>

namespace brantlow {

class DialogHints {
public:
    // The tooltip window is owned by the dialog and goes with it.
    void Create(HWND dialog, bool active);
    void Add(int id, const char* text) const;
    // A control of a child page of the dialog.
    void Add(HWND control, const char* text) const;
    void SetActive(bool active) const;

private:
    HWND dialog_ = nullptr;
    HWND tips_ = nullptr;
};

}  // namespace brantlow
