#pragma once
// Finds the first URL of a known scheme in a text and, optionally, a description next to
// it, and cuts both out of the text, so that repeated calls walk through all URLs of the
// text. URLScanner keeps its state between calls, so that walking through a text of n
// characters takes time in proportion to n, not n squared.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "brantlow/core/settings.h"

namespace brantlow {

struct RecognizerSettings {
    std::vector<std::string> Schemes;  // lower-case prefixes, in the order they are tried
    std::string URLDelimiters;         // in addition to backspace, tab, LF, CR and space
    bool ClipHash = false;
    bool ClipCGI = false;
    bool DescLeft = true;
    bool DescStripHTML = true;
    int DescMaxLen = 90;
    int DescMinLen = 5;

    [[nodiscard]] static RecognizerSettings From(const Settings& settings);
};

struct RecognizedURL {
    std::string URL;
    std::string Description;
    bool Found = false;
};

// True for the empty text and for a text of spaces and control characters only.
[[nodiscard]] bool IsBlank(std::string_view text);

// Drops HTML tags; `inTag` says whether the text starts inside a tag and, afterwards,
// whether it ended inside one.
[[nodiscard]] std::string StripTags(std::string_view text, bool& inTag);

class URLScanner {
public:
    URLScanner(std::string_view text, const RecognizerSettings& settings);
    RecognizedURL Next(bool fuzzy, bool description);
    [[nodiscard]] std::string Text() const;
    [[nodiscard]] std::size_t Size() const { return size_; }

private:
    // The text lives in a gap buffer: deletions only ever widen the gap, and the URLs of a
    // text are mostly cut out from front to back, so the gap moves little.
    [[nodiscard]] std::size_t Physical(std::size_t at) const { return at < gapStart_ ? at : at + (gapEnd_ - gapStart_); }
    [[nodiscard]] char At(std::size_t at) const { return text_[Physical(at)]; }
    [[nodiscard]] bool MatchesAt(std::string_view pattern, std::size_t at) const;
    [[nodiscard]] std::size_t Find(std::string_view pattern, std::size_t from) const;
    void MoveGap(std::size_t at);
    void Erase(std::size_t at, std::size_t count);
    [[nodiscard]] std::string Copy(std::size_t at, std::size_t count) const;
    // The one-based Copy and Delete of the description rules: a start before 1 counts
    // as 1 for copying and deletes nothing; counts are clipped to the text.
    [[nodiscard]] std::string Copy1(long start, long count) const;
    void Delete1(long start, long count);
    [[nodiscard]] std::size_t CutURL(std::string_view pattern, std::size_t patternIndex, bool allowBare,
                                     std::string& url);

    const RecognizerSettings& settings_;
    std::array<bool, 256> delimiter_{};
    std::vector<std::string> patterns_;  // the schemes, then "www." and "ftp."
    std::vector<std::size_t> first_;     // first occurrence of each pattern, npos when none
    std::string text_;
    std::string lower_;
    std::size_t size_ = 0;
    std::size_t gapStart_ = 0;
    std::size_t gapEnd_ = 0;
};

// One call on a text: the text loses the URL and the description that were found.
[[nodiscard]] RecognizedURL RecognizeURL(std::string& text, bool fuzzy, bool description,
                                         const RecognizerSettings& settings);

}  // namespace brantlow
