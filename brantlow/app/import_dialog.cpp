#include "brantlow/app/import_dialog.h"

#include <commctrl.h>
#include <windowsx.h>

#include "brantlow/app/dialog_fonts.h"
#include "brantlow/app/import_dialog_ids.h"
#include "brantlow/core/file_names.h"
#include "brantlow/core/messages.h"
#include "brantlow/core/url_info.h"
#include "ui/file_dialog.h"

namespace brantlow {

TForm_Import::TForm_Import(ImportDialogContext context)
    : Dialog(IDD_IMPORT), c_(std::move(context)), schemesMenu_(IDR_IMPORT_SCHEMES_MENU) {}

bool TForm_Import::OnInitDialog() {
    messages_.SetOwner(handle());
    sbar_.Create(handle(), IDC_IMPORT_SBAR, {120, -1});
    ApplyDialogFont(handle(), c_.font);

    layout_.Attach(handle());
    layout_.Anchor(IDC_IMPORT_FILES, kStretchRight | kStretchDown);
    for (int id : {IDC_IMPORT_NOW, IDC_IMPORT_ADD, IDC_IMPORT_CLEAR, IDC_IMPORT_HELP, IDC_IMPORT_CLOSE})
        layout_.Anchor(id, kMoveRight);
    // The option groups stay below the file list.
    for (int id : {IDC_IMPORT_GROUP_HTML, IDC_IMPORT_BASE_HREF, IDC_IMPORT_ANCHORS_ONLY, IDC_IMPORT_GROUP_OTHER,
                   IDC_IMPORT_DESC, IDC_IMPORT_FUZZY, IDC_IMPORT_GROUP_LINKS, IDC_IMPORT_DOMAINS,
                   IDC_IMPORT_ALL_FILES, IDC_IMPORT_LINKS_TO, IDC_IMPORT_COMBO_EXT, IDC_IMPORT_LABEL_EXT,
                   IDC_IMPORT_EDIT_EXT, IDC_IMPORT_GROUP_URL, IDC_IMPORT_CLIP_HASH, IDC_IMPORT_CLIP_CGI,
                   IDC_IMPORT_SCHEMES_LABEL, IDC_IMPORT_SCHEMES})
        layout_.Anchor(id, kMoveDown);

    HWND schemes = Item(IDC_IMPORT_SCHEMES);
    ListView_SetExtendedListViewStyle(schemes, LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
    RECT area{};
    ::GetClientRect(schemes, &area);
    LVCOLUMNA column{};
    column.mask = LVCF_WIDTH;
    column.cx = area.right - ::GetSystemMetrics(SM_CXVSCROLL);
    ListView_InsertColumn(schemes, 0, &column);

    // The six sets; slot 0 is the user's own list as the settings hold it now.
    c_.sets.SetUserDefined(c_.settings.Import.Extensions);
    for (const ExtensionSet& set : kExtensionSets)
        ::SendDlgItemMessageA(handle(), IDC_IMPORT_COMBO_EXT, CB_ADDSTRING, 0,
                              reinterpret_cast<LPARAM>(std::string(set.Name).c_str()));
    ::SendDlgItemMessageA(handle(), IDC_IMPORT_COMBO_EXT, CB_SETCURSEL, 0, 0);

    CreateHints();
    LoadOptions();
    ::SetFocus(Item(IDC_IMPORT_ADD));
    return false;
}

void TForm_Import::CreateHints() {
    hints_.Create(handle(), c_.showHints);
    hints_.Add(IDC_IMPORT_FILES, "The files to read URLs from");
    hints_.Add(IDC_IMPORT_NOW, "Read the files and add the URLs found to the list");
    hints_.Add(IDC_IMPORT_ADD, "Add files to the list");
    hints_.Add(IDC_IMPORT_CLEAR, "Remove the selected files, or all files, from the list");
    hints_.Add(IDC_IMPORT_BASE_HREF, "Resolve relative links against the page's base address");
    hints_.Add(IDC_IMPORT_FUZZY, "Also take addresses that begin with www. or ftp.");
    hints_.Add(IDC_IMPORT_ALL_FILES, "Take links to files of every kind");
    hints_.Add(IDC_IMPORT_EDIT_EXT, "The extensions of the files links may point to, separated by ;");
    hints_.Add(IDC_IMPORT_LABEL_EXT, "Double click to restore the user defined extensions");
    hints_.Add(IDC_IMPORT_SCHEMES, "Only URLs of the checked schemes are imported; right click to choose the list");
}

// The check boxes, the extensions and the scheme list as ImportOptions holds them.
void TForm_Import::LoadOptions() {
    const TImportOptions& o = c_.settings.Import;
    SetChecked(IDC_IMPORT_DESC, o.Desc);
    SetChecked(IDC_IMPORT_ANCHORS_ONLY, o.HrefOnly);
    SetChecked(IDC_IMPORT_BASE_HREF, o.BaseHREF);
    SetChecked(IDC_IMPORT_FUZZY, o.Fuzzy);
    SetChecked(IDC_IMPORT_DOMAINS, o.Domains);
    SetChecked(IDC_IMPORT_CLIP_HASH, o.ClipHash);
    SetChecked(IDC_IMPORT_CLIP_CGI, o.ClipCGI);
    SetItemText(IDC_IMPORT_EDIT_EXT, o.Extensions);
    const bool known = o.FileTypes >= 0 && o.FileTypes < ExtensionSets::Count();
    ::SendDlgItemMessageA(handle(), IDC_IMPORT_COMBO_EXT, CB_SETCURSEL, known ? o.FileTypes : -1, 0);
    allSchemes_ = o.AllSchemes;
    ::CheckMenuRadioItem(schemesMenu_.SubMenu(0), IDM_IMPORT_ALL_SCHEMES, IDM_IMPORT_OWN_SCHEMES,
                         allSchemes_ ? IDM_IMPORT_ALL_SCHEMES : IDM_IMPORT_OWN_SCHEMES, MF_BYCOMMAND);
    FillSchemes();
    SetChecked(IDC_IMPORT_ALL_FILES, o.AllFiles);
    UpdateLinksTo();
    ShowFileCount();
}

// Every scheme of the chosen list, checked.
void TForm_Import::FillSchemes() {
    HWND list = Item(IDC_IMPORT_SCHEMES);
    ListView_DeleteAllItems(list);
    std::vector<std::string> schemes;
    if (allSchemes_)
        for (std::string_view scheme : kBuiltInSchemes) schemes.emplace_back(scheme);
    else
        schemes = c_.settings.Schemes;
    for (const std::string& scheme : schemes) {
        LVITEMA item{};
        item.mask = LVIF_TEXT;
        item.iItem = ListView_GetItemCount(list);
        item.pszText = const_cast<char*>(scheme.c_str());
        const int row = static_cast<int>(::SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
        if (row >= 0) ListView_SetCheckState(list, row, TRUE);
    }
}

void TForm_Import::ChooseSchemeList(bool all) {
    if (all == allSchemes_) return;
    allSchemes_ = all;
    ::CheckMenuRadioItem(schemesMenu_.SubMenu(0), IDM_IMPORT_ALL_SCHEMES, IDM_IMPORT_OWN_SCHEMES,
                         all ? IDM_IMPORT_ALL_SCHEMES : IDM_IMPORT_OWN_SCHEMES, MF_BYCOMMAND);
    FillSchemes();
}

void TForm_Import::ShowSchemesMenu(LPARAM at) {
    POINT point{GET_X_LPARAM(at), GET_Y_LPARAM(at)};
    const bool fromKeyboard = point.x == -1 && point.y == -1;
    if (fromKeyboard) {
        RECT rect{};
        ::GetWindowRect(Item(IDC_IMPORT_SCHEMES), &rect);
        point = {rect.left + 8, rect.top + 8};
    }
    const int chosen = ui::TrackPopup(schemesMenu_.SubMenu(0), handle(), &point);
    if (chosen == IDM_IMPORT_ALL_SCHEMES || chosen == IDM_IMPORT_OWN_SCHEMES)
        ChooseSchemeList(chosen == IDM_IMPORT_ALL_SCHEMES);
}

void TForm_Import::UpdateLinksTo() {
    const bool choose = !IsChecked(IDC_IMPORT_ALL_FILES);
    for (int id : {IDC_IMPORT_LINKS_TO, IDC_IMPORT_COMBO_EXT, IDC_IMPORT_LABEL_EXT, IDC_IMPORT_EDIT_EXT})
        EnableItem(id, choose);
}

void TForm_Import::ShowFileCount() {
    const auto count = ::SendDlgItemMessageA(handle(), IDC_IMPORT_FILES, LB_GETCOUNT, 0, 0);
    sbar_.SetText(0, std::to_string(count) + " files");
}

void TForm_Import::AddFiles() {
    ui::FileDialogOptions options;
    options.title = kImportFileTitle;
    options.filter = kImportFileFilter;
    options.initialFolder = c_.initialFolder;
    const std::vector<std::string> chosen = ui::ShowOpenFilesDialog(handle(), options);
    if (chosen.empty()) return;
    HWND files = Item(IDC_IMPORT_FILES);
    for (const std::string& name : chosen)
        if (::SendMessageA(files, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(name.c_str())) ==
            LB_ERR)
            ::SendMessageA(files, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
    c_.initialFolder = ExtractFilePath(chosen.front());
    ShowFileCount();
    ::SendMessageA(handle(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(IDC_IMPORT_NOW)), TRUE);
}

void TForm_Import::ClearFiles() {
    HWND files = Item(IDC_IMPORT_FILES);
    const auto selected = ::SendMessageA(files, LB_GETSELCOUNT, 0, 0);
    if (selected > 0) {
        for (auto row = ::SendMessageA(files, LB_GETCOUNT, 0, 0) - 1; row >= 0; --row)
            if (::SendMessageA(files, LB_GETSEL, static_cast<WPARAM>(row), 0) > 0)
                ::SendMessageA(files, LB_DELETESTRING, static_cast<WPARAM>(row), 0);
    } else if (::SendMessageA(files, LB_GETCOUNT, 0, 0) > 0 &&
               messages_.Confirm("Remove all files from the list?", std::string(kAppTitle))) {
        ::SendMessageA(files, LB_RESETCONTENT, 0, 0);
    }
    ShowFileCount();
}

std::vector<std::string> TForm_Import::FileNames() const {
    HWND files = Item(IDC_IMPORT_FILES);
    std::vector<std::string> names;
    const auto count = ::SendMessageA(files, LB_GETCOUNT, 0, 0);
    for (LRESULT row = 0; row < count; ++row) {
        const auto length = ::SendMessageA(files, LB_GETTEXTLEN, static_cast<WPARAM>(row), 0);
        if (length < 0) continue;
        std::string name(static_cast<std::size_t>(length) + 1, '\0');
        ::SendMessageA(files, LB_GETTEXT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(name.data()));
        name.resize(static_cast<std::size_t>(length));
        names.push_back(std::move(name));
    }
    return names;
}

std::vector<std::string> TForm_Import::CheckedSchemes() const {
    HWND list = Item(IDC_IMPORT_SCHEMES);
    std::vector<std::string> schemes;
    const int count = ListView_GetItemCount(list);
    for (int row = 0; row < count; ++row) {
        if (!ListView_GetCheckState(list, row)) continue;
        char text[256] = {};
        ListView_GetItemText(list, row, 0, text, sizeof text);
        schemes.emplace_back(text);
    }
    return schemes;
}

void TForm_Import::ImportNow() {
    ImportDialogState state;
    state.Files = FileNames();
    state.CheckedSchemes = CheckedSchemes();
    state.Options.Desc = IsChecked(IDC_IMPORT_DESC);
    state.Options.HrefOnly = IsChecked(IDC_IMPORT_ANCHORS_ONLY);
    state.Options.BaseHREF = IsChecked(IDC_IMPORT_BASE_HREF);
    state.Options.Fuzzy = IsChecked(IDC_IMPORT_FUZZY);
    state.Options.Domains = IsChecked(IDC_IMPORT_DOMAINS);
    state.Options.AllFiles = IsChecked(IDC_IMPORT_ALL_FILES);
    state.Options.ClipHash = IsChecked(IDC_IMPORT_CLIP_HASH);
    state.Options.ClipCGI = IsChecked(IDC_IMPORT_CLIP_CGI);
    state.Options.Extensions = ItemText(IDC_IMPORT_EDIT_EXT);
    state.ChosenSet = static_cast<int>(::SendDlgItemMessageA(handle(), IDC_IMPORT_COMBO_EXT, CB_GETCURSEL, 0, 0));
    state.AllSchemes = allSchemes_;
    choices_ = AcceptImportDialog(state, c_.sets, c_.settings, messages_);
    if (choices_) End(IDOK);
}

bool TForm_Import::OnCommand(int id, int code, HWND) {
    switch (id) {
        case IDC_IMPORT_NOW:
        case IDOK:  // Enter
            if (code == BN_CLICKED) ImportNow();
            return true;
        case IDC_IMPORT_ADD:
            if (code == BN_CLICKED) AddFiles();
            return true;
        case IDC_IMPORT_CLEAR:
            if (code == BN_CLICKED) ClearFiles();
            return true;
        case IDC_IMPORT_CLOSE:
            if (code != BN_CLICKED) return true;
            ::SendDlgItemMessageA(handle(), IDC_IMPORT_FILES, LB_RESETCONTENT, 0, 0);
            End(IDCANCEL);
            return true;
        case IDC_IMPORT_ALL_FILES:
            if (code == BN_CLICKED) UpdateLinksTo();
            return true;
        case IDC_IMPORT_COMBO_EXT:
            if (code == CBN_SELCHANGE) {
                const auto index = ::SendDlgItemMessageA(handle(), IDC_IMPORT_COMBO_EXT, CB_GETCURSEL, 0, 0);
                if (index >= 0 && index < ExtensionSets::Count())
                    SetItemText(IDC_IMPORT_EDIT_EXT, c_.sets.List(static_cast<int>(index)));
            }
            return true;
        case IDC_IMPORT_LABEL_EXT:
            if (code == STN_DBLCLK) {
                c_.sets.RestoreUserDefined();
                ::SendDlgItemMessageA(handle(), IDC_IMPORT_COMBO_EXT, CB_SETCURSEL, 0, 0);
                SetItemText(IDC_IMPORT_EDIT_EXT, c_.sets.List(0));
            }
            return true;
        case IDC_IMPORT_FILES:
            if (code == LBN_SELCHANGE) ShowFileCount();
            return true;
        default:
            return false;  // IDCANCEL (Esc) closes without importing
    }
}

bool TForm_Import::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
    switch (message) {
        case WM_SIZE:
            layout_.Resize();
            sbar_.Resize();
            return false;
        case WM_GETMINMAXINFO:
            layout_.LimitSize(*reinterpret_cast<MINMAXINFO*>(lParam));
            result = 0;
            return true;
        case WM_CONTEXTMENU:
            if (reinterpret_cast<HWND>(wParam) != Item(IDC_IMPORT_SCHEMES)) return false;
            ShowSchemesMenu(lParam);
            result = TRUE;
            return true;
        default:
            return false;
    }
}

}  // namespace brantlow
