#pragma once
// The folder listings of the system, in the order in which it lists them.
#include "brantlow/browser/favorites.h"

namespace brantlow {

class SystemFolderLister final : public FolderLister {
public:
    bool FolderExists(const std::string& folder) override;
    std::vector<std::string> ShortcutFiles(const std::string& folder) override;
    std::vector<std::string> SubFolders(const std::string& folder) override;
};

}  // namespace brantlow
