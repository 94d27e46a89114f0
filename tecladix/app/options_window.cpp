#include "tecladix/app/options_window.h"

#include <commctrl.h>

#include "tecladix/app/resource.h"
#include "tecladix/core/administration.h"
#include "tecladix/core/limits.h"
#include "tecladix/core/students.h"
#include "tecladix/core/texts.h"
#include "ui/window.h"

namespace tecladix {
namespace {

constexpr int kPageTemplates[] = {IDD_PAGE_LIMITS, IDD_PAGE_DELETE, IDD_PAGE_EDIT1,
                                  IDD_PAGE_EDIT2,  IDD_PAGE_EDIT2,  IDD_PAGE_LOG};
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

// One page: a child dialog inside the tab control that hands its controls' commands to the
// options window.
class OptionsWindow::PageDialog final : public ui::Dialog {
public:
    PageDialog(OptionsWindow& owner, Page which) : Dialog(kPageTemplates[which]), owner_(owner), which_(which) {}

private:
    bool OnCommand(int id, int code, HWND) override {
        // Enter and Esc belong to the options window, never to a page.
        if (id == IDOK || id == IDCANCEL) {
            ::SendMessageA(owner_.handle(), WM_COMMAND, MAKEWPARAM(id, code), 0);
            return true;
        }
        return owner_.OnPageCommand(which_, id, code);
    }
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override {
        return owner_.OnPageMessage(which_, message, wParam, lParam, result);
    }

