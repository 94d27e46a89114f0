// The bytes an archive is made of, read back with a reader written from the format's tables
// alone (offsets and sizes below), not with the component's own decoder.
#include <gtest/gtest.h>
#include <zlib.h>

#include <cstring>

#include "install/archive/ambl_compress.h"
#include "install/archive/archive_errors.h"
#include "install/archive/sfx_trailer.h"
#include "install/tests/test_files.h"

namespace install {
namespace {

using testing::Bytes;
using testing::TempDir;

std::int32_t I32(const Bytes& b, std::size_t at) {
    std::uint32_t v = 0;
    for (int i = 0; i < 4; ++i) v |= static_cast<std::uint32_t>(b.at(at + i)) << (8 * i);
    return static_cast<std::int32_t>(v);
}

double F64(const Bytes& b, std::size_t at) {
    std::uint64_t v = 0;
    for (int i = 0; i < 8; ++i) v |= static_cast<std::uint64_t>(b.at(at + i)) << (8 * i);
    double d;
    std::memcpy(&d, &v, 8);
    return d;
}

std::string ShortString(const Bytes& b, std::size_t at) {
    return std::string(b.begin() + static_cast<std::ptrdiff_t>(at + 1),
                       b.begin() + static_cast<std::ptrdiff_t>(at + 1 + b.at(at)));
}

bool AllZero(const Bytes& b, std::size_t from, std::size_t to) {
    for (std::size_t i = from; i < to; ++i)
        if (b.at(i) != 0) return false;
    return true;
}

// One entry header as the table lays it out, at `at` in the archive.
struct RawHeader {
    std::int32_t fileNumber, lastVolume, endOffset, nextHeader, uncompressed, dataOffset,
        compressed, firstVolume, uniqueID;
    double fileDate;
    std::string storedName, fileVersion;
};

RawHeader ReadRawHeader(const Bytes& b, std::size_t at) {
    RawHeader h{};
    h.fileNumber = I32(b, at + 0);
    h.fileDate = F64(b, at + 4);
    h.lastVolume = b.at(at + 12);
    EXPECT_TRUE(AllZero(b, at + 13, at + 16));
    h.endOffset = I32(b, at + 16);
    h.storedName = ShortString(b, at + 20);
    EXPECT_TRUE(AllZero(b, at + 21 + h.storedName.size(), at + 124)) << "name padding and reserved";
    h.nextHeader = I32(b, at + 124);
    h.uncompressed = I32(b, at + 128);
    h.dataOffset = I32(b, at + 132);
    h.compressed = I32(b, at + 136);
    h.firstVolume = b.at(at + 140);
    EXPECT_TRUE(AllZero(b, at + 141, at + 144));
    h.uniqueID = I32(b, at + 144);
    h.fileVersion = ShortString(b, at + 148);
    EXPECT_TRUE(AllZero(b, at + 149 + h.fileVersion.size(), at + 172)) << "version padding and reserved";
    return h;
}

Bytes Deflate(const Bytes& data, int level) {
    z_stream z{};
    EXPECT_EQ(deflateInit2(&z, level, Z_DEFLATED, 15, 8, Z_DEFAULT_STRATEGY), Z_OK);
    Bytes out(deflateBound(&z, static_cast<uLong>(data.size())));
    z.next_in = const_cast<Bytef*>(data.data());
    z.avail_in = static_cast<uInt>(data.size());
    z.next_out = out.data();
    z.avail_out = static_cast<uInt>(out.size());
    EXPECT_EQ(deflate(&z, Z_FINISH), Z_STREAM_END);
    out.resize(z.total_out);
    deflateEnd(&z);
    return out;
}

Bytes Slice(const Bytes& b, std::int64_t from, std::int64_t toInclusive) {
    return Bytes(b.begin() + from, b.begin() + toInclusive + 1);
}

TEST(ArchiveLayout, SingleFileArchiveFollowsTheTableByteForByte) {
    TempDir dir;
    const Bytes text = testing::SampleText(150000), binary = testing::SampleBinary(70000);
    testing::WriteBytes(dir / "readme.txt", text);
    testing::WriteBytes(dir / "empty.dat", {});
    testing::WriteBytes(dir / "data.bin", binary);

    TAmblCompress archive;
    archive.SetCompressedFile(dir / "files.1");
    archive.SetFilesToProcess({dir / "readme.txt", dir / "empty.dat;ignored text", "  ", dir / "data.bin"});
    archive.Compress(false, 42);
    EXPECT_TRUE(archive.FilesToProcess().empty());

    const Bytes b = testing::ReadBytes(dir / "files.1");
    ASSERT_GE(b.size(), 5u);
    EXPECT_EQ(I32(b, 0), 3);
    EXPECT_EQ(b[4], 0) << "not spanned";

    const Bytes* contents[] = {&text, nullptr, &binary};
    const std::string names[] = {dir / "readme.txt", dir / "empty.dat", dir / "data.bin"};
    std::size_t at = 5;
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        const RawHeader h = ReadRawHeader(b, at);
        const Bytes& content = contents[i] ? *contents[i] : Bytes{};
        EXPECT_EQ(h.fileNumber, i + 1);
        EXPECT_EQ(h.storedName, names[i].substr(0, 100));
        EXPECT_EQ(h.uniqueID, 42);
        EXPECT_EQ(h.firstVolume, 0);
        EXPECT_EQ(h.lastVolume, 0);
        EXPECT_EQ(h.fileVersion, "") << "no version resource";
        EXPECT_EQ(h.fileDate, FileDateOf(names[i]).value());
        EXPECT_EQ(h.dataOffset, static_cast<std::int32_t>(at + 172));
        EXPECT_EQ(h.uncompressed, static_cast<std::int32_t>(content.size()));
        EXPECT_EQ(h.endOffset - h.dataOffset + 1, h.compressed);
        EXPECT_EQ(h.nextHeader, h.endOffset + 1);
        // One zlib stream per entry, exactly as zlib makes it at the best level.
        EXPECT_EQ(Slice(b, h.dataOffset, h.endOffset), Deflate(content, 9));
        at = static_cast<std::size_t>(h.nextHeader);
    }
    EXPECT_EQ(at, b.size()) << "the last entry's data ends the file";
}

TEST(ArchiveLayout, EachLevelIsTheMatchingZlibLevel) {
    const struct {
        TCompressionLevel level;
        int zlibLevel;
    } cases[] = {{TCompressionLevel::colNone, 0},
                 {TCompressionLevel::colFastest, 1},
                 {TCompressionLevel::colDefault, Z_DEFAULT_COMPRESSION},
                 {TCompressionLevel::colMax, 9}};
    TempDir dir;
    const Bytes text = testing::SampleText(200000);
    testing::WriteBytes(dir / "a.txt", text);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.zlibLevel);
        TAmblCompress archive;
        archive.SetCompressedFile(dir / "level.1");
        archive.CompressionLevel = c.level;
        archive.SetFilesToProcess({dir / "a.txt"});
        archive.Compress(false, 0);
        const Bytes b = testing::ReadBytes(dir / "level.1");
        const RawHeader h = ReadRawHeader(b, 5);
        const Bytes stream = Slice(b, h.dataOffset, h.endOffset);
        if (c.zlibLevel == 0) {
            // Stored blocks follow the writer's buffers: check what they hold instead.
            Bytes inflated(text.size());
            uLongf size = static_cast<uLongf>(inflated.size());
            ASSERT_EQ(uncompress(inflated.data(), &size, stream.data(), static_cast<uLong>(stream.size())), Z_OK);
            EXPECT_EQ(inflated, text);
            EXPECT_EQ(stream[0], 0x78);
            EXPECT_EQ(stream[1], 0x01);
        } else {
            EXPECT_EQ(stream, Deflate(text, c.zlibLevel));
        }
    }
}

