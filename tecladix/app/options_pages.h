#pragma once
// The pages of the advanced options window. Each is a child dialog shown inside the tab
// control and handles its own controls; Enter and Esc go to the window around it.
#include <string>

#include "tecladix/app/tutor.h"
#include "ui/dialog.h"
#include "ui/handles.h"

namespace tecladix {

class OptionsPage : public ui::Dialog {
public:
    using Dialog::Dialog;
    // Creates the page inside `parent` over `area` (client coordinates), hidden.
    bool CreateIn(HWND parent, const RECT& area);

protected:
    bool OnCommand(int id, int code, HWND control) override;
    // The page's own controls; Enter and Esc never arrive here.
    virtual bool OnPageCommand(int id, int code) = 0;
};

// The six limits of Tempo.txt.
class LimitsPage final : public OptionsPage {
public:
    explicit LimitsPage(Tutor& tutor);

private:
    bool OnInitDialog() override;
    bool OnPageCommand(int id, int code) override;
    void Save();

    Tutor& tutor_;
};

// Deleting a student from the five student files.
class DeletePage final : public OptionsPage {
public:
    DeletePage(Tutor& tutor, Lines names);

private:
    bool OnInitDialog() override;
    bool OnPageCommand(int id, int code) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;
    void ChooseStudent();
    void DeleteChosenStudent();

    Tutor& tutor_;
    Lines names_;
    ui::GdiObject grey_, boldFont_;
};

// The exercise texts of one module, under the red guide of a line's length.
class ExerciseEditorPage final : public OptionsPage {
public:
    ExerciseEditorPage(Tutor& tutor, int module, Lines text);

    // Module 2 and 3: true when the focus is in the exercise chooser.
    [[nodiscard]] bool ChooserHasFocus() const;
    // Opens the exercise whose number the chooser shows.
    void ChooseTypedExercise();

private:
    bool OnInitDialog() override;
    bool OnPageCommand(int id, int code) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;
    void Show(const Lines& lines);
    void ChooseExercise(const std::string& typed);
    void Save();

    Tutor& tutor_;
    int module_;
    int current_ = 1;  // the exercise file of modules 2 and 3
    Lines text_;       // what the editor shows when the page opens
    ui::GdiObject red_;
};

// The access log, read-only.
class AccessLogPage final : public OptionsPage {
public:
    explicit AccessLogPage(Lines log);
    void Show(const Lines& log);

private:
    bool OnInitDialog() override;
    bool OnPageCommand(int, int) override { return false; }

    Lines log_;  // as read when the window opened
};

}  // namespace tecladix
