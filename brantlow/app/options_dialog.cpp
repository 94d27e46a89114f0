#include "brantlow/app/options_dialog.h"

#include <commctrl.h>

#include "brantlow/app/dialog_fonts.h"
#include "brantlow/app/list_appearance.h"
#include "brantlow/app/options_dialog_ids.h"
#include "brantlow/core/file_names.h"
#include "brantlow/core/messages.h"
#include "brantlow/core/text.h"
#include "ui/application.h"
#include "ui/file_dialog.h"

namespace brantlow {
namespace {

constexpr int kPageTemplates[TForm_Options::kPageCount] = {IDD_OPTIONS_MAIN, IDD_OPTIONS_URLS, IDD_OPTIONS_INTERFACE,
                                                           IDD_OPTIONS_HTML, IDD_OPTIONS_MISC};
constexpr const char* kPageCaptions[TForm_Options::kPageCount] = {"Main", "URLs", "Interface", "HTML", "Misc"};
constexpr int kHTMLPage = 3;
constexpr int kMainPage = 0;
constexpr std::size_t kMaxSchemeText = 32;
constexpr std::size_t kMaxTagText = 255;
constexpr std::size_t kMaxURLTagText = 127;

// The check boxes that store straight into a boolean setting.
template <typename Record>
struct CheckBinding {
    int id;
    bool Record::*field;
};

constexpr CheckBinding<TBrantlowURLOptions> kOptionChecks[] = {
    {IDC_OPT_AUTOSAVE, &TBrantlowURLOptions::AutoSave},
    {IDC_OPT_KEEPBACKUP, &TBrantlowURLOptions::KeepBackup},
    {IDC_OPT_ONTOP, &TBrantlowURLOptions::OnTop},
    {IDC_OPT_ICONINTRAY, &TBrantlowURLOptions::IconInTray},
    {IDC_OPT_ESCMINIMIZES, &TBrantlowURLOptions::ESCMinimizes},
    {IDC_OPT_STARTMINIMIZED, &TBrantlowURLOptions::StartMinimized},
    {IDC_OPT_MONITOR, &TBrantlowURLOptions::MonitorClip},
    {IDC_OPT_SINGLECLICK, &TBrantlowURLOptions::SingleClick},
    {IDC_OPT_SINGLEKEY, &TBrantlowURLOptions::SingleKey},
    {IDC_OPT_EDITINPLACE, &TBrantlowURLOptions::EditInPlace},
    {IDC_OPT_MRUUSE, &TBrantlowURLOptions::MRUUse},
    {IDC_OPT_FUZZY, &TBrantlowURLOptions::FuzzyURLScan},
    {IDC_OPT_DESCSINGLE, &TBrantlowURLOptions::DescSingle},
    {IDC_OPT_DESCMULTIPLE, &TBrantlowURLOptions::DescMultiple},
    {IDC_OPT_DESCMANUAL, &TBrantlowURLOptions::DescManual},
    {IDC_OPT_DESCPROMPT, &TBrantlowURLOptions::DescPrompt},
    {IDC_OPT_DESCPROMPTCAPTURE, &TBrantlowURLOptions::DescPromptInCaptureMode},
    {IDC_OPT_DESCSTRIPHTML, &TBrantlowURLOptions::DescStripHTML},
    {IDC_OPT_CLIPHASH, &TBrantlowURLOptions::ClipHash},
    {IDC_OPT_CLIPCGI, &TBrantlowURLOptions::ClipCGI},
    {IDC_OPT_HOTTRACK, &TBrantlowURLOptions::HotTrack},
    {IDC_OPT_HOTMOUSE, &TBrantlowURLOptions::HotMouse},
    {IDC_OPT_GRIDLINES, &TBrantlowURLOptions::Gridlines},
    {IDC_OPT_FULLROWSELECT, &TBrantlowURLOptions::FullRowSelect},
    {IDC_OPT_SHOWHINTS, &TBrantlowURLOptions::ShowHints},
    {IDC_OPT_FLATTOOLBAR, &TBrantlowURLOptions::FlatToolbar},
    {IDC_OPT_URLFIRST, &TBrantlowURLOptions::URLFirst},
    {IDC_OPT_KEEPSORTED, &TBrantlowURLOptions::KeepSorted},
    {IDC_OPT_ALERTONFAIL, &TBrantlowURLOptions::AlertonFail},
    {IDC_OPT_SAVEEMPTYFILE, &TBrantlowURLOptions::SaveEmptyFile},
    {IDC_OPT_PROMPTFILTEREDSAVE, &TBrantlowURLOptions::PromptOnFilteredSave},
    {IDC_OPT_CONFIRMEXIT, &TBrantlowURLOptions::ConfirmEdit},
    {IDC_OPT_CONFIRMREMOVE, &TBrantlowURLOptions::ConfirmRemove},
    {IDC_OPT_ALWAYSDEFAULT, &TBrantlowURLOptions::AlwaysDefault},
    {IDC_OPT_LAUNCHBROWSER, &TBrantlowURLOptions::LaunchBrowser},
};

constexpr CheckBinding<THTMLLayout> kLayoutChecks[] = {
    {IDC_OPT_SHOWURL, &THTMLLayout::ShowURL},
    {IDC_OPT_SHOWINFO, &THTMLLayout::ShowInfo},
};

constexpr CheckBinding<TInsertOptions> kInjectChecks[] = {
    {IDC_OPT_INJ_BASEHREF, &TInsertOptions::BaseHREF},   {IDC_OPT_INJ_CLEANBODY, &TInsertOptions::CleanBody},
    {IDC_OPT_INJ_BACKUP, &TInsertOptions::Backup},       {IDC_OPT_INJ_ASTITLE, &TInsertOptions::AsTitle},
    {IDC_OPT_INJ_SUGGEST, &TInsertOptions::SuggestFileName}, {IDC_OPT_INJ_REMOVEURL, &TInsertOptions::RemoveURL},
};

struct TagField {
    int id;
    std::string THTMLLayout::*field;
    std::size_t limit;
};
constexpr TagField kTagFields[] = {
    {IDC_OPT_TAGHEAD, &THTMLLayout::TagHEAD, kMaxTagText},       {IDC_OPT_TAGBODY, &THTMLLayout::TagBODY, kMaxTagText},
    {IDC_OPT_TAGOTHER, &THTMLLayout::TagOther, kMaxTagText},     {IDC_OPT_TAGURLON, &THTMLLayout::TagURLOn, kMaxURLTagText},
    {IDC_OPT_TAGURLOFF, &THTMLLayout::TagURLOff, kMaxURLTagText}, {IDC_OPT_TAGTABLE, &THTMLLayout::TagTable, kMaxTagText},
};

struct Hint {
    int id;
    const char* text;
};
constexpr Hint kHints[] = {
    {IDC_OPT_URLFILE_BROWSE, "Choose the file that stores the URLs"},
    {IDC_OPT_TPLFILE_BROWSE, "Choose the template file"},
    {IDC_OPT_BROWSER_BROWSE, "Choose the Web browser"},
    {IDC_OPT_BROWSER_LABEL, "Double click to use the system's default browser"},
    {IDC_OPT_FILENAMECHARS_RESET, "Restore the default characters"},
    {IDC_OPT_URLDELIMITERS_RESET, "Restore the default delimiters"},
    {IDC_OPT_SCHEME_ADD, "Add the scheme typed below the list"},
    {IDC_OPT_SCHEME_DELETE, "Delete the selected schemes"},
    {IDC_OPT_SCHEME_RESET, "Restore the built-in schemes"},
    {IDC_OPT_FONT, "Choose the font of the URL list"},
    {IDC_OPT_BGCOLOR, "Choose the background color of the URL list"},
    {IDC_OPT_FONT_RESET, "Restore the default font and background color"},
    {IDC_OPT_DEFAULTS, "Restore the default HTML layout"},
};

std::string ListBoxText(HWND list, int index) {
    const LRESULT length = ::SendMessageA(list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length <= 0) return {};
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    ::SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    return text;
}

}  // namespace

TForm_Options::TForm_Options(Settings& settings, SchemeWorkingCopy& schemes, common::MessageBoxHost& messages,
                             OptionsDialogContext context)
    : Dialog(IDD_OPTIONS),
      settings_(settings),
      schemes_(schemes),
      messages_(messages),
      context_(std::move(context)),
      sample_{settings.Options.Font, settings.Options.ListColor} {
    INITCOMMONCONTROLSEX init{sizeof init, ICC_TAB_CLASSES | ICC_UPDOWN_CLASS | ICC_BAR_CLASSES};
    ::InitCommonControlsEx(&init);
}

TForm_Options::~TForm_Options() = default;

bool TForm_Options::OnInitDialog() {
    CreatePages();
    ApplyDialogFont(handle(), context_.font);
    for (HWND page : pages_) ApplyDialogFont(page, context_.font);
    CreateTooltips();
    Load();
    ShowPage(kMainPage);
    ::SetFocus(Control(IDC_OPT_URLFILE));
    return false;
}

void TForm_Options::CreatePages() {
    HWND tabs = Item(IDC_OPT_TABS);
    for (int i = 0; i < kPageCount; ++i) {
        TCITEMA item{};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<char*>(kPageCaptions[i]);
        ::SendMessageA(tabs, TCM_INSERTITEMA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
    }
    RECT area{};
    ::GetWindowRect(tabs, &area);
    ::MapWindowPoints(nullptr, handle(), reinterpret_cast<POINT*>(&area), 2);
    TabCtrl_AdjustRect(tabs, FALSE, &area);
    HWND after = tabs;
    for (int i = 0; i < kPageCount; ++i) {
        HWND page = ::CreateDialogParamA(ui::Application::Instance(), MAKEINTRESOURCEA(kPageTemplates[i]), handle(),
                                         &TForm_Options::PageProc, 0);
        ::SetWindowLongPtrA(page, GWLP_ID, kPageTemplates[i]);
        // Each page follows the tabs in the tab order and covers their display area.
        ::SetWindowPos(page, after, area.left, area.top, area.right - area.left, area.bottom - area.top,
                       SWP_NOACTIVATE);
        after = page;
        pages_[static_cast<std::size_t>(i)] = page;
    }
}

// The pages pass their controls' notifications to the frame, which handles them all.
INT_PTR CALLBACK TForm_Options::PageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            return FALSE;
        case WM_COMMAND:
            ::SendMessageA(::GetParent(page), message, wParam, lParam);
            return TRUE;
        case WM_CTLCOLORSTATIC:
            if (::GetDlgCtrlID(reinterpret_cast<HWND>(lParam)) != IDC_OPT_FONT_SAMPLE) return FALSE;
            return static_cast<INT_PTR>(::SendMessageA(::GetParent(page), message, wParam, lParam));
        default:
            return FALSE;
    }
}

