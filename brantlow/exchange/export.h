#pragma once
// Export of the bookmarks shown in the list view, in display order: a plain text file of
// key lines, a delimited text file, a folder inside an existing Netscape bookmark file, or
// one Internet shortcut file per bookmark.
#include <cstdint>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "brantlow/core/file_system.h"
#include "brantlow/core/settings.h"
#include "brantlow/core/window_interfaces.h"
#include "common/message_box.h"

namespace brantlow {

enum class ExportFormat { Text = 0, Delimited = 1, Netscape = 2, Favorites = 3 };
enum class DelimiterKind { Comma, Tab, LineBreak, Other };
// The dialog's controls that the export logic points the focus at.
enum class ExportControl { None, FileName, Folder, OtherDelimiter, Close };

inline constexpr std::string_view kExportFileFilter =
    "Text files (*.txt)|*.txt|Delimited files (*.csv)|*.csv|HTML files (*.htm*)|*.htm*|All files (*.*)|*.*";

// The state of the export dialog's controls when "&Export" is clicked.
struct ExportChoices {
    ExportFormat Format = ExportFormat::Text;
    std::string FileName;  // the name box
    std::string Folder;    // the folder box
    DelimiterKind Delimiter = DelimiterKind::Comma;
    std::string OtherDelimiter = ";";
    bool Quote = false;
    std::string QuoteChars = "\"\"";
    bool Summary = false;
};

// How the dialog shows a format.
struct FormatView {
    bool FileNameShown = true;  // otherwise the folder box is shown
    std::string Label;
    ExportControl LabelTarget = ExportControl::FileName;
    bool DelimiterEnabled = false;
    bool QuoteEnabled = false;
    bool SummaryEnabled = false;
    bool ExportEnabled = false;
    std::string FileName;  // normalised, with the format's extension; empty stays empty
    int FilterIndex = 1;   // of kExportFileFilter, from 1
};

[[nodiscard]] FormatView ApplyFormat(ExportFormat format, const std::string& fileName, const std::string& folder,
                                     std::string_view programFolder);
// Whether "&Export" is enabled as the user types into either box.
[[nodiscard]] bool ExportEnabled(ExportFormat format, const std::string& fileName, const std::string& folder);

struct ExportRow {
    std::string URL;
    std::string Description;
};
// The rows of the list view in display order: a filter and the sort order apply.
[[nodiscard]] std::vector<ExportRow> RowsToExport(const BookmarkRows& rows);

struct QuotePair {
    std::string Open;
    std::string Close;
    [[nodiscard]] std::string Around(std::string_view text) const;
};
// The first character opens, the second closes, a single one does both; none: no quoting.
[[nodiscard]] QuotePair MakeQuotePair(bool quote, std::string_view chars);

struct ExportServices {
    const Settings& settings;
    common::MessageBoxHost& messages;
    FileSystem& files;
    const DateTimeFormatter& clock;
};

struct ExportResult {
    int Written = 0;
    ExportControl Focus = ExportControl::None;
    bool SelectOtherDelimiter = false;
};

class Exporter {
public:
    Exporter(const ExportServices& services, std::vector<ExportRow> rows);

    // "&Export": checks the name, runs the format's writer and reports the count.
    ExportResult RunExport(const ExportChoices& choices);

    // The writers; each returns the number of bookmarks written and sets the focus it wants.
    int ExportText(const std::string& file, const QuotePair& quotes, bool summary, ExportResult& result);
    int ExportDelimited(const std::string& file, const ExportChoices& choices, const QuotePair& quotes,
                        ExportResult& result);
    int ExportNetscape(const std::string& file, ExportResult& result);
    int ExportFavorites(std::string folder, ExportResult& result);

    void SeedTemporaryNames(std::uint32_t seed) { random_.seed(seed); }

private:
    enum class ExistingFile { Append, Overwrite, Cancel };
    [[nodiscard]] ExistingFile AskExistingFile(const std::string& file);
    [[nodiscard]] bool WriteExportFile(const std::string& file, bool append, const std::string& lines);
    [[nodiscard]] std::string TemporaryName(const std::string& folder);
    void Error(const std::string& text);
    void IOError(const std::string& path, const FileError& error);

    ExportServices s_;
    std::vector<ExportRow> rows_;
    std::minstd_rand random_;
};

}  // namespace brantlow
