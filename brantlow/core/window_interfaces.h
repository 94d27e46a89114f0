#pragma once
// What the bookmark manager's core needs from its main window. The Win32 window implements
// these over its list view, status bar, tray icon, common dialogs and URL dialog; tests use
// scripted stand-ins.
#include <functional>
#include <optional>
#include <string>

#include "brantlow/core/url_info.h"

namespace brantlow {

// The texts of one list-view row: caption, first and second sub-item, and the image index.
// The list view asks for them when it paints a row (BookmarkManager::RowTextsOf), so that
// a collection of a million bookmarks loads without formatting a million dates.
struct RowTexts {
    std::string Caption;
    std::string SubItem1;
    std::string SubItem2;
    int ImageIndex = 0;
};

// The rows of the list view, in display order. Each row carries its TURLInfo as item data.
class BookmarkRows {
public:
    virtual ~BookmarkRows() = default;
    // Locks the list against repainting (and shows the hourglass) while a batch changes it.
    virtual void BeginUpdate() = 0;
    virtual void EndUpdate() = 0;
    virtual void Clear() = 0;
    // Appends a row; returns the token stored in the entry's ListItem.
    virtual const void* Append(TURLInfo* entry) = 0;
    virtual void Delete(int row) = 0;
    // The texts of a row changed.
    virtual void Refresh(int row) = 0;
    [[nodiscard]] virtual int Count() const = 0;
    [[nodiscard]] virtual TURLInfo* Entry(int row) const = 0;
    // The row of an entry, -1 when it has none.
    [[nodiscard]] virtual int RowOf(const TURLInfo* entry) const = 0;
    [[nodiscard]] virtual bool IsSelected(int row) const = 0;
    virtual void SetSelected(int row, bool selected) = 0;
    virtual void SetFocused(int row) = 0;
    // Reorders the rows by `less` (a strict weak order over their entries); stable.
    virtual void Sort(const std::function<bool(const TURLInfo&, const TURLInfo&)>& less) = 0;
};

// The four panels of the status bar, its own hint and the tray icon's hint.
struct StatusTexts {
    std::string Count;     // panel 0
    std::string Modified;  // panel 1: "auto" or "MOD"
    std::string FileName;  // panel 2
    std::string StatusHint;
    std::string TrayHint;
};

// The main window's own state that the core changes.
class MainWindowHost {
public:
    virtual ~MainWindowHost() = default;
    virtual void ShowStatus(const StatusTexts& texts) = 0;
    virtual void EnableClearFilter(bool enabled) = 0;  // View "&Clear filter"
    virtual void UpdateDescPanel() = 0;
    virtual void SetBusyCursor(bool busy) = 0;
    virtual void SetSortArrow(int column, bool ascending) = 0;
};

// The common file dialogs: the chosen name, or nothing when cancelled.
struct FileDialogRequest {
    bool Save = false;  // save dialog (overwrite prompt) or open dialog (file must exist)
    std::string Title;
    std::string Filter;
    std::string InitialFolder;
};

class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    virtual std::optional<std::string> Run(const FileDialogRequest& request) = 0;
};

// The URL dialog: edits URL and Description in place; true on OK with a non-empty URL.
enum class URLDialogForm { AddSingle = 0, AddMultiple, AddManually, Captured, Edit, Replace, ReplaceDuplicate };

struct URLDialogRequest {
    std::string URL;
    std::string Description;
    URLDialogForm Form = URLDialogForm::Edit;
    bool ShowSkipBox = false;
    bool ShowCancelNote = false;
    bool PasteClipboard = false;
    bool URLEditable = false;
};

class URLDialogHost {
public:
    virtual ~URLDialogHost() = default;
    [[nodiscard]] virtual bool Run(URLDialogRequest& request) = 0;
};

// The clock and the system's date and time formats.
class DateTimeFormatter {
public:
    virtual ~DateTimeFormatter() = default;
    [[nodiscard]] virtual TDateTime Now() const = 0;
    [[nodiscard]] virtual std::string ShortDate(TDateTime when) const = 0;
    [[nodiscard]] virtual std::string LongTime(TDateTime when) const = 0;
    // The short date followed by the long time: the "Date added" column and "__URLDATE__".
    [[nodiscard]] std::string DateTime(TDateTime when) const { return ShortDate(when) + " " + LongTime(when); }
};

}  // namespace brantlow
