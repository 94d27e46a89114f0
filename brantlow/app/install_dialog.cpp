#include "brantlow/app/install_dialog.h"

#include "brantlow/app/install_dialog_ids.h"

namespace brantlow {

TForm_Install::TForm_Install(std::function<bool(const InstallChoices&)> install)
    : Dialog(IDD_INSTALL), install_(std::move(install)) {}

bool TForm_Install::OnInitDialog() {
    const InstallChoices initially;
    SetChecked(IDC_INSTALL_ASSOCIATE, initially.Associate);
    SetChecked(IDC_INSTALL_PROGRAMS, initially.Programs);
    SetChecked(IDC_INSTALL_STARTUP, initially.Startup);
    EnableItem(IDOK, CanInstall(initially));
    return true;
}

InstallChoices TForm_Install::Choices() const {
    return {IsChecked(IDC_INSTALL_ASSOCIATE), IsChecked(IDC_INSTALL_PROGRAMS), IsChecked(IDC_INSTALL_STARTUP)};
}

bool TForm_Install::OnCommand(int id, int code, HWND) {
    switch (id) {
        case IDC_INSTALL_ASSOCIATE:
        case IDC_INSTALL_PROGRAMS:
        case IDC_INSTALL_STARTUP:
            if (code == BN_CLICKED) EnableItem(IDOK, CanInstall(Choices()));
            return true;
        case IDOK:
            // Enter reaches here even while the button is disabled.
            if (CanInstall(Choices()) && install_(Choices())) End(IDOK);
            return true;
        default:
            return false;
    }
}

}  // namespace brantlow
