#pragma once
// Getting the page a running browser shows into the collection: which browser to ask (the
// one that runs, or the user's choice of two), the conversation, and the duplicate rules of
// the capture. The windows side provides the browsers through BrowserAccess.
#include <optional>
#include <string>

#include "brantlow/commands/add_commands.h"
#include "brantlow/core/bookmark_manager.h"
#include "brantlow/core/browser_page.h"

namespace brantlow {

struct RunningBrowsers {
    bool Netscape = false;
    bool InternetExplorer = false;
};

// The items of the main window's pop-up BrowserMenu.
enum class BrowserChoice { Netscape, InternetExplorer, Cancel };

class BrowserAccess {
public:
    virtual ~BrowserAccess() = default;
    [[nodiscard]] virtual RunningBrowsers BrowsersRunning() = 0;
    // The pop-up BrowserMenu at the mouse position.
    [[nodiscard]] virtual BrowserChoice ChooseBrowser() = 0;
    // The conversation's GetWindowInfo with ServiceApplication set to `service`: nothing when
    // the browser did not answer or answered with an error (whose box it has shown).
    [[nodiscard]] virtual std::optional<BrowserPage> GetWindowInfo(const std::string& service) = 0;
};

// The service to ask, or why there is none: code 5 when no browser runs, None when the user
// cancelled the choice.
struct BrowserService {
    std::optional<std::string> name;
    AddFailure failure = AddFailure::None;
};

// A page from the chosen browser, or why there is none (codes 5 and 6, or None when the
// user cancelled the choice).
struct BrowserAnswer {
    std::optional<BrowserPage> page;
    AddFailure failure = AddFailure::None;
};

class BrowserCapture {
public:
    BrowserCapture(BookmarkManager& manager, const DateTimeFormatter& clock, BrowserAccess& browsers)
        : manager_(manager), clock_(clock), browsers_(browsers) {}

    [[nodiscard]] BrowserService ChooseService();
    // The main window's CaptureFromBrowser: asks the browser and adds its page.
    [[nodiscard]] AddFailure CaptureFromBrowser(const std::string& service);
    // The command "Get from &browser".
    [[nodiscard]] AddFailure GetFromBrowser();
    // The page of the chosen browser, for a dialog that takes it instead of adding it.
    [[nodiscard]] BrowserAnswer AskBrowserForPage();

private:
    BookmarkManager& manager_;
    const DateTimeFormatter& clock_;
    BrowserAccess& browsers_;
};

}  // namespace brantlow
