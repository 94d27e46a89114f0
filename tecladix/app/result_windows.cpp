#include "tecladix/app/result_windows.h"

#include <shellapi.h>

#include "tecladix/app/resource.h"
#include "tecladix/core/texts.h"
#include "ui/font.h"

namespace tecladix {

ResultWindow::ResultWindow(bool approved, ExerciseResult result)
    : Dialog(approved ? IDD_APPROVED : IDD_FAILED), approved_(approved), result_(std::move(result)) {}

bool ResultWindow::OnInitDialog() {
    background_.reset(::CreateSolidBrush(approved_ ? RGB(0, 0, 0) : RGB(255, 0, 0)));
    bigFont_ = ui::CreatePointFont({"Times New Roman", approved_ ? 24 : 14, true, false});
    ui::SetControlFont(Item(IDC_RESULT_TEXT), bigFont_);
    SetItemText(IDC_RESULT_MINUTES, result_.minutes);
    SetItemText(IDC_RESULT_SECONDS, result_.seconds);
    SetItemText(IDC_RESULT_ERRORS, std::to_string(result_.errors));
    SetItemText(IDC_RESULT_KEYS, std::to_string(result_.keystrokes));
    return true;
}

bool ResultWindow::OnMessage(UINT message, WPARAM wParam, LPARAM, INT_PTR& result) {
    if (message == WM_CTLCOLORDLG || message == WM_CTLCOLORSTATIC) {
        auto dc = reinterpret_cast<HDC>(wParam);
        ::SetTextColor(dc, approved_ ? RGB(255, 255, 0) : RGB(255, 255, 255));
        ::SetBkMode(dc, TRANSPARENT);
        result = reinterpret_cast<INT_PTR>(background_.get());
        return true;
    }
    return false;
}

EndWindow::EndWindow(std::string studentName) : Dialog(IDD_END), name_(std::move(studentName)) {}

bool EndWindow::OnInitDialog() {
    font_ = ui::CreatePointFont({"Times New Roman", 16, true, false});
    ui::SetControlFont(Item(IDC_END_TEXT), font_);
    SetItemText(IDC_END_TEXT, texts::kCongratulations + name_ + texts::kModuleFinished);
    return true;
}

bool EndWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
    if (message == WM_CTLCOLORSTATIC && reinterpret_cast<HWND>(lParam) == Item(IDC_END_TEXT)) {
        auto dc = reinterpret_cast<HDC>(wParam);
        ::SetTextColor(dc, RGB(255, 0, 0));
        ::SetBkMode(dc, TRANSPARENT);
        result = reinterpret_cast<INT_PTR>(::GetSysColorBrush(COLOR_BTNFACE));
        return true;
    }
    return false;
}

AboutWindow::AboutWindow() : Dialog(IDD_ABOUT) {}

bool AboutWindow::OnInitDialog() {
    titleFont_ = ui::CreatePointFont({"Times New Roman", 20, true, true});
    ui::SetControlFont(Item(IDC_TITLE), titleFont_);
    return true;
}

bool AboutWindow::OnCommand(int id, int code, HWND) {
    if (id == IDC_WEB && code == STN_CLICKED) {
        (void)OpenAddress(handle(), ItemText(IDC_WEB));
        return true;
    }
    return false;
}

bool OpenAddress(HWND owner, const std::string& address) {
    const auto started = reinterpret_cast<INT_PTR>(
        ::ShellExecuteA(owner, "open", address.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    return started > 32;
}

}  // namespace tecladix
