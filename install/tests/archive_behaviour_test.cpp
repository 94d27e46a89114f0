// What the archive component does with the archives it meets: extraction under the
// overwrite rules, events, volume sets and disk changes, full disks, cancels, and damaged
// archives of every kind.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include "install/archive/ambl_compress.h"
#include "install/archive/archive_errors.h"
#include "install/archive/volume_names.h"
#include "install/framework/strings.h"
#include "install/tests/test_files.h"

namespace install {
namespace {

using testing::Bytes;
using testing::TempDir;

std::string MessageOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const std::exception& e) {
        return e.what();
    }
    return "(no error)";
}

std::unique_ptr<Stream> Limited(std::unique_ptr<Stream> stream, std::int64_t capacity) {
    return std::make_unique<CapacityLimitedStream>(std::move(stream), capacity);
}

// An archive of a text, a binary and an empty file in a fresh folder.
struct Fixture {
    TempDir dir;
    Bytes text = testing::SampleText(120000), binary = testing::SampleBinary(50000);
    std::string archiveName = dir / "files.1";

    Fixture() {
        testing::WriteBytes(dir / "src\\readme.txt", text);
        testing::WriteBytes(dir / "src\\data.bin", binary);
        testing::WriteBytes(dir / "src\\empty.txt", {});
        TAmblCompress archive;
        archive.SetCompressedFile(archiveName);
        archive.SetFilesToProcess({Src("readme.txt"), Src("data.bin"), Src("empty.txt")});
        archive.Compress(false, 5);
    }
    std::string Src(const std::string& name) const { return dir / ("src\\" + name); }
    std::string Out(const std::string& name) const { return dir / ("out\\" + name); }
};

TEST(ArchiveExtract, RestoresContentAndStoredTimeOfEveryEntry) {
    Fixture f;
    TAmblCompress archive;
    archive.SetCompressedFile(f.archiveName);
    archive.ExtractDirectory = f.dir / "out";
    std::vector<TlzhFileStats> finished;
    archive.OnStatus = [&](TAmblCompress&, const TlzhFileStats& s) {
        if (s.Finished) finished.push_back(s);
    };
    archive.SetFilesToProcess({f.Src("READMe.TXT"), f.Src("data.bin;anything"), f.Src("empty.txt")});
    archive.Extract();

    EXPECT_EQ(testing::ReadBytes(f.Out("readme.txt")), f.text);
    EXPECT_EQ(testing::ReadBytes(f.Out("data.bin")), f.binary);
    EXPECT_TRUE(testing::Exists(f.Out("empty.txt")));
    EXPECT_TRUE(testing::ReadBytes(f.Out("empty.txt")).empty());
    for (const char* name : {"readme.txt", "data.bin", "empty.txt"})
        EXPECT_EQ(FileDateOf(f.Out(name)), FileDateOf(f.Src(name))) << name;
    ASSERT_EQ(finished.size(), 3u);
    EXPECT_EQ(finished[0].FilePercent, 100);
    EXPECT_EQ(finished.back().TotalPercent, 100);
    EXPECT_EQ(finished.back().TotalDone, static_cast<std::int32_t>(f.text.size() + f.binary.size()));
    EXPECT_TRUE(archive.FilesToProcess().empty());
    EXPECT_TRUE(archive.DestName.empty());
}

TEST(ArchiveExtract, OverwriteModesDecideAboutAnExistingFile) {
    const struct {
        TOverwriteType mode;
        bool replaced;
    } cases[] = {{TOverwriteType::owAlways, true},
                 {TOverwriteType::owNever, false},
                 {TOverwriteType::owVersion, false},  // both without a version: the same
                 {TOverwriteType::owDate, true},      // the archived file is newer
                 {TOverwriteType::owVersionDate, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.mode));
        Fixture f;
        testing::WriteText(f.Out("readme.txt"), "old");
        ASSERT_TRUE(SetFileDate(f.Out("readme.txt"), EncodeDayCount(1999, 1, 1, 0, 0, 0)));
        TAmblCompress archive;
        archive.SetCompressedFile(f.archiveName);
        archive.ExtractDirectory = f.dir / "out";
        archive.Overwrite = c.mode;
        int replaceEvents = 0, finishedEvents = 0;
        archive.OnReplace = [&](TAmblCompress&, const TlzhFileStats&) { ++replaceEvents; };
        archive.OnStatus = [&](TAmblCompress&, const TlzhFileStats& s) { finishedEvents += s.Finished; };
        archive.SetFilesToProcess({f.Src("readme.txt")});
        archive.Extract();
        EXPECT_EQ(testing::ReadBytes(f.Out("readme.txt")) == f.text, c.replaced);
        EXPECT_EQ(replaceEvents, c.replaced ? 1 : 0);
        EXPECT_EQ(finishedEvents, 1) << "a kept file is reported finished too";
    }
}

