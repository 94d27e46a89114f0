#include "brantlow/exchange/page_stamper.h"

#include "brantlow/core/text.h"
#include "brantlow/exchange/text_search.h"

namespace brantlow {
namespace {

constexpr const char* kCRLF = "\r\n";
constexpr std::string_view kHead = "<head>";
constexpr std::string_view kTitleStart = "<title>";
constexpr std::string_view kTitleEnd = "</title>";
constexpr std::string_view kBodyStart = "<body";
// A title that never ends is not kept beyond this; a file name takes 70 characters of it.
constexpr std::size_t kTitleLimit = 1 << 16;

void PutLine(std::string& out, std::string_view line) {
    out += line;
    out += kCRLF;
}

}  // namespace

PageStamper::PageStamper(StampOptions options)
    : options_(std::move(options)),
      basePending_(options_.Html && options_.BaseHREF),
      cleanPending_(options_.CleanBody),
      titlePending_(options_.FindTitle) {
    linkPending_ = options_.Html;
}

void PageStamper::CollectTitle(std::string_view text) {
    const std::string lower = LowerCase(text);
    const std::string joined = titleTail_ + lower;
    const std::size_t end = joined.find(kTitleEnd);
    if (end != std::string::npos) {
        const std::size_t keep = end >= titleTail_.size() ? end - titleTail_.size() : 0;
        if (title_.size() < kTitleLimit) title_.append(lower, 0, std::min(keep, kTitleLimit - title_.size()));
        // An end tag that began in the previous line leaves its start in the title.
        if (end < titleTail_.size()) title_.resize(title_.size() - std::min(title_.size(), titleTail_.size() - end));
        titlePending_ = false;
        titleFound_ = true;
        return;
    }
    if (title_.size() < kTitleLimit) title_.append(lower, 0, std::min(lower.size(), kTitleLimit - title_.size()));
    titleTail_ = joined.substr(joined.size() > kTitleEnd.size() ? joined.size() - (kTitleEnd.size() - 1) : 0);
}

void PageStamper::Line(std::string_view line, std::string& out) {
    if (!options_.Html || !Pending()) {
        PutLine(out, line);
        return;
    }
    std::string_view rest = line;
    if (basePending_) {
        if (const std::size_t head = FindNoCase(rest, kHead); head != std::string_view::npos) {
            PutLine(out, rest.substr(0, head + kHead.size()));
            PutLine(out, "<BASE HREF=\"" + options_.URL + "\">");
            basePending_ = false;
            rest.remove_prefix(head + kHead.size());
        }
    }
    if (titlePending_) {
        if (titleStarted_) {
            CollectTitle(rest);
        } else if (const std::size_t start = FindNoCase(rest, kTitleStart); start != std::string_view::npos) {
            titleStarted_ = true;
            CollectTitle(rest.substr(start + kTitleStart.size()));
        }
    }
    if (linkPending_ && !inBodyTag_) {
        if (const std::size_t body = FindNoCase(rest, kBodyStart); body != std::string_view::npos) {
            if (body > 0) PutLine(out, rest.substr(0, body));
            rest.remove_prefix(body);
            inBodyTag_ = true;
        }
    }
    if (inBodyTag_) {
        const std::size_t close = rest.find('>');
        if (close == std::string_view::npos) {
            if (!bodyTag_.empty()) bodyTag_ += ' ';
            bodyTag_ += rest;
            return;
        }
        if (cleanPending_) {
            PutLine(out, "<BODY>");
            cleanPending_ = false;
        } else {
            PutLine(out, bodyTag_ + " " + std::string(rest.substr(0, close + 1)));
        }
        PutLine(out, options_.TagOn + "<A HREF=\"" + options_.URL + "\">" + options_.URL + "</A>" + options_.TagOff);
        linkPending_ = false;
        inBodyTag_ = false;
        bodyTag_.clear();
        rest.remove_prefix(close + 1);
    }
    PutLine(out, rest);
}

void PageStamper::Finish(std::string& out) {
    // A body tag that never closed is written as it was read, not dropped.
    if (inBodyTag_) PutLine(out, bodyTag_);
    inBodyTag_ = false;
    bodyTag_.clear();
}

}  // namespace brantlow
