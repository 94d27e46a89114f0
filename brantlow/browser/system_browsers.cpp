#include "brantlow/browser/system_browsers.h"

#include <windows.h>

namespace brantlow {
namespace {

bool TopLevelWindowOfClass(const char* className) { return ::FindWindowA(className, nullptr) != nullptr; }

}  // namespace

RunningBrowsers BrowsersRunning() {
    RunningBrowsers running;
    running.Netscape = TopLevelWindowOfClass("NetscapeSlaveClass");
    running.InternetExplorer = TopLevelWindowOfClass("IEFrame") || TopLevelWindowOfClass("Internet Explorer_Hidden");
    return running;
}

std::optional<BrowserPage> SystemBrowsers::GetWindowInfo(const std::string& service) {
    conversation_.SetServiceApplication(service);
    return conversation_.GetWindowInfo();
}

}  // namespace brantlow
