// Exports a collection into a Netscape bookmark file with the program's own export code:
//   export_netscape DATA.btw BOOKMARKS.htm
// A bookmark file that does not exist yet is started with an empty top-level list. The
// messages the program would show are printed.
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "brantlow/core/data_file.h"
#include "brantlow/core/file_system.h"
#include "brantlow/core/settings.h"
#include "brantlow/exchange/export.h"

namespace {

class PrintedMessages final : public common::MessageBoxHost {
public:
    common::MessageAnswer Show(const common::MessageBoxRequest& request) override {
        std::string text = request.text;
        for (char& c : text)
            if (c == '\r') c = '\n';
        std::printf("%s\n", text.c_str());
        return common::MessageAnswer::Ok;
    }
};

// The Netscape export writes no dates.
class NoClock final : public brantlow::DateTimeFormatter {
public:
    brantlow::TDateTime Now() const override { return 0; }
    std::string ShortDate(brantlow::TDateTime) const override { return {}; }
    std::string LongTime(brantlow::TDateTime) const override { return {}; }
};

bool ReadCollection(brantlow::FileSystem& files, const std::string& path, std::vector<brantlow::ExportRow>& rows) {
    brantlow::FileError error;
    auto input = files.Open(path, false, error);
    if (!input) return false;
    brantlow::DataFileReader reader(*input);
    std::int32_t signature = 0, count = 0;
    if (!reader.ReadInt32(signature) || !reader.ReadInt32(count)) return false;
    if (signature != brantlow::kSignatureCurrent && signature != brantlow::kSignatureOld) return false;
    for (std::int32_t i = 0; i < count; ++i) {
        brantlow::ExportRow row;
        brantlow::TURLState state{};
        if (!reader.ReadRecord(signature == brantlow::kSignatureOld, row.URL, row.Description, state)) return false;
        rows.push_back(std::move(row));
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: export_netscape DATA.btw BOOKMARKS.htm\n");
        return 2;
    }
    brantlow::StdFileSystem files;
    std::vector<brantlow::ExportRow> rows;
    if (!ReadCollection(files, argv[1], rows)) {
        std::fprintf(stderr, "export_netscape: cannot read the collection %s\n", argv[1]);
        return 1;
    }
    const std::string bookmarks = argv[2];
    if (!files.Exists(bookmarks)) {
        std::ofstream(bookmarks, std::ios::binary)
            << "<!DOCTYPE NETSCAPE-Bookmark-file-1>\r\n"
               "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=windows-1252\">\r\n"
               "<TITLE>Bookmarks</TITLE>\r\n<H1>Bookmarks</H1>\r\n\r\n<DL><p>\r\n</DL><p>\r\n";
    }
    brantlow::Settings settings;
    brantlow::RestoreAllDefaults(settings);
    PrintedMessages messages;
    NoClock clock;
    brantlow::Exporter exporter({settings, messages, files, clock}, std::move(rows));
    brantlow::ExportResult result;
    return exporter.ExportNetscape(bookmarks, result) > 0 ? 0 : 1;
}
