#pragma once
// What a running web browser reports about the page it shows.
#include <string>

namespace brantlow {

struct BrowserPage {
    std::string url;
    std::string title;
};

}  // namespace brantlow
