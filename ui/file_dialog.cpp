#include "ui/file_dialog.h"

#include <commdlg.h>

#include <algorithm>
#include <vector>

namespace ui {
namespace {

// Runs the open or save dialog over `answer`, which holds the proposed name on entry and the
// dialog's answer on return.
bool RunSystemDialog(HWND owner, const FileDialogOptions& options, std::vector<char>& answer, DWORD flags, bool save) {
    const std::string filter = DialogFilter(options.filter);
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
    dialog.lpstrDefExt = options.defaultExtension.empty() ? nullptr : options.defaultExtension.c_str();
    dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | options.flags | flags;
    return (save ? ::GetSaveFileNameA(&dialog) : ::GetOpenFileNameA(&dialog)) != FALSE;
}

std::optional<std::string> ShowFileDialog(HWND owner, const FileDialogOptions& options, bool save) {
    std::vector<char> name(32768, '\0');
    const DWORD flags = save ? OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST : OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST;
    if (!RunSystemDialog(owner, options, name, flags, save)) return {};
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

std::vector<std::string> ShowOpenFilesDialog(HWND owner, const FileDialogOptions& options) {
    // Room for a good many names; a choice that does not fit is refused by the dialog.
    std::vector<char> answer(65536, '\0');
    if (!RunSystemDialog(owner, options, answer,
                         OFN_ALLOWMULTISELECT | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST, false))
        return {};
    return SplitChosenFiles(std::string_view(answer.data(), answer.size()));
}

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

}  // namespace ui
