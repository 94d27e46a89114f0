// The HTML import loop, the anchor parser, link resolution and the inject command's line
// processing on any input: no crash, no hang, and every found link comes from the input.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "brantlow/exchange/page_stamper.h"
#include "brantlow/exchange/import.h"
#include "brantlow/exchange/url_parsing.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const bool resolve = size > 0 && (data[0] & 1) != 0;

    std::size_t foundBytes = 0;
    brantlow::HTMLAnchorReader reader(resolve, [&](const std::string& url, const std::string& text) {
        foundBytes += url.size() + text.size();
        (void)brantlow::ParseURL(url);
    });
    brantlow::StampOptions stamp;
    stamp.URL = "http://h.com/p.html";
    stamp.BaseHREF = resolve;
    stamp.CleanBody = size > 1 && (data[1] & 1) != 0;
    stamp.FindTitle = true;
    brantlow::PageStamper stamper(stamp);
    std::string stamped;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= size; ++i) {
        if (i < size && data[i] != '\n') continue;
        const std::string_view line = input.substr(start, i - start);
        reader.Line(line);
        stamper.Line(line, stamped);
        start = i + 1;
    }
    stamper.Finish(stamped);
    // Every input byte comes out (a clean body tag drops its attributes), plus a bounded
    // amount of inserted text.
    if ((!stamp.CleanBody && stamped.size() < size) || stamped.size() > 3 * size + 200) __builtin_trap();
    if (stamper.Title().size() > size) __builtin_trap();

    const brantlow::TAnchorRec anchor = brantlow::ParseAnchor(input);
    if (anchor.Href.size() + anchor.Text.size() > size) __builtin_trap();
    const std::size_t half = size / 2;
    const std::string resolved = brantlow::ResolveURL(input.substr(0, half), input.substr(half));
    if (resolved.size() > size + 16) __builtin_trap();
    (void)brantlow::SplitList(input, ';');
    (void)foundBytes;
    return 0;
}
