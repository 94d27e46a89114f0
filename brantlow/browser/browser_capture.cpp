#include "brantlow/browser/browser_capture.h"

#include "brantlow/browser/window_info.h"

namespace brantlow {

BrowserService BrowserCapture::ChooseService() {
    const RunningBrowsers running = browsers_.BrowsersRunning();
    if (running.Netscape && running.InternetExplorer) {
        switch (browsers_.ChooseBrowser()) {
            case BrowserChoice::Netscape: return {kNetscapeService};
            case BrowserChoice::InternetExplorer: return {kInternetExplorerService};
            case BrowserChoice::Cancel: return {};
        }
        return {};
    }
    if (running.Netscape) return {kNetscapeService};
    if (running.InternetExplorer) return {kInternetExplorerService};
    return {std::nullopt, AddFailure::NoBrowser};
}

AddFailure BrowserCapture::CaptureFromBrowser(const std::string& service) {
    const std::optional<BrowserPage> page = browsers_.GetWindowInfo(service);
    if (!page || page->url.empty()) return AddFailure::NoBrowserData;
    switch (manager_.CheckSingleDuplicate(page->url, page->title)) {
        case DuplicateOutcome::Ignored: return AddFailure::DuplicateIgnored;
        case DuplicateOutcome::Handled:
        case DuplicateOutcome::Cancelled: return AddFailure::None;
        case DuplicateOutcome::Add: break;
    }
    manager_.AddBookmark(page->url, page->title, clock_.Now());
    manager_.ChangeEpilogue();
    return AddFailure::None;
}

AddFailure BrowserCapture::GetFromBrowser() {
    const BrowserService service = ChooseService();
    return service.name ? CaptureFromBrowser(*service.name) : service.failure;
}

BrowserAnswer BrowserCapture::AskBrowserForPage() {
    const BrowserService service = ChooseService();
    if (!service.name) return {std::nullopt, service.failure};
    std::optional<BrowserPage> page = browsers_.GetWindowInfo(*service.name);
    if (!page || page->url.empty()) return {std::nullopt, AddFailure::NoBrowserData};
    return {std::move(page), AddFailure::None};
}

}  // namespace brantlow
