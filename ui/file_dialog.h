#pragma once
// The system's open and save dialogs.
#include <windows.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ui {

struct FileDialogOptions {
    std::string title;
    // Pairs of description and pattern separated by "|":
    // "Text files (*.txt)|*.txt|All Files (*.*)|*.*".
    std::string filter;
    int filterIndex = 1;
    std::string fileName;  // the name proposed
    std::string initialFolder;
    std::string defaultExtension;  // without the dot
    DWORD flags = 0;               // OFN_ flags added to the dialog's own
};

// The chosen file's full path, or nothing when the user cancelled.
[[nodiscard]] std::optional<std::string> ShowOpenDialog(HWND owner, const FileDialogOptions& options);
[[nodiscard]] std::optional<std::string> ShowSaveDialog(HWND owner, const FileDialogOptions& options);

// The open dialog with several files chosen at once: their full paths in the dialog's order,
// empty when the user cancelled.
[[nodiscard]] std::vector<std::string> ShowOpenFilesDialog(HWND owner, const FileDialogOptions& options);

// The dialog's answer: one full path, or a folder followed by the names chosen in it,
// each ended by a zero and the whole by a second zero.
[[nodiscard]] std::vector<std::string> SplitChosenFiles(std::string_view answer);

// "a|b|c|d" as the dialog wants it: "a\0b\0c\0d\0\0".
[[nodiscard]] std::string DialogFilter(const std::string& filter);

}  // namespace ui
