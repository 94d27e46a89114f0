#include "brantlow/platform/default_browser.h"

#include "brantlow/core/file_names.h"
#include "platform/registry.h"

namespace brantlow {

std::string DefaultBrowser() {
    // ".html" names a file type, whose "open" command starts the browser; without a type
    // the command sits under ".html" itself.
    std::string type = ".html";
    if (auto key = platform::RegistryKey::Open(HKEY_CLASSES_ROOT, ".html")) {
        if (auto named = key.ReadString(""); named && !named->empty()) type = *named;
    }
    auto command = platform::RegistryKey::Open(HKEY_CLASSES_ROOT, type + "\\shell\\open\\command");
    if (!command) return {};
    return BrowserFromOpenCommand(command.ReadString("").value_or(""));
}

}  // namespace brantlow