TEST(ArchiveExtract, AnEqualTimeUnderDateModeKeepsTheExistingFile) {
    Fixture f;
    testing::WriteText(f.Out("readme.txt"), "old");
    ASSERT_TRUE(SetFileDate(f.Out("readme.txt"), FileDateOf(f.Src("readme.txt")).value()));
    TAmblCompress archive;
    archive.SetCompressedFile(f.archiveName);
    archive.ExtractDirectory = f.dir / "out";
    archive.Overwrite = TOverwriteType::owDate;
    archive.SetFilesToProcess({f.Src("readme.txt")});
    archive.Extract();
    EXPECT_EQ(testing::ReadBytes(f.Out("readme.txt")), Bytes({'o', 'l', 'd'}));
}

TEST(ArchiveExtract, EventsRenameAndSkipEntries) {
    Fixture f;
    testing::WriteText(f.dir / "elsewhere\\data.bin", "old");
    TAmblCompress archive;
    archive.SetCompressedFile(f.archiveName);
    archive.ExtractDirectory = f.dir / "out";
    archive.OnBeforeExtracting = [&](TAmblCompress& a, const TlzhFileStats& s) {
        if (s.FileName == f.Src("readme.txt")) a.DestName = "some\\folder\\renamed.txt";
        if (s.FileName == f.Src("empty.txt")) a.SkipFile = true;
        if (s.FileName == f.Src("data.bin")) a.ExtractDirectory = f.dir / "elsewhere";
    };
    archive.OnReplace = [&](TAmblCompress& a, const TlzhFileStats&) { a.ExtractDirectory = f.dir / "moved"; };
    archive.SetFilesToProcess({f.Src("readme.txt"), f.Src("empty.txt"), f.Src("data.bin")});
    archive.Extract();
    EXPECT_EQ(testing::ReadBytes(f.Out("renamed.txt")), f.text) << "only the name part is used";
    EXPECT_FALSE(testing::Exists(f.Out("empty.txt")));
    EXPECT_EQ(testing::ReadBytes(f.dir / "moved\\data.bin"), f.binary);
}

TEST(ArchiveExtract, AKeptEntryDoesNotLendItsNameToTheNextOne) {
    Fixture f;
    testing::WriteText(f.Out("first.txt"), "keep me");
    TAmblCompress archive;
    archive.SetCompressedFile(f.archiveName);
    archive.ExtractDirectory = f.dir / "out";
    archive.Overwrite = TOverwriteType::owNever;
    archive.OnBeforeExtracting = [&](TAmblCompress& a, const TlzhFileStats& s) {
        if (s.FileName == f.Src("readme.txt")) a.DestName = "first.txt";
    };
    archive.SetFilesToProcess({f.Src("readme.txt"), f.Src("data.bin")});
    archive.Extract();
    EXPECT_EQ(testing::ReadBytes(f.Out("first.txt")), Bytes({'k', 'e', 'e', 'p', ' ', 'm', 'e'}));
    EXPECT_EQ(testing::ReadBytes(f.Out("data.bin")), f.binary);
}

