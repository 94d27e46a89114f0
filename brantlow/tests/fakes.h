#pragma once
// Stand-ins for the main window in tests of the bookmark manager's core: rows kept in a
// vector, a recorded status bar, scripted dialogs, a pinned clock, and a file system
// whose operations can be made to fail.
#include <algorithm>
#include <deque>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "brantlow/core/bookmark_manager.h"
#include "brantlow/core/file_system.h"
#include "brantlow/core/window_interfaces.h"
#include "common/testing/scripted_message_box.h"

namespace brantlow::testing {

class FakeRows final : public BookmarkRows {
public:
    struct Row {
        TURLInfo* entry;
        bool selected = false;
    };
    // The texts the list view would ask for.
    std::function<RowTexts(const TURLInfo&)> textsOf;
    std::vector<Row> rows;
    int focused = -1;
    int locks = 0;

    void BeginUpdate() override { ++locks; }
    void EndUpdate() override { --locks; }
    void Clear() override { rows.clear(); }
    const void* Append(TURLInfo* entry) override {
        rows.push_back({entry});
        return entry;
    }
    void Delete(int row) override { rows.erase(rows.begin() + row); }
    void Refresh(int row) override { ++refreshed[row]; }
    std::map<int, int> refreshed;
    int Count() const override { return static_cast<int>(rows.size()); }
    TURLInfo* Entry(int row) const override { return rows[static_cast<std::size_t>(row)].entry; }
    int RowOf(const TURLInfo* entry) const override {
        for (std::size_t i = 0; i < rows.size(); ++i)
            if (rows[i].entry == entry) return static_cast<int>(i);
        return -1;
    }
    bool IsSelected(int row) const override { return rows[static_cast<std::size_t>(row)].selected; }
    void SetSelected(int row, bool selected) override { rows[static_cast<std::size_t>(row)].selected = selected; }
    void SetFocused(int row) override { focused = row; }
    void Sort(const std::function<bool(const TURLInfo&, const TURLInfo&)>& less) override {
        std::stable_sort(rows.begin(), rows.end(), [&](const Row& a, const Row& b) { return less(*a.entry, *b.entry); });
    }

    void Select(std::initializer_list<int> which) {
        for (int row : which) SetSelected(row, true);
    }
    [[nodiscard]] std::vector<std::string> Captions() const {
        std::vector<std::string> captions;
        for (const Row& row : rows) captions.push_back(textsOf(*row.entry).Caption);
        return captions;
    }
    [[nodiscard]] RowTexts Texts(int row) const { return textsOf(*rows[static_cast<std::size_t>(row)].entry); }
};

class FakeWindow final : public MainWindowHost {
public:
    StatusTexts status;
    bool clearFilterEnabled = false;
    int descPanelUpdates = 0;
    bool busy = false;
    void ShowStatus(const StatusTexts& texts) override { status = texts; }
    void EnableClearFilter(bool enabled) override { clearFilterEnabled = enabled; }
    void UpdateDescPanel() override { ++descPanelUpdates; }
    void SetBusyCursor(bool isBusy) override { busy = isBusy; }
    void SetSortArrow(int, bool) override {}
};

class ScriptedFileDialogs final : public FileDialogs {
public:
    std::deque<std::optional<std::string>> answers;
    std::vector<FileDialogRequest> shown;
    std::optional<std::string> Run(const FileDialogRequest& request) override {
        shown.push_back(request);
        if (answers.empty()) return std::nullopt;
        auto answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

// Answers the URL dialog with OK and the scripted description, or with Cancel.
class ScriptedURLDialog final : public URLDialogHost {
public:
    std::deque<std::optional<std::string>> descriptions;
    std::vector<URLDialogRequest> shown;
    bool Run(URLDialogRequest& request) override {
        shown.push_back(request);
        if (descriptions.empty() || !descriptions.front()) {
            if (!descriptions.empty()) descriptions.pop_front();
            return false;
        }
        request.Description = *descriptions.front();
        descriptions.pop_front();
        return true;
    }
};

// Dates as "yyyy-mm-dd" of a day number and times as "hh:nn:ss"; Now is pinned.
class PinnedClock final : public DateTimeFormatter {
public:
    TDateTime now = 45000.5;  // 15 March 2023, noon
    TDateTime Now() const override { return now; }
    std::string ShortDate(TDateTime when) const override { return "day" + std::to_string(static_cast<long>(when)); }
    std::string LongTime(TDateTime when) const override {
        const long seconds = static_cast<long>((when - static_cast<long>(when)) * 86400 + 0.5);
        char text[16];
        std::snprintf(text, sizeof text, "%02ld:%02ld:%02ld", seconds / 3600, seconds / 60 % 60, seconds % 60);
        return text;
    }
};

// The real file system, with failures on demand.
class FaultyFileSystem final : public FileSystem {
public:
    std::function<bool(const std::string&)> failCreate = [](const std::string&) { return false; };
    std::function<bool(const std::string&)> failRemove = [](const std::string&) { return false; };
    std::function<bool(const std::string&)> failRename = [](const std::string&) { return false; };
    std::size_t failWriteAfter = static_cast<std::size_t>(-1);  // bytes written before a write fails
    std::vector<std::string> created;

    bool Exists(const std::string& path) override { return real_.Exists(path); }
    bool Remove(const std::string& path) override { return !failRemove(path) && real_.Remove(path); }
    bool Rename(const std::string& from, const std::string& to) override {
        return !failRename(from) && real_.Rename(from, to);
    }
    std::unique_ptr<OutputFile> Create(const std::string& path, FileError& error) override;
    std::unique_ptr<InputFile> Open(const std::string& path, bool forWriting, FileError& error) override {
        return real_.Open(path, forWriting, error);
    }

private:
    StdFileSystem real_;
};

class RecordingConfigWriter final : public ConfigWriter {
public:
    int saves = 0;
    void SaveConfig() override { ++saves; }
};

// A temporary folder (lower-case, as the program's names are) removed at the end.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    [[nodiscard]] std::string Path(const std::string& name) const { return folder_ + name; }
    [[nodiscard]] const std::string& Folder() const { return folder_; }
    [[nodiscard]] std::vector<std::string> Names() const;

private:
    std::string folder_;
};

[[nodiscard]] std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& bytes);

// A bookmark manager over the fakes, with a collection in a temporary folder.
struct ManagerFixture {
    ManagerFixture();
    TempFolder folder;
    Settings settings;
    FakeRows rows;
    FakeWindow window;
    common::testing::ScriptedMessageBox messages;
    ScriptedURLDialog urlDialog;
    ScriptedFileDialogs fileDialogs;
    PinnedClock clock;
    FaultyFileSystem files;
    RecentFiles recent;
    RecordingConfigWriter config;
    BookmarkManager manager;

    [[nodiscard]] std::vector<std::string> Texts() const;  // every message shown so far
    [[nodiscard]] std::string DataFile() const { return folder.Path("brantlow.btw"); }
    [[nodiscard]] std::string PageFile() const { return folder.Path("brantlow.html"); }
};

}  // namespace brantlow::testing
