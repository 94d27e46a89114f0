#include "tecladix/app/options_pages.h"

#include "tecladix/app/resource.h"
#include "tecladix/core/administration.h"
#include "tecladix/core/limits.h"
#include "tecladix/core/students.h"
#include "tecladix/core/texts.h"
#include "ui/window.h"

namespace tecladix {
namespace {

// The limit fields show these when Tempo.txt was short or unreadable.
constexpr const char* kDesignLimits[kLimitLines] = {"15", "15", "5", "5", "10", "10"};
// The red guide above each editor, in pixels: module 1 phrases are a little longer.
constexpr int kModule1GuideWidth = 256;
constexpr int kFragmentGuideWidth = 249;

// An editor shows the lines one under the other, without a break after the last.
std::string EditorText(const Lines& lines) {
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i) text += "\r\n";
        text += lines[i];
    }
    return text;
}

void AddItem(HWND combo, const std::string& text) {
    ::SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

}  // namespace

bool OptionsPage::CreateIn(HWND parent, const RECT& area) {
    if (!Create(parent)) return false;
    ::SetWindowPos(handle(), nullptr, area.left, area.top, area.right - area.left, area.bottom - area.top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
    return true;
}

bool OptionsPage::OnCommand(int id, int code, HWND) {
    if (id == IDOK || id == IDCANCEL) {
        ::SendMessageA(::GetParent(handle()), WM_COMMAND, MAKEWPARAM(id, code), 0);
        return true;
    }
    return OnPageCommand(id, code);
}

// The limits.

LimitsPage::LimitsPage(Tutor& tutor) : OptionsPage(IDD_PAGE_LIMITS), tutor_(tutor) {}

bool LimitsPage::OnInitDialog() {
    for (int field = 0; field < static_cast<int>(kLimitLines); ++field) {
        const HWND combo = Item(IDC_LIMIT_FIRST + field);
        for (const char* value : field % 2 == 0 ? kOfferedMinutes : kOfferedErrors) AddItem(combo, value);
        ::SetWindowTextA(combo, LimitOr(tutor_.limits, field, kDesignLimits[field]).c_str());
    }
    return false;
}

void LimitsPage::Save() {
    if (!tutor_.boxes.Confirm(texts::kSaveQuestion, texts::kSaveCaption)) return;
    std::array<std::string, kLimitLines> fields;
    for (std::size_t field = 0; field < kLimitLines; ++field)
        fields[field] = ItemText(IDC_LIMIT_FIRST + static_cast<int>(field));
    if (tutor_.Check(SaveLimits(tutor_.data, fields, tutor_.limits))) EnableItem(IDC_SAVE_LIMITS, false);
}

bool LimitsPage::OnPageCommand(int id, int code) {
    if (id >= IDC_LIMIT_FIRST && id <= IDC_LIMIT_LAST && (code == CBN_EDITCHANGE || code == CBN_SELCHANGE))
        EnableItem(IDC_SAVE_LIMITS, true);
    else if (id == IDC_SAVE_LIMITS && code == BN_CLICKED)
        Save();
    return true;
}

// Deleting students.

DeletePage::DeletePage(Tutor& tutor, Lines names)
    : OptionsPage(IDD_PAGE_DELETE), tutor_(tutor), names_(std::move(names)) {}

bool DeletePage::OnInitDialog() {
    for (const auto& name : names_)
        ::SendMessageA(Item(IDC_DELETE_LIST), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
    grey_.reset(::CreateSolidBrush(RGB(128, 128, 128)));
    LOGFONTA font{};
    ::GetObjectA(reinterpret_cast<HFONT>(::SendMessageA(handle(), WM_GETFONT, 0, 0)), sizeof font, &font);
    font.lfWeight = FW_BOLD;
    boldFont_.reset(::CreateFontIndirectA(&font));
    ::SendMessageA(Item(IDC_DELETE_NAME), WM_SETFONT, reinterpret_cast<WPARAM>(boldFont_.get()), 0);
    return false;
}

void DeletePage::ChooseStudent() {
    const HWND list = Item(IDC_DELETE_LIST);
    const auto index = ::SendMessageA(list, LB_GETCURSEL, 0, 0);
    if (index == LB_ERR) return;
    std::string name(static_cast<std::size_t>(::SendMessageA(list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0)),
                     '\0');
    ::SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(name.data()));
    SetItemText(IDC_DELETE_NAME, name);
    EnableItem(IDC_DELETE, true);
}

void DeletePage::DeleteChosenStudent() {
    const std::string name = ItemText(IDC_DELETE_NAME);
    if (name.empty() || !tutor_.boxes.Confirm(texts::kDeleteQuestion, texts::kDeleteCaption)) return;
    // The line comes from the student files as they are now, not as the page read them.
    if (RemoveStudent(tutor_.data, name).status != RemoveStatus::Removed) {
        tutor_.boxes.Inform(texts::kDeleteError, texts::kDeleteErrorCaption, common::MessageIcon::Warning);
        return;
    }
    EnableItem(IDC_DELETE, false);
    const HWND list = Item(IDC_DELETE_LIST);
    const auto index =
        ::SendMessageA(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(name.c_str()));
    if (index != LB_ERR) ::SendMessageA(list, LB_DELETESTRING, static_cast<WPARAM>(index), 0);
    SetItemText(IDC_DELETE_NAME, "");
    tutor_.Say(texts::kDeletedPrefix + name + texts::kDeletedSuffix);
}

bool DeletePage::OnPageCommand(int id, int code) {
    if (id == IDC_DELETE_LIST && code == LBN_SELCHANGE) ChooseStudent();
    if (id == IDC_DELETE && code == BN_CLICKED) DeleteChosenStudent();
    return true;
}

bool DeletePage::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
    // The chosen name: white bold on grey.
    if (message != WM_CTLCOLORSTATIC || reinterpret_cast<HWND>(lParam) != Item(IDC_DELETE_NAME)) return false;
    ::SetTextColor(reinterpret_cast<HDC>(wParam), RGB(255, 255, 255));
    ::SetBkColor(reinterpret_cast<HDC>(wParam), RGB(128, 128, 128));
    result = reinterpret_cast<INT_PTR>(grey_.get());
    return true;
}