TEST(ArchiveExtract, StoredNamesNeverLeadOutsideTheExtractionFolder) {
    TempDir dir;
    // Entries whose stored names climb out of their folder: only the last name part counts.
    testing::WriteText(dir / "a\\b\\evil.txt", "payload");
    TAmblCompress archive;
    archive.SetCompressedFile(dir / "files.1");
    archive.SetFilesToProcess({dir / "a\\b\\evil.txt"});
    archive.Compress(false, 0);

    archive.ExtractDirectory = dir / "deep\\out";
    archive.OnBeforeExtracting = [&](TAmblCompress& a, const TlzhFileStats&) { a.DestName = "..\\..\\x/../evil.txt"; };
    archive.SetFilesToProcess({dir / "a\\b\\evil.txt"});
    archive.Extract();
    EXPECT_TRUE(testing::Exists(dir / "deep\\out\\evil.txt"));
    EXPECT_FALSE(testing::Exists(dir / "evil.txt"));
    EXPECT_FALSE(testing::Exists(dir / "deep\\evil.txt"));

    archive.OnBeforeExtracting = [&](TAmblCompress& a, const TlzhFileStats&) { a.DestName = "sub\\.."; };
    archive.SetFilesToProcess({dir / "a\\b\\evil.txt"});
    EXPECT_EQ(MessageOf([&] { archive.Extract(); }),
              "Cannot create the file " + dir / "deep\\out\\..");
}

TEST(ArchiveExtract, AnEmptyArchiveHasNoEntries) {
    TempDir dir;
    testing::WriteBytes(dir / "empty.1", {0, 0, 0, 0, 0});
    TAmblCompress archive;
    archive.SetCompressedFile(dir / "empty.1");
    EXPECT_EQ(archive.FileCount(), 0);
    archive.SetFilesToProcess({"x.txt"});
    EXPECT_EQ(MessageOf([&] { archive.Extract(); }),
              "The file <x.txt> was not found in the archive <" + dir / "empty.1" + ">");
    EXPECT_TRUE(archive.Abort) << "a failure leaves Abort set";
    TlzhFileStats stats;
    EXPECT_EQ(MessageOf([&] { archive.GetFileStats(0, stats); }),
              "Tried to access the 0th file. This file is not defined");
}

TEST(ArchiveExtract, ProgressRecordOfAnEntry) {
    Fixture f;
    TAmblCompress archive;
    archive.SetCompressedFile(f.archiveName);
    TlzhFileStats stats;
    const TlzhFileStats copy = archive.GetFileStats(1, stats);
    EXPECT_EQ(stats.FileName, f.Src("data.bin"));
    EXPECT_EQ(stats.UncompressedSize, 50000);
    EXPECT_EQ(stats.Ratio, Percentage(stats.CompressedSize, 50000));
    EXPECT_EQ(stats.Header.StoredName, f.Src("data.bin"));
    EXPECT_EQ(copy.TotalUncompressed, static_cast<std::int32_t>(f.text.size() + f.binary.size()));
    EXPECT_EQ(archive.FileCount(), 3);
}

TEST(ArchivePercent, NearestWithTiesToEvenAndZeroForNothing) {
    EXPECT_EQ(Percentage(1, 8), 12);  // 12.5
    EXPECT_EQ(Percentage(3, 8), 38);  // 37.5
    EXPECT_EQ(Percentage(1, 3), 33);
    EXPECT_EQ(Percentage(2, 3), 67);
    EXPECT_EQ(Percentage(5, 0), 0);
    EXPECT_EQ(Percentage(101, 100), 101);
}

TEST(ArchiveSettings, CompressedFileAndFileListRules) {
    Fixture f;
    TAmblCompress archive;
    archive.SetCompressedFile(f.archiveName);
    ASSERT_EQ(archive.FileCount(), 3);
    archive.SetCompressedFile(f.dir / "FILES.3");  // another volume of the same set
    EXPECT_TRUE(archive.HeadersLoaded());
    archive.SetCompressedFile(f.dir / "other.1");
    EXPECT_FALSE(archive.HeadersLoaded());

    archive.SetFilesToProcess({"a", "", "  \t", "b;c"});
    EXPECT_EQ(archive.FilesToProcess(), (std::vector<std::string>{"a", "b;c"}));
    EXPECT_TRUE(SameVolumeSet("A:\\files.1", "a:\\FILES.12"));
    EXPECT_FALSE(SameVolumeSet("A:\\files.1", "A:\\setup.1"));
    EXPECT_EQ(VolumeFileName("A:\\files.1", 11), "A:\\files.11");
}

