#include "brantlow/exchange/inject_command.h"

#include "brantlow/core/file_names.h"
#include "brantlow/core/messages.h"

namespace brantlow {

InjectField CheckInjectRequest(InjectRequest& request, const Settings& settings, FileSystem& files,
                               common::MessageBoxHost& messages) {
    request.File = NormalizePath(request.File, settings.ProgramFolder);
    if (request.URL.empty()) {
        messages.Inform("The URL field is blank. Please enter an URL, or click Close to dismiss this dialog box.",
                        std::string(kAppTitle), common::MessageIcon::Error);
        return InjectField::URL;
    }
    if (ExtractFileName(request.File).empty() || !files.Exists(request.File)) {
        messages.Inform("The specified file does not exist, or the file name field is blank. Please enter correct "
                        "file name, or click Close to dismiss this dialog box.",
                        std::string(kAppTitle), common::MessageIcon::Error);
        return InjectField::File;
    }
    return InjectField::None;
}

bool RunInjectCommand(const InjectRequest& request, bool removeAfterwards, Settings& settings,
                      const InjectServices& services, BookmarkManager& manager) {
    settings.Inject.BaseHREF = request.BaseHREF;
    settings.Inject.CleanBody = request.CleanBody;
    settings.Inject.AsTitle = request.AsTitle;
    settings.Inject.Backup = request.Backup;
    settings.Inject.Path = ExtractFilePath(request.File);
    const bool done = InjectURL(request.File, request.URL, request.Title, services);
    // A bookmark whose page could not be stamped stays in the list.
    if (done && removeAfterwards) manager.RemoveSelected(false);
    return done;
}

}  // namespace brantlow
