#pragma once
// The export dialog (TForm_Export): the format and its options over the rows of the list
// view. It stays open after an export until "&Close" or Esc.
#include <windows.h>

#include <string>
#include <vector>

#include "brantlow/app/dialog_hints.h"
#include "brantlow/core/file_system.h"
#include "brantlow/core/settings.h"
#include "brantlow/core/window_interfaces.h"
#include "brantlow/exchange/export.h"
#include "ui/dialog.h"
#include "ui/system_message_box.h"

namespace brantlow {

inline constexpr const char* kExportCaption = "Export bookmarks";

struct ExportDialogContext {
    const Settings& settings;
    FileSystem& files;
    const DateTimeFormatter& clock;
    std::vector<ExportRow> rows;  // the list view's rows in display order
    HFONT font = nullptr;         // Verdana or the main window's font; null keeps the template's
    bool showHints = true;
    std::string favoritesFolder;  // the folder box's first text
};

class TForm_Export final : public ui::Dialog {
public:
    explicit TForm_Export(ExportDialogContext context);

private:
    bool OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;

    [[nodiscard]] ExportFormat Format() const;
    void ApplyFormat();
    void UpdateExportButton();
    void RunExport();
    void FocusControl(ExportControl control);
    void BrowseFile();
    void BrowseFolder();
    void CreateHints();

    ui::SystemMessageBox messages_;
    ExportDialogContext c_;
    Exporter exporter_;
    DialogHints hints_;
};

}  // namespace brantlow
