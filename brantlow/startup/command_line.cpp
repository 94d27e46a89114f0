#include "brantlow/startup/command_line.h"

#include <algorithm>
#include <cctype>

namespace brantlow {
namespace {

std::string Lower(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

// The extension with its dot, of the last path component only.
std::string_view Extension(std::string_view path) {
    const std::size_t name = path.find_last_of("\\/:");
    const std::size_t dot = path.find_last_of('.');
    if (dot == std::string_view::npos || (name != std::string_view::npos && dot < name)) return {};
    return path.substr(dot);
}

}  // namespace

StartupOptions ParseCommandLine(const std::vector<std::string>& arguments) {
    StartupOptions options;
    std::string unsupported;
    for (const std::string& argument : arguments) {
        const std::string lower = Lower(argument);
        if (lower.empty()) continue;
        if (lower[0] == '-' || lower[0] == '/') {
            const std::string_view name = std::string_view(lower).substr(1);
            if (name == "min")
                options.startMinimized = true;
            else if (name == "new")
                options.firstRun = true;
            else if (name != "debug")
                unsupported += argument + "\r";
            continue;
        }
        const std::string extension(Extension(lower));
        if (extension == ".btw")
            options.urlFileName = argument.substr(0, argument.size() - extension.size()) + ".html";
        else if (extension == ".html" || extension == ".htm")
            options.urlFileName = argument;
        else
            options.messages.push_back("Unsupported file type:\r" + argument);
    }
    if (!unsupported.empty()) options.messages.push_back("Unsupported command-line parameters: \r" + unsupported);
    return options;
}

std::optional<std::string> HandOverFileName(std::string_view commandLine) {
    const std::string lower = Lower(commandLine);
    const std::size_t exe = lower.find(".exe");
    if (exe == std::string::npos) return {};
    std::string_view rest = std::string_view(lower).substr(exe + 4);
    rest.remove_prefix(std::min(rest.find_first_not_of('"'), rest.size()));
    rest.remove_prefix(std::min(rest.find_first_not_of(' '), rest.size()));

    while (!rest.empty()) {
        const bool quoted = rest.front() == '"';
        if (quoted) rest.remove_prefix(1);
        const std::size_t end = rest.find(quoted ? '"' : ' ');
        const std::string_view token = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
        if (!token.empty() && token.front() != '-' && token.front() != '/') return std::string(token);
    }
    return {};
}

}  // namespace brantlow
