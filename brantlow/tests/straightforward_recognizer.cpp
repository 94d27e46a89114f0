#include "brantlow/tests/straightforward_recognizer.h"

#include <algorithm>

#include "brantlow/core/text.h"

namespace brantlow::testing {
namespace {

// One-based Pos, Copy and Delete.
long Pos(const std::string& what, const std::string& text) {
    if (what.empty()) return 0;
    const std::size_t at = text.find(what);
    return at == std::string::npos ? 0 : static_cast<long>(at) + 1;
}

std::string Copy(const std::string& text, long start, long count) {
    if (start < 1) start = 1;
    const long length = static_cast<long>(text.size());
    if (start > length || count <= 0) return "";
    return text.substr(static_cast<std::size_t>(start - 1), static_cast<std::size_t>(std::min(count, length - start + 1)));
}

void Delete(std::string& text, long start, long count) {
    const long length = static_cast<long>(text.size());
    if (start < 1 || start > length || count <= 0) return;
    text.erase(static_cast<std::size_t>(start - 1), static_cast<std::size_t>(std::min(count, length - start + 1)));
}

}  // namespace

RecognizedURL StraightforwardRecognizeURL(std::string& text, bool fuzzy, bool description,
                                          const RecognizerSettings& settings) {
    RecognizedURL result;
    if (text.empty()) return result;
    const std::string delimiters = std::string("\b\t\n\r ") + settings.URLDelimiters;
    auto isDelimiter = [&](char c) { return delimiters.find(c) != std::string::npos; };
    auto urlEnd = [&](long from) {  // one-based position of the first delimiter at or after `from`
        while (from <= static_cast<long>(text.size()) && !isDelimiter(text[static_cast<std::size_t>(from - 1)])) ++from;
        return from;
    };

    const std::string lower = LowerCase(text);
    long F = 0;
    for (const std::string& scheme : settings.Schemes) {
        const long p = Pos(scheme, lower);
        if (p == 0) continue;
        const long end = urlEnd(p + static_cast<long>(scheme.size()));
        if (end - p == static_cast<long>(scheme.size())) continue;
        result.URL = Copy(text, p, end - p);
        Delete(text, p, end - p);
        F = p;
        break;
    }
    if (result.URL.empty() && fuzzy) {
        std::string prefix = "http://";
        long p = Pos("www.", lower);
        if (p == 0) {
            p = Pos("ftp.", lower);
            prefix = "ftp://";
        }
        if (p > 0) {
            const long end = urlEnd(p);
            result.URL = prefix + Copy(text, p, end - p);
            Delete(text, p, end - p);
            F = p;
        }
    }
    if (settings.ClipHash) result.URL = result.URL.substr(0, result.URL.find('#'));
    if (settings.ClipCGI) result.URL = result.URL.substr(0, result.URL.find('?'));
    result.Found = !result.URL.empty();

    if (!description || text.empty()) return result;
    const long maxLen = settings.DescMaxLen;
    const long N = std::min(F, maxLen);
    long start = 0;
    std::string taken;
    if (settings.DescLeft) {
        if (F > 1) {
            taken = Copy(text, F - N + 1, N);
            start = F - N + 1;
        }
        if (F == 1 || IsBlank(taken)) {
            taken = Copy(text, 1, maxLen);
            start = 1;
        }
    } else {
        if (F < static_cast<long>(text.size())) {
            taken = Copy(text, F, maxLen);
            start = F;
        }
        if (F >= static_cast<long>(text.size()) || IsBlank(taken)) {
            taken = Copy(text, F - N - 1, N);
            start = F - N - 1;
        }
    }
    if (IsBlank(taken)) return result;
    std::string d;
    for (char c : taken) {
        if (c == '\r') d += ' ';
        else if (c != '\n') d += c;
    }
    if (settings.DescStripHTML) {
        bool inTag = false;
        d = StripTags(d, inTag);
    }
    d = Trim(d);
    for (const std::string& scheme : settings.Schemes) {
        const long p = Pos(scheme, d);
        if (p > 0) {
            d = Copy(d, 1, p - 1);
            break;
        }
    }
    if (start > 0 && !d.empty()) Delete(text, start, static_cast<long>(d.size()));
    if (static_cast<long>(d.size()) < settings.DescMinLen) d.clear();
    result.Description = d;
    return result;
}

}  // namespace brantlow::testing
