#include "brantlow/core/url_recognizer.h"

#include <algorithm>
#include <cstring>

#include "brantlow/core/text.h"

namespace brantlow {
namespace {

constexpr std::size_t npos = std::string::npos;
constexpr std::string_view kFixedDelimiters = "\b\t\n\r ";

// The description as the recogniser leaves it: CR becomes a space, LF goes, tags go when
// asked, blanks at both ends go, and it ends before the first scheme it contains.
std::string CleanDescription(std::string text, const RecognizerSettings& settings) {
    std::string cleaned;
    cleaned.reserve(text.size());
    for (char c : text) {
        if (c == '\n') continue;
        cleaned += c == '\r' ? ' ' : c;
    }
    if (settings.DescStripHTML) {
        bool inTag = false;
        cleaned = StripTags(cleaned, inTag);
    }
    cleaned = Trim(cleaned);
    for (const std::string& scheme : settings.Schemes) {
        if (scheme.empty()) continue;
        if (const std::size_t at = cleaned.find(scheme); at != npos) {
            cleaned.resize(at);
            break;
        }
    }
    return cleaned;
}

void ClipURL(std::string& url, const RecognizerSettings& settings) {
    if (settings.ClipHash) url = url.substr(0, url.find('#'));
    if (settings.ClipCGI) url = url.substr(0, url.find('?'));
}

}  // namespace

RecognizerSettings RecognizerSettings::From(const Settings& settings) {
    RecognizerSettings result;
    result.Schemes = settings.Schemes;
    result.URLDelimiters = settings.Options.URLDelimiters;
    result.ClipHash = settings.Options.ClipHash;
    result.ClipCGI = settings.Options.ClipCGI;
    result.DescLeft = settings.Options.DescLeft;
    result.DescStripHTML = settings.Options.DescStripHTML;
    result.DescMaxLen = settings.Options.DescMaxLen;
    result.DescMinLen = settings.Options.DescMinLen;
    return result;
}

bool IsBlank(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) <= ' '; });
}

std::string StripTags(std::string_view text, bool& inTag) {
    if (text.size() <= 2) return std::string(text);
    if (inTag) {
        const std::size_t close = text.find('>');
        if (close == npos) return std::string(text);
        text.remove_prefix(close + 1);
        inTag = false;
    }
    std::string result;
    for (;;) {
        const std::size_t open = text.find('<');
        if (open == npos) break;
        result.append(text.substr(0, open));
        text.remove_prefix(open + 1);
        inTag = true;
        const std::size_t close = text.find('>');
        if (close == npos) break;
        text.remove_prefix(close + 1);
        inTag = false;
    }
    if (!inTag) result.append(text);
    return result;
}

URLScanner::URLScanner(std::string_view text, const RecognizerSettings& settings)
    : settings_(settings), text_(text), lower_(LowerCase(text)), size_(text.size()), gapStart_(text.size()),
      gapEnd_(text.size()) {
    for (char c : kFixedDelimiters) delimiter_[static_cast<unsigned char>(c)] = true;
    for (char c : settings.URLDelimiters) delimiter_[static_cast<unsigned char>(c)] = true;
    patterns_ = settings.Schemes;
    patterns_.push_back("www.");
    patterns_.push_back("ftp.");
    for (const std::string& pattern : patterns_) first_.push_back(pattern.empty() ? npos : Find(pattern, 0));
}

std::string URLScanner::Text() const { return Copy(0, size_); }

bool URLScanner::MatchesAt(std::string_view pattern, std::size_t at) const {
    if (at + pattern.size() > size_) return false;
    for (std::size_t i = 0; i < pattern.size(); ++i)
        if (lower_[Physical(at + i)] != pattern[i]) return false;
    return true;
}

std::size_t URLScanner::Find(std::string_view pattern, std::size_t from) const {
    const std::size_t m = pattern.size();
    if (m == 0 || from + m > size_) return npos;
    if (from < gapStart_) {
        const std::string_view before(lower_.data(), gapStart_);
        if (const std::size_t at = before.find(pattern, from); at != npos) return at;
        for (std::size_t at = std::max(from, gapStart_ >= m ? gapStart_ - m + 1 : 0); at < gapStart_; ++at)
            if (MatchesAt(pattern, at)) return at;
    }
    const std::string_view after(lower_.data() + gapEnd_, lower_.size() - gapEnd_);
    const std::size_t at = after.find(pattern, from > gapStart_ ? from - gapStart_ : 0);
    return at == npos ? npos : at + gapStart_;
}

void URLScanner::MoveGap(std::size_t at) {
    if (at < gapStart_) {
        const std::size_t count = gapStart_ - at;
        std::memmove(&text_[gapEnd_ - count], &text_[at], count);
        std::memmove(&lower_[gapEnd_ - count], &lower_[at], count);
        gapEnd_ -= count;
        gapStart_ = at;
    } else if (at > gapStart_) {
        const std::size_t count = at - gapStart_;
        std::memmove(&text_[gapStart_], &text_[gapEnd_], count);
        std::memmove(&lower_[gapStart_], &lower_[gapEnd_], count);
        gapEnd_ += count;
        gapStart_ = at;
    }
}

