#include "tecladix/app/main_window.h"

#include <shellapi.h>

#include <algorithm>

#include "tecladix/app/access_dialog.h"
#include "tecladix/app/new_student_dialog.h"
#include "tecladix/app/resource.h"
#include "tecladix/app/result_windows.h"
#include "tecladix/app/sign_in_dialog.h"
#include "tecladix/core/portuguese_date.h"
#include "tecladix/core/texts.h"
#include "ui/font.h"

namespace tecladix {
namespace {

constexpr UINT_PTR kClockTimer = 1;

std::string ProgramFolder() {
    char path[MAX_PATH] = {};
    const DWORD length = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, length);
    const auto slash = folder.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : folder.substr(0, slash + 1);
}

}  // namespace

MainWindow::MainWindow(Tutor& tutor, bool endsProgram) : Dialog(IDD_MAIN), tutor_(tutor), endsProgram_(endsProgram), adminPassword_(tutor) {}

bool MainWindow::OnInitDialog() {
    ::SetWindowTextA(handle(), std::string(texts::kProductTitle + " - " + texts::kPublisher).c_str());
    (void)tutor_.Check(LoadLines(tutor_.data.Path(files::kLimits), tutor_.limits));
    demoPath_ = ProgramFolder() + texts::kDemoProgram.str();

    titleFont_ = ui::CreatePointFont({"Times New Roman", 48, true, true});
    subtitleFont_ = ui::CreatePointFont({"Times New Roman", 16, true, false});
    linkFont_ = ui::CreatePointFont({"MS Sans Serif", 8, false, false});
    ui::SetControlFont(Item(IDC_TITLE), titleFont_);
    ui::SetControlFont(Item(IDC_SUBTITLE), subtitleFont_);

    for (HWND child = ::GetWindow(handle(), GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        RECT place{};
        ::GetWindowRect(child, &place);
        ::MapWindowPoints(nullptr, handle(), reinterpret_cast<POINT*>(&place), 2);
        designPositions_.emplace_back(child, POINT{place.left, place.top});
    }
    status_.Create(handle(), IDC_STATUS, {340, 60, -1});  // the date takes the rest
    status_.SetText(0, texts::kReady);
    RefreshClock();
    clock_.Start(handle(), kClockTimer, 1000);
    return true;
}

void MainWindow::RefreshClock() {
    SYSTEMTIME now{};
    ::GetLocalTime(&now);
    char time[64] = {};
    ::GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &now, nullptr, time, sizeof time);
    status_.SetText(1, time, true);
    status_.SetText(2, FormatLongDate(CurrentLocalDateTime()), true);
}

void MainWindow::ShowHint(int commandId) {
    std::string hint;
    switch (commandId) {
    case IDM_NEW_STUDENT: hint = texts::kHintNewStudent; break;
    case IDM_ADVANCED: hint = texts::kHintAdvancedOptions; break;
    case IDM_EXIT: hint = texts::kCloseProgram; break;
    case IDM_START1: case IDM_START2: case IDM_START3: hint = texts::kHintStartModule; break;
    case IDM_CONTINUE1: case IDM_CONTINUE2: case IDM_CONTINUE3: hint = texts::kHintContinueModule; break;
    case IDM_HELP: hint = texts::kHintHelpTopics; break;
    case IDM_ABOUT: hint = texts::kHintAbout; break;
    default: hint = texts::kReady; break;
    }
    status_.SetText(0, hint);
}

void MainWindow::StartDemonstration() {
    if (!OpenAddress(handle(), demoPath_)) tutor_.Say(texts::kDemoFailed);
}

void MainWindow::RunCommand(int id) {
    switch (id) {
    case IDM_START1: case IDM_START2: case IDM_START3:
        SignInDialog(tutor_, 1 + (id - IDM_START1) / 2, SignInDialog::Kind::Start).ShowModal(handle());
        break;
    case IDM_CONTINUE1: case IDM_CONTINUE2: case IDM_CONTINUE3:
        SignInDialog(tutor_, 1 + (id - IDM_CONTINUE1) / 2, SignInDialog::Kind::Continue).ShowModal(handle());
        break;
    case IDM_NEW_STUDENT: NewStudentDialog(tutor_).ShowModal(handle()); break;
    case IDM_ADVANCED: AccessDialog(tutor_, adminPassword_).ShowModal(handle()); break;
    case IDM_EXIT:
        if (tutor_.boxes.Confirm(texts::kCloseProgramQuestion, texts::kCloseProgram)) ::DestroyWindow(handle());
        break;
    case IDM_HELP: ::WinHelpA(handle(), texts::kHelpFile.c_str(), HELP_CONTENTS, 0); break;
    case IDM_ABOUT: AboutWindow().ShowModal(handle()); break;
    case IDC_DEMO: StartDemonstration(); break;
    default: break;
    }
}

bool MainWindow::OnCommand(int id, int code, HWND control) {
    if ((id == IDC_EMAIL || id == IDC_WEB) && code == STN_CLICKED) {
        (void)OpenAddress(handle(), (id == IDC_EMAIL ? "mailto:" : "") + ItemText(id));
        return true;
    }
    if (id == IDOK || (control && code != BN_CLICKED)) return true;  // Enter does nothing here
    if (id == IDCANCEL) return true;  // neither does Esc
    RunCommand(id);
    return true;
}

void MainWindow::Layout(int width, int height) {
    status_.Resize();
    // The content keeps its designed size, centred above the status bar.
    RECT design{0, 0, 440, 230};
    ::MapDialogRect(handle(), &design);
    const int dx = std::max(0, static_cast<int>((width - design.right) / 2));
    const int dy = std::max(0, static_cast<int>((height - status_.Height() - design.bottom) / 2));
    for (const auto& [child, origin] : designPositions_)
        ::SetWindowPos(child, nullptr, origin.x + dx, origin.y + dy, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ::InvalidateRect(handle(), nullptr, TRUE);
}

bool MainWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
    switch (message) {
    case WM_TIMER:
        if (wParam == kClockTimer) RefreshClock();
        return true;
    case WM_MENUSELECT:
        ShowHint((HIWORD(wParam) == 0xFFFF && lParam == 0) || (HIWORD(wParam) & MF_POPUP) ? 0 : LOWORD(wParam));
        return true;
    case WM_SIZE:
        Layout(LOWORD(lParam), HIWORD(lParam));
        return true;
    case WM_CTLCOLORSTATIC: {
        const int id = ::GetDlgCtrlID(reinterpret_cast<HWND>(lParam));
        if (id != IDC_EMAIL && id != IDC_WEB && id != IDC_TITLE) return false;
        auto dc = reinterpret_cast<HDC>(wParam);
        ::SetTextColor(dc, id == IDC_TITLE ? RGB(0, 0, 128) : RGB(0, 0, 255));
        ::SetBkColor(dc, ::GetSysColor(COLOR_BTNFACE));
        result = reinterpret_cast<INT_PTR>(::GetSysColorBrush(COLOR_BTNFACE));
        return true;
    }
    case WM_CLOSE:
        ::DestroyWindow(handle());  // the title-bar button closes without asking
        return true;
    case WM_DESTROY:
        ::WinHelpA(handle(), texts::kHelpFile.c_str(), HELP_QUIT, 0);
        if (endsProgram_) ::PostQuitMessage(0);
        return true;
    default:
        return false;
    }
}

}  // namespace tecladix
