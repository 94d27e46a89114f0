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
