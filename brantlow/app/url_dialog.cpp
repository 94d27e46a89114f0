#include "brantlow/app/url_dialog.h"

#include "brantlow/app/url_dialog_ids.h"
#include "brantlow/app/dialog_fonts.h"
#include "ui/window.h"

namespace brantlow {

const char* URLDialogCaption(URLDialogForm form) {
    switch (form) {
        case URLDialogForm::AddSingle: return "Add single URL";
        case URLDialogForm::AddMultiple: return "Add multiple URLs";
        case URLDialogForm::AddManually: return "Add URL manually";
        case URLDialogForm::Captured: return "URL captured from clipboard";
        case URLDialogForm::Edit: return "Edit URL";
        case URLDialogForm::Replace: return "Replace URL";
        case URLDialogForm::ReplaceDuplicate: return "Replace duplicate URL";
    }
    return "Edit URL";
}

TForm_EditURL::TForm_EditURL(URLDialogRequest& request, std::optional<std::string> clipboardText, HFONT font,
                             bool showHints, PromptMemory& prompts)
    : Dialog(IDD_EDIT_URL),
      request_(request),
      clipboardText_(std::move(clipboardText)),
      font_(font),
      showHints_(showHints),
      prompts_(prompts) {}

bool TForm_EditURL::OnInitDialog() {
    ApplyDialogFont(handle(), font_);
    (void)showHints_;  // the dialog's controls carry no hints of their own
    ::SetWindowTextA(handle(), URLDialogCaption(request_.Form));
    if (request_.Form == URLDialogForm::Replace || request_.Form == URLDialogForm::ReplaceDuplicate)
        SetItemText(IDC_LABEL_DESCRIPTION, "New &description:");
    const bool paste = request_.PasteClipboard && clipboardText_.has_value();
    SetItemText(IDC_EDIT_URL, paste ? *clipboardText_ : request_.URL);
    ::SendMessageA(Item(IDC_EDIT_URL), EM_SETREADONLY, request_.URLEditable ? FALSE : TRUE, 0);
    SetItemText(IDC_EDIT_DESC, request_.Description);
    ::ShowWindow(Item(IDC_LABEL_CANCEL), request_.ShowCancelNote ? SW_SHOW : SW_HIDE);
    ::ShowWindow(Item(IDC_CHECK_NO_PROMPT), request_.ShowSkipBox ? SW_SHOW : SW_HIDE);
    SetChecked(IDC_CHECK_NO_PROMPT, false);
    const int focus = request_.URLEditable && request_.PasteClipboard ? IDC_EDIT_URL : IDC_EDIT_DESC;
    ::SetFocus(Item(focus));
    ::SendMessageA(Item(focus), EM_SETSEL, 0, -1);
    return false;  // the focus is set
}

void TForm_EditURL::RememberSkipPrompts() { prompts_.promptAgain = !IsChecked(IDC_CHECK_NO_PROMPT); }

bool TForm_EditURL::OnMessage(UINT message, WPARAM wParam, LPARAM, INT_PTR&) {
    if (message == WM_ACTIVATE && LOWORD(wParam) != WA_INACTIVE) RememberSkipPrompts();
    return false;
}

bool TForm_EditURL::OnCommand(int id, int code, HWND) {
    if (id == IDOK && code == BN_CLICKED) {
        RememberSkipPrompts();
        const std::string url = ItemText(IDC_EDIT_URL);
        if (url.empty()) {
            End(IDCANCEL);  // nothing to take
            return true;
        }
        request_.URL = url;
        request_.Description = ItemText(IDC_EDIT_DESC);
        End(IDOK);
        return true;
    }
    if (id == IDCANCEL) {
        RememberSkipPrompts();
        End(IDCANCEL);
        return true;
    }
    return false;
}

bool URLDialog::Run(URLDialogRequest& request) {
    ApplicationWindow& application = *owner_.application;
    const bool wasMinimized = application.IsMinimized();
    application.Restore();
    owner_.enableTrayCommands(false);
    std::optional<std::string> clipboard;
    if (request.PasteClipboard) clipboard = owner_.clipboardText();
    URLDialogRequest edited = request;
    TForm_EditURL dialog(edited, clipboard, owner_.dialogFont(), owner_.showHints(), *owner_.prompts);
    const bool accepted = dialog.ShowModal(owner_.window()) == IDOK;
    if (accepted) request = edited;
    owner_.enableTrayCommands(true);
    if (wasMinimized) application.Minimize();
    return accepted;
}

}  // namespace brantlow
