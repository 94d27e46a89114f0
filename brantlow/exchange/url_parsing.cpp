#include "brantlow/exchange/url_parsing.h"

#include "brantlow/core/text.h"
#include "brantlow/core/url_info.h"

namespace brantlow {

TURLRec ParseURL(std::string_view url) {
    TURLRec rec;
    rec.SchemeIndex = static_cast<std::uint8_t>(SchemeIndexOf(url));
    if (rec.SchemeIndex != 0) rec.Scheme = std::string(kBuiltInSchemes[rec.SchemeIndex - 1u]);

    std::string_view rest = url;
    if (const std::size_t at = rest.find("://"); at != rest.npos)
        rest.remove_prefix(at + 3);
    else if (const std::size_t colon = rest.find(':'); colon != rest.npos)
        rest.remove_prefix(colon + 1);

    const std::size_t slash = rest.find('/');
    if (slash == rest.npos) {
        rec.Host = rest;
        rec.Path = "/";
        return rec;
    }
    rec.Host = rest.substr(0, slash);
    rest.remove_prefix(slash);
    if (const std::size_t hash = rest.find('#'); hash != rest.npos) {
        rec.Anchor = rest.substr(hash);
        rest = rest.substr(0, hash);
    } else if (const std::size_t question = rest.find('?'); question != rest.npos) {
        rec.Query = rest.substr(question);
        rest = rest.substr(0, question);
    }
    const std::size_t last = rest.rfind('/');
    rec.Path = last == 0 ? std::string("/") : std::string(rest.substr(0, last));
    rec.FileName = rest.substr(last + 1);
    return rec;
}

TAnchorRec ParseAnchor(std::string_view html) {
    TAnchorRec anchor;
    constexpr std::string_view kStart = "<a href=\"";
    const std::string lower = LowerCase(html);
    const std::size_t start = lower.find(kStart);
    if (start == std::string::npos) return anchor;
    std::size_t at = start + kStart.size();
    const std::size_t hrefEnd = lower.find('"', at);
    if (hrefEnd == std::string::npos) {
        anchor.Href = html.substr(at);
        return anchor;
    }
    anchor.Href = html.substr(at, hrefEnd - at);
    at = lower.find('>', hrefEnd + 1);
    if (at == std::string::npos) return anchor;
    ++at;
    const std::size_t close = lower.find("</a", at);
    anchor.Text = html.substr(at, close == std::string::npos ? std::string_view::npos : close - at);
    return anchor;
}

std::string ResolveURL(std::string_view base, std::string_view href) {
    if (base.empty()) return std::string(href);
    if (href.empty()) return std::string(base);
    if (SchemeIndexOf(href) != 0) return std::string(href);
    const TURLRec page = ParseURL(base);
    if (page.SchemeIndex != 2 && page.SchemeIndex != 4 && page.SchemeIndex != 5) return std::string(href);

    std::string path = page.Path;
    if (path.empty() || path.back() != '/') path += '/';
    std::size_t n = path.size();
    if (href.starts_with('/')) {
        // Taken relative to the base's folder, not to the host.
        href.remove_prefix(1);
    } else {
        if (href.starts_with("./")) href.remove_prefix(2);
        while (href.starts_with("../")) {
            href.remove_prefix(3);
            if (n >= 2) {
                --n;
                while (n > 1 && path[n - 1] != '/') --n;
            }
        }
    }
    std::string resolved = page.Scheme;
    resolved += page.Host;
    resolved.append(path, 0, n);
    resolved += href;
    return resolved;
}

std::vector<std::string> SplitList(std::string_view text, char delimiter) {
    std::vector<std::string> items;
    std::size_t at = 0;
    auto skipBlanks = [&] {
        while (at < text.size() && static_cast<unsigned char>(text[at]) < '!') ++at;
    };
    skipBlanks();
    while (at < text.size()) {
        std::string item;
        if (text[at] == '"') {
            ++at;
            while (at < text.size()) {
                if (text[at] == '"') {
                    if (at + 1 < text.size() && text[at + 1] == '"') {
                        item += '"';
                        at += 2;
                        continue;
                    }
                    ++at;
                    break;
                }
                item += text[at++];
            }
        } else {
            while (at < text.size() && static_cast<unsigned char>(text[at]) >= '!' && text[at] != delimiter)
                item += text[at++];
        }
        items.push_back(std::move(item));
        skipBlanks();
        if (at < text.size() && text[at] == delimiter) {
            ++at;
            skipBlanks();
        }
    }
    return items;
}

}  // namespace brantlow