TEST(ArchiveLayout, AppendAddsPairsAtTheEndAndRewritesOnlyTheCount) {
    TempDir dir;
    testing::WriteBytes(dir / "one.txt", testing::SampleText(5000, 1));
    testing::WriteBytes(dir / "two.txt", testing::SampleText(7000, 2));
    TAmblCompress archive;
    archive.SetCompressedFile(dir / "files.1");
    archive.SetFilesToProcess({dir / "one.txt"});
    archive.Compress(false, 1);
    const Bytes before = testing::ReadBytes(dir / "files.1");

    archive.SetFilesToProcess({dir / "two.txt"});
    archive.Compress(true, 2);
    const Bytes after = testing::ReadBytes(dir / "files.1");

    EXPECT_EQ(I32(after, 0), 2);
    EXPECT_TRUE(std::equal(before.begin() + 4, before.end(), after.begin() + 4));
    const RawHeader second = ReadRawHeader(after, before.size());
    EXPECT_EQ(second.fileNumber, 1) << "numbered within its own batch";
    EXPECT_EQ(second.uniqueID, 2);
    EXPECT_EQ(second.dataOffset, static_cast<std::int32_t>(before.size() + 172));
    EXPECT_EQ(second.nextHeader, static_cast<std::int32_t>(after.size()));
    EXPECT_EQ(archive.IndexOfUniqueID(1), 0);
    EXPECT_EQ(archive.IndexOfUniqueID(2), 1);
    EXPECT_EQ(archive.IndexOfUniqueID(3), 0);
    EXPECT_EQ(archive.IndexOfUniqueID(5000), 0);
}

