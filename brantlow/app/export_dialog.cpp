#include "brantlow/app/export_dialog.h"

#include <commdlg.h>
#include <shlobj.h>

#include <optional>
#include <vector>

#include "brantlow/app/dialog_fonts.h"
#include "brantlow/app/export_dialog_ids.h"
#include "brantlow/core/file_names.h"
#include "ui/file_dialog.h"

namespace brantlow {
namespace {

constexpr const char* kFormatNames[] = {"Plain text", "Plain text with delimiter (.CSV)", "Netscape bookmarks",
                                        "Explorer's Favorites"};

// The save dialog without its own overwrite question: the export asks whether to append.
std::optional<std::string> ChooseExportFile(HWND owner, const std::string& current, int filterIndex) {
    const std::string filter = ui::DialogFilter(std::string(kExportFileFilter));
    std::vector<char> name(MAX_PATH * 4, '\0');
    current.copy(name.data(), std::min(current.size(), name.size() - 1));
    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = static_cast<DWORD>(filterIndex);
    dialog.lpstrFile = name.data();
    dialog.nMaxFile = static_cast<DWORD>(name.size());
    dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST;
    if (!::GetSaveFileNameA(&dialog)) return std::nullopt;
    return std::string(name.data());
}

int CALLBACK SelectStartFolder(HWND browser, UINT message, LPARAM, LPARAM start) {
    if (message == BFFM_INITIALIZED && start) ::SendMessageA(browser, BFFM_SETSELECTIONA, TRUE, start);
    return 0;
}

std::optional<std::string> ChooseFolder(HWND owner, const std::string& current) {
    char display[MAX_PATH] = {};
    BROWSEINFOA browse{};
    browse.hwndOwner = owner;
    browse.pszDisplayName = display;
    browse.lpszTitle = "Folder to export bookmarks to:";
    browse.ulFlags = BIF_RETURNONLYFSDIRS;
    browse.lpfn = &SelectStartFolder;
    browse.lParam = current.empty() ? 0 : reinterpret_cast<LPARAM>(current.c_str());
    PIDLIST_ABSOLUTE chosen = ::SHBrowseForFolderA(&browse);
    if (!chosen) return std::nullopt;
    char path[MAX_PATH] = {};
    const bool found = ::SHGetPathFromIDListA(chosen, path);
    ::CoTaskMemFree(chosen);
    if (!found) return std::nullopt;
    return std::string(path);
}

}  // namespace

TForm_Export::TForm_Export(ExportDialogContext context)
    : Dialog(IDD_EXPORT),
      c_(std::move(context)),
      exporter_(ExportServices{c_.settings, messages_, c_.files, c_.clock}, std::move(c_.rows)) {}

bool TForm_Export::OnInitDialog() {
    messages_.SetOwner(handle());
    ApplyDialogFont(handle(), c_.font);
    for (const char* name : kFormatNames)
        ::SendDlgItemMessageA(handle(), IDC_EXPORT_FORMAT, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
    ::SendDlgItemMessageA(handle(), IDC_EXPORT_FORMAT, CB_SETCURSEL, 0, 0);
    ::SendDlgItemMessageA(handle(), IDC_EXPORT_DELIMITER, EM_LIMITTEXT, 2, 0);
    ::SendDlgItemMessageA(handle(), IDC_EXPORT_QUOTE_CHARS, EM_LIMITTEXT, 2, 0);
    SetItemText(IDC_EXPORT_DELIMITER, ";");
    SetItemText(IDC_EXPORT_QUOTE_CHARS, "\"\"");
    SetItemText(IDC_EXPORT_PATH_NAME, c_.favoritesFolder);
    ::CheckRadioButton(handle(), IDC_EXPORT_COMMA, IDC_EXPORT_OTHER, IDC_EXPORT_COMMA);
    CreateHints();
    ApplyFormat();
    ::SetFocus(Item(IDC_EXPORT_FILE_NAME));
    return false;
}

void TForm_Export::CreateHints() {
    hints_.Create(handle(), c_.showHints);
    hints_.Add(IDC_EXPORT_FORMAT, "The format to export the bookmarks shown in the list to");
    hints_.Add(IDC_EXPORT_FILE_NAME, "The file to write; a Netscape bookmark file must exist");
    hints_.Add(IDC_EXPORT_PATH_NAME, "The existing folder to write one Internet shortcut per bookmark to");
    hints_.Add(IDC_EXPORT_DELIMITER, "One or two characters between URL and description");
    hints_.Add(IDC_EXPORT_QUOTE_CHARS, "The opening and the closing quote; one character serves as both");
    hints_.Add(IDC_EXPORT_RUN, "Export the bookmarks shown in the list");
}

ExportFormat TForm_Export::Format() const {
    const auto index = ::SendDlgItemMessageA(handle(), IDC_EXPORT_FORMAT, CB_GETCURSEL, 0, 0);
    return index >= 0 && index <= 3 ? static_cast<ExportFormat>(index) : ExportFormat::Text;
}

void TForm_Export::ApplyFormat() {
    const FormatView view = brantlow::ApplyFormat(Format(), ItemText(IDC_EXPORT_FILE_NAME),
                                                  ItemText(IDC_EXPORT_PATH_NAME), c_.settings.ProgramFolder);
    const int nameShow = view.FileNameShown ? SW_SHOW : SW_HIDE;
    const int folderShow = view.FileNameShown ? SW_HIDE : SW_SHOW;
    ::ShowWindow(Item(IDC_EXPORT_FILE_NAME), nameShow);
    ::ShowWindow(Item(IDC_EXPORT_BROWSE_FILE), nameShow);
    EnableItem(IDC_EXPORT_FILE_NAME, view.FileNameShown);
    ::ShowWindow(Item(IDC_EXPORT_PATH_NAME), folderShow);
    ::ShowWindow(Item(IDC_EXPORT_BROWSE_FOLDER), folderShow);
    // The label's mnemonic leads to the next visible box in the tab order, the one shown.
    SetItemText(IDC_EXPORT_LABEL_WHAT, view.Label);
    for (int id : {IDC_EXPORT_DELIMITER_GROUP, IDC_EXPORT_COMMA, IDC_EXPORT_TAB, IDC_EXPORT_LINE_BREAK,
                   IDC_EXPORT_OTHER, IDC_EXPORT_DELIMITER})
        EnableItem(id, view.DelimiterEnabled);
    EnableItem(IDC_EXPORT_QUOTE, view.QuoteEnabled);
    EnableItem(IDC_EXPORT_QUOTE_CHARS, view.QuoteEnabled);
    EnableItem(IDC_EXPORT_SUMMARY, view.SummaryEnabled);
    if (view.FileNameShown && !view.FileName.empty() && view.FileName != ItemText(IDC_EXPORT_FILE_NAME))
        SetItemText(IDC_EXPORT_FILE_NAME, view.FileName);
    EnableItem(IDC_EXPORT_RUN, view.ExportEnabled);
}

void TForm_Export::UpdateExportButton() {
    EnableItem(IDC_EXPORT_RUN, ExportEnabled(Format(), ItemText(IDC_EXPORT_FILE_NAME), ItemText(IDC_EXPORT_PATH_NAME)));
}

void TForm_Export::FocusControl(ExportControl control) {
    int id = 0;
    switch (control) {
        case ExportControl::FileName: id = IDC_EXPORT_FILE_NAME; break;
        case ExportControl::Folder: id = IDC_EXPORT_PATH_NAME; break;
        case ExportControl::OtherDelimiter: id = IDC_EXPORT_DELIMITER; break;
        case ExportControl::Close: id = IDC_EXPORT_CLOSE; break;
        case ExportControl::None: return;
    }
    ::SendMessageA(handle(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(id)), TRUE);
}

void TForm_Export::RunExport() {
    ExportChoices choices;
    choices.Format = Format();
    choices.FileName = ItemText(IDC_EXPORT_FILE_NAME);
    choices.Folder = ItemText(IDC_EXPORT_PATH_NAME);
    choices.Delimiter = IsChecked(IDC_EXPORT_TAB)          ? DelimiterKind::Tab
                        : IsChecked(IDC_EXPORT_LINE_BREAK) ? DelimiterKind::LineBreak
                        : IsChecked(IDC_EXPORT_OTHER)      ? DelimiterKind::Other
                                                           : DelimiterKind::Comma;
    choices.OtherDelimiter = ItemText(IDC_EXPORT_DELIMITER);
    choices.Quote = IsChecked(IDC_EXPORT_QUOTE);
    choices.QuoteChars = ItemText(IDC_EXPORT_QUOTE_CHARS);
    choices.Summary = IsChecked(IDC_EXPORT_SUMMARY);
    const ExportResult result = exporter_.RunExport(choices);
    if (result.SelectOtherDelimiter)
        ::CheckRadioButton(handle(), IDC_EXPORT_COMMA, IDC_EXPORT_OTHER, IDC_EXPORT_OTHER);
    FocusControl(result.Focus);
}

void TForm_Export::BrowseFile() {
    const FormatView view = brantlow::ApplyFormat(Format(), ItemText(IDC_EXPORT_FILE_NAME), {}, c_.settings.ProgramFolder);
    if (const auto chosen = ChooseExportFile(handle(), view.FileName, view.FilterIndex)) {
        SetItemText(IDC_EXPORT_FILE_NAME, *chosen);
        ApplyFormat();
    }
}

void TForm_Export::BrowseFolder() {
    if (const auto chosen = ChooseFolder(handle(), ItemText(IDC_EXPORT_PATH_NAME)))
        SetItemText(IDC_EXPORT_PATH_NAME, *chosen);
}

bool TForm_Export::OnCommand(int id, int code, HWND) {
    switch (id) {
        case IDC_EXPORT_FORMAT:
            if (code == CBN_SELCHANGE) ApplyFormat();
            return true;
        case IDC_EXPORT_FILE_NAME:
        case IDC_EXPORT_PATH_NAME:
            if (code == EN_CHANGE) UpdateExportButton();
            return true;
        case IDC_EXPORT_RUN:
        case IDOK:  // Enter
            if (code == BN_CLICKED && ::IsWindowEnabled(Item(IDC_EXPORT_RUN))) RunExport();
            return true;
        case IDC_EXPORT_BROWSE_FILE:
            if (code == BN_CLICKED) BrowseFile();
            return true;
        case IDC_EXPORT_BROWSE_FOLDER:
            if (code == BN_CLICKED) BrowseFolder();
            return true;
        case IDC_EXPORT_CLOSE:
            if (code == BN_CLICKED) End(IDCANCEL);
            return true;
        default:
            return false;  // IDCANCEL (Esc) closes
    }
}

}  // namespace brantlow
