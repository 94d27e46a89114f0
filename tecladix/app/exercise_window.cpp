#include "tecladix/app/exercise_window.h"

#include <commctrl.h>
#include <windowsx.h>

#include "tecladix/app/resource.h"
#include "tecladix/app/result_windows.h"
#include "tecladix/core/floppy.h"
#include "tecladix/core/limits.h"
#include "tecladix/core/texts.h"
#include "ui/application.h"
#include "ui/font.h"

namespace tecladix {
namespace {

constexpr UINT_PTR kStopwatchTimer = 1;  // MarcadorTempo
constexpr UINT_PTR kLimitsTimer = 2;
constexpr UINT kEvaluateLater = WM_APP + 1;
constexpr UINT kFocusLater = WM_APP + 2;

std::unique_ptr<ExerciseSource> SourceOf(const Tutor& tutor, int module, FileResult& read) {
    if (module == 2) return std::make_unique<ExerciseFiles>(tutor.data, 2, kModule2Exercises);
    if (module == 3) return std::make_unique<ExerciseFiles>(tutor.data, 3, kModule3Exercises);
    Lines phrases;
    read = LoadLines(tutor.data.Path(files::kModule1Exercises), phrases);
    return std::make_unique<PhraseList>(std::move(phrases));
}

// Each typing line reports its characters, Enter included, and the focus it receives.
LRESULT CALLBACK TypingLineProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR line,
                                DWORD_PTR window) {
    auto* self = reinterpret_cast<ExerciseWindow*>(window);
    switch (message) {
    case WM_GETDLGCODE:
        if (lParam && reinterpret_cast<const MSG*>(lParam)->wParam == VK_RETURN)
            return ::DefSubclassProc(edit, message, wParam, lParam) | DLGC_WANTALLKEYS;
        break;
    case WM_CHAR:
        if (self->OnTypingKey(static_cast<int>(line), wParam)) return 0;
        break;
    case WM_SETFOCUS:
        self->OnTypingFocus(static_cast<int>(line));
        break;
    case WM_NCDESTROY:
        ::RemoveWindowSubclass(edit, &TypingLineProc, line);
        break;
    default:
        break;
    }
    return ::DefSubclassProc(edit, message, wParam, lParam);
}

}  // namespace

ExerciseWindow::ExerciseWindow(Tutor& tutor, int module, std::string studentName, int start, std::string caption)
    : Dialog(IDD_EXERCISE1 + module - 1),
      tutor_(tutor),
      engine_(RulesOf(module), SourceOf(tutor, module, exercisesRead_)),
      name_(std::move(studentName)),
      start_(start),
      caption_(std::move(caption)) {}

int ExerciseWindow::FirstTypingId() const { return engine_.rules().module == 1 ? IDC_UM : IDC_UM + 5; }
HWND ExerciseWindow::TypingLine(int line) const { return Item(FirstTypingId() + line); }
std::string ExerciseWindow::TypingText(int line) const { return ItemText(FirstTypingId() + line); }

bool ExerciseWindow::OnInitDialog() {
    const ModuleRules rules = engine_.rules();
    (void)tutor_.Check(exercisesRead_);

    Lines limits;
    const bool limitsRead = tutor_.Check(LoadLines(tutor_.data.Path(files::kLimits), limits));
    for (const char* value : kOfferedMinutes) ::SendDlgItemMessageA(handle(), IDC_TIME_LIMIT, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(value));
    for (const char* value : kOfferedErrors) ::SendDlgItemMessageA(handle(), IDC_ERROR_LIMIT, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(value));
    const std::string fallback = std::to_string(rules.defaultMinutes);
    SetItemText(IDC_TIME_LIMIT, limitsRead ? LimitOr(limits, rules.limitsLine, fallback) : fallback);
    SetItemText(IDC_ERROR_LIMIT, limitsRead ? LimitOr(limits, rules.limitsLine + 1, std::to_string(rules.defaultErrors))
                                            : std::to_string(rules.defaultErrors));

    const bool form = rules.module == 3;
    modelFont_ = ui::CreatePointFont({"Times New Roman", form ? 21 : 24});
    typingFont_ = ui::CreatePointFont({"Times New Roman", form ? 19 : 24});
    clockFont_ = ui::CreatePointFont({"Arial", 28, true});
    white_.reset(::CreateSolidBrush(RGB(255, 255, 255)));
    silver_.reset(::CreateSolidBrush(RGB(192, 192, 192)));
    if (rules.module == 1) ui::SetControlFont(Item(IDC_MODEL), modelFont_);
    else
        for (int i = 0; i < 5; ++i) ui::SetControlFont(Item(IDC_UM + i), modelFont_);
    ui::SetControlFont(Item(IDC_MINUTES), clockFont_);
    ui::SetControlFont(Item(IDC_SECONDS), clockFont_);
    for (int line = 0; line < rules.typingLines; ++line) {
        ui::SetControlFont(TypingLine(line), typingFont_);
        ::SetWindowSubclass(TypingLine(line), &TypingLineProc, static_cast<UINT_PTR>(line),
                            reinterpret_cast<DWORD_PTR>(this));
    }

    // First showing: counters and stopwatch at zero, then the opener's exercise.
    ::SetWindowTextA(handle(), std::string(caption_).c_str());
    (void)tutor_.Check(engine_.Begin(start_));
    ClearTypingLines();
    ShowStopwatch(true);
    ShowModels();
    limitsTimer_.Start(handle(), kLimitsTimer, 500);
    ::SetFocus(TypingLine(0));
    return false;
}