TEST(ArchiveLayout, LongNamesAreStoredCutToOneHundredCharacters) {
    TempDir dir;
    std::string name = dir.Path() + "\\";
    while (name.size() < 140) name += 'n';
    testing::WriteBytes(name.substr(0, 100), testing::SampleText(10));
    TAmblCompress archive;
    archive.SetCompressedFile(dir / "files.1");
    archive.SetFilesToProcess({name});  // opened and stored by its first 100 characters
    archive.Compress(false, 0);
    const RawHeader h = ReadRawHeader(testing::ReadBytes(dir / "files.1"), 5);
    EXPECT_EQ(h.storedName, name.substr(0, 100));

    archive.ExtractDirectory = dir / "out";
    archive.SetFilesToProcess({name});
    EXPECT_THROW(archive.Extract(), EAmblCompress);
    archive.SetFilesToProcess({name.substr(0, 100)});
    archive.Extract();
    EXPECT_TRUE(testing::Exists(dir / ("out\\" + std::string(100 - dir.Path().size() - 1, 'n'))));
}

TEST(ArchiveLayout, SelfExtractingTrailerAndArchiveInsideIt) {
    TempDir dir;
    testing::WriteBytes(dir / "loader.exe", testing::SampleBinary(3000));
    testing::WriteBytes(dir / "setup.1", testing::SampleBinary(1234, 7));
    testing::WriteBytes(dir / "payload.txt", testing::SampleText(9000));
    TAmblCompress archive;
    archive.SetCompressedFile(dir / "files.1");
    archive.SetFilesToProcess({dir / "payload.txt"});
    archive.Compress(false, 0);
    const Bytes files = testing::ReadBytes(dir / "files.1");

    const TSelfExtractTrailer made =
        MakeSelfExtracting(dir / "setup.exe", dir / "loader.exe", dir / "setup.1", dir / "files.1");
    const Bytes b = testing::ReadBytes(dir / "setup.exe");
    ASSERT_EQ(b.size(), 3000u + 1234u + files.size() + 56u);
    const std::size_t t = b.size() - 56;
    EXPECT_EQ(b[t], 14);
    EXPECT_EQ(std::string(b.begin() + t + 1, b.begin() + t + 15), "SELFEXTRACTING");
    EXPECT_EQ(b[t + 15], 0);
    EXPECT_EQ(I32(b, t + 16), 3000);
    EXPECT_EQ(I32(b, t + 20), 3000 + 1234 - 1);
    EXPECT_EQ(I32(b, t + 24), 3000 + 1234);
    EXPECT_EQ(I32(b, t + 28), static_cast<std::int32_t>(3000 + 1234 + files.size() - 1));
    EXPECT_TRUE(AllZero(b, t + 32, t + 56));
    EXPECT_EQ(ReadSelfExtractTrailer(dir / "setup.exe"), made);

    // Entry offsets count from the trailer's archive start.
    TAmblCompress reader;
    reader.SetCompressedFile(dir / "setup.exe");
    reader.Offset = made.ArchiveStart;
    reader.ExtractDirectory = dir / "out";
    reader.SetFilesToProcess({dir / "payload.txt"});
    reader.Extract();
    EXPECT_EQ(testing::ReadBytes(dir / "out\\payload.txt"), testing::ReadBytes(dir / "payload.txt"));

    // Without a files archive its offsets are 0.
    const TSelfExtractTrailer bare =
        MakeSelfExtracting(dir / "bare.exe", dir / "loader.exe", dir / "setup.1", dir / "missing.1");
    EXPECT_EQ(bare.ArchiveStart, 0);
    EXPECT_EQ(bare.ArchiveEnd, 0);
}

TEST(ArchiveLayout, ShortOrMissingSetupFileHasNoTrailer) {
    TempDir dir;
    testing::WriteBytes(dir / "short.exe", Bytes(55, 1));
    for (const std::string& file : {dir / "short.exe", dir / "missing.exe"}) {
        try {
            (void)ReadSelfExtractTrailer(file);
            ADD_FAILURE() << file;
        } catch (const IEInstall& e) {
            EXPECT_EQ(std::string(e.what()),
                      "Could not read the extraction info from the archive file " + file +
                          " when trying to find the correct offset into the self extracting file");
        }
    }
}

}  // namespace
}  // namespace install
