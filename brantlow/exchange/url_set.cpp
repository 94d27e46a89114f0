#include "brantlow/exchange/url_set.h"

#include <bit>
#include <functional>

namespace brantlow {

std::uint64_t URLSet::HashOf(std::string_view url) {
    return static_cast<std::uint64_t>(std::hash<std::string_view>{}(url)) | 1;  // never 0
}

void URLSet::Reserve(std::size_t count) {
    const std::size_t wanted = std::bit_ceil(count * 2 + 16);
    if (wanted <= slots_.size()) return;
    std::vector<Slot> old = std::move(slots_);
    slots_.assign(wanted, Slot{});
    count_ = 0;
    for (const Slot& slot : old)
        if (slot.hash != 0) Insert(*slot.url);
}

void URLSet::Grow() { Reserve(slots_.size()); }

void URLSet::Insert(const std::string& url) {
    if ((count_ + 1) * 2 > slots_.size()) Grow();
    const std::uint64_t hash = HashOf(url);
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t at = static_cast<std::size_t>(hash) & mask;; at = (at + 1) & mask) {
        Slot& slot = slots_[at];
        if (slot.hash == 0) {
            slot = {hash, &url};
            ++count_;
            return;
        }
        if (slot.hash == hash && *slot.url == url) return;
    }
}

bool URLSet::Contains(std::string_view url) const {
    if (slots_.empty()) return false;
    const std::uint64_t hash = HashOf(url);
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t at = static_cast<std::size_t>(hash) & mask;; at = (at + 1) & mask) {
        const Slot& slot = slots_[at];
        if (slot.hash == 0) return false;
        if (slot.hash == hash && *slot.url == url) return true;
    }
}

}  // namespace brantlow
