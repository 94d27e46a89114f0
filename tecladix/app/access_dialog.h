#pragma once
// The access dialog of the advanced options: the administrator signs in with the two lines of
// Senha.rew and, after a last warning, reaches the options window.
#include "tecladix/app/admin_password_window.h"
#include "tecladix/app/tutor.h"
#include "ui/dialog.h"

namespace tecladix {

class AccessDialog final : public ui::Dialog {
public:
    AccessDialog(Tutor& tutor, AdminPasswordWindow& passwordWindow);

private:
    bool OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;

    void SignIn();

    Tutor& tutor_;
    AdminPasswordWindow& passwordWindow_;
    Lines credentials_;  // Senha.rew as read when the dialog opened
};

}  // namespace tecladix
