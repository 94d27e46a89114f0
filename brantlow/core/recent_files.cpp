#include "brantlow/core/recent_files.h"

#include <algorithm>

#include "brantlow/core/text.h"

namespace brantlow {

void RecentFiles::SetCapacity(std::size_t capacity) {
    capacity_ = capacity;
    if (names_.size() > capacity_) names_.resize(capacity_);
}

void RecentFiles::AddToTop(const std::string& name) {
    if (capacity_ == 0 || name.empty()) return;
    std::erase_if(names_, [&](const std::string& known) { return SameTextIgnoringCase(known, name); });
    names_.insert(names_.begin(), name);
    if (names_.size() > capacity_) names_.resize(capacity_);
}

void RecentFiles::RemoveObsolete(const std::function<bool(const std::string&)>& exists) {
    std::erase_if(names_, [&](const std::string& name) { return !exists(name); });
}

void RecentFiles::SetNames(std::vector<std::string> names) {
    names_.clear();
    for (auto it = names.rbegin(); it != names.rend(); ++it) AddToTop(*it);
}

}  // namespace brantlow
