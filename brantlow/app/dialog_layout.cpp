#include "brantlow/app/dialog_layout.h"

namespace brantlow {

void DialogLayout::Attach(HWND dialog) {
    dialog_ = dialog;
    RECT client{}, window{};
    ::GetClientRect(dialog, &client);
    ::GetWindowRect(dialog, &window);
    originalClient_ = {client.right, client.bottom};
    minimumWindow_ = {window.right - window.left, window.bottom - window.top};
}

void DialogLayout::Anchor(int id, unsigned anchors) {
    HWND control = ::GetDlgItem(dialog_, id);
    if (!control) return;
    RECT rect{};
    ::GetWindowRect(control, &rect);
    ::MapWindowPoints(nullptr, dialog_, reinterpret_cast<POINT*>(&rect), 2);
    items_.push_back({control, rect, anchors});
}

void DialogLayout::Resize() const {
    if (!dialog_) return;
    RECT client{};
    ::GetClientRect(dialog_, &client);
    const int dx = client.right - originalClient_.cx;
    const int dy = client.bottom - originalClient_.cy;
    HDWP positions = ::BeginDeferWindowPos(static_cast<int>(items_.size()));
    for (const Item& item : items_) {
        RECT r = item.original;
        if (item.anchors & kMoveRight) ::OffsetRect(&r, dx, 0);
        if (item.anchors & kMoveDown) ::OffsetRect(&r, 0, dy);
        if (item.anchors & kStretchRight) r.right += dx;
        if (item.anchors & kStretchDown) r.bottom += dy;
        if (positions)
            positions = ::DeferWindowPos(positions, item.control, nullptr, r.left, r.top, r.right - r.left,
                                         r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (positions) ::EndDeferWindowPos(positions);
    ::InvalidateRect(dialog_, nullptr, TRUE);
}

void DialogLayout::LimitSize(MINMAXINFO& limits) const {
    if (!dialog_) return;
    limits.ptMinTrackSize.x = minimumWindow_.cx;
    limits.ptMinTrackSize.y = minimumWindow_.cy;
}

}  // namespace brantlow
