#pragma once
// The new-student window: a student signs up with a name and a password.
#include "tecladix/app/tutor.h"
#include "ui/dialog.h"

namespace tecladix {

class NewStudentDialog final : public ui::Dialog {
public:
    explicit NewStudentDialog(Tutor& tutor);

private:
    bool OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

    void WarnAboutKnownName();
    void Save(bool quiet);
    void FocusItem(int id) const;

    Tutor& tutor_;
};

}  // namespace tecladix
