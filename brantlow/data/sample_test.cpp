// The committed sample collection is what its generator writes, and it loads.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "brantlow/core/data_file.h"
#include "brantlow/data/sample_collection.h"

namespace brantlow {
namespace {

class StringOutput final : public OutputFile {
public:
    std::string bytes;
    bool Write(const void* data, std::size_t size) override {
        bytes.append(static_cast<const char*>(data), size);
        return true;
    }
    bool Close() override { return true; }
    FileError LastError() const override { return {}; }
};

TEST(SampleCollection, CommittedFileMatchesTheGeneratorAndReadsBack) {
    StringOutput generated;
    ASSERT_TRUE(WriteSampleCollection(generated));
    std::ifstream in(SAMPLE_FILE, std::ios::binary);
    const std::string committed(std::istreambuf_iterator<char>(in), {});
    EXPECT_EQ(generated.bytes, committed);

    MemoryInputFile input(committed);
    DataFileReader reader(input);
    std::int32_t signature = 0, count = 0;
    ASSERT_TRUE(reader.ReadInt32(signature));
    ASSERT_TRUE(reader.ReadInt32(count));
    EXPECT_EQ(kSignatureCurrent, signature);
    std::string url, description;
    TURLState state{};
    int read = 0;
    while (read < count && reader.ReadRecord(false, url, description, state)) ++read;
    EXPECT_EQ(10, read);
}

}  // namespace
}  // namespace brantlow