    OptionsWindow& owner_;
    Page which_;
};

OptionsWindow::OptionsWindow(Tutor& tutor, std::string administrator, AdminPasswordWindow& passwordWindow)
    : Dialog(IDD_OPTIONS), tutor_(tutor), administrator_(std::move(administrator)), passwordWindow_(passwordWindow) {}

OptionsWindow::~OptionsWindow() = default;

HWND OptionsWindow::page(Page which) const { return pages_[which] ? pages_[which]->handle() : nullptr; }

HWND OptionsWindow::PageItem(Page which, int id) const { return ::GetDlgItem(page(which), id); }

bool OptionsWindow::OnInitDialog() {
    ::SetWindowTextA(handle(), (texts::kOptionsCaption + administrator_).c_str());
    red_.reset(::CreateSolidBrush(RGB(255, 0, 0)));
    grey_.reset(::CreateSolidBrush(RGB(128, 128, 128)));
    CreatePages();
    FillLimits();

    // Everything else comes from the data files under one guard: the first file that
    // cannot be read leaves the rest of the window empty, without a message.
    OptionsFiles read;
    const bool studentsRead = LoadOptionsFiles(tutor_.data, read).ok() || !read.students.empty();
    const Lines& names = studentsRead ? read.students : tutor_.roster.names;
    for (const auto& name : names)
        ::SendMessageA(PageItem(kDeletePage, IDC_DELETE_LIST), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
    ShowExerciseText(1, read.module1);
    ShowExerciseText(2, read.module2);
    ShowExerciseText(3, read.module3);
    AddAccessLogLine(read.log);
    ShowPage(kLimitsPage);
    return true;
}

void OptionsWindow::CreatePages() {
    const HWND tabs = Item(IDC_TABS);
    const std::string titles[kPageCount] = {texts::kPageLimits,  texts::kPageDelete,  texts::kPageModule1,
                                            texts::kPageModule2, texts::kPageModule3, texts::kPageLog};
    for (int i = 0; i < kPageCount; ++i) {
        TCITEMA item{};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<char*>(titles[i].c_str());
        ::SendMessageA(tabs, TCM_INSERTITEMA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
    }
    // The pages fill the tab control's display area.
    RECT area{};
    ::GetWindowRect(tabs, &area);
    ::MapWindowPoints(nullptr, handle(), reinterpret_cast<POINT*>(&area), 2);
    ::SendMessageA(tabs, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
    for (int i = 0; i < kPageCount; ++i) {
        const auto which = static_cast<Page>(i);
        pages_[which] = std::make_unique<PageDialog>(*this, which);
        pages_[which]->Create(handle());
        ::SetWindowPos(page(which), tabs, area.left, area.top, area.right - area.left, area.bottom - area.top,
                       SWP_NOACTIVATE);
    }

    for (int module = 1; module <= kModuleCount; ++module) {
        const Page editor = EditorPage(module);
        ::SetWindowPos(PageItem(editor, IDC_LIMIT_BAR), nullptr, 0, 0,
                       module == 1 ? kModule1GuideWidth : kFragmentGuideWidth, 4, SWP_NOMOVE | SWP_NOZORDER);
        if (module == 1) continue;
        const HWND chooser = PageItem(editor, IDC_EXERCISE_CHOOSER);
        for (int number = 1; number <= ExerciseCount(module); ++number) AddItem(chooser, std::to_string(number));
        ::SendMessageA(chooser, CB_SETCURSEL, 0, 0);
    }

    LOGFONTA font{};
    ::GetObjectA(reinterpret_cast<HFONT>(::SendMessageA(handle(), WM_GETFONT, 0, 0)), sizeof font, &font);
    font.lfWeight = FW_BOLD;
    boldFont_.reset(::CreateFontIndirectA(&font));
    ::SendMessageA(PageItem(kDeletePage, IDC_DELETE_NAME), WM_SETFONT, reinterpret_cast<WPARAM>(boldFont_.get()), 0);
}

void OptionsWindow::ShowPage(Page which) {
    ::SendMessageA(Item(IDC_TABS), TCM_SETCURSEL, static_cast<WPARAM>(which), 0);
    for (int i = 0; i < kPageCount; ++i) ::ShowWindow(page(static_cast<Page>(i)), i == which ? SW_SHOW : SW_HIDE);
}

void OptionsWindow::FillLimits() {
    for (int field = 0; field < static_cast<int>(kLimitLines); ++field) {
        const HWND combo = PageItem(kLimitsPage, IDC_LIMIT_FIRST + field);
        for (const char* value : field % 2 == 0 ? kOfferedMinutes : kOfferedErrors) AddItem(combo, value);
        ::SetWindowTextA(combo, LimitOr(tutor_.limits, field, kDesignLimits[field]).c_str());
    }
}

void OptionsWindow::SaveLimitFields() {
    if (!tutor_.boxes.Confirm(texts::kSaveQuestion, texts::kSaveCaption)) return;
    std::array<std::string, kLimitLines> fields;
    for (std::size_t field = 0; field < kLimitLines; ++field)
        fields[field] = ui::WindowText(PageItem(kLimitsPage, IDC_LIMIT_FIRST + static_cast<int>(field)));
    if (!tutor_.Check(SaveLimits(tutor_.data, fields, tutor_.limits))) return;
    ::EnableWindow(PageItem(kLimitsPage, IDC_SAVE_LIMITS), FALSE);
}

void OptionsWindow::ChooseStudentToDelete() {
    const HWND list = PageItem(kDeletePage, IDC_DELETE_LIST);
    const auto index = ::SendMessageA(list, LB_GETCURSEL, 0, 0);
    if (index == LB_ERR) return;
    std::string name(static_cast<std::size_t>(::SendMessageA(list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0)), '\0');
    ::SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(name.data()));
    ::SetWindowTextA(PageItem(kDeletePage, IDC_DELETE_NAME), name.c_str());
    ::EnableWindow(PageItem(kDeletePage, IDC_DELETE), TRUE);
}

void OptionsWindow::DeleteChosenStudent() {
    const std::string name = ui::WindowText(PageItem(kDeletePage, IDC_DELETE_NAME));
    if (name.empty() || !tutor_.boxes.Confirm(texts::kDeleteQuestion, texts::kDeleteCaption)) return;
    if (RemoveStudent(tutor_.data, name).status != RemoveStatus::Removed) {
        tutor_.boxes.Inform(texts::kDeleteError, texts::kDeleteErrorCaption, common::MessageIcon::Warning);
        return;
    }
    const HWND list = PageItem(kDeletePage, IDC_DELETE_LIST);
    ::EnableWindow(PageItem(kDeletePage, IDC_DELETE), FALSE);
    const auto index = ::SendMessageA(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(name.c_str()));
    if (index != LB_ERR) ::SendMessageA(list, LB_DELETESTRING, static_cast<WPARAM>(index), 0);
    ::SetWindowTextA(PageItem(kDeletePage, IDC_DELETE_NAME), "");
    tutor_.Say(texts::kDeletedPrefix + name + texts::kDeletedSuffix);
}

void OptionsWindow::ShowExerciseText(int module, const Lines& lines) {
    const Page editor = EditorPage(module);
    ::SetWindowTextA(PageItem(editor, IDC_EDITOR), EditorText(lines).c_str());
    // The editor now holds what the file holds: nothing to save yet.
    ::EnableWindow(PageItem(editor, IDC_SAVE_TEXT), FALSE);
}

void OptionsWindow::ChooseExerciseFile(int module, const std::string& typed) {
    const auto chosen = ChooseExercise(module, typed, currentExercise_[module]);
    if (!chosen) {
        tutor_.Error("'" + typed + "'" + texts::kNotANumber);
        return;
    }
    currentExercise_[module] = *chosen;
    // Unsaved changes are dropped: the editor always shows the current file.
    Lines lines;
    if (!tutor_.Check(LoadLines(tutor_.data.Path(ExerciseTextFile(module, *chosen)), lines))) return;
    ShowExerciseText(module, lines);
}

void OptionsWindow::SaveExerciseText(int module) {
    const Page editor = EditorPage(module);
    const HWND edit = PageItem(editor, IDC_EDITOR);
    const std::string typed = ui::WindowText(edit);
    const Lines withoutEmpty = NonEmptyLines(typed);
    if (EditorText(withoutEmpty) != typed) ::SetWindowTextA(edit, EditorText(withoutEmpty).c_str());
    const auto lines = ExerciseTextToSave(module, typed);
    if (!lines) {
        tutor_.boxes.Inform(texts::kTooManyLines, texts::kTooManyLinesCaption);
        return;
    }
    if (!tutor_.boxes.Confirm(texts::kSaveQuestion, texts::kSaveCaption)) return;
    const std::string file = ExerciseTextFile(module, currentExercise_[module]);
    if (!tutor_.Check(SaveLines(tutor_.data.Path(file), *lines))) return;
    // Module 1's button stays enabled after a save, the fragments' buttons do not.
    if (module != 1) ::EnableWindow(PageItem(editor, IDC_SAVE_TEXT), FALSE);
}

void OptionsWindow::AddAccessLogLine(const Lines& logAsRead) {
    Lines log;
    const bool written = tutor_.Check(AppendAccessLog(tutor_.data, administrator_, CurrentLocalDateTime(), log));
    ::SetWindowTextA(PageItem(kLogPage, IDC_LOG), EditorText(written ? log : logAsRead).c_str());
}

bool OptionsWindow::OnCommand(int id, int, HWND) {
    switch (id) {
    case IDOK: {  // Enter in an exercise chooser opens the exercise typed there
        const HWND focus = ::GetFocus();
        for (int module = 2; module <= kModuleCount; ++module) {
            const HWND chooser = PageItem(EditorPage(module), IDC_EXERCISE_CHOOSER);
            if (focus == chooser || ::GetParent(focus) == chooser) ChooseExerciseFile(module, ui::WindowText(chooser));
        }
        return true;
    }
    case IDC_CHANGE_ADMIN:
        passwordWindow_.ShowModal(handle());
        return true;
    default:
        return false;
    }
}

INT_PTR OptionsWindow::OnNotify(const NMHDR& header) {
    if (header.idFrom == IDC_TABS && header.code == TCN_SELCHANGE)
        ShowPage(static_cast<Page>(::SendMessageA(Item(IDC_TABS), TCM_GETCURSEL, 0, 0)));
    return 0;
}

bool OptionsWindow::OnPageCommand(Page which, int id, int code) {
    if (which == kLimitsPage) {
        if (id >= IDC_LIMIT_FIRST && id <= IDC_LIMIT_LAST && (code == CBN_EDITCHANGE || code == CBN_SELCHANGE))
            ::EnableWindow(PageItem(kLimitsPage, IDC_SAVE_LIMITS), TRUE);
        else if (id == IDC_SAVE_LIMITS && code == BN_CLICKED)
            SaveLimitFields();
        return true;
    }
    if (which == kDeletePage) {
        if (id == IDC_DELETE_LIST && code == LBN_SELCHANGE) ChooseStudentToDelete();
        if (id == IDC_DELETE && code == BN_CLICKED) DeleteChosenStudent();
        return true;
    }
    if (which >= kModule1Page && which <= kModule3Page) {
        const int module = which - kModule1Page + 1;
        if (id == IDC_EDITOR && code == EN_CHANGE) ::EnableWindow(PageItem(which, IDC_SAVE_TEXT), TRUE);
        if (id == IDC_SAVE_TEXT && code == BN_CLICKED) SaveExerciseText(module);
        if (id == IDC_EXERCISE_CHOOSER && code == CBN_SELCHANGE) {
            const HWND chooser = PageItem(which, IDC_EXERCISE_CHOOSER);
            const auto index = ::SendMessageA(chooser, CB_GETCURSEL, 0, 0);
            if (index != CB_ERR) ChooseExerciseFile(module, std::to_string(index + 1));
        }
        return true;
    }
    return false;
}

bool OptionsWindow::OnPageMessage(Page which, UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
    if (message != WM_CTLCOLORSTATIC) return false;
    const int id = ::GetDlgCtrlID(reinterpret_cast<HWND>(lParam));
    const auto dc = reinterpret_cast<HDC>(wParam);
    if (id == IDC_LIMIT_BAR && which >= kModule1Page && which <= kModule3Page) {
        result = reinterpret_cast<INT_PTR>(red_.get());
        return true;
    }
    if (id == IDC_DELETE_NAME && which == kDeletePage) {
        ::SetTextColor(dc, RGB(255, 255, 255));
        ::SetBkColor(dc, RGB(128, 128, 128));
        result = reinterpret_cast<INT_PTR>(grey_.get());
        return true;
    }
    return false;
}

}  // namespace tecladix
