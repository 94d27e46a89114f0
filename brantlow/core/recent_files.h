#pragma once
// The recent-files list of the File menu: most recent first, no name twice (names compare
// without regard to letter case), at most Capacity names. Its storage in the registry
// belongs to the window.
#include <functional>
#include <string>
#include <vector>

namespace brantlow {

class RecentFiles {
public:
    // 0 empties the list; MRUUse off means a capacity of 0.
    void SetCapacity(std::size_t capacity);
    [[nodiscard]] std::size_t Capacity() const { return capacity_; }
    void AddToTop(const std::string& name);
    void Clear() { names_.clear(); }
    // "&Remove obsolete": drops the names for which `exists` is false.
    void RemoveObsolete(const std::function<bool(const std::string&)>& exists);
    [[nodiscard]] const std::vector<std::string>& Names() const { return names_; }
    void SetNames(std::vector<std::string> names);

private:
    std::size_t capacity_ = 3;
    std::vector<std::string> names_;
};

}  // namespace brantlow
