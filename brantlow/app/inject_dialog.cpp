#include "brantlow/app/inject_dialog.h"

#include "brantlow/app/dialog_fonts.h"
#include "brantlow/app/inject_dialog_ids.h"
#include "brantlow/core/file_names.h"
#include "brantlow/exchange/inject.h"
#include "ui/file_dialog.h"

namespace brantlow {
namespace {

constexpr UINT kFirstActivation = WM_APP + 1;

}  // namespace

TForm_InjectUrl::TForm_InjectUrl(InjectRequest& request, bool& removeAfterwards, InjectDialogServices services,
                                 HFONT font)
    : Dialog(IDD_INJECT_URL),
      request_(request),
      removeAfterwards_(removeAfterwards),
      services_(std::move(services)),
      font_(font) {}

bool TForm_InjectUrl::OnInitDialog() {
    ApplyDialogFont(handle(), font_);
    SetItemText(IDC_INJECT_URL, request_.URL);
    SetChecked(IDC_INJECT_BASE_HREF, request_.BaseHREF);
    SetChecked(IDC_INJECT_CLEAN_BODY, request_.CleanBody);
    SetChecked(IDC_INJECT_AS_TITLE, request_.AsTitle);
    SetChecked(IDC_INJECT_BACKUP, request_.Backup);
    EnableItem(IDC_INJECT_FROM_BROWSER, static_cast<bool>(services_.fromBrowser));
    UpdateChecks();
    // Once the dialog is shown and active, after the dialog manager has placed the focus.
    ::PostMessageA(handle(), kFirstActivation, 0, 0);
    return true;
}

bool TForm_InjectUrl::OnMessage(UINT message, WPARAM, LPARAM, INT_PTR&) {
    if (message != kFirstActivation) return false;
    FirstActivation();
    return true;
}

void TForm_InjectUrl::FirstActivation() {
    if (ItemText(IDC_INJECT_URL).empty()) {
        if (services_.clipboardText) SetItemText(IDC_INJECT_URL, services_.clipboardText().value_or(""));
        FocusField(IDC_INJECT_URL);
    } else {
        FocusField(IDC_INJECT_FILE);
    }
    SuggestFile(false);
    FileChanged();
    activated_ = true;  // from now on a change of the URL keeps the bookmark
}

// The title follows the file field: the page's own title, or nothing.
void TForm_InjectUrl::FileChanged() {
    const std::string file = NormalizePath(ItemText(IDC_INJECT_FILE), services_.settings.ProgramFolder);
    const bool exists = !ExtractFileName(file).empty() && services_.files.Exists(file);
    SetItemText(IDC_INJECT_TITLE, exists ? ReadHTMLTitle(services_.files, file) : std::string());
}

// "&Title as filename" needs a title; "&Make backup" means nothing while the page is renamed.
void TForm_InjectUrl::UpdateChecks() {
    EnableItem(IDC_INJECT_AS_TITLE, !ItemText(IDC_INJECT_TITLE).empty());
    EnableItem(IDC_INJECT_BACKUP, !IsChecked(IDC_INJECT_AS_TITLE));
}

void TForm_InjectUrl::SuggestFile(bool emptyWhenNone) {
    const auto suggested = SuggestInjectFile(ItemText(IDC_INJECT_URL), services_.settings, services_.files);
    if (suggested)
        SetItemText(IDC_INJECT_FILE, *suggested);
    else if (emptyWhenNone)
        SetItemText(IDC_INJECT_FILE, "");
}

void TForm_InjectUrl::BrowseFile() {
    ui::FileDialogOptions options;
    options.title = "Add URL to file";
    options.filter = "HTML files|*.htm*;*.?htm*|Text files|*.txt|All files (*.*)|*.*";
    options.initialFolder = services_.settings.Inject.Path;
    options.flags = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST;
    if (const auto chosen = ui::ShowOpenDialog(handle(), options)) SetItemText(IDC_INJECT_FILE, *chosen);
}

void TForm_InjectUrl::FromBrowser() {
    const auto page = services_.fromBrowser();
    if (!page) return;
    SetItemText(IDC_INJECT_URL, page->url);
    SuggestFile(true);
    // The browser's title is the page's own; the file field's change must not wipe it.
    if (!page->title.empty()) SetItemText(IDC_INJECT_TITLE, page->title);
}

void TForm_InjectUrl::Inject() {
    InjectRequest request;
    request.URL = ItemText(IDC_INJECT_URL);
    request.File = ItemText(IDC_INJECT_FILE);
    request.Title = ItemText(IDC_INJECT_TITLE);
    request.BaseHREF = IsChecked(IDC_INJECT_BASE_HREF);
    request.CleanBody = IsChecked(IDC_INJECT_CLEAN_BODY);
    request.AsTitle = IsChecked(IDC_INJECT_AS_TITLE);
    request.Backup = IsChecked(IDC_INJECT_BACKUP);
    const InjectField problem = CheckInjectRequest(request, services_.settings, services_.files, services_.messages);
    if (request.File != ItemText(IDC_INJECT_FILE)) {
        const std::string title = request.Title;
        SetItemText(IDC_INJECT_FILE, request.File);  // shown as it will be used
        SetItemText(IDC_INJECT_TITLE, title);        // a title typed by the user stays
    }
    switch (problem) {
        case InjectField::URL: FocusField(IDC_INJECT_URL); return;
        case InjectField::File: FocusField(IDC_INJECT_FILE); return;
        case InjectField::None: break;
    }
    request_ = request;
    End(IDOK);
}

void TForm_InjectUrl::FocusField(int id) {
    ::SendMessageA(handle(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(id)), TRUE);
}

bool TForm_InjectUrl::OnCommand(int id, int code, HWND) {
    switch (id) {
        case IDC_INJECT_URL:
            if (code == EN_CHANGE && activated_) removeAfterwards_ = false;
            return true;
        case IDC_INJECT_FILE:
            if (code == EN_CHANGE && activated_) FileChanged();
            return true;
        case IDC_INJECT_TITLE:
            if (code == EN_CHANGE) UpdateChecks();
            return true;
        case IDC_INJECT_AS_TITLE:
            if (code == BN_CLICKED) UpdateChecks();
            return true;
        case IDC_INJECT_BROWSE:
            if (code == BN_CLICKED) BrowseFile();
            return true;
        case IDC_INJECT_FROM_BROWSER:
            if (code == BN_CLICKED && services_.fromBrowser) FromBrowser();
            return true;
        case IDOK:
            Inject();
            return true;
        default:
            return false;
    }
}

}  // namespace brantlow