// ---- volume sets -------------------------------------------------------------------------

struct SpannedSet {
    Fixture f;
    std::vector<std::string> newDiskFolders;
    std::int64_t volumeSize;

    explicit SpannedSet(std::int64_t size = 30000) : volumeSize(size) {
        std::filesystem::create_directories(HostPath(f.dir / "disks"));
        TAmblCompress archive;
        archive.SetCompressedFile(f.archiveName);
        archive.OnOpenTarget = [size](std::unique_ptr<Stream> s) { return Limited(std::move(s), size); };
        archive.OnNewDisk = [&](TAmblCompress&, int, std::string& path) { newDiskFolders.push_back(path); };
        archive.SpanToDisks(f.dir / "disks", "files.1");
    }
    std::string Volume(int n) const { return f.dir / ("disks\\files." + std::to_string(n)); }
};

TEST(ArchiveSpan, VolumeOneHoldsAllHeadersAndTheDataRunsOnWithoutGaps) {
    SpannedSet set;
    const Bytes source = testing::ReadBytes(set.f.archiveName);
    std::vector<Bytes> volumes;
    for (int n = 1; testing::Exists(set.Volume(n)); ++n) volumes.push_back(testing::ReadBytes(set.Volume(n)));
    ASSERT_GE(volumes.size(), 3u);
    EXPECT_EQ(set.newDiskFolders.size(), volumes.size() - 1);
    for (std::size_t i = 0; i + 1 < volumes.size(); ++i) EXPECT_EQ(volumes[i].size(), 30000u);

    const Bytes& v1 = volumes[0];
    EXPECT_EQ(v1[0], 3);
    EXPECT_EQ(v1[4], 1) << "spanned";
    Bytes data;
    for (std::size_t i = 0; i < volumes.size(); ++i)
        data.insert(data.end(), volumes[i].begin() + (i == 0 ? 5 + 3 * 172 : 0), volumes[i].end());
    Bytes expected;
    TAmblCompress reader;
    reader.SetCompressedFile(set.f.archiveName);
    for (int i = 0; i < reader.FileCount(); ++i) {
        const TFileHeaderRecord& h = reader.Headers().GetFileHeaders(i).Header;
        expected.insert(expected.end(), source.begin() + h.DataOffset, source.begin() + h.EndOffset + 1);
    }
    EXPECT_EQ(data, expected);

    for (int i = 0; i < 3; ++i) {
        const std::size_t at = 5 + 172 * static_cast<std::size_t>(i);
        std::int32_t next = 0;
        std::memcpy(&next, &v1[at + 124], 4);
        EXPECT_EQ(next, static_cast<std::int32_t>(at + 172));
    }
    TAmblCompress spanned;
    spanned.SetCompressedFile(set.Volume(1));
    ASSERT_EQ(spanned.FileCount(), 3);
    const TFileHeaderRecord& first = spanned.Headers().GetFileHeaders(0).Header;
    const TFileHeaderRecord& binary = spanned.Headers().GetFileHeaders(1).Header;
    EXPECT_EQ(first.FirstVolume, 1);
    EXPECT_GT(binary.LastVolume, binary.FirstVolume) << "an entry straddles two disks";
}

TEST(ArchiveSpan, ASpannedSetExtractsIdenticallyToTheSingleFile) {
    SpannedSet set(20000);
    TAmblCompress archive;
    archive.SetCompressedFile(set.Volume(1));
    archive.ExtractDirectory = set.f.dir / "fromset";
    archive.SetFilesToProcess({set.f.Src("readme.txt"), set.f.Src("data.bin"), set.f.Src("empty.txt")});
    archive.Extract();
    EXPECT_EQ(testing::ReadBytes(set.f.dir / "fromset\\readme.txt"), set.f.text);
    EXPECT_EQ(testing::ReadBytes(set.f.dir / "fromset\\data.bin"), set.f.binary);
    EXPECT_EQ(FileDateOf(set.f.dir / "fromset\\data.bin"), FileDateOf(set.f.Src("data.bin")));
}

