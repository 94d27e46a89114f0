#pragma once
// The browsers of the system: their windows tell which of them run, the DDE conversation
// asks them, and the main window's pop-up lets the user choose between two.
#include <functional>

#include "brantlow/browser/browser_capture.h"
#include "brantlow/browser/www_dde.h"

namespace brantlow {

// Netscape runs when a top-level window of class "NetscapeSlaveClass" exists; Internet
// Explorer when one of class "IEFrame" or "Internet Explorer_Hidden" does.
[[nodiscard]] RunningBrowsers BrowsersRunning();

class SystemBrowsers final : public BrowserAccess {
public:
    SystemBrowsers(TWwwDde& conversation, std::function<BrowserChoice()> chooseBrowser)
        : conversation_(conversation), chooseBrowser_(std::move(chooseBrowser)) {}

    RunningBrowsers BrowsersRunning() override { return brantlow::BrowsersRunning(); }
    BrowserChoice ChooseBrowser() override { return chooseBrowser_(); }
    std::optional<BrowserPage> GetWindowInfo(const std::string& service) override;

private:
    TWwwDde& conversation_;
    std::function<BrowserChoice()> chooseBrowser_;
};

}  // namespace brantlow
