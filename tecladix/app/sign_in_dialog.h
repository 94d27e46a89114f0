#pragma once
// The start and continue dialogs of the three modules: a student picks a name, types the
// password and reaches the module's exercise window at the first exercise, at the position
// saved on the hard disk, or at the one saved on the floppy disk.
#include <string>

#include "tecladix/app/tutor.h"
#include "ui/dialog.h"

namespace tecladix {

class SignInDialog final : public ui::Dialog {
public:
    enum class Kind { Start, Continue };
    SignInDialog(Tutor& tutor, int module, Kind kind);

private:
    bool OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;

    void ReloadRoster();
    void ChooseStudent();
    [[nodiscard]] bool PasswordAccepted() const;
    void OpenFromDisk();
    void OpenFromFloppy();
    void OpenExercise(int start, const std::string& caption);

    Tutor& tutor_;
    int module_;
    Kind kind_;
    std::string chosenName_;
    std::string storedPassword_;
    int storedPosition_ = 1;
};

}  // namespace tecladix
