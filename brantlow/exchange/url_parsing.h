#pragma once
// The pieces of a URL and of an HTML anchor, the resolution of a relative link against a
// page's base address, and the splitting of a delimited list. Import, export and the
// inject dialog share them.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace brantlow {

struct TURLRec {
    std::uint8_t SchemeIndex = 0;  // 0 to 10, as kBuiltInSchemes counts from 1
    std::string Scheme;            // the built-in scheme text, empty for index 0
    std::string Host;              // after the scheme, up to the first "/"
    std::string Path;              // the folder part from "/", no trailing "/"; "/" when there is none
    std::string FileName;          // after the last "/" of the path
    std::string Anchor;            // from the first "#", "#" included
    std::string Query;             // from the first "?", only when there is no "#"
    std::string SafeName;          // left empty by ParseURL; the inject dialog fills it
};

struct TAnchorRec {
    std::string Href;
    std::string Text;
};

[[nodiscard]] TURLRec ParseURL(std::string_view url);
// The first anchor whose href is in double quotes, and the text up to its "</a".
[[nodiscard]] TAnchorRec ParseAnchor(std::string_view html);
// A relative link of an ftp, http or https page made absolute; anything else unchanged.
[[nodiscard]] std::string ResolveURL(std::string_view base, std::string_view href);
// Items separated by `delimiter` and blanks; an item in double quotes may hold both, and a
// doubled quote inside it stands for one.
[[nodiscard]] std::vector<std::string> SplitList(std::string_view text, char delimiter);

}  // namespace brantlow
