// Insertion of the bookmarks into a folder of an existing Netscape bookmark file. The
// file is copied into a temporary file with the bookmarks inserted, and only a complete
// copy replaces it; the previous version stays as ".bak".
#include "brantlow/core/file_names.h"
#include "brantlow/core/page_writer.h"
#include "brantlow/core/text.h"
#include "brantlow/exchange/export.h"
#include "brantlow/exchange/line_reader.h"
#include "brantlow/exchange/text_search.h"

namespace brantlow {
namespace {

// Lines of the copy end with an extra carriage return, as the browser's own files do.
constexpr const char* kLineEnd = "\r\r\n";
constexpr const char* kIndent = "    ";

bool StartsWithNoCase(std::string_view line, std::string_view lowerPrefix) {
    return line.size() >= lowerPrefix.size() && FindNoCase(line.substr(0, lowerPrefix.size()), lowerPrefix) == 0;
}

bool IsFolderLine(std::string_view line, const std::string& lowerTitle) {
    const std::size_t heading = FindNoCase(line, "<dt><h3");
    return heading != std::string_view::npos && FindNoCase(line, lowerTitle) != std::string_view::npos;
}

// A list start at any depth: the folder of the title may sit inside another folder.
bool IsListStart(std::string_view line) {
    std::size_t blanks = 0;
    while (blanks < line.size() && (line[blanks] == ' ' || line[blanks] == '\t')) ++blanks;
    return StartsWithNoCase(line.substr(blanks), "<dl><p>");
}

// A quote in a URL would end the attribute early.
std::string QuotedHref(std::string_view url) { return ReplaceAll(url, "\"", "%22"); }

}  // namespace

int Exporter::ExportNetscape(const std::string& file, ExportResult& result) {
    if (!s_.files.Exists(file)) {
        Error("The file you specified as Netscape Navigator's bookmark file does not exist:\r" + file);
        result.Focus = ExportControl::FileName;
        return 0;
    }
    const std::string& htmlTitle = s_.settings.Options.HTMLTitle;
    const std::string title = htmlTitle.empty() ? std::string("Brantlow Bookmarks") : htmlTitle;
    const std::string lowerTitle = LowerCase(title);

    FileError error;
    bool bookmarkFile = false;
    bool folderExists = false;
    {
        auto input = s_.files.Open(file, false, error);
        if (!input) {
            IOError(file, error);
            return 0;
        }
        LineReader lines(*input, LineEnds::Any);
        for (std::string line; !folderExists && lines.Next(line);) {
            bookmarkFile = bookmarkFile || FindNoCase(line, "<!doctype netscape-bookmark-file") != std::string::npos;
            folderExists = IsFolderLine(line, lowerTitle);
        }
        if (lines.Failed()) {
            IOError(file, ReadFailure());
            return 0;
        }
    }
    if (!bookmarkFile) {
        Error("The file you specified:\r" + file + "\r" + "does not appear to be Netscape Navigator's bookmark file.");
        return 0;
    }

    auto input = s_.files.Open(file, false, error);
    if (!input) {
        IOError(file, error);
        return 0;
    }
    const std::string temporary = TemporaryName(ExtractFilePath(file));
    auto output = s_.files.Create(temporary, error);
    if (!output) {
        IOError(temporary, error);
        return 0;
    }
    std::string out;
    bool ok = true;
    auto put = [&](std::string_view line) {
        out += line;
        out += kLineEnd;
        if (out.size() >= (1u << 18)) {
            ok = ok && output->Write(out.data(), out.size());
            out.clear();
        }
    };
    auto putBookmarks = [&](std::string_view indent) {
        for (const ExportRow& row : rows_) {
            const std::string& description = row.Description.empty() ? row.URL : row.Description;
            put(std::string(indent) + kIndent + "<DT><A HREF=\"" + QuotedHref(row.URL) + "\">" +
                HTMLEscape(description) + "</A>");
        }
    };

    LineReader lines(*input, LineEnds::Any);
    bool inserted = false;
    bool folderSeen = false;
    for (std::string line; lines.Next(line);) {
        if (line.empty()) continue;
        put(line);
        if (inserted) continue;
        if (folderExists) {
            if (!folderSeen) {
                folderSeen = IsFolderLine(line, lowerTitle);
            } else if (IsListStart(line)) {
                putBookmarks(kIndent);
                inserted = true;
            }
        } else if (StartsWithNoCase(line, "<dl><p>")) {
            put(std::string(kIndent) + "<DT><H3 FOLDED>" + HTMLEscape(title) + "</H3>");
            put(std::string(kIndent) + "<DL><P>");
            putBookmarks(kIndent);
            put(std::string(kIndent) + "</DL><P>");
            inserted = true;
        }
    }
    ok = ok && output->Write(out.data(), out.size());
    ok = output->Close() && ok;
    if (!ok || lines.Failed()) {
        IOError(ok ? file : temporary, ok ? ReadFailure() : output->LastError());
        (void)s_.files.Remove(temporary);
        return 0;
    }
    input.reset();
    if (!inserted) {
        (void)s_.files.Remove(temporary);
        Error("Oops. There was an unexpected error reading Netscape's bookmark file.");
        return 0;
    }
    const std::string backup = ChangeFileExt(file, ".bak");
    if (s_.files.Exists(backup)) (void)s_.files.Remove(backup);
    if (!s_.files.Rename(file, backup)) {
        IOError(file, RenameFailure());
        (void)s_.files.Remove(temporary);
        return 0;
    }
    if (!s_.files.Rename(temporary, file)) {
        IOError(file, RenameFailure());
        (void)s_.files.Rename(backup, file);  // the bookmark file as it was
        (void)s_.files.Remove(temporary);
        return 0;
    }
    return static_cast<int>(rows_.size());
}

}  // namespace brantlow