// The exercise editors.

ExerciseEditorPage::ExerciseEditorPage(Tutor& tutor, int module, Lines text)
    : OptionsPage(module == 1 ? IDD_PAGE_EDIT1 : IDD_PAGE_EDIT2), tutor_(tutor), module_(module),
      text_(std::move(text)) {}

bool ExerciseEditorPage::OnInitDialog() {
    red_.reset(::CreateSolidBrush(RGB(255, 0, 0)));
    ::SetWindowPos(Item(IDC_LIMIT_BAR), nullptr, 0, 0, module_ == 1 ? kModule1GuideWidth : kFragmentGuideWidth, 4,
                   SWP_NOMOVE | SWP_NOZORDER);
    if (module_ != 1) {
        for (int number = 1; number <= ExerciseCount(module_); ++number)
            AddItem(Item(IDC_EXERCISE_CHOOSER), std::to_string(number));
        ::SendMessageA(Item(IDC_EXERCISE_CHOOSER), CB_SETCURSEL, 0, 0);
    }
    Show(text_);
    return false;
}

void ExerciseEditorPage::Show(const Lines& lines) {
    SetItemText(IDC_EDITOR, EditorText(lines));
    // The editor now holds what the file holds: nothing to save yet.
    EnableItem(IDC_SAVE_TEXT, false);
}

bool ExerciseEditorPage::ChooserHasFocus() const {
    const HWND chooser = Item(IDC_EXERCISE_CHOOSER);
    const HWND focus = ::GetFocus();
    return chooser && focus && (focus == chooser || ::GetParent(focus) == chooser);
}

void ExerciseEditorPage::ChooseTypedExercise() { ChooseExercise(ItemText(IDC_EXERCISE_CHOOSER)); }

void ExerciseEditorPage::ChooseExercise(const std::string& typed) {
    const auto chosen = tecladix::ChooseExercise(module_, typed, current_);
    if (!chosen) {
        tutor_.Error("'" + typed + "'" + texts::kNotANumber);
        return;
    }
    current_ = *chosen;
    // Unsaved changes are dropped: the editor always shows the current file.
    Lines lines;
    if (tutor_.Check(LoadLines(tutor_.data.Path(ExerciseTextFile(module_, current_)), lines))) Show(lines);
}

void ExerciseEditorPage::Save() {
    const std::string typed = ItemText(IDC_EDITOR);
    const std::string withoutEmptyLines = EditorText(NonEmptyLines(typed));
    if (withoutEmptyLines != typed) SetItemText(IDC_EDITOR, withoutEmptyLines);
    const auto lines = ExerciseTextToSave(module_, typed);
    if (!lines) {
        tutor_.boxes.Inform(texts::kTooManyLines, texts::kTooManyLinesCaption);
        return;
    }
    if (!tutor_.boxes.Confirm(texts::kSaveQuestion, texts::kSaveCaption)) return;
    if (!tutor_.Check(SaveLines(tutor_.data.Path(ExerciseTextFile(module_, current_)), *lines))) return;
    // Module 1's button stays enabled after a save, the fragments' buttons do not.
    if (module_ != 1) EnableItem(IDC_SAVE_TEXT, false);
}

bool ExerciseEditorPage::OnPageCommand(int id, int code) {
    if (id == IDC_EDITOR && code == EN_CHANGE) EnableItem(IDC_SAVE_TEXT, true);
    if (id == IDC_SAVE_TEXT && code == BN_CLICKED) Save();
    if (id == IDC_EXERCISE_CHOOSER && code == CBN_SELCHANGE) {
        const auto index = ::SendMessageA(Item(IDC_EXERCISE_CHOOSER), CB_GETCURSEL, 0, 0);
        if (index != CB_ERR) ChooseExercise(std::to_string(index + 1));
    }
    return true;
}

bool ExerciseEditorPage::OnMessage(UINT message, WPARAM, LPARAM lParam, INT_PTR& result) {
    if (message != WM_CTLCOLORSTATIC || reinterpret_cast<HWND>(lParam) != Item(IDC_LIMIT_BAR)) return false;
    result = reinterpret_cast<INT_PTR>(red_.get());
    return true;
}

// The access log.

AccessLogPage::AccessLogPage(Lines log) : OptionsPage(IDD_PAGE_LOG), log_(std::move(log)) {}

bool AccessLogPage::OnInitDialog() {
    Show(log_);
    return false;
}

void AccessLogPage::Show(const Lines& log) { SetItemText(IDC_LOG, EditorText(log)); }

}  // namespace tecladix
