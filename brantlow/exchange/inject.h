#pragma once
// Stamping the address of a saved page into the page: a marker comment at the top, an
// optional BASE tag, a link after the body tag, and optionally a new name after the title.
#include <optional>
#include <string>
#include <string_view>

#include "brantlow/core/file_system.h"
#include "brantlow/core/settings.h"
#include "brantlow/core/window_interfaces.h"
#include "common/message_box.h"

namespace brantlow {

struct InjectServices {
    const Settings& settings;
    common::MessageBoxHost& messages;
    FileSystem& files;
    const DateTimeFormatter& clock;
};

// The saved copy of `url` in the folder Path, named after the URL's file, folder or host,
// when SuggestFileName is on and such a file exists.
[[nodiscard]] std::optional<std::string> SuggestInjectFile(std::string_view url, const Settings& settings,
                                                           FileSystem& files);

// The text between "<title>" and "</title>", its lines joined by blanks, trimmed; empty
// when the file has no title or cannot be read.
[[nodiscard]] std::string ReadHTMLTitle(FileSystem& files, const std::string& path);

// Rewrites `file` with the URL injected; true when the new content took the file's place
// (or the place of the name made from the title).
bool InjectURL(const std::string& file, const std::string& url, const std::string& title,
               const InjectServices& services);

}  // namespace brantlow
