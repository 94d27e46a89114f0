#include "brantlow/app/clipboard_viewer.h"

namespace brantlow {

void ClipboardViewer::SetMonitoring(HWND window, bool on) {
    if (on == capture_.ViewerOn()) return;
    if (on) {
        window_ = window;
        // The system notifies the new viewer while it joins; the sequence number taken
        // before joining marks that content as not to be captured.
        capture_.Joined(::GetClipboardSequenceNumber());
        nextViewer_ = ::SetClipboardViewer(window);
    } else {
        ::ChangeClipboardChain(window_, nextViewer_);
        nextViewer_ = nullptr;
        capture_.Left();
    }
}

void ClipboardViewer::OnChangeChain(HWND removed, HWND next, WPARAM wParam, LPARAM lParam) {
    if (removed == nextViewer_)
        nextViewer_ = next;
    else if (nextViewer_)
        ::SendMessageA(nextViewer_, WM_CHANGECBCHAIN, wParam, lParam);
}

bool ClipboardViewer::OnDrawClipboard() {
    if (nextViewer_) ::SendMessageA(nextViewer_, WM_DRAWCLIPBOARD, 0, 0);
    return capture_.ShouldCapture(::GetClipboardSequenceNumber());
}

}  // namespace brantlow
