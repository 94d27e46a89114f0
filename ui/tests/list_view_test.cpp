// The owner-data list view in a real window: rows come from the source on demand, and
// selection and focus are read back as the user left them.
#include <gtest/gtest.h>

#include <set>

#include "ui/file_dialog.h"
#include "ui/list_view.h"
#include "ui/menu.h"
#include "ui/testing/screenshot_path.h"
#include "ui/testing/window_driver.h"
#include "ui/window.h"

namespace {

class NumberedRows final : public ui::RowSource {
public:
    std::string CellText(int row, int column) const override {
        asked.insert(row);
        return column == 0 ? "http://example.com/" + std::to_string(row) : "Row " + std::to_string(row);
    }
    mutable std::set<int> asked;
};

class ListHost final : public ui::Window {
public:
    explicit ListHost(const ui::RowSource& rows) : rows_(rows) {
        RegisterClass({.className = "ListHostTest"});
        Create("ListHostTest", {.title = "List host", .style = WS_OVERLAPPEDWINDOW | WS_VISIBLE, .x = 10, .y = 10,
                                .width = 500, .height = 300});
    }
    ui::ListView list;

private:
    void OnCreate() override {
        list.Create(handle(), 1, rows_);
        list.SetColumns({{"URL", 250}, {"Description", 200}});
        list.SetExtendedStyle(LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    }
    void OnSize(int width, int height) override {
        if (list.handle()) ::MoveWindow(list.handle(), 0, 0, width, height, TRUE);
    }
    LRESULT OnNotify(const NMHDR& header) override {
        list.HandleNotify(header);
        return 0;
    }
    const ui::RowSource& rows_;
};

TEST(ListViewWindow, AHundredThousandRowsAskOnlyForTheVisibleOnes) {
    NumberedRows rows;
    ListHost host(rows);
    host.list.SetRowCount(100000);
    ::UpdateWindow(host.list.handle());
    ui::testing::Pump();

    EXPECT_EQ(100000, host.list.RowCount());
    EXPECT_FALSE(rows.asked.empty());
    EXPECT_LT(rows.asked.size(), 100u);

    host.list.EnsureVisible(99999);
    ::UpdateWindow(host.list.handle());
    ui::testing::Pump();
    EXPECT_TRUE(rows.asked.count(99999));

    char text[64] = {};
    ListView_GetItemText(host.list.handle(), 42, 1, text, sizeof text);
    EXPECT_STREQ("Row 42", text);
    ASSERT_TRUE(ui::testing::WindowDriver(host.handle()).SaveScreenshot(ui::testing::ScreenshotPath("list_view.png")));
}

TEST(ListViewWindow, SelectionAndFocusReadBack) {
    NumberedRows rows;
    ListHost host(rows);
    host.list.SetRowCount(50);
    EXPECT_EQ(-1, host.list.FocusedRow());
    EXPECT_TRUE(host.list.SelectedRows().empty());

    host.list.Select(3, true);
    host.list.Select(7, true);
    host.list.SetFocusedRow(7);
    EXPECT_EQ((std::vector<int>{3, 7}), host.list.SelectedRows());
    EXPECT_EQ(7, host.list.FocusedRow());

    host.list.SelectAll(true);
    EXPECT_EQ(50, host.list.SelectedCount());
    host.list.SelectAll(false);
    EXPECT_EQ(0, host.list.SelectedCount());

    // Fewer rows drop the selection that no longer exists.
    host.list.Select(45, true);
    host.list.SetRowCount(10);
    EXPECT_TRUE(host.list.SelectedRows().empty());
}

TEST(FileDialogFilter, BarsBecomeNulsWithADoubleNulEnd) {
    using namespace std::string_literals;
    EXPECT_EQ("Brantlow URL files (*.btw)\0*.btw\0All Files (*.*)\0*.*\0\0"s,
              ui::DialogFilter("Brantlow URL files (*.btw)|*.btw|All Files (*.*)|*.*"));
    EXPECT_EQ("", ui::DialogFilter(""));
}

}  // namespace
