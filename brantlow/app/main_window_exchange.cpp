// TForm_Main: "Import from F&iles..." and "&Export...".
#include <windows.h>

#include "brantlow/app/export_dialog.h"
#include "brantlow/app/import_dialog.h"
#include "brantlow/app/main_window.h"
#include "brantlow/core/file_names.h"
#include "brantlow/exchange/export_command.h"
#include "platform/shell_folder.h"
#include "ui/window.h"

namespace brantlow {
namespace {

// The description panel, which names each file as the import reads it.
class DescriptionLabel final : public DescriptionPanel {
public:
    explicit DescriptionLabel(HWND label) : label_(label) {}
    [[nodiscard]] std::string Text() const override { return ui::WindowText(label_); }
    void Show(const std::string& text) override {
        ::SetWindowTextA(label_, text.c_str());
        ::UpdateWindow(label_);  // the import keeps the message loop waiting
    }

private:
    HWND label_;
};

}  // namespace

void TForm_Main::ImportFromFiles() {
    DisarmedCapture disarmed(capture_);
    EnableTrayCommands(false);
    std::optional<ImportChoices> choices;
    {
        TForm_Import dialog({settings_, importSets_, DialogFont(), settings_.Options.ShowHints,
                             ExtractFilePath(settings_.Options.URLFileName)});
        (void)dialog.ShowModal(handle());
        choices = dialog.Choices();
    }
    EnableTrayCommands(true);
    if (!choices) return;
    DescriptionLabel panel(desc_);
    (void)brantlow::ImportFromFiles(*choices,
                                    {settings_, *manager_, list_, *this, panel, messages_, files_, clock_});
    UpdateDescPanel();
}

void TForm_Main::ExportDialog() {
    if (!ConfirmExportFilter(*manager_, list_, messages_)) return;
    UpdateDescPanel();
    DisarmedCapture disarmed(capture_);
    EnableTrayCommands(false);
    {
        TForm_Export dialog({settings_, files_, clock_, RowsToExport(list_), DialogFont(), settings_.Options.ShowHints,
                             platform::ShellFolder("FAVORITES")});
        (void)dialog.ShowModal(handle());
    }
    EnableTrayCommands(true);
}

}  // namespace brantlow
