#pragma once
// The system's open and save dialogs.
#include <windows.h>

#include <optional>
#include <string>

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

// "a|b|c|d" as the dialog wants it: "a\0b\0c\0d\0\0".
[[nodiscard]] std::string DialogFilter(const std::string& filter);

}  // namespace ui
