#pragma once
// Finding bookmarks: the find dialog's flow, the step-by-step search (FindNext, "Find
// a&gain") and the filter (FindAll), both with the same matching rule over plain text or a
// Perl-compatible regular expression.
#include <memory>
#include <optional>
#include <string>

#include "brantlow/commands/command_services.h"
#include "brantlow/core/bookmark_manager.h"
#include "brantlow/regex/perlre.h"
#include "common/message_box.h"

namespace brantlow {

// The matching rule: plain text (lower-cased unless MatchCase, the find text too unless
// RegularExpr) or a regular expression compiled caseless unless MatchCase.
class TextMatcher {
public:
    // Throws EPerlRe when the pattern does not compile or the library cannot be loaded.
    TextMatcher(const std::string& findText, const TFindOptions& options);
    [[nodiscard]] bool Matches(const std::string& text);
    // By LookIn: 0 the URL, 1 the description, 2 either.
    [[nodiscard]] bool MatchesEntry(const std::string& url, const std::string& description, int lookIn);

private:
    bool matchCase_;
    std::string text_;
    std::unique_ptr<TPerlre> pattern_;
};

enum class FindDialogResult { Close, FindNext, FindAll };

// The find dialog: shows the options and the text, returns what the user entered.
class FindDialogHost {
public:
    virtual ~FindDialogHost() = default;
    [[nodiscard]] virtual FindDialogResult Run(std::string& text, TFindOptions& options) = 0;
};

inline constexpr std::size_t kMaxFindText = 127;

class FindCommands {
public:
    FindCommands(BookmarkManager& manager, Settings& settings, BookmarkRows& rows, RowCursor& cursor,
                 common::MessageBoxHost& messages, FindDialogHost& dialog)
        : manager_(manager), settings_(settings), rows_(rows), cursor_(cursor), messages_(messages), dialog_(dialog) {}

    void FindDialog();
    void FindAgain();
    void FindNext();
    void FindAll();

    [[nodiscard]] const std::string& FindText() const { return findText_; }
    [[nodiscard]] bool Restart() const { return restart_; }

private:
    [[nodiscard]] std::optional<TextMatcher> PrepareMatcher();
    void Advance(int& index, bool& stop) const;
    void Inform(const std::string& text);

    BookmarkManager& manager_;
    Settings& settings_;
    BookmarkRows& rows_;
    RowCursor& cursor_;
    common::MessageBoxHost& messages_;
    FindDialogHost& dialog_;
    std::string findText_;
    bool restart_ = true;
    int findIndex_ = 0;
};

}  // namespace brantlow