TEST(ArchiveSpan, AMissingVolumeIsAskedForAndFoundWhereTheUserPoints) {
    SpannedSet set;
    std::filesystem::create_directories(HostPath(set.f.dir / "drive-b"));
    std::filesystem::rename(HostPath(set.Volume(2)), HostPath(set.f.dir / "drive-b\\files.2"));
    TAmblCompress archive;
    archive.SetCompressedFile(set.Volume(1));
    archive.ExtractDirectory = set.f.dir / "out";
    std::vector<std::pair<int, std::string>> asked;
    archive.OnNewDisk = [&](TAmblCompress&, int disk, std::string& path) {
        asked.emplace_back(disk, path);
        path = set.f.dir / (disk == 2 ? "drive-b" : "disks");
    };
    archive.SetFilesToProcess({set.f.Src("data.bin")});
    archive.Extract();
    EXPECT_EQ(testing::ReadBytes(set.f.Out("data.bin")), set.f.binary);
    // Volume 3 is looked for where volume 2 was found, and then where the user points.
    ASSERT_EQ(asked.size(), 2u);
    EXPECT_EQ(asked[0], std::make_pair(2, set.f.dir / "disks"));
    EXPECT_EQ(asked[1], std::make_pair(3, set.f.dir / "drive-b"));
    EXPECT_TRUE(SameText(archive.CompressedFile(), set.f.dir / "disks\\files.3"))
        << "names the volume opened last: " << archive.CompressedFile();
}

TEST(ArchiveSpan, AVolumeThatNeverTurnsUpEndsTheExtraction) {
    SpannedSet set;
    std::filesystem::remove(HostPath(set.Volume(2)));
    TAmblCompress archive;
    archive.SetCompressedFile(set.Volume(1));
    archive.ExtractDirectory = set.f.dir / "out";
    archive.SetFilesToProcess({set.f.Src("data.bin")});
    EXPECT_EQ(MessageOf([&] { archive.Extract(); }), "Could not open the correct disk file 2");

    int attempts = 0;
    archive.SetCompressedFile(set.Volume(1));
    archive.OnNewDisk = [&](TAmblCompress&, int, std::string&) { ++attempts; };
    archive.SetFilesToProcess({set.f.Src("data.bin")});
    EXPECT_EQ(MessageOf([&] { archive.Extract(); }), "Cannot open the compressed file " + set.Volume(2));
    EXPECT_EQ(attempts, 4);
}

TEST(ArchiveSpan, FullDisksWithoutAHandlerOrWithoutRoom) {
    Fixture f;
    std::filesystem::create_directories(HostPath(f.dir / "disks"));
    TAmblCompress archive;
    archive.SetCompressedFile(f.archiveName);
    archive.OnOpenTarget = [](std::unique_ptr<Stream> s) { return Limited(std::move(s), 30000); };
    EXPECT_EQ(MessageOf([&] { archive.SpanToDisks(f.dir / "disks", "files.1"); }),
              "There was no event handler for the OnNewDisk event, therefore no new disk could be inserted");

    archive.OnOpenTarget = [](std::unique_ptr<Stream> s) { return Limited(std::move(s), 100); };
    archive.OnNewDisk = [](TAmblCompress&, int, std::string&) {};
    EXPECT_EQ(MessageOf([&] { archive.SpanToDisks(f.dir / "disks", "files.1"); }),
              "Could not write the file headers for the compressed file");

    archive.OnOpenTarget = [](std::unique_ptr<Stream> s) { return Limited(std::move(s), 5 + 3 * 172 + 10); };
    archive.OnNewDisk = [&](TAmblCompress& a, int, std::string&) {
        a.OnOpenTarget = [](std::unique_ptr<Stream> s) { return Limited(std::move(s), 0); };
    };
    EXPECT_EQ(MessageOf([&] { archive.SpanToDisks(f.dir / "disks", "files.1"); }),
              "There is too little space on this disk to operate");
}

