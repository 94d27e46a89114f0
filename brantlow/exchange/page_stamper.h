#pragma once
// The line processing of the inject command: a BASE tag after the head tag, a clean body
// tag, the link after the body tag, and the page title, written line by line with CR LF.
#include <string>
#include <string_view>

namespace brantlow {

struct StampOptions {
    std::string URL;
    std::string TagOn;   // before the link
    std::string TagOff;  // after the link
    bool Html = true;    // otherwise every line is copied unchanged
    bool BaseHREF = false;
    bool CleanBody = false;
    bool FindTitle = false;
};

class PageStamper {
public:
    explicit PageStamper(StampOptions options);
    // Appends the output of one input line (without its line end) to `out`.
    void Line(std::string_view line, std::string& out);
    // Appends what is still held back at the end of the file.
    void Finish(std::string& out);
    // The title found in the page (lower case), once its end tag was read.
    [[nodiscard]] bool TitleFound() const { return titleFound_; }
    [[nodiscard]] const std::string& Title() const { return title_; }

private:
    [[nodiscard]] bool Pending() const { return basePending_ || linkPending_ || titlePending_; }
    void CollectTitle(std::string_view text);

    StampOptions options_;
    bool basePending_;
    bool cleanPending_;
    bool linkPending_ = true;
    bool titlePending_;
    bool titleStarted_ = false;
    bool titleFound_ = false;
    std::string title_;
    std::string titleTail_;  // the last characters read of the title, for an end tag split across lines
    bool inBodyTag_ = false;
    std::string bodyTag_;  // the body tag gathered from earlier lines
};

}  // namespace brantlow
