#pragma once
// The advanced options window: six pages in a tab control for the administrator (the limits
// of Tempo.txt, deleting students, the three exercise editors and the access log) and the
// way to the administrator password window. Every opening adds a line to the access log.
#include <array>
#include <memory>
#include <string>

#include "tecladix/app/admin_password_window.h"
#include "tecladix/app/options_pages.h"
#include "tecladix/app/tutor.h"
#include "ui/dialog.h"

namespace tecladix {

class OptionsWindow final : public ui::Dialog {
public:
    enum Page { kLimitsPage, kDeletePage, kModule1Page, kModule2Page, kModule3Page, kLogPage, kPageCount };

    OptionsWindow(Tutor& tutor, std::string administrator, AdminPasswordWindow& passwordWindow);

    // The page's own dialog, where its controls live.
    [[nodiscard]] HWND page(Page which) const;
    void ShowPage(Page which);

private:
    bool OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    INT_PTR OnNotify(const NMHDR& header) override;

    void CreatePages();

    Tutor& tutor_;
    std::string administrator_;
    AdminPasswordWindow& passwordWindow_;
    std::array<std::unique_ptr<OptionsPage>, kPageCount> pages_;
    std::array<ExerciseEditorPage*, 2> fragmentEditors_{};  // modules 2 and 3
    AccessLogPage* logPage_ = nullptr;
};

}  // namespace tecladix
