#include "ui/list_view.h"

#include <algorithm>

#include "ui/application.h"

namespace ui {

bool ListView::Create(HWND parent, int id, const RowSource& source, DWORD extraStyle) {
    INITCOMMONCONTROLSEX init{sizeof init, ICC_LISTVIEW_CLASSES};
    ::InitCommonControlsEx(&init);
    HWND control = ::CreateWindowExA(WS_EX_CLIENTEDGE, WC_LISTVIEWA, "",
                                     WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_OWNERDATA |
                                         LVS_SHOWSELALWAYS | extraStyle,
                                     0, 0, 100, 100, parent,
                                     reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), Application::Instance(),
                                     nullptr);
    if (!control) return false;
    Attach(control, source);
    return true;
}

void ListView::Attach(HWND control, const RowSource& source) {
    hwnd_ = control;
    source_ = &source;
}

void ListView::SetColumns(const std::vector<ListColumn>& columns) {
    while (ListView_DeleteColumn(hwnd_, 0)) {
    }
    for (std::size_t i = 0; i < columns.size(); ++i) {
        LVCOLUMNA column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        column.pszText = const_cast<char*>(columns[i].caption.c_str());
        column.cx = columns[i].width;
        column.iSubItem = static_cast<int>(i);
        ::SendMessageA(hwnd_, LVM_INSERTCOLUMNA, i, reinterpret_cast<LPARAM>(&column));
    }
}

void ListView::SetColumnCaption(int column, const std::string& caption) {
    LVCOLUMNA info{};
    info.mask = LVCF_TEXT;
    info.pszText = const_cast<char*>(caption.c_str());
    ::SendMessageA(hwnd_, LVM_SETCOLUMNA, column, reinterpret_cast<LPARAM>(&info));
}

int ListView::ColumnWidth(int column) const { return ListView_GetColumnWidth(hwnd_, column); }

void ListView::SetColumnWidth(int column, int width) { ListView_SetColumnWidth(hwnd_, column, width); }

void ListView::SetSortArrow(int column, SortArrow arrow) {
    HWND header = ListView_GetHeader(hwnd_);
    const int count = Header_GetItemCount(header);
    for (int i = 0; i < count; ++i) {
        HDITEMA item{};
        item.mask = HDI_FORMAT;
        ::SendMessageA(header, HDM_GETITEMA, i, reinterpret_cast<LPARAM>(&item));
        item.fmt &= ~(HDF_SORTUP | HDF_SORTDOWN);
        if (i == column && arrow == SortArrow::Up) item.fmt |= HDF_SORTUP;
        if (i == column && arrow == SortArrow::Down) item.fmt |= HDF_SORTDOWN;
        ::SendMessageA(header, HDM_SETITEMA, i, reinterpret_cast<LPARAM>(&item));
    }
}

void ListView::SetRowCount(int count) {
    ListView_SetItemCountEx(hwnd_, count, LVSICF_NOSCROLL | LVSICF_NOINVALIDATEALL);
    ::InvalidateRect(hwnd_, nullptr, TRUE);
}

int ListView::RowCount() const { return ListView_GetItemCount(hwnd_); }

void ListView::RedrawRows(int first, int last) { ListView_RedrawItems(hwnd_, first, last); }

void ListView::SetExtendedStyle(DWORD mask, DWORD style) { ListView_SetExtendedListViewStyleEx(hwnd_, mask, style); }

void ListView::SetViewStyle(ListViewStyle style) {
    static const DWORD kViews[] = {LVS_ICON, LVS_SMALLICON, LVS_LIST, LVS_REPORT};
    const LONG_PTR current = ::GetWindowLongPtrA(hwnd_, GWL_STYLE);
    ::SetWindowLongPtrA(hwnd_, GWL_STYLE, (current & ~LVS_TYPEMASK) | kViews[static_cast<int>(style)]);
}

void ListView::SetReadOnly(bool readOnly) {
    const LONG_PTR current = ::GetWindowLongPtrA(hwnd_, GWL_STYLE);
    ::SetWindowLongPtrA(hwnd_, GWL_STYLE, readOnly ? current & ~LVS_EDITLABELS : current | LVS_EDITLABELS);
}

int ListView::FocusedRow() const { return ListView_GetNextItem(hwnd_, -1, LVNI_FOCUSED); }

void ListView::SetFocusedRow(int row) {
    const int previous = FocusedRow();
    if (previous >= 0) ListView_SetItemState(hwnd_, previous, 0, LVIS_FOCUSED);
    if (row >= 0) ListView_SetItemState(hwnd_, row, LVIS_FOCUSED, LVIS_FOCUSED);
}

std::vector<int> ListView::SelectedRows() const {
    std::vector<int> rows;
    for (int row = ListView_GetNextItem(hwnd_, -1, LVNI_SELECTED); row >= 0;
         row = ListView_GetNextItem(hwnd_, row, LVNI_SELECTED))
        rows.push_back(row);
    return rows;
}

int ListView::SelectedCount() const { return ListView_GetSelectedCount(hwnd_); }

bool ListView::IsSelected(int row) const { return ListView_GetItemState(hwnd_, row, LVIS_SELECTED) != 0; }

void ListView::Select(int row, bool selected) {
    ListView_SetItemState(hwnd_, row, selected ? LVIS_SELECTED : 0, LVIS_SELECTED);
}

void ListView::SelectAll(bool selected) { Select(-1, selected); }

void ListView::EnsureVisible(int row) { ListView_EnsureVisible(hwnd_, row, FALSE); }

bool ListView::HandleNotify(const NMHDR& header) const {
    if (header.hwndFrom != hwnd_ || header.code != LVN_GETDISPINFOA) return false;
    LVITEMA& item = const_cast<NMLVDISPINFOA&>(reinterpret_cast<const NMLVDISPINFOA&>(header)).item;
    if (item.mask & LVIF_TEXT && item.pszText && item.cchTextMax > 0) {
        const std::string text = source_->CellText(item.iItem, item.iSubItem);
        const std::size_t length = std::min<std::size_t>(text.size(), static_cast<std::size_t>(item.cchTextMax - 1));
        text.copy(item.pszText, length);
        item.pszText[length] = '\0';
    }
    if (item.mask & LVIF_IMAGE) item.iImage = source_->RowImage(item.iItem);
    return true;
}

}  // namespace ui