void ExerciseWindow::ShowModels() {
    updating_ = true;
    if (engine_.rules().module == 1) {
        SetItemText(IDC_MODEL, engine_.ModelFor(0));
    } else {
        for (int i = 0; i < 5; ++i) SetItemText(IDC_UM + i, engine_.ModelFor(i));
    }
    updating_ = false;
}

void ExerciseWindow::ClearTypingLines() {
    updating_ = true;
    for (int line = 0; line < engine_.rules().typingLines; ++line) SetItemText(FirstTypingId() + line, "");
    updating_ = false;
}

void ExerciseWindow::ShowStopwatch(bool reset) {
    SetItemText(IDC_MINUTES, reset ? kStopwatchReset : StopwatchField(engine_.minutes()));
    SetItemText(IDC_SECONDS, reset ? kStopwatchReset : StopwatchField(engine_.seconds()));
}

void ExerciseWindow::SyncStopwatchTimer() {
    if (engine_.running() && !stopwatch_.running()) stopwatch_.Start(handle(), kStopwatchTimer, 1000);
    if (!engine_.running()) stopwatch_.Stop();
}

void ExerciseWindow::SetCaption(const std::string& suffix) {
    ::SetWindowTextA(handle(), (texts::kCaptionStudent + name_ + suffix).c_str());
}

bool ExerciseWindow::OnTypingKey(int line, WPARAM character) {
    engine_.CountKeystroke();
    if (character != VK_RETURN) return false;
    FollowLine(line, engine_.EnterPressed(line, TypingText(line)));
    return true;  // a single-line edit would only beep
}

void ExerciseWindow::OnTypingFocus(int line) {
    if (engine_.MustReturnToFirstLine(line, TypingText(0).empty()))
        ::PostMessageA(handle(), kFocusLater, 0, 0);
}

void ExerciseWindow::FollowLine(int line, LineOutcome outcome) {
    SyncStopwatchTimer();
    if (outcome == LineOutcome::NextLine) ::SetFocus(TypingLine(line + 1));
    // The evaluation opens windows: it runs once the keystroke has been handled.
    if (outcome == LineOutcome::Evaluate) ::PostMessageA(handle(), kEvaluateLater, 0, 0);
}

void ExerciseWindow::Evaluate() {
    ShowStopwatch(false);
    tutor_.Say(texts::kResultsReady);
    const std::string minutesLimit = ItemText(IDC_TIME_LIMIT);
    const std::string errorsLimit = ItemText(IDC_ERROR_LIMIT);
    const Verdict verdict = engine_.Judge(minutesLimit, errorsLimit);
    if (verdict == Verdict::TimeLimitNotANumber || verdict == Verdict::ErrorLimitNotANumber) {
        const std::string& bad = verdict == Verdict::TimeLimitNotANumber ? minutesLimit : errorsLimit;
        tutor_.Error("'" + bad + "'" + texts::kNotANumber);
        return;
    }
    const ExerciseResult result{ItemText(IDC_MINUTES), ItemText(IDC_SECONDS), engine_.errors(), engine_.keystrokes()};
    ResultWindow(verdict == Verdict::Approved, result).ShowModal(handle());
    if (verdict != Verdict::Approved) return;
    if (tutor_.boxes.Confirm(texts::kNextExerciseQuestion, texts::kNextExerciseCaption))
        Advance();
    else
        engine_.Decline();
}

void ExerciseWindow::Advance() {
    FileResult loaded;
    const AdvanceOutcome outcome = engine_.Advance(loaded);
    SyncStopwatchTimer();
    ClearTypingLines();
    ShowStopwatch(true);
    if (outcome == AdvanceOutcome::NextExercise) {
        (void)tutor_.Check(loaded);
        ShowModels();
        SetCaption(texts::kCaptionExercise + std::to_string(engine_.number()));
        ::SetFocus(TypingLine(0));
        return;
    }
    if (engine_.rules().module == 3) tutor_.Say(texts::kLastModuleThreeExercise);
    EndWindow(name_).ShowModal(handle());
    ShowModels();
    SetCaption(texts::kCaptionModuleDone);
    for (int line = 0; line < engine_.rules().typingLines; ++line) ::EnableWindow(TypingLine(line), FALSE);
    EnableItem(IDC_SAVE, false);
    EnableItem(IDC_REDO, false);
    ::SetFocus(Item(IDCANCEL));
}

