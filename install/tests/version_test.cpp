// File versions read from PE fixtures that the build makes with known version resources,
// and the overwrite decisions built on them.
#include <gtest/gtest.h>

#include "install/framework/file_system.h"
#include "install/framework/memory_stream.h"
#include "install/framework/strings.h"
#include "install/tests/test_files.h"
#include "install/version/version_data.h"
#include "install/version/version_resource.h"

namespace install {
namespace {

using cmp_TVersion::TCharacterSet;
using cmp_TVersion::TLanguage;

std::string Fixture(const std::string& name) {
    return ExtractFilePath(RunningProgramPath()) + "fixtures\\" + name;
}

TEST(VersionResource, ReadsTheFixedInformationAndEveryStringOfTheTable) {
    TVersionResource resource;
    resource.SetFileName(Fixture("app.exe"));
    const TVersionInfo& v = resource.VersionInfo();
    EXPECT_EQ(v.FileVersion, "1.2.3.4");
    EXPECT_EQ(v.ProductVersion, "5.6 beta") << "the string replaces the numeric product version";
    EXPECT_EQ(v.FileOS, "Windows NT with 32 bit Windows");
    EXPECT_EQ(v.FileType, "Application");
    EXPECT_EQ(v.FileSubType, "");
    EXPECT_EQ(v.Comment, "Made by the build");
    EXPECT_EQ(v.CompanyName, "Fixture Makers");
    EXPECT_EQ(v.FileDescription, "Version fixture");
    EXPECT_EQ(v.InternalName, "app");
    EXPECT_EQ(v.LegalCopyright, "(c) Nobody");
    EXPECT_EQ(v.LegalTradeMarks, "None");
    EXPECT_EQ(v.OriginalFileName, "app.exe");
    EXPECT_EQ(v.PrivateBuild, "private");
    EXPECT_EQ(v.ProductName, "Fixture Suite");
    EXPECT_EQ(v.SpecialBuild, "special");

    // Another table key reads the other table; the fixed information stays.
    resource.SetLanguage(TLanguage::lnBrazilianPortuguese);
    EXPECT_EQ(resource.VersionInfo().CompanyName, "Fabricantes");
    EXPECT_EQ(resource.VersionInfo().ProductName, "");
    EXPECT_EQ(resource.VersionInfo().ProductVersion, "5.6.7.8");
    EXPECT_EQ(resource.VersionInfo().FileVersion, "1.2.3.4");
    resource.SetCharacterSet(TCharacterSet::csUnicode);
    EXPECT_EQ(resource.VersionInfo().CompanyName, "");

    EXPECT_THROW(resource.SetLanguage(static_cast<TLanguage>(0x999)), std::exception);
    EXPECT_THROW(resource.SetCharacterSet(static_cast<TCharacterSet>(1)), std::exception);
    EXPECT_EQ(resource.Language(), TLanguage::lnBrazilianPortuguese);
}

TEST(VersionResource, TypesSystemsAndFilesWithoutAResource) {
    const struct {
        const char* file;
        const char* version;
        const char* os;
        const char* type;
        const char* subtype;
    } cases[] = {
        {"library.dll", "2.0.0.0", "32 bit Windows", "Dynamic-Link Library", ""},
        {"driver.exe", "1.10.0.0", "Windows NT with 32 bit Windows", "Device Driver", "Display"},
        {"font.exe", "1.9.0.0", "Windows 3.0 or later with MS-Dos", "Font", "TrueType"},
        {"oddity.exe", "1.9.0.0", "Unknown", "Unknown", ""},
        {"plain.exe", "", "", "", ""},
        {"missing.exe", "", "", "", ""},
    };
    TVersionResource resource;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        resource.SetFileName(Fixture(c.file));
        const TVersionInfo& v = resource.VersionInfo();
        EXPECT_EQ(v.FileVersion, c.version);
        EXPECT_EQ(v.FileOS, c.os);
        EXPECT_EQ(v.FileType, c.type);
        EXPECT_EQ(v.FileSubType, c.subtype);
        EXPECT_EQ(v.CompanyName, "");
    }
}

TEST(VersionResource, ThePortableReaderAgreesWithTheSystem) {
    for (const char* file : {"app.exe", "library.dll", "driver.exe", "plain.exe"}) {
        SCOPED_TRACE(file);
        const auto system = ReadVersionData(Fixture(file));
        const auto portable = ReadVersionDataPortable(Fixture(file));
        ASSERT_EQ(system == nullptr, portable == nullptr);
        if (!system) continue;
        const auto a = system->Fixed(), b = portable->Fixed();
        ASSERT_TRUE(a && b);
        EXPECT_EQ(a->fileVersionMS, b->fileVersionMS);
        EXPECT_EQ(a->fileVersionLS, b->fileVersionLS);
        EXPECT_EQ(a->fileType, b->fileType);
        for (const char* key : {"\\StringFileInfo\\040904E4\\CompanyName", "\\StringFileInfo\\040904e4\\ProductVersion",
                                "\\StringFileInfo\\041604E4\\CompanyName", "\\StringFileInfo\\040904E4\\Nothing"})
            EXPECT_EQ(system->QueryString(key), portable->QueryString(key)) << key;
    }
}

TEST(VersionResource, CutOrDamagedImagesReadAsHavingNoVersion) {
    const auto image = testing::ReadBytes(Fixture("app.exe"));
    ASSERT_GT(image.size(), 1000u);
    for (std::size_t size = 0; size < image.size(); size += 97) {
        MemoryStream cut(std::vector<unsigned char>(image.begin(), image.begin() + static_cast<std::ptrdiff_t>(size)));
        const auto block = ExtractVersionResource(cut);
        if (block) (void)ParseVersionResource(*block);  // whatever survives parses safely
    }
    MemoryStream whole{std::vector<unsigned char>(image)};
    const auto block = ExtractVersionResource(whole);
    ASSERT_TRUE(block);
    auto damaged = *block;
    damaged[0] = 0xFF;  // a root block longer than the resource
    damaged[1] = 0xFF;
    EXPECT_EQ(ParseVersionResource(damaged), nullptr);
}

TEST(CompareVersions, PartByPartNumbersThenText) {
    const struct {
        const char* a;
        const char* b;
        int expected;
    } cases[] = {
        {"1.2.3.4", "1.2.3.4", 0}, {"", "", 0},          {"1.10", "1.9", 1},
        {"1.9", "1.10", 2},        {"2.0", "2.0.0.0", 2}, {"1.2.0", "1.2", 1},
        {"1.0a", "1.0b", 2},       {"1.0b", "1.0a", 1},   {"3", "", 1},
        {"", "0", 2},              {"1.x", "1.10", 1},    {"01.2", "1.2", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TVersionResource::CompareVersions(c.a, c.b), c.expected) << c.a << " vs " << c.b;
}

TEST(ReplaceDecision, ByNameUnderEveryMode) {
    testing::TempDir dir;
    const std::string newer = Fixture("driver.exe"), older = Fixture("font.exe");
    using R = TReplaceDecision;
    using O = TOverwriteType;
    EXPECT_EQ(TVersionResource::IsFileNewerByName(older, newer, O::owAlways), R::rdReplace);
    EXPECT_EQ(TVersionResource::IsFileNewerByName(older, newer, O::owNever), R::rdKeep);
    EXPECT_EQ(TVersionResource::IsFileNewerByName(older, "  ", O::owNever), R::rdReplace);
    EXPECT_EQ(TVersionResource::IsFileNewerByName(older, dir / "none", O::owNever), R::rdReplace);
    EXPECT_EQ(TVersionResource::IsFileNewerByName(newer, older, O::owVersion), R::rdReplace);
    EXPECT_EQ(TVersionResource::IsFileNewerByName(older, newer, O::owVersion), R::rdKeep);
    EXPECT_EQ(TVersionResource::IsFileNewerByName(Fixture("plain.exe"), Fixture("plain.exe"), O::owVersion), R::rdSame);
    EXPECT_EQ(TVersionResource::IsFileNewerByName(older, dir / "none", O::owDate), R::rdFailed);

    // Equal versions: the dates decide.
    testing::WriteBytes(dir / "a.exe", testing::ReadBytes(older));
    testing::WriteBytes(dir / "b.exe", testing::ReadBytes(Fixture("oddity.exe")));
    ASSERT_TRUE(SetFileDate(dir / "a.exe", EncodeDayCount(2001, 5, 6, 7, 8, 10)));
    ASSERT_TRUE(SetFileDate(dir / "b.exe", EncodeDayCount(2001, 5, 6, 7, 8, 12)));
    EXPECT_EQ(TVersionResource::IsFileNewerByName(dir / "a.exe", dir / "b.exe", O::owVersionDate), R::rdKeep);
    EXPECT_EQ(TVersionResource::IsFileNewerByName(dir / "b.exe", dir / "a.exe", O::owVersionDate), R::rdReplace);
    EXPECT_EQ(TVersionResource::IsFileNewerByName(dir / "a.exe", dir / "b.exe", O::owDate), R::rdKeep);
    ASSERT_TRUE(SetFileDate(dir / "b.exe", EncodeDayCount(2001, 5, 6, 7, 8, 10)));
    EXPECT_EQ(TVersionResource::IsFileNewerByName(dir / "a.exe", dir / "b.exe", O::owDate), R::rdSame);
    // Different versions: the dates do not matter.
    EXPECT_EQ(TVersionResource::IsFileNewerByName(newer, dir / "b.exe", O::owVersionDate), R::rdReplace);
}

TEST(ReplaceDecision, ByStoredVersionAndTime) {
    testing::TempDir dir;
    testing::WriteBytes(dir / "lib.dll", testing::ReadBytes(Fixture("library.dll")));
    const double time = EncodeDayCount(2010, 1, 2, 3, 4, 6);
    ASSERT_TRUE(SetFileDate(dir / "lib.dll", time));
    using R = TReplaceDecision;
    using O = TOverwriteType;
    EXPECT_EQ(TVersionResource::IsFileNewerByInfo("2.0.0.1", dir / "lib.dll", O::owVersion, 0), R::rdReplace);
    EXPECT_EQ(TVersionResource::IsFileNewerByInfo("1.99", dir / "lib.dll", O::owVersion, 0), R::rdKeep);
    EXPECT_EQ(TVersionResource::IsFileNewerByInfo("2.0.0.0", dir / "lib.dll", O::owVersionDate, time), R::rdSame);
    EXPECT_EQ(TVersionResource::IsFileNewerByInfo("2.0.0.0", dir / "lib.dll", O::owVersionDate, time + 1), R::rdReplace);
    EXPECT_EQ(TVersionResource::IsFileNewerByInfo("", dir / "lib.dll", O::owDate, time - 1), R::rdKeep);
    EXPECT_EQ(TVersionResource::IsFileNewerByInfo("", dir / "gone.dll", O::owDate, time), R::rdFailed);
}

TEST(FileDates, TwoSecondStepsInLocalTime) {
    testing::TempDir dir;
    testing::WriteText(dir / "f.txt", "x");
    ASSERT_TRUE(SetFileDate(dir / "f.txt", EncodeDayCount(1998, 12, 31, 23, 59, 58)));
    EXPECT_EQ(FileDateOf(dir / "f.txt"), EncodeDayCount(1998, 12, 31, 23, 59, 58));
    ASSERT_TRUE(SetFileDate(dir / "f.txt", EncodeDayCount(2004, 2, 29, 12, 0, 7)));
    EXPECT_EQ(FileDateOf(dir / "f.txt"), EncodeDayCount(2004, 2, 29, 12, 0, 6));
    EXPECT_DOUBLE_EQ(EncodeDayCount(1899, 12, 30, 12, 0, 0), 0.5);
    EXPECT_DOUBLE_EQ(EncodeDayCount(2000, 1, 1, 0, 0, 0), 36526.0);
}

TEST(FileDates, DatesTheFileClockCannotHoldAreRefusedAndLeaveTheFileAlone) {
    testing::TempDir dir;
    testing::WriteText(dir / "f.txt", "x");
    ASSERT_TRUE(SetFileDate(dir / "f.txt", EncodeDayCount(2001, 5, 6, 7, 8, 10)));
    for (const double date : {EncodeDayCount(9999, 12, 31, 0, 0, 0), EncodeDayCount(2500, 1, 1, 0, 0, 0),
                              EncodeDayCount(1700, 1, 1, 0, 0, 0), -657434.0})
        EXPECT_FALSE(SetFileDate(dir / "f.txt", date)) << date;
    EXPECT_EQ(FileDateOf(dir / "f.txt"), EncodeDayCount(2001, 5, 6, 7, 8, 10));
}

}  // namespace
}  // namespace install
