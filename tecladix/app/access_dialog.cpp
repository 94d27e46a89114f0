#include "tecladix/app/access_dialog.h"

#include "tecladix/app/options_window.h"
#include "tecladix/app/resource.h"
#include "tecladix/core/sign_in.h"
#include "tecladix/core/texts.h"

namespace tecladix {

AccessDialog::AccessDialog(Tutor& tutor, AdminPasswordWindow& passwordWindow)
    : Dialog(IDD_ACCESS), tutor_(tutor), passwordWindow_(passwordWindow) {}

bool AccessDialog::OnInitDialog() {
    // Unreadable credentials are reported once; every attempt then fails on the password.
    if (!tutor_.Check(LoadLines(tutor_.data.Path(files::kAdministrator), credentials_))) credentials_.clear();
    return true;
}

void AccessDialog::SignIn() {
    const std::string name = ItemText(IDC_ADMIN_NAME);
    if (const auto problem = AdministratorSignInProblem(name, ItemText(IDC_ADMIN_PASSWORD), credentials_)) {
        tutor_.Say(*problem);
        return;
    }
    if (!tutor_.boxes.Confirm(texts::kRestrictedQuestion, texts::kRestrictedCaption)) return;
    OptionsWindow(tutor_, name, passwordWindow_).ShowModal(handle());
    End(IDOK);
}

bool AccessDialog::OnCommand(int id, int, HWND) {
    if (id != IDOK) return false;
    // Enter in the name moves on to the password; anywhere else it signs in.
    if (::GetFocus() == Item(IDC_ADMIN_NAME))
        ::SetFocus(Item(IDC_ADMIN_PASSWORD));
    else
        SignIn();
    return true;
}

}  // namespace tecladix