void ExerciseWindow::ShowSaveMenu(POINT where) {
    HMENU menu = ::LoadMenuA(ui::Application::Instance(), MAKEINTRESOURCEA(IDR_SAVE_MENU));
    if (!menu) return;
    ::TrackPopupMenu(::GetSubMenu(menu, 0), TPM_LEFTALIGN | TPM_TOPALIGN, where.x, where.y, 0, handle(), nullptr);
    ::DestroyMenu(menu);
}

void ExerciseWindow::SaveToDisk() {
    (void)tutor_.Check(StorePosition(tutor_.data, engine_.rules().module, name_, engine_.SavedPosition()));
}

void ExerciseWindow::SaveToFloppy() {
    Lines names;
    if (!tutor_.Check(LoadLines(tutor_.data.Path(files::kStudents), names)) || !FindStudent(names, name_)) return;
    const int module = engine_.rules().module;
    if (!WriteFloppyProgress(tutor_.FloppyPath(module), {engine_.SavedPosition(), name_}))
        tutor_.boxes.Inform(texts::kFloppyWriteFailed, texts::kFloppyWriteCaption);
}

bool ExerciseWindow::OnCommand(int id, int code, HWND) {
    const int firstTyping = FirstTypingId();
    if (id >= firstTyping && id <= IDC_DEZ) {
        if (code != EN_CHANGE || updating_) return true;
        const int line = id - firstTyping;
        FollowLine(line, engine_.TextChanged(line, TypingText(line)));
        return true;
    }
    switch (id) {
    case IDC_SAVE: {
        RECT button{};
        ::GetWindowRect(Item(IDC_SAVE), &button);
        ShowSaveMenu({button.left, button.bottom});
        return true;
    }
    case IDM_SAVE_DISK: SaveToDisk(); return true;
    case IDM_SAVE_FLOPPY: SaveToFloppy(); return true;
    case IDC_REDO:
        engine_.Redo();
        SyncStopwatchTimer();
        ClearTypingLines();
        ShowStopwatch(true);
        ::SetFocus(TypingLine(0));
        return true;
    case IDOK: return true;  // Enter outside the typing lines does nothing
    default: return false;
    }
}

bool ExerciseWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
    switch (message) {
    case WM_TIMER:
        if (wParam == kStopwatchTimer) {
            engine_.Tick();
            ShowStopwatch(false);
        } else if (wParam == kLimitsTimer) {
            EnableItem(IDC_TIME_LIMIT, engine_.LimitsEditable());
            EnableItem(IDC_ERROR_LIMIT, engine_.LimitsEditable());
        }
        return true;
    case kEvaluateLater: Evaluate(); return true;
    case kFocusLater: ::SetFocus(TypingLine(0)); return true;
    case WM_CONTEXTMENU:
        if (reinterpret_cast<HWND>(wParam) != Item(IDC_SAVE) || engine_.rules().module == 3) return false;
        ShowSaveMenu({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return true;
    case WM_CTLCOLOREDIT:
        result = reinterpret_cast<INT_PTR>(white_.get());
        return true;
    case WM_CTLCOLORSTATIC: {
        auto dc = reinterpret_cast<HDC>(wParam);
        const auto control = reinterpret_cast<HWND>(lParam);
        const int id = ::GetDlgCtrlID(control);
        if (id == IDC_MINUTES || id == IDC_SECONDS) {
            ::SetTextColor(dc, RGB(0, 0, 255));
            ::SetBkColor(dc, ::GetSysColor(COLOR_BTNFACE));
            result = reinterpret_cast<INT_PTR>(::GetSysColorBrush(COLOR_BTNFACE));
            return true;
        }
        if (engine_.rules().module == 3 && id >= IDC_UM && id < IDC_UM + 5) {
            ::SetTextColor(dc, RGB(255, 0, 0));
            ::SetBkColor(dc, RGB(192, 192, 192));
            result = reinterpret_cast<INT_PTR>(silver_.get());
            return true;
        }
        // Disabled typing lines stay white.
        if (id >= FirstTypingId() && id <= IDC_DEZ) {
            ::SetBkColor(dc, RGB(255, 255, 255));
            result = reinterpret_cast<INT_PTR>(white_.get());
            return true;
        }
        return false;
    }
    default:
        return false;
    }
}

}  // namespace tecladix
