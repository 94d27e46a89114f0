// Random sequences of appends, spans and extractions checked against a model of what the
// archive holds: every entry extracts to the bytes it was made from, in both forms.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <random>

#include "install/archive/ambl_compress.h"
#include "install/tests/test_files.h"

namespace install {
namespace {

using testing::Bytes;

TEST(ArchiveRandomSequences, EveryEntryExtractsToItsSourceBytes) {
    std::mt19937 random(20240611);
    const TCompressionLevel levels[] = {TCompressionLevel::colNone, TCompressionLevel::colFastest,
                                        TCompressionLevel::colDefault, TCompressionLevel::colMax};
    for (int round = 0; round < 6; ++round) {
        SCOPED_TRACE(round);
        testing::TempDir dir;
        std::vector<std::pair<std::string, Bytes>> model;  // stored name and content, in entry order
        std::map<std::int32_t, int> lastIndexOfID;
        const int batches = 1 + static_cast<int>(random() % 4);
        for (int batch = 0; batch < batches; ++batch) {
            TAmblCompress archive;
            archive.SetCompressedFile(dir / "files.1");
            archive.CompressionLevel = levels[random() % 4];
            std::vector<std::string> lines;
            const int files = 1 + static_cast<int>(random() % 3);
            for (int f = 0; f < files; ++f) {
                const std::string name = dir / ("src\\b" + std::to_string(batch) + "f" + std::to_string(f) + ".dat");
                const std::size_t size = random() % 3 == 0 ? random() % 10 : random() % 90000;
                const Bytes content = random() % 2 ? testing::SampleText(size, random()) : testing::SampleBinary(size, random());
                testing::WriteBytes(name, content);
                lines.push_back(name);
                model.emplace_back(name, content);
            }
            const auto id = static_cast<std::int32_t>(random() % 5);
            archive.SetFilesToProcess(lines);
            archive.Compress(batch > 0, id);
            lastIndexOfID[id] = static_cast<int>(model.size()) - 1;  // a later entry with the ID wins
        }

        TAmblCompress single;
        single.SetCompressedFile(dir / "files.1");
        ASSERT_EQ(single.FileCount(), static_cast<int>(model.size()));
        for (const auto& [id, index] : lastIndexOfID) EXPECT_EQ(single.IndexOfUniqueID(id), index);

        // The same archive as a volume set on disks of a random size.
        std::filesystem::create_directories(HostPath(dir / "set"));
        const std::int64_t volumeSize = 9000 + static_cast<std::int64_t>(random() % 40000);
        single.OnOpenTarget = [volumeSize](std::unique_ptr<Stream> s) {
            return std::unique_ptr<Stream>(std::make_unique<CapacityLimitedStream>(std::move(s), volumeSize));
        };
        single.OnNewDisk = [](TAmblCompress&, int, std::string&) {};
        single.SpanToDisks(dir / "set", "files.1");

        for (const std::string& source : {dir / "files.1", dir / "set\\files.1"}) {
            TAmblCompress reader;
            reader.SetCompressedFile(source);
            reader.ExtractDirectory = dir / "out";
            std::vector<std::string> names;
            for (const auto& entry : model) names.push_back(entry.first);
            reader.SetFilesToProcess(names);
            reader.Extract();
            for (const auto& [name, content] : model)
                EXPECT_EQ(testing::ReadBytes(dir / ("out\\" + name.substr(name.rfind('\\') + 1))), content)
                    << source << " " << name;
            std::filesystem::remove_all(HostPath(dir / "out"));
        }
    }
}

}  // namespace
}  // namespace install
