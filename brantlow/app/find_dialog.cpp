#include "brantlow/app/find_dialog.h"

#include "brantlow/app/dialog_fonts.h"
#include "brantlow/app/find_dialog_ids.h"
#include "brantlow/app/window_storage.h"

namespace brantlow {

TForm_Find::TForm_Find(std::string& text, TFindOptions& options, HFONT font, WindowStorage* storage)
    : Dialog(IDD_FIND), text_(text), options_(options), font_(font), storage_(storage) {}

bool TForm_Find::OnInitDialog() {
    ApplyDialogFont(handle(), font_);
    if (storage_) storage_->RestoreDialogPosition(handle(), "PosFormFind");
    ::SendMessageA(Item(IDC_EDIT_FIND), EM_LIMITTEXT, kMaxFindText, 0);
    SetItemText(IDC_EDIT_FIND, text_);
    const int lookIn = options_.LookIn <= 2 ? options_.LookIn : 2;
    ::CheckRadioButton(handle(), IDC_LOOK_URLS, IDC_LOOK_BOTH, IDC_LOOK_URLS + lookIn);
    ::CheckRadioButton(handle(), IDC_DIRECTION_UP, IDC_DIRECTION_DOWN,
                       options_.Direction == 0 ? IDC_DIRECTION_UP : IDC_DIRECTION_DOWN);
    SetChecked(IDC_MATCH_CASE, options_.MatchCase);
    SetChecked(IDC_WRAP, options_.Wrap);
    SetChecked(IDC_ENTIRE_SCOPE, options_.EntireScope);
    SetChecked(IDC_REGEXP, options_.RegularExpr);
    EnableButtons();
    ::SetFocus(Item(IDC_EDIT_FIND));
    ::SendMessageA(Item(IDC_EDIT_FIND), EM_SETSEL, 0, -1);
    return false;
}

void TForm_Find::EnableButtons() {
    const bool hasText = ::GetWindowTextLengthA(Item(IDC_EDIT_FIND)) > 0;
    EnableItem(IDOK, hasText);
    EnableItem(IDC_FIND_ALL, hasText);
}

void TForm_Find::Store() {
    options_.LookIn = IsChecked(IDC_LOOK_URLS) ? 0 : IsChecked(IDC_LOOK_DESCRIPTIONS) ? 1 : 2;
    options_.Direction = IsChecked(IDC_DIRECTION_UP) ? 0 : 1;
    options_.Wrap = IsChecked(IDC_WRAP);
    options_.MatchCase = IsChecked(IDC_MATCH_CASE);
    options_.EntireScope = IsChecked(IDC_ENTIRE_SCOPE);
    options_.RegularExpr = IsChecked(IDC_REGEXP);
    text_ = ItemText(IDC_EDIT_FIND);
}

bool TForm_Find::OnCommand(int id, int code, HWND) {
    if (id == IDC_EDIT_FIND && code == EN_CHANGE) {
        EnableButtons();
        return true;
    }
    if ((id == IDOK || id == IDC_FIND_ALL) && code == BN_CLICKED) {
        if (::GetWindowTextLengthA(Item(IDC_EDIT_FIND)) == 0) return true;
        Store();
        if (storage_) storage_->SaveDialogPosition(handle(), "PosFormFind");
        End(id == IDOK ? IDOK : kFindAll);
        return true;
    }
    if (id == IDCANCEL) {
        if (storage_) storage_->SaveDialogPosition(handle(), "PosFormFind");
        End(IDCANCEL);
        return true;
    }
    return false;
}

FindDialogResult TForm_Find::Result(INT_PTR code) const {
    if (code == IDOK) return FindDialogResult::FindNext;
    if (code == kFindAll) return FindDialogResult::FindAll;
    return FindDialogResult::Close;
}

FindDialogResult FindDialog::Run(std::string& text, TFindOptions& options) {
    enableTray_(false);
    TForm_Find dialog(text, options, font_(), storage_);
    const FindDialogResult result = dialog.Result(dialog.ShowModal(owner_()));
    enableTray_(true);
    return result;
}

}  // namespace brantlow
