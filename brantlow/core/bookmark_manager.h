#pragma once
// The bookmark collection of the main window: the bookmark list in insertion order, its
// rows in the list view, the duplicate rules of the add paths, removal, the filter flag,
// sorting, the saved state, the status texts, and the file commands of the data file.
// It reaches the user only through the interfaces of window_interfaces.h.
#include <cstdint>
#include <memory>
#include <optional>
#include <random>
#include <string>

#include "brantlow/core/file_system.h"
#include "brantlow/core/page_writer.h"
#include "brantlow/core/recent_files.h"
#include "brantlow/core/settings.h"
#include "brantlow/core/url_info.h"
#include "brantlow/core/window_interfaces.h"
#include "common/message_box.h"

namespace brantlow {

class DataFileReader;

// Writes the configuration file (after New and Save As).
class ConfigWriter {
public:
    virtual ~ConfigWriter() = default;
    virtual void SaveConfig() = 0;
};

struct BookmarkManagerServices {
    Settings& settings;
    BookmarkRows& rows;
    MainWindowHost& window;
    common::MessageBoxHost& messages;
    URLDialogHost& urlDialog;
    FileDialogs& fileDialogs;
    const DateTimeFormatter& clock;
    FileSystem& files;
    RecentFiles& recentFiles;
    ConfigWriter& config;
};

// What a duplicate check decided for an add path.
enum class DuplicateOutcome {
    Add,       // not a duplicate (or duplicates allowed, or the user said Yes): add it
    Handled,   // the stored entry took the new description: add nothing more
    Ignored,   // failure code 3 "Duplicate URL ignored."
    Cancelled  // the user cancelled the manual add's question
};

class BookmarkManager {
public:
    explicit BookmarkManager(const BookmarkManagerServices& services);
    ~BookmarkManager();

    // State of the main window.
    [[nodiscard]] TURLInfoList& URLList() { return *urlList_; }
    [[nodiscard]] bool Saved() const { return saved_; }
    void SetSaved(bool saved) { saved_ = saved; }
    [[nodiscard]] bool FilterActive() const { return filterActive_; }
    [[nodiscard]] const std::string& DataFileName() const { return dataFileName_; }
    // A first run (no configuration file, or the switch "new") and the switch "new" itself.
    void SetFirstRun(bool firstRun) { firstRun_ = firstRun; }
    void SetNewSwitch(bool newSwitch) { newSwitch_ = newSwitch; }

    // The list and its rows.
    TURLInfo* AddBookmark(const std::string& url, const std::string& description, TDateTime date);
    TURLInfo* AddBookmarkState(std::string url, std::string description, const TURLState& state);
    void ReplaceDescription(int position, const std::string& description, bool ask);
    void RemoveSelected(bool descriptionsOnly);
    void RemoveAll();
    void SelectAll();
    void RebuildView();
    void ClearFilter(bool rebuild);
    void SetFilterActive(bool active);
    void UpdateStatus();
    void SwapColumns();
    [[nodiscard]] RowTexts RowTextsOf(const TURLInfo& entry) const;

    // The duplicate rules. Add single from the clipboard and get from a browser:
    [[nodiscard]] DuplicateOutcome CheckSingleDuplicate(const std::string& url, const std::string& description);
    // Manual add (asks Yes/No/Cancel):
    [[nodiscard]] DuplicateOutcome CheckManualDuplicate(const std::string& url, const std::string& description);
    // Add multiple, capture and file import skip a duplicate silently:
    [[nodiscard]] bool IsSkippedDuplicate(const std::string& url) const;

    // After an interactive change: re-sort, mark unsaved, save or refresh, description panel.
    void ChangeEpilogue();
    // Batch adders: the epilogue when something was added, otherwise only the panel.
    void BatchEpilogue(int added);

    // Sorting of the view; never reorders URLList.
    void ColumnClick(int column);
    void Resort();
    [[nodiscard]] int SortColumn() const { return sortColumn_; }
    [[nodiscard]] bool SortAscending() const { return sortAscending_; }

    // The data file and the file commands.
    void LoadDataFile();
    [[nodiscard]] bool WriteDataFile();
    [[nodiscard]] bool Save();
    [[nodiscard]] bool QuerySave();
    void NewFile();
    void OpenFile(const std::optional<std::string>& name = std::nullopt);
    void SaveAs();

    // The seed of the random temporary names.
    void SeedTemporaryNames(std::uint32_t seed) { random_.seed(seed); }

private:
    TURLInfo* AddEntry(std::unique_ptr<TURLInfo> entry);
    void Inform(const std::string& text);
    void Error(const std::string& text);
    void FinishLoad(bool oldFormat);
    [[nodiscard]] bool ReadRecords(DataFileReader& reader, bool oldFormat);
    [[nodiscard]] std::string TemporaryName();
    [[nodiscard]] bool WriteTemporaryFile(const std::string& path);
    [[nodiscard]] std::optional<std::string> AskSaveName(const std::string& title);
    void AfterChange();
    void ResetList();

    BookmarkManagerServices s_;
    TBrantlowURLOptions& options_;
    PageWriter pages_;
    std::unique_ptr<TURLInfoList> urlList_;
    bool saved_ = true;
    bool filterActive_ = false;
    bool firstRun_ = false;
    bool newSwitch_ = false;
    std::string dataFileName_;
    int sortColumn_ = -1;
    bool sortAscending_ = true;
    std::minstd_rand random_;
};

}  // namespace brantlow
