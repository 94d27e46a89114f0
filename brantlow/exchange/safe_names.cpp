#include "brantlow/exchange/safe_names.h"

#include <array>

namespace brantlow {

std::string FileNameFromText(std::string_view text, std::size_t limit, std::string_view allowed) {
    std::array<bool, 256> keep{};
    for (char c : allowed) keep[static_cast<unsigned char>(c)] = true;
    std::string name;
    for (char c : text) {
        const char mapped = keep[static_cast<unsigned char>(c)] ? c : '_';
        if (mapped == '_' && (name.empty() || name.back() == '_')) continue;  // no leading "_", no runs
        name += mapped;
        if (name.size() > limit && name.back() != '_') break;
    }
    while (!name.empty() && name.back() == '_') name.pop_back();
    if (name.size() > limit) name.resize(limit);
    return name;
}

}  // namespace brantlow
