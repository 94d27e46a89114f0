#include "ui/file_dialog.h"

#include <commdlg.h>

#include <vector>

namespace ui {
namespace {

std::optional<std::string> ShowFileDialog(HWND owner, const FileDialogOptions& options, bool save) {
    const std::string filter = DialogFilter(options.filter);
    std::vector<char> name(32768, '\0');
    options.fileName.copy(name.data(), std::min(options.fileName.size(), name.size() - 1));

    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter.empty() ? nullptr : filter.c_str();
    dialog.nFilterIndex = static_cast<DWORD>(options.filterIndex);
    dialog.lpstrFile = name.data();
    dialog.nMaxFile = static_cast<DWORD>(name.size());
    dialog.lpstrInitialDir = options.initialFolder.empty() ? nullptr : options.initialFolder.c_str();
    dialog.lpstrTitle = options.title.empty() ? nullptr : options.title.c_str();
    dialog.lpstrDefExt = options.defaultExtension.empty() ? nullptr : options.defaultExtension.c_str();
    dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | options.flags |
                   (save ? OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST : OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST);
    const BOOL chosen = save ? ::GetSaveFileNameA(&dialog) : ::GetOpenFileNameA(&dialog);
    if (!chosen) return {};
    return std::string(name.data());
}

}  // namespace

std::string DialogFilter(const std::string& filter) {
    if (filter.empty()) return {};
    std::string result = filter;
    for (char& c : result)
        if (c == '|') c = '\0';
    result.push_back('\0');
    result.push_back('\0');
    return result;
}

std::optional<std::string> ShowOpenDialog(HWND owner, const FileDialogOptions& options) {
    return ShowFileDialog(owner, options, false);
}

std::optional<std::string> ShowSaveDialog(HWND owner, const FileDialogOptions& options) {
    return ShowFileDialog(owner, options, true);
}

}  // namespace ui
