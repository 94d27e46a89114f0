#pragma once
// Base of dialogs whose layout is a resource template. The object is stored with the
// window at WM_INITDIALOG and forgotten at WM_NCDESTROY.
#include <windows.h>

#include <string>

namespace ui {

class Dialog {
public:
    explicit Dialog(int templateId) : templateId_(templateId) {}
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;
    virtual ~Dialog();

    // Modal: returns the result given to EndDialog, or -1 when the template cannot be loaded.
    INT_PTR ShowModal(HWND owner);
    // Modeless: the dialog lives until Close() or the destructor.
    bool Create(HWND owner);
    void Close();

    [[nodiscard]] HWND handle() const { return hwnd_; }
    [[nodiscard]] HWND Item(int id) const { return ::GetDlgItem(hwnd_, id); }
    [[nodiscard]] std::string ItemText(int id) const;
    void SetItemText(int id, const std::string& text) const;
    [[nodiscard]] bool IsChecked(int id) const;
    void SetChecked(int id, bool checked) const;
    void EnableItem(int id, bool enabled) const;

protected:
    // Ends a modal dialog with `result`, or destroys a modeless one.
    void End(INT_PTR result);

    virtual bool OnInitDialog() { return true; }  // true: the system sets the focus
    // Return true when the command was handled. Unhandled IDOK and IDCANCEL end the dialog.
    virtual bool OnCommand(int /*id*/, int /*code*/, HWND /*control*/) { return false; }
    virtual INT_PTR OnNotify(const NMHDR& /*header*/) { return 0; }
    // Messages the two hooks above do not cover; return true when handled (result in `result`).
    virtual bool OnMessage(UINT /*message*/, WPARAM /*wParam*/, LPARAM /*lParam*/, INT_PTR& /*result*/) {
        return false;
    }

private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    int templateId_;
    HWND hwnd_ = nullptr;
    bool modal_ = false;
};

}  // namespace ui