void TForm_Options::ShowPage(int index) {
    page_ = index;
    TabCtrl_SetCurSel(Item(IDC_OPT_TABS), index);
    for (int i = 0; i < kPageCount; ++i)
        ::ShowWindow(pages_[static_cast<std::size_t>(i)], i == index ? SW_SHOW : SW_HIDE);
    const bool html = index == kHTMLPage;
    ::ShowWindow(Item(IDC_OPT_DEFAULTS), html ? SW_SHOW : SW_HIDE);
    EnableItem(IDC_OPT_DEFAULTS, html);
}

void TForm_Options::CreateTooltips() {
    hints_.Create(handle(), context_.showHints);
    for (const Hint& hint : kHints) hints_.Add(Control(hint.id), hint.text);
}

HWND TForm_Options::Control(int id) const {
    if (HWND own = Item(id)) return own;
    for (HWND page : pages_)
        if (HWND control = page ? ::GetDlgItem(page, id) : nullptr) return control;
    return nullptr;
}

std::string TForm_Options::Text(int id) const {
    HWND control = Control(id);
    std::string text(static_cast<std::size_t>(::GetWindowTextLengthA(control)) + 1, '\0');
    text.resize(static_cast<std::size_t>(::GetWindowTextA(control, text.data(), static_cast<int>(text.size()))));
    return text;
}

