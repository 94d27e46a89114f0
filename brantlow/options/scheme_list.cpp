#include "brantlow/options/scheme_list.h"

#include <algorithm>

#include "brantlow/core/settings.h"
#include "brantlow/core/text.h"

namespace brantlow {

SchemeWorkingCopy::SchemeWorkingCopy(const std::vector<std::string>& schemes) {
    for (const std::string& scheme : schemes) (void)Add(scheme);
}

SchemeAddResult SchemeWorkingCopy::Add(std::string_view typed) {
    // Blanks around a scheme would not survive the configuration file, which trims values.
    const std::string scheme = LowerCase(Trim(typed));
    if (scheme.empty()) return SchemeAddResult::Empty;
    const auto at = std::lower_bound(items_.begin(), items_.end(), scheme);
    if (at != items_.end() && *at == scheme) return SchemeAddResult::AlreadyThere;
    if (items_.size() >= kMaxSchemes) return SchemeAddResult::Full;
    items_.insert(at, scheme);
    return SchemeAddResult::Added;
}

void SchemeWorkingCopy::Remove(const std::vector<std::string>& schemes) {
    for (const std::string& scheme : schemes) {
        const auto at = std::lower_bound(items_.begin(), items_.end(), scheme);
        if (at != items_.end() && *at == scheme) items_.erase(at);
    }
}

void SchemeWorkingCopy::Reset() {
    Settings defaults;
    DefaultSchemes(defaults);
    items_.clear();
    for (const std::string& scheme : defaults.Schemes) (void)Add(scheme);
}

int SchemeWorkingCopy::IndexOf(std::string_view scheme) const {
    const auto at = std::lower_bound(items_.begin(), items_.end(), scheme);
    if (at == items_.end() || *at != scheme) return -1;
    return static_cast<int>(at - items_.begin());
}

}  // namespace brantlow
