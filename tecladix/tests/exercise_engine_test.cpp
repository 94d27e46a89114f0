// The exercise engine: line comparison, stopwatch, the pass-or-fail rule and the moves
// between exercises, with the timers driven by the test.
#include <gtest/gtest.h>

#include "temp_folder.h"
#include "tecladix/core/exercise_engine.h"

namespace tecladix {
namespace {

TEST(LineComparison, CountsEveryDifferingOrMissingPosition) {
    struct Case {
        const char* model;
        const char* typed;
        int errors;
    };
    const Case cases[] = {
        {"casa azul", "casa azul", 0},
        {"casa azul", "cada azul", 1},        // one wrong character in the middle
        {"casa azul", "csa azul", 8},         // one left out: the rest shifts, the last is missing
        {"casa azul", "casa  azul", 4},       // one extra blank shifts the rest
        {"casa", "casa azul", 0},             // beyond the model nothing is compared
        {"casa", "", 4},
        {"Casa", "casa", 1},                  // case counts
        {"ma\xe7\xe3", "maca", 2},            // accents count
        {"", "abc", 0},
    };
    for (const auto& c : cases) EXPECT_EQ(c.errors, CountLineErrors(c.model, c.typed)) << c.model << "|" << c.typed;
}

std::unique_ptr<ExerciseSource> Phrases(Lines lines) { return std::make_unique<PhraseList>(std::move(lines)); }

// Types `text` into the line as the window reports it: one keystroke and one change per character.
LineOutcome TypeLine(ExerciseEngine& engine, int line, const std::string& text) {
    LineOutcome outcome = LineOutcome::Stay;
    for (std::size_t i = 1; i <= text.size() && outcome == LineOutcome::Stay; ++i) {
        engine.CountKeystroke();
        outcome = engine.TextChanged(line, text.substr(0, i));
    }
    return outcome;
}

void Ticks(ExerciseEngine& engine, int seconds) {
    for (int i = 0; i < seconds; ++i) engine.Tick();
}

TEST(ExerciseEngine, TenExactLinesFinishThemselvesWithoutErrors) {
    ExerciseEngine engine(RulesOf(1), Phrases({"uva", "pera"}));
    ASSERT_TRUE(engine.Begin(1).ok());
    EXPECT_TRUE(engine.LimitsEditable());
    for (int line = 0; line < 9; ++line) EXPECT_EQ(LineOutcome::NextLine, TypeLine(engine, line, "uva"));
    EXPECT_FALSE(engine.LimitsEditable());
    EXPECT_EQ(LineOutcome::Evaluate, TypeLine(engine, 9, "uva"));
    EXPECT_EQ(0, engine.errors());
    EXPECT_EQ(30, engine.keystrokes());
    EXPECT_FALSE(engine.running());
    EXPECT_EQ(ExerciseState::Evaluated, engine.state());
}

TEST(ExerciseEngine, EnterFinishesAShortLineAndNothingElse) {
    ExerciseEngine engine(RulesOf(1), Phrases({"abcd"}));
    ASSERT_TRUE(engine.Begin(1).ok());
    EXPECT_EQ(LineOutcome::Stay, engine.EnterPressed(0, ""));
    EXPECT_EQ(LineOutcome::Stay, TypeLine(engine, 0, "abd"));
    EXPECT_EQ(LineOutcome::NextLine, engine.EnterPressed(0, "abd"));
    EXPECT_EQ(2, engine.errors());
    EXPECT_TRUE(engine.MustReturnToFirstLine(4, true));
    EXPECT_FALSE(engine.MustReturnToFirstLine(4, false));
    EXPECT_FALSE(engine.MustReturnToFirstLine(0, true));
}

TEST(ExerciseEngine, ModuleThreeFinishesFieldsOnlyByEnter) {
    testing::TempFolder folder;
    folder.Write("Modulo3.1.txt", "Ana\r\nRua A\r\nRio\r\nRJ\r\n2222\r\n");
    ExerciseEngine engine(RulesOf(3), std::make_unique<ExerciseFiles>(DataFolder(folder.path()), 3, 10));
    ASSERT_TRUE(engine.Begin(1).ok());
    EXPECT_EQ("2222", engine.ModelFor(4));
    EXPECT_EQ(LineOutcome::Stay, TypeLine(engine, 0, "Ana Maria"));
    EXPECT_EQ(LineOutcome::NextLine, engine.EnterPressed(0, "Ana Maria"));
    EXPECT_EQ(LineOutcome::Evaluate, engine.EnterPressed(4, "222299"));
    EXPECT_EQ(0, engine.errors());
}

TEST(ExerciseEngine, StopwatchCountsMinutesAndSecondsWhileRunning) {
    ExerciseEngine engine(RulesOf(1), Phrases({"abc"}));
    ASSERT_TRUE(engine.Begin(1).ok());
    Ticks(engine, 5);
    EXPECT_EQ(0, engine.seconds());  // stopped until the first line changes
    (void)TypeLine(engine, 0, "a");
    Ticks(engine, 59);
    EXPECT_EQ("00", StopwatchField(engine.minutes()));
    EXPECT_EQ("59", StopwatchField(engine.seconds()));
    engine.Tick();
    EXPECT_EQ(1, engine.minutes());
    EXPECT_EQ(0, engine.seconds());
    engine.Redo();
    EXPECT_EQ(0, engine.minutes());
    EXPECT_TRUE(engine.LimitsEditable());
}

TEST(ExerciseEngine, PassesUnderTheMinuteLimitAndAtTheErrorLimit) {
    struct Case {
        int seconds;
        int errors;
        Verdict verdict;
    };
    const Case cases[] = {
        {9 * 60 + 59, 7, Verdict::Approved},
        {10 * 60, 0, Verdict::Failed},
        {3 * 60, 8, Verdict::Failed},
    };
    for (const auto& c : cases) {
        ExerciseEngine engine(RulesOf(1), Phrases({"abcdefghij"}));
        ASSERT_TRUE(engine.Begin(1).ok());
        (void)engine.TextChanged(0, "a");
        Ticks(engine, c.seconds);
        const std::string typed = std::string(static_cast<std::size_t>(c.errors), 'x') + std::string("abcdefghij").substr(static_cast<std::size_t>(c.errors));
        ASSERT_EQ(LineOutcome::Evaluate, engine.EnterPressed(9, typed));
        EXPECT_EQ(c.verdict, engine.Judge("10", "7")) << c.seconds << "s " << c.errors << " errors";
    }
}

TEST(ExerciseEngine, ALimitThatIsNotANumberStopsTheJudgement) {
    ExerciseEngine engine(RulesOf(1), Phrases({"a"}));
    ASSERT_TRUE(engine.Begin(1).ok());
    EXPECT_EQ(Verdict::TimeLimitNotANumber, engine.Judge("dez", "7"));
    EXPECT_EQ(Verdict::ErrorLimitNotANumber, engine.Judge(" 10", "7a"));
}

TEST(ExerciseEngine, AdvanceLoadsTheNextPhraseUntilTheListEnds) {
    ExerciseEngine engine(RulesOf(1), Phrases({"um", "dois"}));
    ASSERT_TRUE(engine.Begin(1).ok());
    FileResult loaded;
    EXPECT_EQ(AdvanceOutcome::NextExercise, engine.Advance(loaded));
    EXPECT_EQ("dois", engine.ModelFor(3));
    EXPECT_EQ(2, engine.number());
    EXPECT_EQ(AdvanceOutcome::Complete, engine.Advance(loaded));
    EXPECT_EQ(ExerciseState::Complete, engine.state());
    EXPECT_EQ(LineOutcome::Stay, engine.TextChanged(0, "um"));
}

TEST(ExerciseEngine, DeclineThenSaveStoresOneLess) {
    // Module 1 never stores less than 1; modules 2 and 3 store their counter, even 0.
    struct Case {
        int module;
        int start;
        int saved;
    };
    testing::TempFolder folder;
    const Case cases[] = {{1, 1, 1}, {1, 3, 2}, {2, 1, 0}, {3, 4, 3}};
    for (const auto& c : cases) {
        std::unique_ptr<ExerciseSource> source =
            c.module == 1 ? Phrases({"a", "b", "c"})
                          : std::make_unique<ExerciseFiles>(DataFolder(folder.path()), c.module, 10);
        ExerciseEngine engine(RulesOf(c.module), std::move(source));
        (void)engine.Begin(c.start);
        engine.Decline();
        EXPECT_EQ(c.saved, engine.SavedPosition()) << "module " << c.module;
    }
}

TEST(ExerciseEngine, ModuleThreeCompletesAtTenAndEmptiesItsModels) {
    testing::TempFolder folder;
    folder.Write("Modulo3.1.txt", "a\r\nb\r\n");
    ExerciseEngine engine(RulesOf(3), std::make_unique<ExerciseFiles>(DataFolder(folder.path()), 3, 10));
    ASSERT_TRUE(engine.Begin(11).ok());  // beyond the module: exercise 1 is shown
    EXPECT_EQ("a", engine.ModelFor(0));
    EXPECT_EQ("", engine.ModelFor(4));
    FileResult loaded;
    EXPECT_EQ(AdvanceOutcome::Complete, engine.Advance(loaded));
    EXPECT_EQ(10, engine.number());
    EXPECT_EQ("", engine.ModelFor(0));
}

TEST(ExerciseEngine, AMissingExerciseFileIsReported) {
    testing::TempFolder folder;
    folder.Write("Modulo2.1.txt", "a\r\n");
    ExerciseEngine engine(RulesOf(2), std::make_unique<ExerciseFiles>(DataFolder(folder.path()), 2, 20));
    ASSERT_TRUE(engine.Begin(1).ok());
    FileResult loaded;
    EXPECT_EQ(AdvanceOutcome::NextExercise, engine.Advance(loaded));
    EXPECT_EQ(FileStatus::CannotOpen, loaded.status);
    EXPECT_EQ("a", engine.ModelFor(0));
}

}  // namespace
}  // namespace tecladix