void TForm_Options::SetText(int id, const std::string& text) const { ::SetWindowTextA(Control(id), text.c_str()); }

bool TForm_Options::Checked(int id) const {
    return ::SendMessageA(Control(id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void TForm_Options::Check(int id, bool on) const {
    ::SendMessageA(Control(id), BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
}

void TForm_Options::Enable(int id, bool on) const { ::EnableWindow(Control(id), on ? TRUE : FALSE); }

int TForm_Options::Selection(int id) const {
    return static_cast<int>(::SendMessageA(Control(id), CB_GETCURSEL, 0, 0));
}

void TForm_Options::FillCombo(int id, std::initializer_list<const char*> entries, int selected) const {
    HWND combo = Control(id);
    for (const char* entry : entries) ::SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry));
    const int count = static_cast<int>(entries.size());
    ::SendMessageA(combo, CB_SETCURSEL, selected >= 0 && selected < count ? selected : 0, 0);
}

void TForm_Options::SetNumber(int id, int spinId, int value, int low, int high) const {
    ::SendMessageA(Control(spinId), UDM_SETRANGE32, static_cast<WPARAM>(low), high);
    SetText(id, std::to_string(NumberInRange(std::to_string(value), low, high, low)));
}

int TForm_Options::Number(int id, int low, int high, int fallback) const {
    return NumberInRange(Text(id), low, high, fallback);
}

// ---- Loading and storing -------------------------------------------------------------

void TForm_Options::Load() {
    const TBrantlowURLOptions& o = settings_.Options;
    for (const auto& check : kOptionChecks) Check(check.id, o.*check.field);
    for (const auto& check : kInjectChecks) Check(check.id, settings_.Inject.*check.field);
    Check(IDC_OPT_ALLOWDUPLICATES, !o.NoDuplicates);
    Check(IDC_OPT_DESCLEFT, o.DescLeft);
    Check(IDC_OPT_DESCRIGHT, !o.DescLeft);
    Check(IDC_OPT_VERDANA, o.UseVerdana && context_.verdanaInstalled);
    Enable(IDC_OPT_VERDANA, context_.verdanaInstalled);

    SetText(IDC_OPT_URLFILE, o.URLFileName);
    SetText(IDC_OPT_HTMLTITLE, o.HTMLTitle);
    SetText(IDC_OPT_BROWSER, o.BrowserPath);
    SetText(IDC_OPT_FILENAMECHARS, o.FileNameChars);
    SetText(IDC_OPT_URLDELIMITERS, o.URLDelimiters);

    FillCombo(IDC_OPT_LISTDBLCLICK,
              {"Add URL", "Add multiple", "Manual add", "Launch URL", "Copy URL", "Copy with description",
               "Copy as HTML", "Edit URL"},
              o.ListDblClick);
    FillCombo(IDC_OPT_TRAYDBLCLICK, {"Add URL", "Add multiple", "Manual add", "Launch browser", "Restore"},
              o.TrayDblClick);
    FillCombo(IDC_OPT_DUPLICATEACTION, {"Ignore (don't add)", "Replace (if new description)", "Prompt"},
              o.DuplicateAction);
    FillCombo(IDC_OPT_LISTLAYOUT, {"Ordered list", "Bulleted list", "Paragraph flow", "Table", "External template"},
              settings_.HTMLLayout.ListLayout);

    SetNumber(IDC_OPT_MRUCOUNT, IDC_OPT_MRUCOUNT_SPIN, o.MRUCount, kMinMRUCount, kMaxMRUCount);
    SetNumber(IDC_OPT_DESCMINLEN, IDC_OPT_DESCMINLEN_SPIN, o.DescMinLen, kMinDescMinLen, kMaxDescMinLen);
    SetNumber(IDC_OPT_DESCMAXLEN, IDC_OPT_DESCMAXLEN_SPIN, o.DescMaxLen, kMinDescMaxLen, kMaxDescMaxLen);

    ::SendMessageA(Control(IDC_OPT_SCHEME_TEXT), EM_LIMITTEXT, kMaxSchemeText, 0);
    for (const TagField& tag : kTagFields) ::SendMessageA(Control(tag.id), EM_LIMITTEXT, tag.limit, 0);
    LoadHTMLLayout(settings_.HTMLLayout);

    FillSchemes();
    UpdateDuplicateAction();
    UpdateRecentFiles(false);
    UpdateSample();
}

void TForm_Options::LoadHTMLLayout(const THTMLLayout& layout) {
    ::SendMessageA(Control(IDC_OPT_LISTLAYOUT), CB_SETCURSEL, layout.ListLayout <= kLayoutTemplate ? layout.ListLayout : 0,
                   0);
    SetText(IDC_OPT_TPLFILE, layout.TPLFileName);
    for (const TagField& tag : kTagFields) SetText(tag.id, layout.*tag.field);
    for (const auto& check : kLayoutChecks) Check(check.id, layout.*check.field);
    UpdateLayoutFields();
}

void TForm_Options::Store() {
    CheckDescLengths();
    TBrantlowURLOptions& o = settings_.Options;
    const std::string& folder = settings_.ProgramFolder;
    for (const auto& check : kOptionChecks) o.*check.field = Checked(check.id);
    for (const auto& check : kInjectChecks) settings_.Inject.*check.field = Checked(check.id);
    o.NoDuplicates = !Checked(IDC_OPT_ALLOWDUPLICATES);
    o.DescLeft = Checked(IDC_OPT_DESCLEFT);
    o.UseVerdana = Checked(IDC_OPT_VERDANA) && context_.verdanaInstalled;

    o.URLFileName = NormalizePath(Text(IDC_OPT_URLFILE), folder);
    o.HTMLTitle = Text(IDC_OPT_HTMLTITLE);
    o.BrowserPath = NormalizePath(Text(IDC_OPT_BROWSER), folder);
    o.FileNameChars = StoredFileNameChars(Text(IDC_OPT_FILENAMECHARS));
    SetText(IDC_OPT_FILENAMECHARS, o.FileNameChars);
    o.URLDelimiters = StoredURLDelimiters(Text(IDC_OPT_URLDELIMITERS));

    o.ListDblClick = static_cast<std::uint8_t>(Selection(IDC_OPT_LISTDBLCLICK));
    o.TrayDblClick = static_cast<std::uint8_t>(Selection(IDC_OPT_TRAYDBLCLICK));
    o.DuplicateAction = static_cast<std::uint8_t>(Selection(IDC_OPT_DUPLICATEACTION));
    o.MRUCount = static_cast<std::uint8_t>(Number(IDC_OPT_MRUCOUNT, kMinMRUCount, kMaxMRUCount, o.MRUCount));
    o.DescMinLen = Number(IDC_OPT_DESCMINLEN, kMinDescMinLen, kMaxDescMinLen, o.DescMinLen);
    o.DescMaxLen = Number(IDC_OPT_DESCMAXLEN, kMinDescMaxLen, kMaxDescMaxLen, o.DescMaxLen);
    o.Font = sample_.Font;
    o.ListColor = sample_.ListColor;

    THTMLLayout& layout = settings_.HTMLLayout;
    layout.ListLayout = static_cast<std::uint8_t>(Selection(IDC_OPT_LISTLAYOUT));
    layout.TPLFileName = NormalizePath(Text(IDC_OPT_TPLFILE), folder);
    for (const TagField& tag : kTagFields) layout.*tag.field = Text(tag.id);
    for (const auto& check : kLayoutChecks) layout.*check.field = Checked(check.id);
}

// ---- Commands --------------------------------------------------------------------------

bool TForm_Options::OnCommand(int id, int code, HWND) {
    if (code == EN_KILLFOCUS && (id == IDC_OPT_DESCMINLEN || id == IDC_OPT_DESCMAXLEN)) {
        CheckDescLengths();
        return true;
    }
    if (code == STN_DBLCLK && id == IDC_OPT_BROWSER_LABEL) {
        SetText(IDC_OPT_BROWSER, NormalizePath(context_.defaultBrowser ? context_.defaultBrowser() : std::string(),
                                               settings_.ProgramFolder));
        return true;
    }
    if (code == CBN_SELCHANGE && id == IDC_OPT_LISTLAYOUT) {
        UpdateLayoutFields();
        return true;
    }
    if (code != BN_CLICKED) return false;
    switch (id) {
        case IDOK: Store(); End(IDOK); return true;
        case IDC_OPT_SCHEME_ADD: AddScheme(); return true;
        case IDC_OPT_SCHEME_DELETE: DeleteSchemes(); return true;
        case IDC_OPT_SCHEME_RESET: ResetSchemes(); return true;
        case IDC_OPT_ALLOWDUPLICATES: UpdateDuplicateAction(); return true;
        case IDC_OPT_MRUUSE: UpdateRecentFiles(page_ == kMainPage); return true;
        case IDC_OPT_SHOWHINTS:
            hints_.SetActive(Checked(IDC_OPT_SHOWHINTS));
            return true;
        case IDC_OPT_FONT: ChooseFont(); return true;
        case IDC_OPT_BGCOLOR: ChooseBackground(); return true;
        case IDC_OPT_FONT_RESET: ResetFontAndColor(); return true;
        case IDC_OPT_DEFAULTS: RestoreHTMLDefaults(); return true;
        case IDC_OPT_FILENAMECHARS_RESET: SetText(IDC_OPT_FILENAMECHARS, TBrantlowURLOptions{}.FileNameChars); return true;
        case IDC_OPT_URLDELIMITERS_RESET: SetText(IDC_OPT_URLDELIMITERS, TBrantlowURLOptions{}.URLDelimiters); return true;
        case IDC_OPT_URLFILE_BROWSE: BrowseFile(IDC_OPT_URLFILE); return true;
        case IDC_OPT_TPLFILE_BROWSE: BrowseFile(IDC_OPT_TPLFILE); return true;
        case IDC_OPT_BROWSER_BROWSE: BrowseFile(IDC_OPT_BROWSER); return true;
        default: return false;
    }
}

INT_PTR TForm_Options::OnNotify(const NMHDR& header) {
    if (header.idFrom == IDC_OPT_TABS && header.code == TCN_SELCHANGE)
        ShowPage(TabCtrl_GetCurSel(Item(IDC_OPT_TABS)));
    return 0;
}

bool TForm_Options::OnMessage(UINT message, WPARAM wParam, LPARAM, INT_PTR& result) {
    if (message != WM_CTLCOLORSTATIC) return false;
    HDC dc = reinterpret_cast<HDC>(wParam);
    ::SetTextColor(dc, ToColorRef(sample_.Font.FColor));
    ::SetBkColor(dc, ToColorRef(sample_.ListColor));
    result = reinterpret_cast<INT_PTR>(sampleBrush_.get());
    return true;
}

void TForm_Options::FillSchemes() {
    HWND list = Control(IDC_OPT_SCHEMES);
    ::SendMessageA(list, LB_RESETCONTENT, 0, 0);
    for (const std::string& scheme : schemes_.Items())
        ::SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(scheme.c_str()));
}

void TForm_Options::AddScheme() {
    const SchemeAddResult result = schemes_.Add(Text(IDC_OPT_SCHEME_TEXT));
    if (result == SchemeAddResult::Empty) return;
    if (result == SchemeAddResult::Full) {
        messages_.Inform("The list of URL schemes is full. Delete a scheme before adding another one.",
                         std::string(kAppTitle), common::MessageIcon::Warning);
        return;
    }
    if (result == SchemeAddResult::Added) {
        const int at = schemes_.IndexOf(LowerCase(Trim(Text(IDC_OPT_SCHEME_TEXT))));
        ::SendMessageA(Control(IDC_OPT_SCHEMES), LB_INSERTSTRING, static_cast<WPARAM>(at),
                       reinterpret_cast<LPARAM>(schemes_.Items()[static_cast<std::size_t>(at)].c_str()));
    }
    SetText(IDC_OPT_SCHEME_TEXT, "");
    ::SetFocus(Control(IDC_OPT_SCHEME_TEXT));
}

void TForm_Options::DeleteSchemes() {
    HWND list = Control(IDC_OPT_SCHEMES);
    std::vector<std::string> chosen;
    const int count = static_cast<int>(::SendMessageA(list, LB_GETCOUNT, 0, 0));
    for (int i = count - 1; i >= 0; --i) {
        if (::SendMessageA(list, LB_GETSEL, static_cast<WPARAM>(i), 0) <= 0) continue;
        chosen.push_back(ListBoxText(list, i));
        ::SendMessageA(list, LB_DELETESTRING, static_cast<WPARAM>(i), 0);
    }
    schemes_.Remove(chosen);
}

void TForm_Options::ResetSchemes() {
    if (!messages_.Confirm("Really reset URL schemes list to factory defaults?", std::string(kAppTitle))) return;
    schemes_.Reset();
    FillSchemes();
}

void TForm_Options::CheckDescLengths() {
    if (checkingLengths_) return;
    const int minLen = Number(IDC_OPT_DESCMINLEN, kMinDescMinLen, kMaxDescMinLen, settings_.Options.DescMinLen);
    const int maxLen = Number(IDC_OPT_DESCMAXLEN, kMinDescMaxLen, kMaxDescMaxLen, settings_.Options.DescMaxLen);
    const std::optional<int> corrected = CorrectedMaxDescLen(minLen, maxLen);
    if (!corrected) return;
    checkingLengths_ = true;  // the message box takes the focus from the field again
    messages_.Inform(kDescLengthCorrected, std::string(kAppTitle), common::MessageIcon::Warning);
    SetText(IDC_OPT_DESCMAXLEN, std::to_string(*corrected));
    checkingLengths_ = false;
}

void TForm_Options::UpdateDuplicateAction() { Enable(IDC_OPT_DUPLICATEACTION, !Checked(IDC_OPT_ALLOWDUPLICATES)); }

void TForm_Options::UpdateRecentFiles(bool focusCount) {
    const bool on = Checked(IDC_OPT_MRUUSE);
    Enable(IDC_OPT_MRUCOUNT, on);
    Enable(IDC_OPT_MRUCOUNT_SPIN, on);
    if (on && focusCount) ::SetFocus(Control(IDC_OPT_MRUCOUNT));
}

void TForm_Options::UpdateLayoutFields() {
    const bool usesTemplate = Selection(IDC_OPT_LISTLAYOUT) == kLayoutTemplate;
    for (int id : {IDC_OPT_TPLFILE_LABEL, IDC_OPT_TPLFILE, IDC_OPT_TPLFILE_BROWSE})
        ::ShowWindow(Control(id), usesTemplate ? SW_SHOW : SW_HIDE);
    std::vector<int> tagControls = {IDC_OPT_SHOWURL, IDC_OPT_SHOWINFO};
    for (const TagField& tag : kTagFields) tagControls.push_back(tag.id);
    for (int id = IDC_OPT_TAG_LABEL_FIRST; id <= IDC_OPT_TAG_LABEL_LAST; ++id) tagControls.push_back(id);
    for (int id : tagControls) ::ShowWindow(Control(id), usesTemplate ? SW_HIDE : SW_SHOW);
}

// ---- The font sample, the system's font and colour dialogs, and the file fields ----------

void TForm_Options::UpdateSample() {
    const TFontProperties& f = sample_.Font;
    const LOGFONTA font = ListLogFont(f);
    ui::GdiObject newFont(::CreateFontIndirectA(&font));
    HWND sample = Control(IDC_OPT_FONT_SAMPLE);
    ::SendMessageA(sample, WM_SETFONT, reinterpret_cast<WPARAM>(newFont.get()), FALSE);
    sampleFont_ = std::move(newFont);
    sampleBrush_.reset(::CreateSolidBrush(ToColorRef(sample_.ListColor)));
    SetText(IDC_OPT_FONT_SAMPLE, FontSampleText(f));
    ::InvalidateRect(sample, nullptr, TRUE);
}

void TForm_Options::ChooseFont() {
    TFontProperties& f = sample_.Font;
    LOGFONTA font = ListLogFont(f);
    CHOOSEFONTA choose{};
    choose.lStructSize = sizeof choose;
    choose.hwndOwner = handle();
    choose.lpLogFont = &font;
    choose.Flags = CF_SCREENFONTS | CF_EFFECTS | CF_INITTOLOGFONTSTRUCT | CF_FORCEFONTEXIST;
    choose.rgbColors = ToColorRef(f.FColor);
    if (!::ChooseFontA(&choose)) return;
    f.FName = font.lfFaceName;
    f.FSize = choose.iPointSize > 0 ? (choose.iPointSize + 5) / 10 : f.FSize;
    f.Bold = font.lfWeight >= FW_BOLD;
    f.Italic = font.lfItalic != 0;
    f.Underline = font.lfUnderline != 0;
    f.StrikeOut = font.lfStrikeOut != 0;
    f.FCharset = font.lfCharSet;
    const int pitch = font.lfPitchAndFamily & 3;
    f.FPitch = pitch == VARIABLE_PITCH ? 1 : pitch == FIXED_PITCH ? 2 : 0;
    f.FColor = static_cast<std::int32_t>(choose.rgbColors);
    UpdateSample();
}

void TForm_Options::ChooseBackground() {
    CHOOSECOLORA choose{};
    choose.lStructSize = sizeof choose;
    choose.hwndOwner = handle();
    choose.rgbResult = ToColorRef(sample_.ListColor);
    choose.lpCustColors = customColors_;
    choose.Flags = CC_ANYCOLOR | CC_RGBINIT;
    if (!::ChooseColorA(&choose)) return;
    sample_.ListColor = static_cast<std::int32_t>(choose.rgbResult);
    UpdateSample();
}

void TForm_Options::ResetFontAndColor() {
    if (!messages_.Confirm("Reset font settings and background color to factory defaults?", std::string(kAppTitle)))
        return;
    sample_ = FactoryListAppearance();
    UpdateSample();
}

void TForm_Options::RestoreHTMLDefaults() {
    if (!messages_.Confirm("This will revert HTML layout options to factory default settings.\rContinue?",
                           std::string(kAppTitle)))
        return;
    Settings defaults;
    defaults.ProgramFolder = settings_.ProgramFolder;
    DefaultHTMLLayout(defaults);
    LoadHTMLLayout(defaults.HTMLLayout);
}

void TForm_Options::BrowseFile(int editId) {
    ui::FileDialogOptions options;
    options.fileName = Text(editId);
    std::optional<std::string> chosen;
    if (editId == IDC_OPT_URLFILE) {
        options.title = "Select file to store URLs";
        options.defaultExtension = "html";
        options.filter = "HTML files|*.htm*;*?htm*|BrantlowURL files|*.btw|All files (*.*)|*.*";
        options.flags = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST;
        chosen = ui::ShowSaveDialog(handle(), options);
    } else if (editId == IDC_OPT_TPLFILE) {
        options.title = "Select template file";
        options.filter = "Brantlow templates (*.tpl)|*.tpl|All files (*.*)|*.*";
        options.flags = OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST;
        chosen = ui::ShowOpenDialog(handle(), options);
    } else {
        options.title = "Select Web browser";
        options.defaultExtension = "exe";
        options.filter = "Programs|*.exe|All files (*.*)|*.*";
        options.flags = OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST;
        chosen = ui::ShowOpenDialog(handle(), options);
    }
    if (chosen) SetText(editId, *chosen);
}

}  // namespace brantlow
