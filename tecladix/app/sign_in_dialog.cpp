#include "tecladix/app/sign_in_dialog.h"

#include "tecladix/app/exercise_window.h"
#include "tecladix/app/new_student_dialog.h"
#include "tecladix/app/resource.h"
#include "tecladix/core/floppy.h"
#include "tecladix/core/numbers.h"
#include "tecladix/core/sign_in.h"
#include "tecladix/core/texts.h"

namespace tecladix {

SignInDialog::SignInDialog(Tutor& tutor, int module, Kind kind)
    : Dialog(kind == Kind::Start ? IDD_START : IDD_CONTINUE), tutor_(tutor), module_(module), kind_(kind) {}

bool SignInDialog::OnInitDialog() {
    if (kind_ == Kind::Start) {
        if (module_ != 1) ::SetWindowTextA(handle(), texts::kStartCaptionLater.c_str());
    } else {
        SetItemText(IDC_FROM_DISK, module_ == 2 ? texts::kFromDiskSingular.str() : texts::kFromDiskPlural.str());
        SetItemText(IDC_FROM_FLOPPY, module_ == 1   ? texts::kFromFloppyModule1.str()
                                     : module_ == 2 ? texts::kFromFloppyModule2.str()
                                                    : texts::kFromFloppyModule3.str());
    }
    ReloadRoster();
    return true;
}

void SignInDialog::ReloadRoster() {
    (void)tutor_.Check(LoadRoster(tutor_.data, module_, tutor_.roster));
    const HWND list = Item(IDC_NAMES);
    ::SendMessageA(list, CB_RESETCONTENT, 0, 0);
    for (const auto& name : tutor_.roster.names)
        ::SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
    chosenName_.clear();
    storedPassword_.clear();
    storedPosition_ = 1;
}

void SignInDialog::ChooseStudent() {
    chosenName_ = ItemText(IDC_NAMES);
    storedPassword_.clear();
    storedPosition_ = 1;
    const auto line = FindStudent(tutor_.roster.names, chosenName_);
    if (!line) return;
    if (*line < tutor_.roster.passwords.size()) storedPassword_ = tutor_.roster.passwords[*line];
    if (*line < tutor_.roster.positions.size())
        storedPosition_ = ParseWholeNumber(tutor_.roster.positions[*line]).value_or(1);
}

bool SignInDialog::PasswordAccepted() const {
    const auto problem = StudentSignInProblem(ItemText(IDC_PASSWORD), storedPassword_);
    if (problem) tutor_.Say(*problem);
    return !problem;
}

void SignInDialog::OpenExercise(int start, const std::string& caption) {
    ExerciseWindow window(tutor_, module_, chosenName_, start, caption);
    window.ShowModal(handle());
    End(IDOK);
}

void SignInDialog::OpenFromDisk() {
    if (!PasswordAccepted()) return;
    if (kind_ == Kind::Start) {
        OpenExercise(1, texts::kCaptionStudent + chosenName_ + texts::kCaptionExercise + "1");
        return;
    }
    OpenExercise(storedPosition_,
                 texts::kCaptionStudent + chosenName_ + texts::kCaptionContinuedExercise + std::to_string(storedPosition_));
}

void SignInDialog::OpenFromFloppy() {
    // The disk is read first: a missing disk is reported even before a password is typed.
    const auto progress = ReadFloppyProgress(tutor_.FloppyPath(module_));
    if (!progress) {
        tutor_.boxes.Inform(texts::kFloppyReadFailed, texts::kFloppyReadCaption);
        return;
    }
    if (!PasswordAccepted()) return;
    if (progress->name != chosenName_) {
        tutor_.Say(texts::kFloppyOtherStudent);
        return;
    }
    OpenExercise(progress->number,
                 texts::kCaptionStudent + chosenName_ + texts::kCaptionContinuedExercise + std::to_string(progress->number));
}

bool SignInDialog::OnCommand(int id, int code, HWND) {
    switch (id) {
    case IDOK:  // Enter: from the names to the password; the start dialog's password starts
        if (::GetFocus() == Item(IDC_NAMES) || ::GetParent(::GetFocus()) == Item(IDC_NAMES))
            ::SetFocus(Item(IDC_PASSWORD));
        else if (kind_ == Kind::Start && ::GetFocus() == Item(IDC_PASSWORD))
            OpenFromDisk();
        return true;
    case IDC_NAMES:
        if (code == CBN_SELCHANGE) ChooseStudent();
        return true;
    case IDC_FROM_DISK:
        if (code == BN_CLICKED) OpenFromDisk();
        return true;
    case IDC_FROM_FLOPPY:
        if (code == BN_CLICKED) OpenFromFloppy();
        return true;
    case IDC_SIGN_UP:
        if (code != BN_CLICKED) return true;
        NewStudentDialog(tutor_).ShowModal(handle());
        ReloadRoster();
        return true;
    default:
        return false;
    }
}

}  // namespace tecladix
