#pragma once
// The advanced options window: six pages in a tab control for the administrator: the limits of
// Tempo.txt, deleting students, the three exercise editors and the access log. Every
// opening adds a line to the access log.
#include <array>
#include <memory>
#include <string>

#include "tecladix/app/admin_password_window.h"
#include "tecladix/app/tutor.h"
#include "ui/dialog.h"
#include "ui/handles.h"

namespace tecladix {

class OptionsWindow final : public ui::Dialog {
public:
    enum Page { kLimitsPage, kDeletePage, kModule1Page, kModule2Page, kModule3Page, kLogPage, kPageCount };

    OptionsWindow(Tutor& tutor, std::string administrator, AdminPasswordWindow& passwordWindow);
    ~OptionsWindow() override;

    // The page's own dialog, where its controls live.
    [[nodiscard]] HWND page(Page which) const;
    void ShowPage(Page which);

private:
    class PageDialog;

    bool OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    INT_PTR OnNotify(const NMHDR& header) override;
    bool OnPageCommand(Page which, int id, int code);
    bool OnPageMessage(Page which, UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result);

    void CreatePages();
    void FillLimits();
    void SaveLimitFields();
    void ChooseStudentToDelete();
    void DeleteChosenStudent();
    void ShowExerciseText(int module, const Lines& lines);
    void ChooseExerciseFile(int module, const std::string& typed);
    void SaveExerciseText(int module);
    void AddAccessLogLine(const Lines& logAsRead);

    [[nodiscard]] HWND PageItem(Page which, int id) const;
    [[nodiscard]] static Page EditorPage(int module) { return static_cast<Page>(kModule1Page + module - 1); }

    Tutor& tutor_;
    std::string administrator_;
    AdminPasswordWindow& passwordWindow_;
    std::array<std::unique_ptr<PageDialog>, kPageCount> pages_;
    std::array<int, 4> currentExercise_{0, 0, 1, 1};  // the file of the module 2 and 3 editors
    ui::GdiObject red_, grey_, boldFont_;
};

}  // namespace tecladix
