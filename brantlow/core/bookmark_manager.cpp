#include "brantlow/core/bookmark_manager.h"

#include "brantlow/core/file_names.h"
#include "brantlow/core/messages.h"
#include "brantlow/core/text.h"

namespace brantlow {

using common::MessageAnswer;
using common::MessageButtons;
using common::MessageIcon;

BookmarkManager::BookmarkManager(const BookmarkManagerServices& services)
    : s_(services),
      options_(services.settings.Options),
      pages_(services.settings, services.rows, services.clock, services.files, services.messages),
      urlList_(std::make_unique<TURLInfoList>()),
      random_(std::random_device{}()) {}

BookmarkManager::~BookmarkManager() = default;

void BookmarkManager::Inform(const std::string& text) {
    s_.messages.Inform(text, std::string(kAppTitle), MessageIcon::Information);
}

void BookmarkManager::Error(const std::string& text) {
    s_.messages.Inform(text, std::string(kAppTitle), MessageIcon::Error);
}

RowTexts BookmarkManager::RowTextsOf(const TURLInfo& entry) const {
    RowTexts texts;
    texts.Caption = options_.URLFirst ? entry.URL : entry.Description;
    texts.SubItem1 = options_.URLFirst ? entry.Description : entry.URL;
    texts.SubItem2 = s_.clock.DateTime(entry.DateAdded());
    texts.ImageIndex = SchemeIndexOf(entry.URL);
    return texts;
}

TURLInfo* BookmarkManager::AddBookmark(const std::string& url, const std::string& description, TDateTime date) {
    return AddBookmarkState(url, description, MakeState(date));
}

TURLInfo* BookmarkManager::AddBookmarkState(std::string url, std::string description, const TURLState& state) {
    auto entry = std::make_unique<TURLInfo>();
    entry->URL = std::move(url);
    entry->Description = std::move(description);
    entry->State = state;
    return AddEntry(std::move(entry));
}

TURLInfo* BookmarkManager::AddEntry(std::unique_ptr<TURLInfo> entry) {
    entry->SetShown(true);
    TURLInfo* added = entry.get();
    urlList_->Add(std::move(entry));
    added->ListItem = s_.rows.Append(added);
    return added;
}

void BookmarkManager::AfterChange() {
    saved_ = false;
    if (options_.AutoSave)
        (void)Save();  // Save reports its own failures
    else
        UpdateStatus();
    s_.window.UpdateDescPanel();
}

void BookmarkManager::ChangeEpilogue() {
    if (options_.KeepSorted) Resort();
    AfterChange();
}

void BookmarkManager::BatchEpilogue(int added) {
    if (options_.KeepSorted) Resort();
    if (added > 0) {
        AfterChange();
    } else {
        s_.window.UpdateDescPanel();
    }
}

void BookmarkManager::ReplaceDescription(int position, const std::string& description, bool ask) {
    TURLInfo& entry = *urlList_->Items(position);
    std::string replacement = description;
    if (ask) {
        URLDialogRequest request;
        request.URL = entry.URL;
        request.Description = description;
        request.Form = URLDialogForm::ReplaceDuplicate;
        if (!s_.urlDialog.Run(request)) return;
        replacement = request.Description;
    }
    entry.Description = replacement;
    if (const int row = s_.rows.RowOf(&entry); row >= 0) {
        s_.rows.Refresh(row);
        if (options_.KeepSorted) Resort();
    }
    AfterChange();
}

DuplicateOutcome BookmarkManager::CheckSingleDuplicate(const std::string& url, const std::string& description) {
    if (!options_.NoDuplicates) return DuplicateOutcome::Add;
    const int position = urlList_->IndexOfURL(url);
    if (position < 0) return DuplicateOutcome::Add;
    switch (options_.DuplicateAction) {
        case 1:
            if (description.size() > urlList_->Items(position)->Description.size()) {
                ReplaceDescription(position, description, false);
                return DuplicateOutcome::Handled;
            }
            return DuplicateOutcome::Ignored;
        case 2:
            if (!description.empty()) {
                ReplaceDescription(position, description, true);
                return DuplicateOutcome::Handled;
            }
            return DuplicateOutcome::Ignored;
        default:
            return DuplicateOutcome::Ignored;
    }
}

DuplicateOutcome BookmarkManager::CheckManualDuplicate(const std::string& url, const std::string& description) {
    if (!options_.NoDuplicates) return DuplicateOutcome::Add;
    const int position = urlList_->IndexOfURL(url);
    if (position < 0) return DuplicateOutcome::Add;
    const MessageAnswer answer = s_.messages.Show(
        {"This URL already exists in the list. Add it anyway?\r\rClick Yes to add. Click No to replace the "
         "existing URL. Click Cancel to abort.",
         std::string(kAppTitle), MessageButtons::YesNoCancel, MessageIcon::Question, 1});
    if (answer == MessageAnswer::Yes) return DuplicateOutcome::Add;
    if (answer == MessageAnswer::No) {
        ReplaceDescription(position, description, options_.DuplicateAction == 2);
        return DuplicateOutcome::Handled;
    }
    return DuplicateOutcome::Cancelled;
}

bool BookmarkManager::IsSkippedDuplicate(const std::string& url) const {
    return options_.NoDuplicates && urlList_->IndexOfURL(url) >= 0;
}

void BookmarkManager::RemoveSelected(bool descriptionsOnly) {
    bool anySelected = false;
    for (int row = 0; row < s_.rows.Count() && !anySelected; ++row) anySelected = s_.rows.IsSelected(row);
    if (urlList_->Count() == 0 || !anySelected) {
        Inform("No URLs selected: nothing to remove.");
        return;
    }
    if (options_.ConfirmRemove &&
        !s_.messages.Confirm(descriptionsOnly ? "Delete description for the selected URL?" : "Delete selected URL(s)?",
                             std::string(kAppTitle)))
        return;
    s_.rows.BeginUpdate();
    // Walks the rows backwards so that deleting one leaves the rows still to visit in place.
    for (int row = s_.rows.Count() - 1; row >= 0; --row) {
        if (!s_.rows.IsSelected(row)) continue;
        TURLInfo* entry = s_.rows.Entry(row);
        if (descriptionsOnly) {
            entry->Description.clear();
            s_.rows.SetSelected(row, false);
            s_.rows.Refresh(row);
        } else {
            s_.rows.Delete(row);
            urlList_->Delete(urlList_->IndexOf(entry));
        }
    }
    s_.rows.EndUpdate();
    AfterChange();
}

void BookmarkManager::RemoveAll() {
    if (!s_.messages.Confirm("Are you sure you want to remove all URLs from the Brantlow file?",
                             std::string(kAppTitle)))
        return;
    s_.rows.Clear();
    urlList_->Clear();
    saved_ = false;
    UpdateStatus();
    if (options_.AutoSave)
        (void)Save();
    else
        Inform("Auto save feature is OFF. You may still recover the deleted bookmarks by exiting the program "
               "without saving the file manually.");
}

void BookmarkManager::SelectAll() {
    for (int row = 0; row < s_.rows.Count(); ++row) s_.rows.SetSelected(row, true);
}

void BookmarkManager::RebuildView() {
    s_.window.SetBusyCursor(true);
    s_.rows.BeginUpdate();
    s_.rows.Clear();
    for (int i = 0; i < urlList_->Count(); ++i) {
        TURLInfo* entry = urlList_->Items(i);
        entry->ListItem = entry->Shown() ? s_.rows.Append(entry) : nullptr;
    }
    s_.rows.EndUpdate();
    s_.window.SetBusyCursor(false);
}

void BookmarkManager::ClearFilter(bool rebuild) {
    SetFilterActive(false);
    UpdateStatus();
    for (int i = 0; i < urlList_->Count(); ++i) urlList_->Items(i)->SetShown(true);
    if (rebuild) {
        RebuildView();
        UpdateStatus();  // the count of rows changed with the rebuild
    }
}

void BookmarkManager::SetFilterActive(bool active) {
    filterActive_ = active;
    s_.window.EnableClearFilter(active);
}

void BookmarkManager::UpdateStatus() {
    StatusTexts texts;
    const std::string total = std::to_string(urlList_->Count());
    texts.Count = "URLs: " + std::to_string(s_.rows.Count());
    if (filterActive_) texts.Count += "/" + total;
    texts.Modified = saved_ ? "auto" : "MOD";
    texts.FileName = ExtractFileName(options_.URLFileName);
    if (filterActive_) texts.FileName = "[" + texts.FileName + "]";
    texts.StatusHint = options_.URLFileName;
    texts.TrayHint = "Brantlow (" + total + " URLs)";
    s_.window.ShowStatus(texts);
}

void BookmarkManager::SwapColumns() {
    s_.rows.BeginUpdate();
    for (int row = 0; row < s_.rows.Count(); ++row) s_.rows.Refresh(row);
    s_.rows.EndUpdate();
}

void BookmarkManager::ColumnClick(int column) {
    sortAscending_ = column == sortColumn_ ? !sortAscending_ : true;
    sortColumn_ = column;
    Resort();
    s_.window.SetSortArrow(sortColumn_, sortAscending_);
    if (s_.rows.Count() > 0) {
        saved_ = false;
        UpdateStatus();
    }
}

void BookmarkManager::Resort() {
    if (sortColumn_ < 0) return;
    const int column = sortColumn_;
    const bool ascending = sortAscending_;
    const bool urlFirst = options_.URLFirst;
    auto textOf = [column, urlFirst](const TURLInfo& entry) -> const std::string& {
        return (column == 0) == urlFirst ? entry.URL : entry.Description;
    };
    auto compare = [&](const TURLInfo& a, const TURLInfo& b) {
        if (column == 2) return a.DateAdded() < b.DateAdded() ? -1 : (b.DateAdded() < a.DateAdded() ? 1 : 0);
        const std::string& x = textOf(a);
        const std::string& y = textOf(b);
        const std::size_t n = std::min(x.size(), y.size());
        for (std::size_t i = 0; i < n; ++i) {
            const char cx = LowerChar(x[i]), cy = LowerChar(y[i]);
            if (cx != cy) return static_cast<unsigned char>(cx) < static_cast<unsigned char>(cy) ? -1 : 1;
        }
        return x.size() < y.size() ? -1 : (x.size() > y.size() ? 1 : 0);
    };
    s_.rows.Sort([&](const TURLInfo& a, const TURLInfo& b) {
        return ascending ? compare(a, b) < 0 : compare(b, a) < 0;
    });
}

}  // namespace brantlow
