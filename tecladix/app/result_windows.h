#pragma once
// The windows that follow an exercise: approved (black), failed (red), the end of a module,
// and the about box.
#include <string>

#include "ui/dialog.h"
#include "ui/handles.h"

namespace tecladix {

// What the result windows copy from the exercise window each time they are shown.
struct ExerciseResult {
    std::string minutes, seconds;
    int errors = 0;
    int keystrokes = 0;
};

class ResultWindow final : public ui::Dialog {
public:
    ResultWindow(bool approved, ExerciseResult result);

private:
    bool OnInitDialog() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

    bool approved_;
    ExerciseResult result_;
    ui::GdiObject background_;
    ui::GdiObject bigFont_;
};

class EndWindow final : public ui::Dialog {
public:
    explicit EndWindow(std::string studentName);

private:
    bool OnInitDialog() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

    std::string name_;
    ui::GdiObject font_;
};

class AboutWindow final : public ui::Dialog {
public:
    AboutWindow();

private:
    bool OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    ui::GdiObject titleFont_;
};

// Opens a file, a web or a mail address with the system's program for it (as a
// double click does, without waiting); false when nothing could be started.
[[nodiscard]] bool OpenAddress(HWND owner, const std::string& address);

}  // namespace tecladix