// ---- full disks, cancels and failures while writing ---------------------------------------

TEST(ArchiveDiskFull, ExtractingOntoAFullDisk) {
    Fixture f;
    TAmblCompress archive;
    archive.SetCompressedFile(f.archiveName);
    archive.ExtractDirectory = f.dir / "out";
    archive.OnOpenTarget = [](std::unique_ptr<Stream> s) { return Limited(std::move(s), 1000); };
    archive.SetFilesToProcess({f.Src("readme.txt")});
    EXPECT_EQ(MessageOf([&] { archive.Extract(); }), "The disk is full");

    // A handler that makes room lets the write go on.
    std::int64_t room = 1000;
    archive.OnOpenTarget = [&](std::unique_ptr<Stream> s) {
        struct Growing final : Stream {
            std::unique_ptr<Stream> inner;
            std::int64_t* room;
            std::size_t Read(void* b, std::size_t n) override { return inner->Read(b, n); }
            std::size_t Write(const void* b, std::size_t n) override {
                const auto left = static_cast<std::size_t>(std::max<std::int64_t>(0, *room - inner->Position()));
                return inner->Write(b, std::min(n, left));
            }
            bool Seek(std::int64_t p) override { return inner->Seek(p); }
            std::int64_t Position() const override { return inner->Position(); }
            std::int64_t Size() const override { return inner->Size(); }
            bool Flush() override { return inner->Flush(); }
        };
        auto g = std::make_unique<Growing>();
        g->inner = std::move(s);
        g->room = &room;
        return std::unique_ptr<Stream>(std::move(g));
    };
    int fullDisks = 0;
    archive.OnFullDisk = [&](TAmblCompress&) {
        ++fullDisks;
        room += 1 << 30;
    };
    archive.SetFilesToProcess({f.Src("readme.txt")});
    archive.Extract();
    EXPECT_EQ(fullDisks, 1);
    EXPECT_EQ(testing::ReadBytes(f.Out("readme.txt")), f.text);
}

TEST(ArchiveAbort, ACancelStopsQuietlyAndRaisesOnAborted) {
    Fixture f;
    TAmblCompress archive;
    archive.SetCompressedFile(f.archiveName);
    archive.ExtractDirectory = f.dir / "out";
    int aborted = 0, steps = 0;
    archive.OnAborted = [&](TAmblCompress&) { ++aborted; };
    archive.ProcessMessages = [&] {
        if (++steps == 1) archive.Abort = true;  // the user clicks Cancel while the first file runs
    };
    archive.SetFilesToProcess({f.Src("readme.txt"), f.Src("data.bin")});
    archive.Extract();
    EXPECT_EQ(aborted, 1);
    EXPECT_TRUE(archive.Abort);
    EXPECT_FALSE(testing::Exists(f.Out("data.bin")));

    // Compressing: the archive keeps its complete entries only.
    archive.Abort = false;
    steps = 0;
    archive.ProcessMessages = [&] {
        if (++steps == 2) archive.Abort = true;
    };
    testing::WriteBytes(f.dir / "big.bin", testing::SampleBinary(400000, 9));
    archive.SetCompressedFile(f.archiveName);
    archive.SetFilesToProcess({f.dir / "big.bin"});
    archive.Compress(true, 6);
    EXPECT_EQ(aborted, 2);
    TAmblCompress reader;
    reader.SetCompressedFile(f.archiveName);
    EXPECT_EQ(reader.FileCount(), 3);
}

TEST(ArchiveCompress, AFailedAppendLeavesTheEarlierEntriesReadable) {
    Fixture f;
    const Bytes before = testing::ReadBytes(f.archiveName);
    TAmblCompress archive;
    archive.SetCompressedFile(f.archiveName);
    testing::WriteBytes(f.dir / "new.txt", testing::SampleText(30000, 4));
    archive.SetFilesToProcess({f.dir / "new.txt", f.dir / "missing.txt"});
    EXPECT_EQ(MessageOf([&] { archive.Compress(true, 1); }), "Cannot open the file " + f.dir / "missing.txt");
    EXPECT_EQ(testing::ReadBytes(f.archiveName), before);

    // A disk that fills up in the middle of the second file.
    archive.OnOpenTarget = [&](std::unique_ptr<Stream> s) {
        return Limited(std::move(s), static_cast<std::int64_t>(before.size()) + 172 + 100);
    };
    archive.SetFilesToProcess({f.dir / "new.txt"});
    EXPECT_EQ(MessageOf([&] { archive.Compress(true, 1); }), "The disk is full");
    EXPECT_EQ(testing::ReadBytes(f.archiveName), before);
}

