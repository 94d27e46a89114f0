#include "ui/dialog.h"

#include "ui/application.h"
#include "ui/window.h"

namespace ui {

Dialog::~Dialog() {
    if (hwnd_ && !modal_) ::DestroyWindow(hwnd_);
}

INT_PTR Dialog::ShowModal(HWND owner) {
    modal_ = true;
    return ::DialogBoxParamA(Application::Instance(), MAKEINTRESOURCEA(templateId_), owner,
                             &Dialog::DialogProc, reinterpret_cast<LPARAM>(this));
}

bool Dialog::Create(HWND owner) {
    modal_ = false;
    return ::CreateDialogParamA(Application::Instance(), MAKEINTRESOURCEA(templateId_), owner,
                                &Dialog::DialogProc, reinterpret_cast<LPARAM>(this)) != nullptr;
}

void Dialog::Close() { End(IDCANCEL); }

void Dialog::End(INT_PTR result) {
    if (!hwnd_) return;
    if (modal_)
        ::EndDialog(hwnd_, result);
    else
        ::DestroyWindow(hwnd_);
}

std::string Dialog::ItemText(int id) const { return WindowText(Item(id)); }

void Dialog::SetItemText(int id, const std::string& text) const { ::SetDlgItemTextA(hwnd_, id, text.c_str()); }

bool Dialog::IsChecked(int id) const { return ::IsDlgButtonChecked(hwnd_, id) == BST_CHECKED; }

void Dialog::SetChecked(int id, bool checked) const {
    ::CheckDlgButton(hwnd_, id, checked ? BST_CHECKED : BST_UNCHECKED);
}

void Dialog::EnableItem(int id, bool enabled) const { ::EnableWindow(Item(id), enabled ? TRUE : FALSE); }

INT_PTR Dialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    INT_PTR result = 0;
    if (OnMessage(message, wParam, lParam, result)) return result;
    switch (message) {
    case WM_INITDIALOG:
        return OnInitDialog() ? TRUE : FALSE;
    case WM_COMMAND: {
        const int id = LOWORD(wParam);
        if (OnCommand(id, HIWORD(wParam), reinterpret_cast<HWND>(lParam))) return TRUE;
        if (id == IDOK || id == IDCANCEL) {
            End(id);
            return TRUE;
        }
        return FALSE;
    }
    case WM_NOTIFY:
        ::SetWindowLongPtrA(hwnd_, DWLP_MSGRESULT, OnNotify(*reinterpret_cast<const NMHDR*>(lParam)));
        return TRUE;
    default:
        return FALSE;
    }
}

INT_PTR CALLBACK Dialog::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* self = reinterpret_cast<Dialog*>(lParam);
        self->hwnd_ = hwnd;
        ::SetWindowLongPtrA(hwnd, DWLP_USER, lParam);
    }
    auto* self = reinterpret_cast<Dialog*>(::GetWindowLongPtrA(hwnd, DWLP_USER));
    if (!self) return FALSE;
    if (message == WM_NCDESTROY) {
        ::SetWindowLongPtrA(hwnd, DWLP_USER, 0);
        self->hwnd_ = nullptr;
        return FALSE;
    }
    return self->HandleMessage(message, wParam, lParam);
}

}  // namespace ui
