#include "install/framework/text_format.h"

#include <vector>

namespace install {

namespace {

std::string AsText(const FormatArg& arg) {
    if (const auto* text = std::get_if<std::string>(&arg)) return *text;
    return std::to_string(std::get<std::int64_t>(arg));
}

}  // namespace

std::string FormatText(const std::string& format, std::initializer_list<FormatArg> args) {
    const std::vector<FormatArg> values(args);
    std::size_t next = 0;
    std::string out;
    out.reserve(format.size() + 32);
    for (std::size_t i = 0; i < format.size(); ++i) {
        const char c = format[i];
        if (c != '%' || i + 1 == format.size()) {
            out += c;
            continue;
        }
        const char kind = format[i + 1];
        if (kind == '%') {
            out += '%';
            ++i;
        } else if ((kind == 's' || kind == 'd') && next < values.size()) {
            out += AsText(values[next++]);
            ++i;
        } else {
            out += c;
        }
    }
    return out;
}

}  // namespace install
