// The five parallel student files: adding, removing and storing positions keep them in step.
#include <gtest/gtest.h>

#include <cstdio>

#include "temp_folder.h"
#include "tecladix/core/students.h"

namespace tecladix {
namespace {

class StudentFiles : public ::testing::Test {
protected:
    void SetUp() override {
        folder_.Write("Usuarios.txt", "Ana\r\nBeto\r\nCa\xe7" "a\r\n");
        folder_.Write("Senhas.txt", "a1\r\nb2\r\nc3\r\n");
        folder_.Write("Posicao.txt", "4\r\n2\r\n9\r\n");
        folder_.Write("Posicao2.txt", "1\r\n7\r\n0\r\n");
        folder_.Write("Posicao3.txt", "3\r\n5\r\n6\r\n");
    }
    [[nodiscard]] DataFolder Data() const { return DataFolder(folder_.path()); }

    testing::TempFolder folder_;
};

TEST_F(StudentFiles, AddingAppendsToAllFiveWithPositionOne) {
    ASSERT_TRUE(AddStudent(Data(), "ana", "senha").ok());
    EXPECT_EQ("Ana\r\nBeto\r\nCa\xe7" "a\r\nana\r\n", folder_.Read("Usuarios.txt"));
    EXPECT_EQ("a1\r\nb2\r\nc3\r\nsenha\r\n", folder_.Read("Senhas.txt"));
    EXPECT_EQ("4\r\n2\r\n9\r\n1\r\n", folder_.Read("Posicao.txt"));
    EXPECT_EQ("1\r\n7\r\n0\r\n1\r\n", folder_.Read("Posicao2.txt"));
    EXPECT_EQ("3\r\n5\r\n6\r\n1\r\n", folder_.Read("Posicao3.txt"));
}

TEST_F(StudentFiles, RemovingTakesTheSameLineFromEachFile) {
    ASSERT_EQ(RemoveStatus::Removed, RemoveStudent(Data(), "Beto").status);
    EXPECT_EQ("Ana\r\nCa\xe7" "a\r\n", folder_.Read("Usuarios.txt"));
    EXPECT_EQ("a1\r\nc3\r\n", folder_.Read("Senhas.txt"));
    EXPECT_EQ("4\r\n9\r\n", folder_.Read("Posicao.txt"));
    EXPECT_EQ("1\r\n0\r\n", folder_.Read("Posicao2.txt"));
    EXPECT_EQ("3\r\n6\r\n", folder_.Read("Posicao3.txt"));

    // A second removal in a row works on what the first one wrote.
    ASSERT_EQ(RemoveStatus::Removed, RemoveStudent(Data(), "Ana").status);
    EXPECT_EQ("Ca\xe7" "a\r\n", folder_.Read("Usuarios.txt"));
    EXPECT_EQ("6\r\n", folder_.Read("Posicao3.txt"));
}

TEST_F(StudentFiles, NamesCompareExactlyAndUnknownNamesChangeNothing) {
    EXPECT_EQ(RemoveStatus::NotFound, RemoveStudent(Data(), "ANA").status);
    EXPECT_EQ("Ana\r\nBeto\r\nCa\xe7" "a\r\n", folder_.Read("Usuarios.txt"));
    EXPECT_FALSE(FindStudent({"Ana", "Beto"}, "beto"));
    EXPECT_EQ(2u, FindStudent({"Ana", "Beto", "Ana"}, "Ana"));
}

TEST_F(StudentFiles, StoringAPositionRewritesOnlyThatModulesFile) {
    ASSERT_TRUE(StorePosition(Data(), 2, "Beto", 12).ok());
    EXPECT_EQ("1\r\n12\r\n0\r\n", folder_.Read("Posicao2.txt"));
    EXPECT_EQ("4\r\n2\r\n9\r\n", folder_.Read("Posicao.txt"));
    ASSERT_TRUE(StorePosition(Data(), 1, "Nobody", 3).ok());
    EXPECT_EQ("4\r\n2\r\n9\r\n", folder_.Read("Posicao.txt"));
}

TEST_F(StudentFiles, TheRosterHoldsOneModulesPositions) {
    Roster roster;
    ASSERT_TRUE(LoadRoster(Data(), 3, roster).ok());
    EXPECT_EQ((Lines{"a1", "b2", "c3"}), roster.passwords);
    EXPECT_EQ((Lines{"3", "5", "6"}), roster.positions);
}

TEST_F(StudentFiles, AMissingFileStopsTheChangeBeforeAnythingIsWritten) {
    std::remove(folder_.File("Posicao3.txt").c_str());
    const auto result = AddStudent(Data(), "Davi", "d");
    EXPECT_EQ(FileStatus::CannotOpen, result.status);
    EXPECT_EQ("Ana\r\nBeto\r\nCa\xe7" "a\r\n", folder_.Read("Usuarios.txt"));
    EXPECT_EQ(RemoveStatus::FileError, RemoveStudent(Data(), "Ana").status);
}

}  // namespace
}  // namespace tecladix
