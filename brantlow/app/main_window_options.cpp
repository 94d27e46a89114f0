// TForm_Main: the Options command.
#include "brantlow/app/main_window.h"
#include "brantlow/app/options_dialog.h"
#include "brantlow/core/file_names.h"
#include "brantlow/core/text.h"
#include "brantlow/platform/default_browser.h"

namespace brantlow {

void TForm_Main::ShowOptions() {
    TBrantlowURLOptions& o = settings_.Options;
    EnableTrayCommands(false);
    DisarmedCapture disarmed(capture_);
    const bool oldURLFirst = o.URLFirst;
    const std::string oldFileName = o.URLFileName;

    SchemeWorkingCopy schemes(settings_.Schemes);
    TForm_Options dialog(settings_, schemes, messages_,
                         {DialogFont(), o.ShowHints, verdanaInstalled_, [] { return DefaultBrowser(); }});
    const bool accepted = dialog.ShowModal(handle()) == IDOK;
    const std::string newFileName = o.URLFileName;
    // File names differ only when they name different files.
    const bool fileChanged = accepted && !SameTextIgnoringCase(newFileName, oldFileName);
    if (accepted) {
        // The list is written again so that its page follows the new settings. A collection
        // that already exists under the new name is never overwritten with this one: the
        // pending save goes to the file this list came from, and the new one is opened below.
        if (fileChanged && files_.Exists(ChangeFileExt(FixPageExtension(newFileName), ".btw")))
            o.URLFileName = oldFileName;
        ApplySettings();
        settings_.Schemes = schemes.Items();
        manager_->SetSaved(false);
        if (o.AutoSave)
            (void)manager_->Save();
        else
            manager_->UpdateStatus();
    }
    o.SchemesCnt = static_cast<std::int32_t>(settings_.Schemes.size());
    EnableTrayCommands(true);

    bool switched = false;
    if (fileChanged) {
        if (manager_->QuerySave()) {
            o.URLFileName = FixPageExtension(newFileName);
            manager_->ClearFilter(false);
            list_.Clear();
            manager_->LoadDataFile();
            manager_->UpdateStatus();
            UpdateDescPanel();
            switched = true;
        } else {
            o.URLFileName = oldFileName;
        }
    }
    if (accepted && !switched && o.URLFirst != oldURLFirst) manager_->SwapColumns();
}

}  // namespace brantlow
