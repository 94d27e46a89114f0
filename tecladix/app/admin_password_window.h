#pragma once
// The administrator password window: new administrator credentials for Senha.rew. One window serves
// the whole run, so its fields show what was typed the last time it was open.
#include <string>

#include "tecladix/app/tutor.h"
#include "ui/dialog.h"

namespace tecladix {

class AdminPasswordWindow final : public ui::Dialog {
public:
    explicit AdminPasswordWindow(Tutor& tutor);

private:
    bool OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

    void Change();

    Tutor& tutor_;
    std::string name_, password_;  // the fields' texts between two openings
};

}  // namespace tecladix
