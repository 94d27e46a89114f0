#pragma once
// The main window's place in the clipboard viewer chain: joining and leaving, passing the
// chain's notifications on, and telling which content notifications are to be captured.
#include <windows.h>

#include "brantlow/commands/capture_state.h"

namespace brantlow {

class ClipboardViewer {
public:
    explicit ClipboardViewer(CaptureState& capture) : capture_(capture) {}
    ClipboardViewer(const ClipboardViewer&) = delete;
    ClipboardViewer& operator=(const ClipboardViewer&) = delete;

    // Joins or leaves to match `on`; nothing when already so.
    void SetMonitoring(HWND window, bool on);
    [[nodiscard]] bool On() const { return capture_.ViewerOn(); }

    // WM_CHANGECBCHAIN.
    void OnChangeChain(HWND removed, HWND next, WPARAM wParam, LPARAM lParam);
    // WM_DRAWCLIPBOARD: passes it on; true when the new content is to be captured.
    [[nodiscard]] bool OnDrawClipboard();

private:
    CaptureState& capture_;
    HWND window_ = nullptr;
    HWND nextViewer_ = nullptr;
};

}  // namespace brantlow
