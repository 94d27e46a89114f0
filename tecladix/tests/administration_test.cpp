// The administration's file rules, the sign-in checks and the floppy progress files.
#include <gtest/gtest.h>

#include "temp_folder.h"
#include "tecladix/core/administration.h"
#include "tecladix/core/floppy.h"
#include "tecladix/core/sign_in.h"
#include "tecladix/core/texts.h"

namespace tecladix {
namespace {

TEST(ExerciseEditor, DropsEveryEmptyLine) {
    EXPECT_EQ((Lines{"a", "b", "c"}), NonEmptyLines("a\r\n\r\n\r\n\r\nb\r\nc\r\n\r\n"));
    EXPECT_EQ(5u, NonEmptyLines("1\r\n2\r\n\r\n3\r\n4\r\n5").size());
}

TEST(ExerciseEditor, FragmentsKeepAtMostFiveLinesAfterTheEmptyOnesGo) {
    const std::string six = "1\r\n2\r\n3\r\n4\r\n5\r\n6";
    const std::string sixWithOneEmpty = "1\r\n2\r\n\r\n3\r\n4\r\n5\r\n";
    EXPECT_FALSE(ExerciseTextToSave(2, six));
    EXPECT_FALSE(ExerciseTextToSave(3, six));
    EXPECT_EQ((Lines{"1", "2", "3", "4", "5"}), ExerciseTextToSave(2, sixWithOneEmpty));
    EXPECT_EQ(6u, ExerciseTextToSave(1, six)->size());  // module 1 has no line count
}

TEST(ExerciseEditor, ChooserTakesNumbersInRangeAndKeepsTheFileOtherwise) {
    struct Case {
        int module;
        const char* typed;
        std::optional<int> chosen;
    };
    const Case cases[] = {
        {2, "7", 7}, {2, "20", 20}, {2, " 1 ", 1}, {2, "21", 4}, {2, "25", 4}, {2, "0", 4}, {2, "-3", 4},
        {3, "10", 10}, {3, "11", 4}, {2, "", std::nullopt}, {2, "sete", std::nullopt}, {3, "7a", std::nullopt},
        {2, "99999999999", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(c.chosen, ChooseExercise(c.module, c.typed, 4)) << c.typed;
    EXPECT_EQ("Exercicios1.txt", ExerciseTextFile(1, 7));
    EXPECT_EQ("Modulo2.10.txt", ExerciseTextFile(2, 10));
    EXPECT_EQ("Modulo3.9.txt", ExerciseTextFile(3, 9));
}

TEST(OptionsFiles, FirstFailureLeavesTheRestUnread) {
    testing::TempFolder folder;
    folder.Write("Usuarios.txt", "Ana\r\nRui\r\n");
    folder.Write("Modulo2.1.txt", "um\r\n");
    folder.Write("Modulo3.1.txt", "Fulano\r\n");
    folder.Write("Alteracoes.txt", "ADMIN - ontem\r\n");
    OptionsFiles read;
    read.module1 = {"left over"};
    const auto result = LoadOptionsFiles(DataFolder(folder.path()), read);
    EXPECT_EQ(FileStatus::CannotOpen, result.status);
    EXPECT_NE(std::string::npos, result.path.find("Exercicios1.txt"));
    EXPECT_EQ((Lines{"Ana", "Rui"}), read.students);
    EXPECT_TRUE(read.module1.empty());
    EXPECT_TRUE(read.module2.empty());
    EXPECT_TRUE(read.log.empty());

    folder.Write("Exercicios1.txt", "Uma frase.\r\n");
    ASSERT_TRUE(LoadOptionsFiles(DataFolder(folder.path()), read).ok());
    EXPECT_EQ((Lines{"um"}), read.module2);
    EXPECT_EQ((Lines{"Fulano"}), read.module3);
    EXPECT_EQ((Lines{"ADMIN - ontem"}), read.log);
}

TEST(Limits, SixFieldsBecomeTheFirstSixLines) {
    testing::TempFolder folder;
    const std::array<std::string, kLimitLines> fields = {"20", "8", "4", "3", "12", "9"};
    Lines shortList = {"15", "15"};  // Tempo.txt was short at start-up
    ASSERT_TRUE(SaveLimits(DataFolder(folder.path()), fields, shortList).ok());
    EXPECT_EQ("20\r\n8\r\n4\r\n3\r\n12\r\n9\r\n", folder.Read("Tempo.txt"));
    EXPECT_EQ(6u, shortList.size());

    Lines longer = {"1", "2", "3", "4", "5", "6", "nota"};
    ASSERT_TRUE(SaveLimits(DataFolder(folder.path()), fields, longer).ok());
    EXPECT_EQ("20\r\n8\r\n4\r\n3\r\n12\r\n9\r\nnota\r\n", folder.Read("Tempo.txt"));
    EXPECT_FALSE(SaveLimits(DataFolder(folder.File("missing")), fields, longer).ok());
}

TEST(Credentials, BothFieldsAreNeededThenSenhaRewIsRewritten) {
    EXPECT_EQ(texts::kAdminNeedsName.str(), NewCredentialsProblem("", "")->message);
    EXPECT_TRUE(NewCredentialsProblem("", "X")->inName);
    EXPECT_EQ(texts::kAdminNeedsPassword.str(), NewCredentialsProblem("ADMIN", "")->message);
    EXPECT_FALSE(NewCredentialsProblem("ADMIN", "")->inName);
    EXPECT_FALSE(NewCredentialsProblem("ADMIN", "NOVA"));

    testing::TempFolder folder;
    folder.Write("Senha.rew", "ADMIN\r\nTECLADIX\r\n");
    ASSERT_TRUE(SaveCredentials(DataFolder(folder.path()), "PROFESSORA", "NOVA").ok());
    EXPECT_EQ("PROFESSORA\r\nNOVA\r\n", folder.Read("Senha.rew"));
}

TEST(AccessLog, EveryOpeningAddsOneLine) {
    testing::TempFolder folder;
    const LocalDateTime when{2001, 3, 9, 5, 14, 5, 9};
    Lines log;
    ASSERT_TRUE(AppendAccessLog(DataFolder(folder.path()), "FULANO", when, log).ok());
    ASSERT_TRUE(AppendAccessLog(DataFolder(folder.path()), "BELTRANO", when, log).ok());
    EXPECT_EQ(
        "FULANO - sexta-feira, 09 de mar\xe7o de 2001 - 14:05:09\r\n"
        "BELTRANO - sexta-feira, 09 de mar\xe7o de 2001 - 14:05:09\r\n",
        folder.Read("Alteracoes.txt"));
    EXPECT_EQ(2u, log.size());
}

TEST(SignIn, StudentChecksEmptyThenMismatch) {
    EXPECT_EQ(texts::kTypePassword.str(), StudentSignInProblem("", "abc"));
    EXPECT_EQ(texts::kPasswordMismatch.str(), StudentSignInProblem("abd", "abc"));
    EXPECT_EQ(texts::kPasswordMismatch.str(), StudentSignInProblem("abc", ""));  // nobody chosen
    EXPECT_FALSE(StudentSignInProblem("abc", "abc"));
    EXPECT_EQ("senha \xe7\xe3", ToLowerAnsi("SENHA \xc7\xc3"));
    EXPECT_EQ("FULANO \xc7", ToUpperAnsi("fulano \xe7"));
}

TEST(SignIn, AdministratorPasswordIsCheckedBeforeTheName) {
    const Lines stored{"ADMIN", "TECLA"};
    EXPECT_EQ(texts::kAdminTypePassword.str(), AdministratorSignInProblem("ADMIN", "", stored));
    EXPECT_EQ(texts::kPasswordMismatch.str(), AdministratorSignInProblem("X", "Y", stored));
    EXPECT_EQ(texts::kAdminNameMismatch.str(), AdministratorSignInProblem("X", "TECLA", stored));
    EXPECT_FALSE(AdministratorSignInProblem("ADMIN", "TECLA", stored));
    EXPECT_EQ(texts::kPasswordMismatch.str(), AdministratorSignInProblem("ADMIN", "TECLA", {}));
}

TEST(FloppyProgress, RoundTripsAndRefusesDamagedFiles) {
    testing::TempFolder folder;
    ASSERT_TRUE(WriteFloppyProgress(folder.File("Modulo2.tcx"), {7, "Ana"}));
    EXPECT_EQ("7\r\nAna\r\n", folder.Read("Modulo2.tcx"));
    const auto read = ReadFloppyProgress(folder.File("Modulo2.tcx"));
    ASSERT_TRUE(read);
    EXPECT_EQ(7, read->number);
    EXPECT_EQ("Ana", read->name);

    folder.Write("word.tcx", "sete\r\nAna\r\n");
    folder.Write("short.tcx", "7\r\n");
    EXPECT_FALSE(ReadFloppyProgress(folder.File("word.tcx")));
    EXPECT_FALSE(ReadFloppyProgress(folder.File("short.tcx")));
    EXPECT_FALSE(ReadFloppyProgress(folder.File("missing.tcx")));
    EXPECT_FALSE(WriteFloppyProgress(folder.File("no/drive/Modulo1.tcx"), {1, "Ana"}));
}

}  // namespace
}  // namespace tecladix
