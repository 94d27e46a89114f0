#pragma once
// The exercise engine shared by the three modules: the typed lines are compared with their
// model lines, keystrokes counted, a stopwatch runs while the student types, and the result
// is judged against the time and error limits. The windows feed it the student's input and
// the ticks of their timers; the engine says what the window does next.
#include <memory>
#include <string>
#include <string_view>

#include "tecladix/core/data_folder.h"
#include "tecladix/core/line_file.h"

namespace tecladix {

struct ModuleRules {
    int module = 1;
    int typingLines = 10;            // module 1 types its phrase ten times, the others five lines
    bool finishesAtModelLength = true;  // module 3 finishes a field by Enter only
    int limitsLine = 0;              // first of its two lines in Tempo.txt
    int defaultMinutes = 10, defaultErrors = 10;
};
[[nodiscard]] ModuleRules RulesOf(int module);

// Errors of one typed line: every position of the model whose character differs from the
// typed one, or that the typed text does not reach. Characters beyond the model are free.
[[nodiscard]] int CountLineErrors(std::string_view model, std::string_view typed);

// Where the exercises of a module come from. Exercise numbers count from 1.
class ExerciseSource {
public:
    virtual ~ExerciseSource() = default;
    [[nodiscard]] virtual int Count() const = 0;
    // The model lines of exercise `number` (one for module 1, five for the others).
    virtual FileResult Load(int number, Lines& models) const = 0;
};

// Module 1: the lines of Exercicios1.txt, read once.
class PhraseList final : public ExerciseSource {
public:
    explicit PhraseList(Lines phrases) : phrases_(std::move(phrases)) {}
    [[nodiscard]] int Count() const override { return static_cast<int>(phrases_.size()); }
    FileResult Load(int number, Lines& models) const override;

private:
    Lines phrases_;
};

// Modules 2 and 3: one file per exercise, a fixed number of them.
class ExerciseFiles final : public ExerciseSource {
public:
    ExerciseFiles(DataFolder folder, int module, int count) : folder_(std::move(folder)), module_(module), count_(count) {}
    [[nodiscard]] int Count() const override { return count_; }
    FileResult Load(int number, Lines& models) const override;

private:
    DataFolder folder_;
    int module_;
    int count_;
};

enum class ExerciseState { Ready, Typing, Evaluated, Declined, Complete };

// What the window does after a line was finished.
enum class LineOutcome { Stay, NextLine, Evaluate };

enum class Verdict { Approved, Failed, TimeLimitNotANumber, ErrorLimitNotANumber };

enum class AdvanceOutcome { NextExercise, Complete };

class ExerciseEngine {
public:
    ExerciseEngine(ModuleRules rules, std::unique_ptr<ExerciseSource> source);

    // First showing: counters to zero and the opener's exercise number (module 1: index + 1).
    // A number outside the module's exercises keeps exercise 1 on screen.
    FileResult Begin(int number);

    // Input of typing line `line` (0 = Um for module 1, Seis for the others).
    void CountKeystroke() { ++keystrokes_; }
    LineOutcome TextChanged(int line, std::string_view text);
    LineOutcome EnterPressed(int line, std::string_view text);
    // Entering a later line while the first is empty sends the student back to the first.
    [[nodiscard]] bool MustReturnToFirstLine(int line, bool firstLineEmpty) const { return line > 0 && firstLineEmpty; }

    // The one-second timer.
    void Tick();
    // The 500 ms timer: the limits can be changed exactly while the stopwatch is stopped.
    [[nodiscard]] bool LimitsEditable() const { return !running_; }

    // After the evaluation message: the limits as the student left them.
    [[nodiscard]] Verdict Judge(std::string_view minutesLimit, std::string_view errorsLimit) const;

    // Approved and answered Yes. Loads the next exercise or completes the module.
    AdvanceOutcome Advance(FileResult& loaded);
    // Approved and answered No: the next advance presents the same exercise again.
    void Decline();
    // The redo button: counters back to zero, ready to type the same exercise again.
    void Redo();

    // What saving to the hard disk or to the floppy stores.
    [[nodiscard]] int SavedPosition() const;

    [[nodiscard]] const ModuleRules& rules() const { return rules_; }
    [[nodiscard]] ExerciseState state() const { return state_; }
    [[nodiscard]] int number() const { return number_; }
    [[nodiscard]] int exerciseCount() const { return source_->Count(); }
    [[nodiscard]] const std::string& ModelFor(int typingLine) const;
    [[nodiscard]] const Lines& models() const { return models_; }
    [[nodiscard]] int errors() const { return errors_; }
    [[nodiscard]] int keystrokes() const { return keystrokes_; }
    [[nodiscard]] int minutes() const { return minutes_; }
    [[nodiscard]] int seconds() const { return seconds_; }
    [[nodiscard]] bool running() const { return running_; }

private:
    void ResetCounters();
    LineOutcome Finish(int line, std::string_view text);
    FileResult LoadExercise(int number);

    ModuleRules rules_;
    std::unique_ptr<ExerciseSource> source_;
    Lines models_;
    int number_ = 1;
    int errors_ = 0, keystrokes_ = 0, minutes_ = 0, seconds_ = 0;
    bool running_ = false;
    ExerciseState state_ = ExerciseState::Ready;
};

// A stopwatch field while it runs: two digits. A reset stopwatch shows kStopwatchReset.
[[nodiscard]] std::string StopwatchField(int value);
inline constexpr const char* kStopwatchReset = "0";

}  // namespace tecladix
