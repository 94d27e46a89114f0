#pragma once
// What the bookmark manager takes from its command line, and from the command line a second
// instance hands over. Portable: the window applies the results.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace brantlow {

struct StartupOptions {
    bool startMinimized = false;            // switch "min"
    bool firstRun = false;                  // switch "new"
    std::optional<std::string> urlFileName; // the page file named by the last file argument
    std::vector<std::string> messages;      // information boxes to show, in order
};

// The arguments without the program name. Switches start with "-" or "/" ("min", "new",
// "debug"; others are reported); a ".btw" file names its page (".html"), an ".html" or
// ".htm" file is the page itself, any other file is reported.
[[nodiscard]] StartupOptions ParseCommandLine(const std::vector<std::string>& arguments);

// The file named in a second instance's complete command line (program path included), in
// lower case, or nothing when it names none.
[[nodiscard]] std::optional<std::string> HandOverFileName(std::string_view commandLine);

}  // namespace brantlow
