#pragma once
// A report-style list view that owns no rows: it asks a RowSource for each cell it paints
// (owner data), so a hundred thousand rows cost nothing until they are shown.
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

namespace ui {

class RowSource {
public:
    virtual ~RowSource() = default;
    // The text of a cell; the view copies it at once.
    virtual std::string CellText(int row, int column) const = 0;
    // The image of a row in the view's image lists, or -1 for none.
    virtual int RowImage(int /*row*/) const { return -1; }
};

enum class ListViewStyle { LargeIcons = 0, SmallIcons = 1, List = 2, Details = 3 };
enum class SortArrow { None, Up, Down };

struct ListColumn {
    std::string caption;
    int width = 150;
};

class ListView {
public:
    // Makes the control as a child of `parent`; the source must outlive the control.
    bool Create(HWND parent, int id, const RowSource& source, DWORD extraStyle = 0);
    // Takes a control of a dialog template (created with LVS_OWNERDATA).
    void Attach(HWND control, const RowSource& source);

    [[nodiscard]] HWND handle() const { return hwnd_; }

    void SetColumns(const std::vector<ListColumn>& columns);
    void SetColumnCaption(int column, const std::string& caption);
    [[nodiscard]] int ColumnWidth(int column) const;
    void SetColumnWidth(int column, int width);
    void SetSortArrow(int column, SortArrow arrow);

    // The number of rows; keeps the scroll position and repaints.
    void SetRowCount(int count);
    [[nodiscard]] int RowCount() const;
    void RedrawRows(int first, int last);

    void SetExtendedStyle(DWORD mask, DWORD style);
    void SetViewStyle(ListViewStyle style);
    void SetReadOnly(bool readOnly);

    [[nodiscard]] int FocusedRow() const;  // -1 when none
    void SetFocusedRow(int row);
    [[nodiscard]] std::vector<int> SelectedRows() const;
    [[nodiscard]] int SelectedCount() const;
    [[nodiscard]] bool IsSelected(int row) const;
    void Select(int row, bool selected);
    void SelectAll(bool selected);
    void EnsureVisible(int row);

    // Answers the view's requests for cell texts. The parent calls it from WM_NOTIFY;
    // true when the notification was this view's LVN_GETDISPINFO.
    bool HandleNotify(const NMHDR& header) const;

private:
    HWND hwnd_ = nullptr;
    const RowSource* source_ = nullptr;
};

}  // namespace ui
