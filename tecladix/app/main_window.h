#pragma once
// The tutor's main window: title block, the three module groups, the student and help
// buttons, the menu with its function keys and the status bar with hints, time and date.
#include <string>
#include <utility>
#include <vector>

#include "tecladix/app/admin_password_window.h"
#include "tecladix/app/tutor.h"
#include "ui/dialog.h"
#include "ui/handles.h"
#include "ui/status_bar.h"
#include "ui/timer.h"

namespace tecladix {

class MainWindow final : public ui::Dialog {
public:
    // `endsProgram`: closing the window ends the message loop.
    MainWindow(Tutor& tutor, bool endsProgram);

    // Opens the window of a menu command, as the menu, its function key or a button does.
    void RunCommand(int id);
    [[nodiscard]] const ui::StatusBar& statusBar() const { return status_; }

private:
    bool OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

    void RefreshClock();
    void ShowHint(int commandId);
    void StartDemonstration();
    void Layout(int width, int height);

    Tutor& tutor_;
    bool endsProgram_;
    AdminPasswordWindow adminPassword_;  // lives for the whole run
    std::string demoPath_;
    std::vector<std::pair<HWND, POINT>> designPositions_;
    ui::StatusBar status_;
    ui::Timer clock_;  // Timer1
    ui::GdiObject titleFont_, subtitleFont_, linkFont_;
};

}  // namespace tecladix
