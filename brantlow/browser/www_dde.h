#pragma once
// TWwwDde: the client side of the browsers' "WWW_GetWindowInfo" DDE conversation. The
// conversation is opened for each request (connect mode manual) and closed after it.
#include <windows.h>

#include <ddeml.h>

#include <optional>
#include <string>

#include "brantlow/core/browser_page.h"
#include "common/message_box.h"

namespace brantlow {

class TWwwDde {
public:
    static constexpr DWORD kRequestTimeout = 1000;  // ms

    explicit TWwwDde(common::MessageBoxHost& messages) : messages_(messages) {}
    TWwwDde(const TWwwDde&) = delete;
    TWwwDde& operator=(const TWwwDde&) = delete;
    ~TWwwDde();

    // The browser program: a service name or a program's path ("netscape.exe" asks "netscape").
    void SetServiceApplication(std::string application) { serviceApplication_ = std::move(application); }
    [[nodiscard]] const std::string& ServiceApplication() const { return serviceApplication_; }

    // The address and title of the browser's most recently active window; nothing when the
    // browser cannot be reached or does not answer in time, or answers with an error (whose
    // box has been shown). The hourglass shows meanwhile.
    [[nodiscard]] std::optional<BrowserPage> GetWindowInfo();

private:
    [[nodiscard]] bool Initialize();
    // The reply's bytes; nothing when the conversation cannot be opened or no reply came.
    [[nodiscard]] std::optional<std::string> RequestWindowInfo(const std::string& service);

    common::MessageBoxHost& messages_;
    std::string serviceApplication_;
    DWORD instance_ = 0;
};

}  // namespace brantlow
