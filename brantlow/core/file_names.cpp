#include "brantlow/core/file_names.h"

#include "brantlow/core/text.h"

namespace brantlow {
namespace {

std::size_t NameStart(std::string_view name) {
    const std::size_t separator = name.find_last_of("\\/:");
    return separator == std::string_view::npos ? 0 : separator + 1;
}

std::size_t ExtensionStart(std::string_view name) {
    const std::size_t dot = name.rfind('.');
    return dot == std::string_view::npos || dot < NameStart(name) ? name.size() : dot;
}

// A leading double quote goes together with everything from the next double quote on.
std::string_view Unquote(std::string_view text) {
    if (!text.starts_with('"')) return text;
    text.remove_prefix(1);
    return text.substr(0, text.find('"'));
}

}  // namespace

std::string ExtractFilePath(std::string_view name) { return std::string(name.substr(0, NameStart(name))); }

std::string ExtractFileName(std::string_view name) { return std::string(name.substr(NameStart(name))); }

std::string ExtractFileExt(std::string_view name) { return std::string(name.substr(ExtensionStart(name))); }

std::string ChangeFileExt(std::string_view name, std::string_view extension) {
    return std::string(name.substr(0, ExtensionStart(name))) + std::string(extension);
}

std::string FixPageExtension(std::string_view name) {
    const std::string extension = ExtractFileExt(name);
    if (extension.empty()) return std::string(name) + ".html";
    if (extension == ".") return std::string(name) + "html";
    if (SameTextIgnoringCase(extension, ".btw")) return ChangeFileExt(name, ".html");
    return std::string(name);
}

std::string NormalizePath(std::string_view name, std::string_view programFolder) {
    std::string path = Trim(Unquote(name));
    if (path.find_first_of("\\/") == std::string::npos) path = std::string(programFolder) + path;
    return LowerCase(path);
}

std::string BrowserFromOpenCommand(std::string_view command) {
    std::string_view program = command;
    const std::size_t argument = program.find(" \"%1\"");
    if (argument != std::string_view::npos) program = program.substr(0, argument);
    return std::string(Unquote(program));
}

}  // namespace brantlow
