#include "tecladix/app/new_student_dialog.h"

#include "tecladix/app/resource.h"
#include "tecladix/core/texts.h"

namespace tecladix {
namespace {
// Focus changes asked for while another control is losing the focus arrive afterwards.
constexpr UINT kFocusLater = WM_APP + 1;
}

NewStudentDialog::NewStudentDialog(Tutor& tutor) : Dialog(IDD_NEW_STUDENT), tutor_(tutor) {}

bool NewStudentDialog::OnInitDialog() {
    ::SendMessageA(Item(IDC_NEW_PASSWORD), EM_LIMITTEXT, 10, 0);
    SetItemText(IDC_NEW_NAME, "");
    SetItemText(IDC_NEW_PASSWORD, "");
    ::SetFocus(Item(IDC_NEW_NAME));
    return false;
}

void NewStudentDialog::FocusItem(int id) const { ::PostMessageA(handle(), kFocusLater, static_cast<WPARAM>(id), 0); }

bool NewStudentDialog::OnMessage(UINT message, WPARAM wParam, LPARAM, INT_PTR&) {
    if (message != kFocusLater) return false;
    ::SetFocus(Item(static_cast<int>(wParam)));
    return true;
}

void NewStudentDialog::WarnAboutKnownName() {
    const std::string name = ItemText(IDC_NEW_NAME);
    Lines names;
    if (name.empty() || !LoadLines(tutor_.data.Path(files::kStudents), names).ok()) return;
    if (!FindStudent(names, name)) return;
    tutor_.Say(texts::kStudentExists);
    FocusItem(IDC_NEW_NAME);
}

void NewStudentDialog::Save(bool quiet) {
    if (ItemText(IDC_NEW_PASSWORD).empty()) {
        tutor_.Say(texts::kStudentNeedsPassword);
        FocusItem(IDC_NEW_PASSWORD);
        return;
    }
    if (ItemText(IDC_NEW_NAME).empty()) {
        tutor_.Say(texts::kStudentNeedsName);
        FocusItem(IDC_NEW_NAME);
        return;
    }
    const auto result = AddStudent(tutor_.data, ItemText(IDC_NEW_NAME), ItemText(IDC_NEW_PASSWORD));
    if (!result.ok()) {
        if (!quiet) (void)tutor_.Check(result);
        return;
    }
    EnableItem(IDC_SAVE_STUDENT, false);
    SetItemText(IDC_NEW_NAME, "");
    SetItemText(IDC_NEW_PASSWORD, "");
    FocusItem(IDC_NEW_NAME);
}

bool NewStudentDialog::OnCommand(int id, int code, HWND) {
    switch (id) {
    case IDOK: {  // Enter: name to password, password saves
        const HWND focus = ::GetFocus();
        if (focus == Item(IDC_NEW_NAME))
            ::SetFocus(Item(IDC_NEW_PASSWORD));
        else if (focus == Item(IDC_NEW_PASSWORD))
            Save(true);
        return true;
    }
    case IDC_NEW_NAME:
        if (code == EN_KILLFOCUS) WarnAboutKnownName();
        return code == EN_KILLFOCUS;
    case IDC_NEW_PASSWORD:
        if (code == EN_CHANGE && !ItemText(IDC_NEW_PASSWORD).empty()) EnableItem(IDC_SAVE_STUDENT, true);
        return code == EN_CHANGE;
    case IDC_SAVE_STUDENT:
        if (code == BN_CLICKED) Save(false);
        return true;
    default:
        return false;
    }
}

}  // namespace tecladix
