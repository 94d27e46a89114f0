#include "tecladix/app/options_window.h"

#include <commctrl.h>

#include "tecladix/app/resource.h"
#include "tecladix/core/administration.h"
#include "tecladix/core/texts.h"

namespace tecladix {

OptionsWindow::OptionsWindow(Tutor& tutor, std::string administrator, AdminPasswordWindow& passwordWindow)
    : Dialog(IDD_OPTIONS), tutor_(tutor), administrator_(std::move(administrator)), passwordWindow_(passwordWindow) {}

HWND OptionsWindow::page(Page which) const { return pages_[which] ? pages_[which]->handle() : nullptr; }

bool OptionsWindow::OnInitDialog() {
    ::SetWindowTextA(handle(), (texts::kOptionsCaption + administrator_).c_str());
    CreatePages();

    // The access log is read again as the line is added: a log the pages could not read
    // is never written back shorter.
    Lines log;
    if (tutor_.Check(AppendAccessLog(tutor_.data, administrator_, CurrentLocalDateTime(), log))) logPage_->Show(log);
    ShowPage(kLimitsPage);
    return true;
}

void OptionsWindow::CreatePages() {
    // The data files are read under one guard: the first that cannot be read leaves the
    // pages after it empty, without a message.
    OptionsFiles read;
    (void)LoadOptionsFiles(tutor_.data, read);
    auto logPage = std::make_unique<AccessLogPage>(read.log);
    logPage_ = logPage.get();
    pages_ = {std::make_unique<LimitsPage>(tutor_),
              std::make_unique<DeletePage>(tutor_, read.students),
              std::make_unique<ExerciseEditorPage>(tutor_, 1, read.module1),
              std::make_unique<ExerciseEditorPage>(tutor_, 2, read.module2),
              std::make_unique<ExerciseEditorPage>(tutor_, 3, read.module3),
              std::move(logPage)};
    fragmentEditors_ = {static_cast<ExerciseEditorPage*>(pages_[kModule2Page].get()),
                        static_cast<ExerciseEditorPage*>(pages_[kModule3Page].get())};

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
    for (auto& page : pages_) {
        page->CreateIn(handle(), area);
        ::SetWindowPos(page->handle(), tabs, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
}

void OptionsWindow::ShowPage(Page which) {
    ::SendMessageA(Item(IDC_TABS), TCM_SETCURSEL, static_cast<WPARAM>(which), 0);
    for (int i = 0; i < kPageCount; ++i) ::ShowWindow(page(static_cast<Page>(i)), i == which ? SW_SHOW : SW_HIDE);
}

bool OptionsWindow::OnCommand(int id, int, HWND) {
    switch (id) {
    case IDOK:  // Enter in an exercise chooser opens the exercise typed there, elsewhere nothing
        for (auto* editor : fragmentEditors_)
            if (editor->ChooserHasFocus()) editor->ChooseTypedExercise();
        return true;
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

}  // namespace tecladix
