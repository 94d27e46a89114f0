#pragma once
// The exercise window of each module: the model lines, the typing lines, the stopwatch and
// the limits. The engine decides; this window shows it and passes the student's input on.
#include <memory>
#include <string>

#include "tecladix/app/tutor.h"
#include "tecladix/core/exercise_engine.h"
#include "ui/dialog.h"
#include "ui/handles.h"
#include "ui/timer.h"

namespace tecladix {

class ExerciseWindow final : public ui::Dialog {
public:
    // `start`: module 1 the exercise index + 1, modules 2 and 3 the exercise counter.
    ExerciseWindow(Tutor& tutor, int module, std::string studentName, int start, std::string caption);

    [[nodiscard]] const ExerciseEngine& engine() const { return engine_; }

    // The typing line under the keyboard: called by the lines' own window procedure.
    bool OnTypingKey(int line, WPARAM character);
    void OnTypingFocus(int line);

private:
    bool OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

    [[nodiscard]] int FirstTypingId() const;
    [[nodiscard]] HWND TypingLine(int line) const;
    [[nodiscard]] std::string TypingText(int line) const;
    void FollowLine(int line, LineOutcome outcome);
    void Evaluate();
    void Advance();
    void ShowModels();
    void ClearTypingLines();
    void ShowStopwatch(bool reset);
    void SyncStopwatchTimer();
    void ShowSaveMenu(POINT where);
    void SaveToDisk();
    void SaveToFloppy();
    void SetCaption(const std::string& suffix);

    Tutor& tutor_;
    FileResult exercisesRead_;  // Exercicios1.txt, read as the window is made
    ExerciseEngine engine_;
    std::string name_;
    int start_;
    std::string caption_;
    bool updating_ = false;  // text set by the window itself, not typed
    ui::Timer stopwatch_;
    ui::Timer limitsTimer_;
    ui::GdiObject modelFont_, typingFont_, clockFont_;
    ui::GdiObject white_, silver_;
};

}  // namespace tecladix
