// The file commands of the collection: loading and writing the data file, Save, QuerySave,
// New, Open and Save As.
#include "brantlow/core/bookmark_manager.h"
#include "brantlow/core/data_file.h"
#include "brantlow/core/file_names.h"
#include "brantlow/core/messages.h"
#include "brantlow/core/text.h"

namespace brantlow {

using common::MessageAnswer;
using common::MessageButtons;
using common::MessageIcon;

namespace {

constexpr const char* kFileFilter = "Brantlow URL files (*.btw)|*.btw|All Files (*.*)|*.*";
// The run-time library's message for a file that ends before its header does.
constexpr const char* kStreamReadError = "Stream read error";

}  // namespace

void BookmarkManager::ResetList() {
    s_.rows.Clear();
    urlList_ = std::make_unique<TURLInfoList>();
}

void BookmarkManager::LoadDataFile() {
    if (!options_.URLFileName.empty()) dataFileName_ = ChangeFileExt(options_.URLFileName, ".btw");
    ResetList();
    const std::string& name = dataFileName_;
    if (!s_.files.Exists(name)) {
        if (!firstRun_ && !newSwitch_)
            Inform("Brantlow file does not exist:\r" + name + "\r" + "It will be created when you click \"Save\".");
        return;
    }
    FileError error;
    auto input = s_.files.Open(name, true, error);
    if (!input) {
        Error("Cannot access Brantlow file: " + name + "\r" +
              "Make sure the filename is correct and that the file does not have the ReadOnly attribute set.");
        return;
    }
    std::int32_t signature = 0;
    {
        DataFileReader reader(*input);
        if (!reader.ReadInt32(signature)) {
            Error(kStreamReadError);
            return;
        }
        if (signature == kSignatureCurrent) {
            const bool loaded = ReadRecords(reader, false);
            input.reset();  // closed before a save replaces it
            if (loaded) FinishLoad(false);
            return;
        }
    }
    input.reset();
    if (signature == kSignatureOld) {
        Inform("You are trying to load an old format Brantlow file. The file will be loaded and automatically "
               "converted to new format when saving. Please click OK to continue.");
        auto reopened = s_.files.Open(name, true, error);
        if (!reopened) {
            Error("Cannot access Brantlow file: " + name);
            return;
        }
        bool loaded = false;
        {
            DataFileReader reader(*reopened);
            std::int32_t skipped = 0;
            if (!reader.ReadInt32(skipped)) {
                Error(kStreamReadError);
                return;
            }
            loaded = ReadRecords(reader, true);
        }
        reopened.reset();  // closed before a save replaces it
        if (loaded) FinishLoad(true);
        return;
    }
    Error("Brantlow file is corrupt:\r" + name + "\r" + "Unable to load URLs. Please create a new Brantlow file.");
    if (firstRun_)
        Inform("If you are installing a new version of BrantlowURL, please see file README.TXT for information on "
               "how to restore your bookmarks.");
    options_.URLFileName.clear();
    UpdateStatus();
}

// Reads the count and the records that follow the signature. False only when the count
// itself is missing; a damaged record keeps the records before it and is reported.
bool BookmarkManager::ReadRecords(DataFileReader& reader, bool oldFormat) {
    std::int32_t count = 0;
    if (!reader.ReadInt32(count)) {
        Error(kStreamReadError);
        return false;
    }
    s_.window.SetBusyCursor(true);
    s_.rows.BeginUpdate();
    int read = 0;
    for (; read < count; ++read) {
        // An old record comes as a fresh State block holding its date.
        auto entry = std::make_unique<TURLInfo>();
        if (!reader.ReadRecord(oldFormat, entry->URL, entry->Description, entry->State)) break;
        AddEntry(std::move(entry));
    }
    if (read < count) {
        Inform("Error reading Brantlow file: Found " + std::to_string(read) + " URLs, instead of expected " +
               std::to_string(count) + ". Correcting discrepancy.");
        Inform("If you are installing a new version of BrantlowURL, please see file README.TXT for information on "
               "how to restore the bookmarks you previously collected.");
    }
    s_.rows.EndUpdate();
    return true;
}

void BookmarkManager::FinishLoad(bool oldFormat) {
    if (options_.KeepSorted) Resort();
    const bool pageExists = s_.files.Exists(options_.URLFileName);
    saved_ = oldFormat ? urlList_->Count() > 0 && pageExists : pageExists;
    if (urlList_->Count() > 0 && s_.rows.Count() > 0) {
        s_.rows.SetSelected(0, true);
        s_.rows.SetFocused(0);
    }
    s_.window.SetBusyCursor(false);
    SetFilterActive(false);
    UpdateStatus();
    if (!oldFormat && options_.MRUUse) s_.recentFiles.AddToTop(options_.URLFileName);
    if (!saved_) (void)Save();
}

std::string BookmarkManager::TemporaryName() {
    const std::string folder = ExtractFilePath(dataFileName_);
    std::uniform_int_distribution<int> letter('a', 'y');
    for (;;) {
        std::string name;
        for (int i = 0; i < 8; ++i) name += static_cast<char>(letter(random_));
        std::string path = folder + name + ".tmp";
        if (!s_.files.Exists(path)) return path;
    }
}

bool BookmarkManager::WriteTemporaryFile(const std::string& path) {
    FileError error;
    auto output = s_.files.Create(path, error);
    if (!output) {
        Error("Error creating temporary file:\r" + path + "\r" + error.text);
        return false;
    }
    DataFileWriter writer(*output);
    bool ok = writer.WriteHeader(urlList_->Count());
    for (int i = 0; ok && i < urlList_->Count(); ++i) ok = writer.WriteRecord(*urlList_->Items(i));
    ok = writer.Flush() && ok;
    ok = output->Close() && ok;
    if (!ok) {
        // A partial file must not be mistaken for data: the previous data is still in the
        // data file, or in its backup when KeepBackup moved it there.
        Error(output->LastError().text);
        (void)s_.files.Remove(path);
    }
    return ok;
}

bool BookmarkManager::WriteDataFile() {
    const std::string& name = dataFileName_;
    if (options_.KeepBackup && s_.files.Exists(name)) {
        const std::string backup = ChangeFileExt(name, ".bak");
        if (s_.files.Exists(backup)) (void)s_.files.Remove(backup);
        (void)s_.files.Rename(name, backup);
    }
    const std::string temporary = TemporaryName();
    if (!WriteTemporaryFile(temporary)) return false;
    bool ok = true;
    if (s_.files.Exists(name)) ok = s_.files.Remove(name);
    if (ok) ok = s_.files.Rename(temporary, name);
    return ok;
}

std::optional<std::string> BookmarkManager::AskSaveName(const std::string& title) {
    FileDialogRequest request;
    request.Save = true;
    request.Title = title;
    request.Filter = kFileFilter;
    request.InitialFolder = ExtractFilePath(options_.URLFileName);
    auto chosen = s_.fileDialogs.Run(request);
    if (!chosen) return std::nullopt;
    return FixPageExtension(LowerCase(*chosen));
}

bool BookmarkManager::Save() {
    if (urlList_->Count() == 0 && !options_.SaveEmptyFile) {
        Inform("The URL list is empty. File will not be saved.");
        return true;
    }
    if (filterActive_ && options_.PromptOnFilteredSave) {
        const MessageAnswer answer = s_.messages.Show(
            {"A filter has recently been applied to the list. Only the items currently displayed will be saved to "
             "the HTML file if the filter is not cleared.\r\rWould you like to clear the filter now?",
             std::string(kAppTitle), MessageButtons::YesNoCancel, MessageIcon::Question, 1});
        if (answer == MessageAnswer::Cancel) return false;
        if (answer == MessageAnswer::Yes) {
            ClearFilter(true);
        } else if (s_.rows.Count() == 0) {
            Inform("The URL list is empty after applying filter. File will not be saved until you clear the filter.");
            return true;
        }
    }
    if (options_.URLFileName.empty()) {
        auto name = AskSaveName("Save Brantlow file with a new name");
        if (!name) return false;
        options_.URLFileName = *name;
    }
    dataFileName_ = ChangeFileExt(options_.URLFileName, ".btw");
    s_.window.SetBusyCursor(true);
    saved_ = WriteDataFile();
    if (s_.settings.HTMLLayout.ListLayout == kLayoutTemplate)
        pages_.WriteTemplatePage();
    else
        pages_.WritePage();
    s_.window.SetBusyCursor(false);
    UpdateStatus();
    if (!saved_)
        s_.messages.Inform("There was an error saving Brantlow file. The file was not saved.", std::string(kAppTitle),
                           MessageIcon::Warning);
    if (options_.MRUUse) s_.recentFiles.AddToTop(options_.URLFileName);
    return saved_;
}

bool BookmarkManager::QuerySave() {
    if (saved_) return true;
    if (options_.AutoSave) return Save();
    const MessageAnswer answer =
        s_.messages.Show({"Changes made to URL list have not been saved.\rSave now?", std::string(kAppTitle),
                          MessageButtons::YesNoCancel, MessageIcon::Question, 1});
    if (answer == MessageAnswer::Yes) return Save();
    return answer == MessageAnswer::No;
}

void BookmarkManager::NewFile() {
    if (!QuerySave()) return;
    FileDialogRequest request;
    request.Save = true;
    request.Title = "Create new Brantlow file";
    request.Filter = kFileFilter;
    request.InitialFolder = ExtractFilePath(options_.URLFileName);
    auto chosen = s_.fileDialogs.Run(request);
    if (!chosen) return;
    ResetList();
    ClearFilter(false);
    options_.URLFileName = FixPageExtension(NormalizePath(*chosen, s_.settings.ProgramFolder));
    s_.config.SaveConfig();
    UpdateStatus();
}

void BookmarkManager::OpenFile(const std::optional<std::string>& name) {
    if (!QuerySave()) return;
    std::string chosen;
    if (name) {
        chosen = NormalizePath(*name, s_.settings.ProgramFolder);
    } else {
        FileDialogRequest request;
        request.Title = "Open URL file";
        request.Filter = kFileFilter;
        request.InitialFolder = ExtractFilePath(options_.URLFileName);
        auto picked = s_.fileDialogs.Run(request);
        if (!picked) return;
        chosen = LowerCase(*picked);
    }
    options_.URLFileName = FixPageExtension(chosen);
    s_.rows.Clear();
    LoadDataFile();
    UpdateStatus();
    s_.window.UpdateDescPanel();
}

void BookmarkManager::SaveAs() {
    auto name = AskSaveName("Save Brantlow file with a new name");
    if (!name) return;
    options_.URLFileName = *name;
    (void)Save();
    s_.config.SaveConfig();
    UpdateStatus();
}

}  // namespace brantlow