TEST(ArchiveCompress, ASourceThatCannotBeOpened) {
    TempDir dir;
    TAmblCompress archive;
    archive.SetCompressedFile(dir / "files.1");
    archive.SetFilesToProcess({dir / "nothing.txt"});
    EXPECT_EQ(MessageOf([&] { archive.Compress(false, 0); }), "Cannot open the file " + dir / "nothing.txt");
    archive.SetCompressedFile(dir.Path());  // a folder cannot become an archive
    archive.SetFilesToProcess({dir / "nothing.txt"});
    EXPECT_EQ(MessageOf([&] { archive.Compress(false, 0); }), "Cannot create the file " + dir.Path());
}

TEST(ArchiveSpan, TheSourceIsNeverOverwrittenByItsOwnFirstVolume) {
    Fixture f;
    const Bytes before = testing::ReadBytes(f.archiveName);
    TAmblCompress archive;
    archive.SetCompressedFile(f.archiveName);
    EXPECT_EQ(MessageOf([&] { archive.SpanToDisks(f.dir.Path(), "FILES.1"); }),
              "Cannot create the file " + f.dir / "FILES.1");
    EXPECT_EQ(testing::ReadBytes(f.archiveName), before);
}

TEST(ArchiveCopyFile, CopiesUnderTheOverwriteRule) {
    TempDir dir;
    const Bytes content = testing::SampleBinary(20000);
    testing::WriteBytes(dir / "source.bin", content);
    testing::WriteText(dir / "target\\copy.bin", "old");
    TAmblCompress archive;
    archive.Overwrite = TOverwriteType::owNever;
    archive.CopyFile(dir / "source.bin", dir / "target\\copy.bin");
    EXPECT_EQ(testing::ReadBytes(dir / "target\\copy.bin").size(), 3u);
    archive.Overwrite = TOverwriteType::owAlways;
    std::vector<std::uint8_t> percents;
    archive.OnStatus = [&](TAmblCompress&, const TlzhFileStats& s) { percents.push_back(s.FilePercent); };
    archive.CopyFile(dir / "source.bin", dir / "target\\copy.bin");
    EXPECT_EQ(testing::ReadBytes(dir / "target\\copy.bin"), content);
    EXPECT_EQ(FileDateOf(dir / "target\\copy.bin"), FileDateOf(dir / "source.bin"));
    EXPECT_EQ(percents.back(), 100);
    EXPECT_EQ(archive.DestName, "copy.bin");
    EXPECT_EQ(archive.ExtractDirectory, dir / "target");

    // A skip asked for by an earlier extraction does not carry over to a copy.
    archive.SkipFile = true;
    archive.CopyFile(dir / "source.bin", dir / "target\\second.bin");
    EXPECT_EQ(testing::ReadBytes(dir / "target\\second.bin"), content);
}

// ---- damaged archives ---------------------------------------------------------------------

void Put32(Bytes& b, std::size_t at, std::int32_t value) {
    std::memcpy(&b[at], &value, 4);  // both builds are little-endian
}

