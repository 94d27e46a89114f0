#pragma once
// One bookmark (TURLInfo) and the list that owns the bookmarks in insertion order
// (TURLInfoList). The data file stores the 15-byte State block verbatim, so its reserved
// bytes survive a load and a save unchanged.
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace brantlow {

// The bytes of a bookmark's State block.
using TURLState = std::array<std::uint8_t, 15>;

inline constexpr std::size_t kStateShown = 0;      // 1: passes the filter and has a row
inline constexpr std::size_t kStateDateAdded = 2;  // 8 bytes: little-endian double

// Days since 30 December 1899; the fraction is the local time of day.
using TDateTime = double;

class TURLInfo {
public:
    TURLInfo();  // Shown, DateAdded 0, reserved bytes 0

    std::string URL;
    std::string Description;
    TURLState State{};
    // The row that shows the entry, as the rows' owner identifies it; null while hidden.
    const void* ListItem = nullptr;

    [[nodiscard]] bool Shown() const { return State[kStateShown] != 0; }
    void SetShown(bool shown) { State[kStateShown] = shown ? 1 : 0; }
    [[nodiscard]] TDateTime DateAdded() const;
    void SetDateAdded(TDateTime date);
};

// A fresh State block: shown, added at `date`, reserved bytes 0.
[[nodiscard]] TURLState MakeState(TDateTime date);

class TURLInfoList {
public:
    [[nodiscard]] int Count() const { return static_cast<int>(items_.size()); }
    [[nodiscard]] TURLInfo* Items(int index) const { return items_[static_cast<std::size_t>(index)].get(); }
    int Add(std::unique_ptr<TURLInfo> entry);
    void Delete(int index);
    void Clear() { items_.clear(); }
    [[nodiscard]] int IndexOf(const TURLInfo* entry) const;
    // Exact, case-sensitive comparison of the whole URL; -1 when absent.
    [[nodiscard]] int IndexOfURL(std::string_view url) const;
    void Reserve(std::size_t count) { items_.reserve(count); }

private:
    std::vector<std::unique_ptr<TURLInfo>> items_;
};

// The built-in schemes; their order gives the image index of a row (1 to 10).
inline constexpr std::array<std::string_view, 10> kBuiltInSchemes = {
    "file://", "ftp://", "gopher://", "http://", "https://",
    "mailto:", "news:",  "nntp://",   "telnet://", "wais://"};

// 1 to 10 for a URL that starts with a built-in scheme (any letter case), 0 otherwise.
[[nodiscard]] int SchemeIndexOf(std::string_view url);

}  // namespace brantlow
