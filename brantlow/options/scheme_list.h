#pragma once
// The options dialog's working copy of the accepted URL schemes: sorted, without
// duplicates, lower-case, and never longer than the configuration can count in one byte.
#include <string>
#include <string_view>
#include <vector>

namespace brantlow {

enum class SchemeAddResult { Added, AlreadyThere, Empty, Full };

class SchemeWorkingCopy {
public:
    explicit SchemeWorkingCopy(const std::vector<std::string>& schemes);

    // Lower-cases the typed text (without its surrounding blanks) and adds it in order.
    SchemeAddResult Add(std::string_view typed);
    void Remove(const std::vector<std::string>& schemes);
    // The ten built-in schemes.
    void Reset();

    [[nodiscard]] const std::vector<std::string>& Items() const { return items_; }
    // Where the scheme stands in the sorted list, or -1.
    [[nodiscard]] int IndexOf(std::string_view scheme) const;

private:
    std::vector<std::string> items_;
};

}  // namespace brantlow
