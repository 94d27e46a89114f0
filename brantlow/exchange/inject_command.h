#pragma once
// The inject command around its dialog: the checks of "&Inject URL", and what happens
// after OK (the options stored, the page rewritten, the bookmark removed when asked).
#include <string>

#include "brantlow/core/bookmark_manager.h"
#include "brantlow/exchange/inject.h"

namespace brantlow {

// The fields of the inject dialog when it closes with "&Inject URL".
struct InjectRequest {
    std::string URL;
    std::string File;
    std::string Title;
    bool BaseHREF = true;
    bool CleanBody = false;
    bool AsTitle = false;
    bool Backup = true;
};

enum class InjectField { None, URL, File };

// Normalises the file field (the dialog shows it so) and checks both fields; on a problem
// says so and returns the field to focus, and the dialog stays open.
[[nodiscard]] InjectField CheckInjectRequest(InjectRequest& request, const Settings& settings, FileSystem& files,
                                             common::MessageBoxHost& messages);

// After OK: stores the check boxes and the folder, injects, and removes the selected
// bookmarks when `removeAfterwards` is still set. Returns InjectURL's result.
bool RunInjectCommand(const InjectRequest& request, bool removeAfterwards, Settings& settings,
                      const InjectServices& services, BookmarkManager& manager);

}  // namespace brantlow
