#pragma once
// The rows of the main window's list view (LV). The view owns no texts: it holds the entry
// of each row and asks the collection for a row's texts when it paints it, so that a
// hundred thousand bookmarks load and scroll without formatting them all.
#include <windows.h>

#include <functional>
#include <vector>

#include "brantlow/commands/command_services.h"
#include "brantlow/core/window_interfaces.h"
#include "ui/list_view.h"

namespace brantlow {

class BookmarkListView final : public BookmarkRows, public RowCursor, public ui::RowSource {
public:
    // `textsOf` gives the texts of an entry's row.
    explicit BookmarkListView(std::function<RowTexts(const TURLInfo&)> textsOf) : textsOf_(std::move(textsOf)) {}

    bool Create(HWND parent, int id);
    [[nodiscard]] ui::ListView& View() { return view_; }
    [[nodiscard]] HWND handle() const { return view_.handle(); }

    // BookmarkRows
    void BeginUpdate() override;
    void EndUpdate() override;
    void Clear() override;
    const void* Append(TURLInfo* entry) override;
    void Delete(int row) override;
    void Refresh(int row) override;
    [[nodiscard]] int Count() const override { return static_cast<int>(rows_.size()); }
    [[nodiscard]] TURLInfo* Entry(int row) const override { return rows_[static_cast<std::size_t>(row)]; }
    [[nodiscard]] int RowOf(const TURLInfo* entry) const override;
    [[nodiscard]] bool IsSelected(int row) const override { return view_.IsSelected(row); }
    void SetSelected(int row, bool selected) override { view_.Select(row, selected); }
    void SetFocused(int row) override { view_.SetFocusedRow(row); }
    void Sort(const std::function<bool(const TURLInfo&, const TURLInfo&)>& less) override;

    // RowCursor
    [[nodiscard]] int FocusedRow() const override { return view_.FocusedRow(); }
    void EnsureVisible(int row) override { view_.EnsureVisible(row); }

    // ui::RowSource
    std::string CellText(int row, int column) const override;
    int RowImage(int row) const override;

private:
    void SyncCount();

    ui::ListView view_;
    std::function<RowTexts(const TURLInfo&)> textsOf_;
    std::vector<TURLInfo*> rows_;
    int locks_ = 0;
};

}  // namespace brantlow
