// TForm_Main: the Help menu's setup commands, "&Install" and "&Uninstall".
#include "brantlow/app/install_dialog.h"
#include "brantlow/app/main_window.h"
#include "brantlow/setup/windows_setup_system.h"

namespace brantlow {

void TForm_Main::ShowInstall() {
    EnableTrayCommands(false);
    WindowsSetupSystem system;
    TForm_Install dialog([&](const InstallChoices& choices) {
        return RunInstall(choices, options_.programPath, system, messages_);
    });
    (void)dialog.ShowModal(handle());
    EnableTrayCommands(true);
}

void TForm_Main::Uninstall() {
    WindowsSetupSystem system;
    const bool completed = RunUninstall(options_.programPath, system, messages_, [this] {
        // The keys just removed must not come back when the window closes.
        storeWindowState_ = false;
        recent_.Clear();
        recent_.SetCapacity(0);
        UpdateRecentFilesMenu();
    });
    // A declined uninstall leaves the program running.
    if (completed) ::PostMessageA(handle(), WM_CLOSE, 0, 0);
}

}  // namespace brantlow
