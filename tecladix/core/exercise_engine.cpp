#include "tecladix/core/exercise_engine.h"

#include "tecladix/core/numbers.h"

namespace tecladix {
namespace {
const std::string kNoModel;
}

ModuleRules RulesOf(int module) {
    switch (module) {
    case 2: return {2, 5, true, 2, 10, 10};
    case 3: return {3, 5, false, 4, 10, 10};
    default: return {1, 10, true, 0, 10, 10};
    }
}

int CountLineErrors(std::string_view model, std::string_view typed) {
    int errors = 0;
    for (std::size_t i = 0; i < model.size(); ++i)
        if (i >= typed.size() || typed[i] != model[i]) ++errors;
    return errors;
}

FileResult PhraseList::Load(int number, Lines& models) const {
    models.clear();
    if (number >= 1 && number <= Count()) models.push_back(phrases_[static_cast<std::size_t>(number - 1)]);
    return FileResult::Success();
}

FileResult ExerciseFiles::Load(int number, Lines& models) const {
    Lines lines;
    if (auto result = LoadLines(folder_.Path(ExerciseFileName(module_, number)), lines); !result.ok()) return result;
    // Lines after the fifth are never shown; a short file leaves the missing lines empty.
    lines.resize(5);
    models = std::move(lines);
    return FileResult::Success();
}

std::string StopwatchField(int value) {
    std::string text = std::to_string(value);
    return text.size() < 2 ? "0" + text : text;
}

ExerciseEngine::ExerciseEngine(ModuleRules rules, std::unique_ptr<ExerciseSource> source)
    : rules_(rules), source_(std::move(source)) {}

FileResult ExerciseEngine::LoadExercise(int number) {
    Lines models;
    auto result = source_->Load(number, models);
    if (result.ok()) models_ = std::move(models);
    return result;
}

FileResult ExerciseEngine::Begin(int number) {
    ResetCounters();
    state_ = ExerciseState::Ready;
    number_ = number;
    return LoadExercise(number >= 1 && number <= exerciseCount() ? number : 1);
}

const std::string& ExerciseEngine::ModelFor(int typingLine) const {
    const std::size_t index = rules_.module == 1 ? 0 : static_cast<std::size_t>(typingLine);
    return index < models_.size() ? models_[index] : kNoModel;
}

LineOutcome ExerciseEngine::TextChanged(int line, std::string_view text) {
    if (state_ == ExerciseState::Complete) return LineOutcome::Stay;
    if (line == 0 && !running_) {
        running_ = true;
        state_ = ExerciseState::Typing;
    }
    // An empty text never finishes a line, even against an empty model line.
    if (rules_.finishesAtModelLength && !text.empty() && text.size() >= ModelFor(line).size())
        return Finish(line, text);
    return LineOutcome::Stay;
}

LineOutcome ExerciseEngine::EnterPressed(int line, std::string_view text) {
    if (state_ == ExerciseState::Complete || text.empty()) return LineOutcome::Stay;
    return Finish(line, text);
}

LineOutcome ExerciseEngine::Finish(int line, std::string_view text) {
    errors_ += CountLineErrors(ModelFor(line), text);
    if (line + 1 < rules_.typingLines) return LineOutcome::NextLine;
    running_ = false;
    state_ = ExerciseState::Evaluated;
    return LineOutcome::Evaluate;
}

void ExerciseEngine::Tick() {
    if (!running_) return;
    if (++seconds_ == 60) {
        seconds_ = 0;
        ++minutes_;
    }
}

Verdict ExerciseEngine::Judge(std::string_view minutesLimit, std::string_view errorsLimit) const {
    const auto allowedMinutes = ParseWholeNumber(minutesLimit);
    if (!allowedMinutes) return Verdict::TimeLimitNotANumber;
    if (minutes_ >= *allowedMinutes) return Verdict::Failed;
    const auto allowedErrors = ParseWholeNumber(errorsLimit);
    if (!allowedErrors) return Verdict::ErrorLimitNotANumber;
    return errors_ > *allowedErrors ? Verdict::Failed : Verdict::Approved;
}

void ExerciseEngine::ResetCounters() {
    errors_ = keystrokes_ = minutes_ = seconds_ = 0;
    running_ = false;
}

AdvanceOutcome ExerciseEngine::Advance(FileResult& loaded) {
    ResetCounters();
    loaded = FileResult::Success();
    ++number_;
    if (number_ > exerciseCount()) {
        if (rules_.module == 3) number_ = exerciseCount();
        if (rules_.module != 1) models_.assign(models_.size(), std::string());
        state_ = ExerciseState::Complete;
        return AdvanceOutcome::Complete;
    }
    state_ = ExerciseState::Ready;
    loaded = LoadExercise(number_);
    return AdvanceOutcome::NextExercise;
}

void ExerciseEngine::Decline() {
    --number_;
    ResetCounters();
    state_ = ExerciseState::Declined;
}

void ExerciseEngine::Redo() {
    ResetCounters();
    state_ = ExerciseState::Ready;
}

int ExerciseEngine::SavedPosition() const {
    if (rules_.module == 1) return number_ < 1 ? 1 : number_;
    return number_;
}

}  // namespace tecladix
