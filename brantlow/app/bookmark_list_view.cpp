#include "brantlow/app/bookmark_list_view.h"

#include <algorithm>

namespace brantlow {

bool BookmarkListView::Create(HWND parent, int id) {
    return view_.Create(parent, id, *this, LVS_EDITLABELS);
}

void BookmarkListView::SyncCount() {
    if (locks_ == 0) view_.SetRowCount(Count());
}

void BookmarkListView::BeginUpdate() {
    if (locks_++ == 0) ::SendMessageA(view_.handle(), WM_SETREDRAW, FALSE, 0);
}

void BookmarkListView::EndUpdate() {
    if (locks_ == 0 || --locks_ > 0) return;
    view_.SetRowCount(Count());
    ::SendMessageA(view_.handle(), WM_SETREDRAW, TRUE, 0);
    ::InvalidateRect(view_.handle(), nullptr, TRUE);
}

void BookmarkListView::Clear() {
    rows_.clear();
    view_.SelectAll(false);
    SyncCount();
}

const void* BookmarkListView::Append(TURLInfo* entry) {
    rows_.push_back(entry);
    SyncCount();
    return entry;
}

void BookmarkListView::Delete(int row) {
    rows_.erase(rows_.begin() + row);
    // The view moves the selection and focus of the rows below up by one.
    ListView_DeleteItem(view_.handle(), row);
    SyncCount();
}

void BookmarkListView::Refresh(int row) {
    if (locks_ == 0) view_.RedrawRows(row, row);
}

int BookmarkListView::RowOf(const TURLInfo* entry) const {
    const auto found = std::find(rows_.begin(), rows_.end(), entry);
    return found == rows_.end() ? -1 : static_cast<int>(found - rows_.begin());
}

void BookmarkListView::Sort(const std::function<bool(const TURLInfo&, const TURLInfo&)>& less) {
    // The view keeps selection by position: carry it over to the entries' new positions.
    std::vector<TURLInfo*> selected;
    for (int row : view_.SelectedRows()) selected.push_back(rows_[static_cast<std::size_t>(row)]);
    const int focused = view_.FocusedRow();
    TURLInfo* focusedEntry = focused >= 0 && focused < Count() ? rows_[static_cast<std::size_t>(focused)] : nullptr;
    std::stable_sort(rows_.begin(), rows_.end(), [&](const TURLInfo* a, const TURLInfo* b) { return less(*a, *b); });
    view_.SelectAll(false);
    for (TURLInfo* entry : selected) view_.Select(RowOf(entry), true);
    if (focusedEntry) view_.SetFocusedRow(RowOf(focusedEntry));
    if (locks_ == 0) ::InvalidateRect(view_.handle(), nullptr, TRUE);
}

std::string BookmarkListView::CellText(int row, int column) const {
    if (row < 0 || row >= Count()) return {};
    const RowTexts texts = textsOf_(*rows_[static_cast<std::size_t>(row)]);
    switch (column) {
        case 0: return texts.Caption;
        case 1: return texts.SubItem1;
        default: return texts.SubItem2;
    }
}

int BookmarkListView::RowImage(int row) const {
    if (row < 0 || row >= Count()) return 0;
    return SchemeIndexOf(rows_[static_cast<std::size_t>(row)]->URL);
}

}  // namespace brantlow
