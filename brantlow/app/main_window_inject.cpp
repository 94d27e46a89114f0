// TForm_Main: the inject command (URL "&Inject URL...", F4, toolbar "Inject URL").
#include "brantlow/app/inject_dialog.h"
#include "brantlow/app/main_window.h"

namespace brantlow {

void TForm_Main::InjectUrl() {
    bool removeAfterwards = false;
    EnableTrayCommands(false);
    const TInsertOptions& options = settings_.Inject;
    InjectRequest request;
    request.BaseHREF = options.BaseHREF;
    request.CleanBody = options.CleanBody;
    request.AsTitle = options.AsTitle;
    request.Backup = options.Backup;
    if (const std::vector<int> selected = list_.View().SelectedRows();
        manager_->URLList().Count() > 0 && !selected.empty()) {
        request.URL = list_.Entry(selected.front())->URL;
        removeAfterwards = options.RemoveURL;
    }
    bool accepted = false;
    {
        DisarmedCapture dialogOpen(capture_);
        TForm_InjectUrl dialog(request, removeAfterwards,
                               InjectDialogServices{settings_, files_, messages_,
                                                    [this] { return clipboard_.ReadText(); },
                                                    [this] { return AskBrowserForPage(); }},
                               DialogFont());
        accepted = dialog.ShowModal(handle()) == IDOK;
    }
    if (accepted) {
        (void)RunInjectCommand(request, removeAfterwards, settings_,
                               InjectServices{settings_, messages_, files_, clock_}, *manager_);
        UpdateDescPanel();
    }
    EnableTrayCommands(true);
}

}  // namespace brantlow
