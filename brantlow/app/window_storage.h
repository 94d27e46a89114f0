#pragma once
// Window state kept in the current user's registry: window positions and stored properties
// under "Software\Quillmoor\BrantlowURL\FormPos" (one sub-key per section such as
// "PosFormMain"), the list view's columns in its sub-key "ListView", and the recent-files
// list under "Software\Quillmoor\BrantlowURL\MRU Items".
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace brantlow {

inline constexpr const char* kProgramKey = "Software\\Quillmoor\\BrantlowURL";

struct ColumnLayout {
    std::vector<int> widths;
    std::vector<int> order;
};

class WindowStorage {
public:
    explicit WindowStorage(std::string programKey = kProgramKey) : programKey_(std::move(programKey)) {}

    // The main window: its normal-state rectangle, whether it was maximised, and stored
    // properties such as "Panel_Desc.Height".
    void SaveWindowPlacement(HWND window, const std::string& section) const;
    [[nodiscard]] bool RestoreWindowPlacement(HWND window, const std::string& section) const;
    void SaveProperty(const std::string& section, const std::string& name, int value) const;
    [[nodiscard]] std::optional<int> ReadProperty(const std::string& section, const std::string& name) const;

    // A dialog keeps only its position.
    void SaveDialogPosition(HWND dialog, const std::string& section) const;
    void RestoreDialogPosition(HWND dialog, const std::string& section) const;

    void SaveColumns(const ColumnLayout& layout) const;
    [[nodiscard]] std::optional<ColumnLayout> ReadColumns() const;

    void SaveRecentFiles(const std::vector<std::string>& names) const;
    [[nodiscard]] std::vector<std::string> ReadRecentFiles() const;

    // Stop storing the window and the columns (after an uninstall).
    void SetEnabled(bool enabled) { enabled_ = enabled; }

private:
    [[nodiscard]] std::string FormPosKey(const std::string& section) const;

    std::string programKey_;
    bool enabled_ = true;
};

}  // namespace brantlow
