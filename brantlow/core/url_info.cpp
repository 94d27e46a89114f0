#include "brantlow/core/url_info.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include "brantlow/core/text.h"

namespace brantlow {

TURLInfo::TURLInfo() { State[kStateShown] = 1; }

TDateTime TURLInfo::DateAdded() const {
    std::uint64_t bits = 0;
    for (int i = 7; i >= 0; --i) bits = (bits << 8) | State[kStateDateAdded + static_cast<std::size_t>(i)];
    return std::bit_cast<double>(bits);
}

void TURLInfo::SetDateAdded(TDateTime date) {
    auto bits = std::bit_cast<std::uint64_t>(date);
    for (std::size_t i = 0; i < 8; ++i, bits >>= 8) State[kStateDateAdded + i] = static_cast<std::uint8_t>(bits);
}

TURLState MakeState(TDateTime date) {
    TURLInfo info;
    info.SetDateAdded(date);
    return info.State;
}

int TURLInfoList::Add(std::unique_ptr<TURLInfo> entry) {
    items_.push_back(std::move(entry));
    return Count() - 1;
}

void TURLInfoList::Delete(int index) { items_.erase(items_.begin() + index); }

int TURLInfoList::IndexOf(const TURLInfo* entry) const {
    for (std::size_t i = 0; i < items_.size(); ++i)
        if (items_[i].get() == entry) return static_cast<int>(i);
    return -1;
}

int TURLInfoList::IndexOfURL(std::string_view url) const {
    for (std::size_t i = 0; i < items_.size(); ++i)
        if (items_[i]->URL == url) return static_cast<int>(i);
    return -1;
}

int SchemeIndexOf(std::string_view url) {
    const std::string head = LowerCase(url.substr(0, 16));
    for (std::size_t i = 0; i < kBuiltInSchemes.size(); ++i)
        if (std::string_view(head).starts_with(kBuiltInSchemes[i])) return static_cast<int>(i) + 1;
    return 0;
}

}  // namespace brantlow
