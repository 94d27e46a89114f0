#pragma once
// File names of the bookmark manager. A folder ends at the last backslash or slash, so the
// same code serves Windows names and the names of the native test build.
#include <string>
#include <string_view>

namespace brantlow {

[[nodiscard]] std::string ExtractFilePath(std::string_view name);  // with its trailing separator
[[nodiscard]] std::string ExtractFileName(std::string_view name);
[[nodiscard]] std::string ExtractFileExt(std::string_view name);  // from the last ".", or empty
[[nodiscard]] std::string ChangeFileExt(std::string_view name, std::string_view extension);

// The page name of a collection: no extension gets ".html", a bare "." gets "html",
// ".btw" becomes ".html", any other extension stays.
[[nodiscard]] std::string FixPageExtension(std::string_view name);

// A name typed or stored by the user: a leading double quote and everything from the next
// double quote on go, blanks are trimmed, a bare name goes into the program's folder, and
// the result is lower-cased.
[[nodiscard]] std::string NormalizePath(std::string_view name, std::string_view programFolder);

// The program registered for ".html" files, from its "open" command line: the part from
// the first blank followed by "%1" in double quotes is cut, and a leading double quote goes
// together with everything from the next double quote on.
[[nodiscard]] std::string BrowserFromOpenCommand(std::string_view command);

}  // namespace brantlow
