#pragma once
// The system's open dialog with several files chosen at once.
#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "ui/file_dialog.h"

namespace ui {

// The chosen files' full paths in the dialog's order; empty when the user cancelled.
[[nodiscard]] std::vector<std::string> ShowOpenFilesDialog(HWND owner, const FileDialogOptions& options);

// The dialog's answer: one full path, or a folder followed by the names chosen in it,
// each ended by a zero and the whole by a second zero.
[[nodiscard]] std::vector<std::string> SplitChosenFiles(std::string_view answer);

}  // namespace ui