void URLScanner::Erase(std::size_t at, std::size_t count) {
    if (count == 0) return;
    MoveGap(at);
    gapEnd_ += count;
    size_ -= count;
    // Keep the first occurrence of every pattern: one before the cut stays; one inside or
    // across the cut is searched again from where a new one could start; one after it
    // moves back, unless the cut joined text into an earlier one.
    for (std::size_t i = 0; i < patterns_.size(); ++i) {
        const std::string_view pattern = patterns_[i];
        if (pattern.empty()) continue;
        std::size_t& first = first_[i];
        const std::size_t m = pattern.size();
        const std::size_t joinStart = at >= m - 1 ? at - (m - 1) : 0;
        if (first != npos && first + m <= at) continue;
        if (first != npos && first < at + count) {
            first = Find(pattern, joinStart);
            continue;
        }
        if (first != npos) first -= count;
        for (std::size_t candidate = joinStart; candidate < at; ++candidate) {
            if (MatchesAt(pattern, candidate)) {
                first = candidate;
                break;
            }
        }
    }
}

std::string URLScanner::Copy(std::size_t at, std::size_t count) const {
    std::string copy;
    copy.reserve(count);
    const std::size_t end = at + count;
    if (at < gapStart_) copy.append(text_, at, std::min(end, gapStart_) - at);
    if (end > gapStart_) {
        const std::size_t from = std::max(at, gapStart_);
        copy.append(text_, from + (gapEnd_ - gapStart_), end - from);
    }
    return copy;
}

std::string URLScanner::Copy1(long start, long count) const {
    const long length = static_cast<long>(size_);
    if (start < 1) start = 1;
    if (start > length || count <= 0) return {};
    count = std::min(count, length - start + 1);
    return Copy(static_cast<std::size_t>(start - 1), static_cast<std::size_t>(count));
}

void URLScanner::Delete1(long start, long count) {
    const long length = static_cast<long>(size_);
    if (start < 1 || start > length || count <= 0) return;
    Erase(static_cast<std::size_t>(start - 1), static_cast<std::size_t>(std::min(count, length - start + 1)));
}

// Cuts the URL that starts at the first occurrence of a pattern; returns where it stood,
// or npos when there is none (or only the bare pattern, when that does not count).
std::size_t URLScanner::CutURL(std::string_view pattern, std::size_t patternIndex, bool allowBare, std::string& url) {
    const std::size_t start = first_[patternIndex];
    if (start == npos) return npos;
    std::size_t end = start + pattern.size();
    while (end < size_ && !delimiter_[static_cast<unsigned char>(At(end))]) ++end;
    if (!allowBare && end - start == pattern.size()) return npos;
    url = Copy(start, end - start);
    Erase(start, end - start);
    return start;
}

RecognizedURL URLScanner::Next(bool fuzzy, bool description) {
    RecognizedURL result;
    if (size_ == 0) return result;
    long F = 0;  // one-based: where the URL stood, now the first character after it
    const std::size_t schemes = patterns_.size() - 2;
    for (std::size_t i = 0; i < schemes && F == 0; ++i) {
        if (patterns_[i].empty()) continue;
        if (const std::size_t at = CutURL(patterns_[i], i, false, result.URL); at != npos) F = static_cast<long>(at) + 1;
    }
    if (F == 0 && fuzzy) {
        const bool www = first_[schemes] != npos;
        const std::size_t index = www ? schemes : schemes + 1;
        if (const std::size_t at = CutURL(patterns_[index], index, true, result.URL); at != npos) {
            F = static_cast<long>(at) + 1;
            result.URL.insert(0, www ? "http://" : "ftp://");
        }
    }
    ClipURL(result.URL, settings_);
    result.Found = !result.URL.empty();

    if (!description || size_ == 0) return result;
    const long maxLen = settings_.DescMaxLen;
    const long length = static_cast<long>(size_);
    const long N = std::min(F, maxLen);
    long start = 0;
    std::string taken;
    if (settings_.DescLeft) {
        if (F > 1) {
            taken = Copy1(F - N + 1, N);
            start = F - N + 1;
        }
        if (F == 1 || IsBlank(taken)) {
            taken = Copy1(1, maxLen);
            start = 1;
        }
    } else {
        if (F < length) {
            taken = Copy1(F, maxLen);
            start = F;
        }
        if (F >= length || IsBlank(taken)) {
            taken = Copy1(std::max(1L, F - N - 1), N);
            start = F - N - 1;
        }
    }
    if (IsBlank(taken)) return result;
    result.Description = CleanDescription(std::move(taken), settings_);
    if (start > 0 && !result.Description.empty()) Delete1(start, static_cast<long>(result.Description.size()));
    if (static_cast<long>(result.Description.size()) < settings_.DescMinLen) result.Description.clear();
    return result;
}

RecognizedURL RecognizeURL(std::string& text, bool fuzzy, bool description, const RecognizerSettings& settings) {
    URLScanner scanner(text, settings);
    RecognizedURL result = scanner.Next(fuzzy, description);
    text = scanner.Text();
    return result;
}

}  // namespace brantlow
