#pragma once
// The URLs already in a list, for the duplicate rule of a large import: an open-addressing
// table of hashes and pointers to the list's own texts, so that looking a URL up costs one
// probe of a compact table however long the list is.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace brantlow {

class URLSet {
public:
    // `url` must outlive the set (the list's entries do).
    void Insert(const std::string& url);
    [[nodiscard]] bool Contains(std::string_view url) const;
    void Reserve(std::size_t count);

private:
    struct Slot {
        std::uint64_t hash = 0;  // 0: empty
        const std::string* url = nullptr;
    };
    [[nodiscard]] static std::uint64_t HashOf(std::string_view url);
    void Grow();

    std::vector<Slot> slots_;
    std::size_t count_ = 0;
};

}  // namespace brantlow
