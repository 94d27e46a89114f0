#include "brantlow/data/sample_collection.h"

#include "brantlow/core/data_file.h"

namespace brantlow {
namespace {

struct SampleBookmark {
    const char* url;
    const char* description;
    TDateTime added;  // fixed, so the file is the same at every build
};

constexpr SampleBookmark kSample[] = {
    {"http://www.quillmoor.example/brantlow/", "BrantlowURL home page: news and updates", 45292.40},
    {"https://www.pcre.org/", "PCRE: Perl-compatible regular expressions", 45292.41},
    {"http://www.w3.org/TR/html401/", "HTML 4.01 specification", 45292.42},
    {"ftp://ftp.example.org/pub/", "Public FTP archive", 45292.43},
    {"mailto:brantlow@quillmoor.example", "Write to the author", 45292.44},
    {"https://en.wikipedia.org/wiki/Uniform_Resource_Locator", "Uniform Resource Locator explained", 45292.45},
    {"news:comp.lang.c++", "C++ newsgroup", 45292.46},
    {"http://www.example.com/", "", 45292.47},
    {"https://www.winehq.org/", "Wine: run Windows programs on other systems", 45292.48},
    {"telnet://bbs.example.net/", "A bulletin board over telnet", 45292.49},
};

}  // namespace

bool WriteSampleCollection(OutputFile& output) {
    DataFileWriter writer(output);
    bool ok = writer.WriteHeader(static_cast<std::int32_t>(std::size(kSample)));
    for (const SampleBookmark& bookmark : kSample) {
        TURLInfo entry;
        entry.URL = bookmark.url;
        entry.Description = bookmark.description;
        entry.State = MakeState(bookmark.added);
        ok = ok && writer.WriteRecord(entry);
    }
    ok = writer.Flush() && ok;
    return output.Close() && ok;
}

}  // namespace brantlow