TEST(ArchiveDamage, EveryDamagedArchiveEndsWithAClearMessage) {
    Fixture f;
    const Bytes good = testing::ReadBytes(f.archiveName);
    std::int32_t firstNext = 0, firstData = 0;
    std::memcpy(&firstNext, &good[5 + 124], 4);
    std::memcpy(&firstData, &good[5 + 132], 4);
    const std::string corrupt =
        "Could not read the file headers for the compressed file. The Archive file could possible be corrupt";
    const std::string sizeMismatch =
        "The decompressed file's size does not match with the actual size of the file.  The file is " +
        f.Src("readme.txt");
    const struct {
        const char* what;
        std::function<void(Bytes&)> damage;
        std::string message;
    } cases[] = {
        {"prefix cut short", [](Bytes& b) { b.resize(3); },
         "Could not read the file header count for the compressed file"},
        {"two billion entries", [](Bytes& b) { Put32(b, 0, 2000000000); }, corrupt},
        {"negative count", [](Bytes& b) { Put32(b, 0, -1); }, corrupt},
        {"next header points back", [](Bytes& b) { Put32(b, 5 + 124, 0); }, corrupt},
        {"next header points at itself", [](Bytes& b) { Put32(b, 5 + 124, 5); }, corrupt},
        {"next header past the end", [&](Bytes& b) { Put32(b, 5 + 124, static_cast<std::int32_t>(b.size())); }, corrupt},
        {"blank stored name", [](Bytes& b) { b[5 + 20] = 1; b[5 + 21] = ' '; }, corrupt},
        {"data offset past the end", [](Bytes& b) { Put32(b, 5 + 132, 0x7FFFFF00); }, sizeMismatch},
        {"stream ends early", [&](Bytes& b) { Put32(b, 5 + 16, firstData + 100); }, sizeMismatch},
        {"stream runs long", [](Bytes& b) { Put32(b, 5 + 128, 1000); }, sizeMismatch},
        {"size claims more", [](Bytes& b) { Put32(b, 5 + 128, 2000000000); }, sizeMismatch},
        {"garbage data", [&](Bytes& b) { std::fill(b.begin() + firstData, b.begin() + firstData + 50, 0xFF); }, "error"},
        {"archive cut in its data", [&](Bytes& b) { b.resize(static_cast<std::size_t>(firstNext) - 500); }, corrupt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Bytes damaged = good;
        c.damage(damaged);
        testing::WriteBytes(f.dir / "damaged.1", damaged);
        TAmblCompress archive;
        archive.SetCompressedFile(f.dir / "damaged.1");
        archive.ExtractDirectory = f.dir / "damaged-out";
        archive.SetFilesToProcess({f.Src("readme.txt")});
        EXPECT_EQ(MessageOf([&] { archive.Extract(); }), c.message);
        EXPECT_LE(testing::ReadBytes(f.dir / "damaged-out\\readme.txt").size(), f.text.size());
    }
}

TEST(ArchiveDamage, AMissingArchive) {
    TempDir dir;
    TAmblCompress archive;
    archive.SetCompressedFile(dir / "none.1");
    EXPECT_EQ(MessageOf([&] { (void)archive.FileCount(); }), "Cannot open the compressed file " + dir / "none.1");
}

TEST(ArchiveHeaders, ListRulesAndRecordRoundTrip) {
    TFileHeaders headers;
    EXPECT_EQ(MessageOf([&] { headers.Add(std::make_unique<TFileHeader>()); }), "Tried to add an invalid file header");
    EXPECT_EQ(MessageOf([&] { (void)headers.GetFileHeaders(0); }),
              "0 is an invalid TFileHeader index in TFileHeaders.GetFileHeaders");
    TFileHeaderRecord r;
    r.FileNumber = 3;
    r.FileDate = 36526.5;
    r.LastVolume = 2;
    r.EndOffset = -7;
    r.StoredName = std::string(120, 'x');
    r.NextHeader = 99;
    r.UncompressedSize = 1;
    r.DataOffset = 2;
    r.CompressedSize = 3;
    r.FirstVolume = 1;
    r.UniqueID = 1999;
    r.FileVersion = "1.2.3.4567890123456789";
    const TFileHeaderRecord back = DecodeFileHeader(EncodeFileHeader(r));
    EXPECT_EQ(back.StoredName, std::string(100, 'x'));
    EXPECT_EQ(back.FileVersion, r.FileVersion.substr(0, 20));
    r.StoredName.resize(100);
    r.FileVersion.resize(20);
    EXPECT_EQ(back, r);
}

}  // namespace
}  // namespace install
