#include "brantlow/app/top_most_window.h"

namespace brantlow {

void TTopMostWindow::SetAlwaysOnTop(bool onTop) {
    if (onTop == alwaysOnTop_) return;
    if (OnBeforeChange) OnBeforeChange();
    alwaysOnTop_ = onTop;
    ::SetWindowPos(form_, onTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    if (OnAfterChange) OnAfterChange();
}

}  // namespace brantlow
