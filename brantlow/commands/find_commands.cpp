#include "brantlow/commands/find_commands.h"

#include "brantlow/core/messages.h"
#include "brantlow/core/text.h"

namespace brantlow {

TextMatcher::TextMatcher(const std::string& findText, const TFindOptions& options)
    : matchCase_(options.MatchCase),
      text_(options.MatchCase || options.RegularExpr ? findText : LowerCase(findText)) {
    if (options.RegularExpr) {
        pattern_ = std::make_unique<TPerlre>(true, options.MatchCase ? 0 : TPerlre::kCaseless);
        pattern_->Compile(text_);
    }
}

bool TextMatcher::Matches(const std::string& text) {
    const std::string subject = matchCase_ ? text : LowerCase(text);
    if (pattern_) return pattern_->Match(subject);
    return subject.find(text_) != std::string::npos;
}

bool TextMatcher::MatchesEntry(const std::string& url, const std::string& description, int lookIn) {
    switch (lookIn) {
        case 0: return Matches(url);
        case 1: return Matches(description);
        default: return Matches(url) || Matches(description);
    }
}

void FindCommands::Inform(const std::string& text) {
    messages_.Inform(text, std::string(kAppTitle), common::MessageIcon::Information);
}

std::optional<TextMatcher> FindCommands::PrepareMatcher() {
    try {
        return TextMatcher(findText_, settings_.Find);
    } catch (const EPerlRe& error) {
        messages_.Inform(std::string("Error in regular expression engine:\r") + error.what(), std::string(kAppTitle),
                         common::MessageIcon::Error);
        return std::nullopt;
    }
}

void FindCommands::FindDialog() {
    if (manager_.URLList().Count() == 0) {
        Inform("No URLs in list; nothing to search!");
        return;
    }
    std::string text = findText_;
    TFindOptions options = settings_.Find;
    const FindDialogResult result = dialog_.Run(text, options);
    if (result == FindDialogResult::Close) return;
    if (text.size() > kMaxFindText) text.resize(kMaxFindText);
    options.WholeWords = settings_.Find.WholeWords;  // no control sets it
    settings_.Find = options;
    if (text != findText_) restart_ = true;
    findText_ = text;
    if (findText_.empty()) return;
    if (result == FindDialogResult::FindNext)
        FindNext();
    else
        FindAll();
}

void FindCommands::FindAgain() {
    if (restart_ || findText_.empty())
        FindDialog();
    else
        FindNext();
}

void FindCommands::FindAll() {
    std::optional<TextMatcher> matcher = PrepareMatcher();
    if (!matcher) return;
    TURLInfoList& list = manager_.URLList();
    int matches = 0;
    for (int i = 0; i < list.Count(); ++i) {
        TURLInfo& entry = *list.Items(i);
        const bool shown = matcher->MatchesEntry(entry.URL, entry.Description, settings_.Find.LookIn);
        entry.SetShown(shown);
        if (shown) ++matches;
    }
    if (matches == 0) {
        Inform("Could not find any matching records.");
        manager_.ClearFilter(true);
        restart_ = true;
        return;
    }
    manager_.SetFilterActive(true);
    manager_.UpdateStatus();
    manager_.RebuildView();
    manager_.UpdateStatus();  // the count of rows changed with the rebuild
    restart_ = false;
}

void FindCommands::Advance(int& index, bool& stop) const {
    const int last = rows_.Count() - 1;
    if (settings_.Find.Direction == 0) {
        if (index < 1) {
            index = last;
            stop = !settings_.Find.Wrap;
        } else {
            --index;
        }
    } else {
        if (index >= last) {
            index = 0;
            stop = !settings_.Find.Wrap;
        } else {
            ++index;
        }
    }
}

void FindCommands::FindNext() {
    const int count = rows_.Count();
    if (findText_.empty() || count == 0) return;
    for (int row = 0; row < count; ++row)
        if (rows_.IsSelected(row)) rows_.SetSelected(row, false);
    std::optional<TextMatcher> matcher = PrepareMatcher();
    if (!matcher) return;

    findIndex_ = std::max(cursor_.FocusedRow(), 0);
    bool stop = false;
    if (!restart_)
        Advance(findIndex_, stop);
    else if (settings_.Find.EntireScope)
        findIndex_ = settings_.Find.Direction == 0 ? count - 1 : 0;
    // A step past the end without Wrap leaves nothing to look at.
    for (int examined = 0; examined < count && !stop; ++examined) {
        const int row = findIndex_;
        const TURLInfo& entry = *rows_.Entry(row);
        Advance(findIndex_, stop);
        if (matcher->MatchesEntry(entry.URL, entry.Description, settings_.Find.LookIn)) {
            rows_.SetFocused(row);
            rows_.SetSelected(row, true);
            cursor_.EnsureVisible(row);
            restart_ = false;
            return;
        }
    }
    Inform("Text not found: \r\"" + findText_ + "\"");
    restart_ = true;
}

}  // namespace brantlow
