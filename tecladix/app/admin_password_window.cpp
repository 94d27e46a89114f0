#include "tecladix/app/admin_password_window.h"

#include "tecladix/app/resource.h"
#include "tecladix/core/administration.h"

namespace tecladix {

AdminPasswordWindow::AdminPasswordWindow(Tutor& tutor) : Dialog(IDD_ADMIN_PASSWORD), tutor_(tutor) {}

bool AdminPasswordWindow::OnInitDialog() {
    SetItemText(IDC_ADMIN_NAME, name_);
    SetItemText(IDC_ADMIN_PASSWORD, password_);
    return true;
}

void AdminPasswordWindow::Change() {
    const std::string name = ItemText(IDC_ADMIN_NAME);
    const std::string password = ItemText(IDC_ADMIN_PASSWORD);
    if (const auto problem = NewCredentialsProblem(name, password)) {
        tutor_.Say(problem->message);
        ::SetFocus(Item(problem->inName ? IDC_ADMIN_NAME : IDC_ADMIN_PASSWORD));
        return;
    }
    (void)tutor_.Check(SaveCredentials(tutor_.data, name, password));
}

bool AdminPasswordWindow::OnCommand(int id, int code, HWND) {
    switch (id) {
    case IDOK:  // Enter: from the name to the password, on the button it changes
        if (::GetFocus() == Item(IDC_ADMIN_NAME))
            ::SetFocus(Item(IDC_ADMIN_PASSWORD));
        else if (::GetFocus() == Item(IDC_CHANGE))
            Change();
        return true;
    case IDC_CHANGE:
        if (code == BN_CLICKED) Change();
        return true;
    default:
        return false;
    }
}

bool AdminPasswordWindow::OnMessage(UINT message, WPARAM, LPARAM, INT_PTR&) {
    if (message == WM_DESTROY) {
        name_ = ItemText(IDC_ADMIN_NAME);
        password_ = ItemText(IDC_ADMIN_PASSWORD);
    }
    return false;
}

}  // namespace tecladix
