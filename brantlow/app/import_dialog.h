#pragma once
// The import dialog (TForm_Import): the files to read and the rules of the import. It
// stores its choices into ImportOptions and the extension sets when it closes with
// "&Import now"; the import run itself belongs to the main window.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "brantlow/app/dialog_hints.h"
#include "brantlow/app/dialog_layout.h"
#include "brantlow/core/settings.h"
#include "brantlow/exchange/import.h"
#include "brantlow/exchange/import_options.h"
#include "ui/dialog.h"
#include "ui/menu.h"
#include "ui/status_bar.h"
#include "ui/system_message_box.h"

namespace brantlow {

inline constexpr const char* kImportCaption = "Import URLs from file";
inline constexpr const char* kImportFileTitle = "Select file(s) to import URLs from";
inline constexpr const char* kImportFileFilter =
    "HTML files|*.htm*|Text files|*.txt|Internet shortcuts|*.url|All files|*.*";

struct ImportDialogContext {
    Settings& settings;
    ExtensionSets& sets;    // live as long as the program
    HFONT font = nullptr;   // Verdana or the main window's font; null keeps the template's
    bool showHints = true;
    std::string initialFolder;  // of the file dialog
};

class TForm_Import final : public ui::Dialog {
public:
    explicit TForm_Import(ImportDialogContext context);

    // Set when the dialog closed through "&Import now".
    [[nodiscard]] const std::optional<ImportChoices>& Choices() const { return choices_; }

private:
    bool OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

    void CreateHints();
    void LoadOptions();
    void FillSchemes();
    void ChooseSchemeList(bool all);
    void ShowSchemesMenu(LPARAM at);
    void UpdateLinksTo();
    void ShowFileCount();
    void AddFiles();
    void ClearFiles();
    void ImportNow();
    [[nodiscard]] std::vector<std::string> FileNames() const;
    [[nodiscard]] std::vector<std::string> CheckedSchemes() const;

    ImportDialogContext c_;
    ui::SystemMessageBox messages_;
    ui::StatusBar sbar_;
    ui::ResourceMenu schemesMenu_;
    DialogLayout layout_;
    DialogHints hints_;
    bool allSchemes_ = false;
    std::optional<ImportChoices> choices_;
};

}  // namespace brantlow
