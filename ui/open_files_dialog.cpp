#include "ui/open_files_dialog.h"

#include <commdlg.h>

namespace ui {

std::vector<std::string> SplitChosenFiles(std::string_view answer) {
    std::vector<std::string> parts;
    while (!answer.empty() && answer.front() != '\0') {
        const std::size_t end = answer.find('\0');
        parts.emplace_back(answer.substr(0, end));
        if (end == std::string_view::npos) break;
        answer.remove_prefix(end + 1);
    }
    if (parts.size() <= 1) return parts;
    std::string folder = parts.front();
    if (folder.back() != '\\') folder += '\\';
    std::vector<std::string> files;
    for (std::size_t i = 1; i < parts.size(); ++i) files.push_back(folder + parts[i]);
    return files;
}

std::vector<std::string> ShowOpenFilesDialog(HWND owner, const FileDialogOptions& options) {
    const std::string filter = DialogFilter(options.filter);
    // Room for a good many names; a choice that does not fit is refused by the dialog.
    std::vector<char> answer(65536, '\0');
    options.fileName.copy(answer.data(), std::min(options.fileName.size(), answer.size() - 2));

    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter.empty() ? nullptr : filter.c_str();
    dialog.nFilterIndex = static_cast<DWORD>(options.filterIndex);
    dialog.lpstrFile = answer.data();
    dialog.nMaxFile = static_cast<DWORD>(answer.size());
    dialog.lpstrInitialDir = options.initialFolder.empty() ? nullptr : options.initialFolder.c_str();
    dialog.lpstrTitle = options.title.empty() ? nullptr : options.title.c_str();
    dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_ALLOWMULTISELECT | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST |
                   options.flags;
    if (!::GetOpenFileNameA(&dialog)) return {};
    return SplitChosenFiles(std::string_view(answer.data(), answer.size()));
}

}  // namespace ui
