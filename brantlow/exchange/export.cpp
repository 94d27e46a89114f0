#include "brantlow/exchange/export.h"

#include <array>

#include "brantlow/core/file_names.h"
#include "brantlow/core/messages.h"
#include "brantlow/core/text.h"
#include "brantlow/exchange/safe_names.h"
#include "brantlow/exchange/text_search.h"

namespace brantlow {

using common::MessageAnswer;
using common::MessageButtons;
using common::MessageIcon;

namespace {

constexpr const char* kCRLF = "\r\n";

struct FormatTraits {
    const char* extension;
    bool delimiter, quote, summary;
};
constexpr std::array<FormatTraits, 3> kFileFormats = {{{".txt", false, true, true},
                                                       {".csv", true, true, false},
                                                       {".htm", false, false, false}}};

void AppendLine(std::string& out, std::string_view line) {
    out += line;
    out += kCRLF;
}

}  // namespace

bool ExportEnabled(ExportFormat format, const std::string& fileName, const std::string& folder) {
    return format == ExportFormat::Favorites ? !folder.empty() : !fileName.empty();
}

FormatView ApplyFormat(ExportFormat format, const std::string& fileName, const std::string& folder,
                       std::string_view programFolder) {
    FormatView view;
    view.ExportEnabled = ExportEnabled(format, fileName, folder);
    if (format == ExportFormat::Favorites) {
        view.FileNameShown = false;
        view.Label = "&Folder:";
        view.LabelTarget = ExportControl::Folder;
        view.FilterIndex = 0;
        view.FileName = fileName;
        return view;
    }
    const FormatTraits& traits = kFileFormats[static_cast<std::size_t>(format)];
    view.Label = "&File name:";
    view.DelimiterEnabled = traits.delimiter;
    view.QuoteEnabled = traits.quote;
    view.SummaryEnabled = traits.summary;
    view.FilterIndex = static_cast<int>(format) + 1;
    view.FileName = fileName.empty() ? fileName : ChangeFileExt(NormalizePath(fileName, programFolder), traits.extension);
    return view;
}

std::vector<ExportRow> RowsToExport(const BookmarkRows& rows) {
    std::vector<ExportRow> exported;
    exported.reserve(static_cast<std::size_t>(rows.Count()));
    for (int row = 0; row < rows.Count(); ++row) {
        const TURLInfo& entry = *rows.Entry(row);
        exported.push_back({entry.URL, entry.Description});
    }
    return exported;
}

std::string QuotePair::Around(std::string_view text) const {
    std::string quoted = Open;
    quoted += text;
    quoted += Close;
    return quoted;
}

QuotePair MakeQuotePair(bool quote, std::string_view chars) {
    if (!quote || chars.empty()) return {};
    return {std::string(1, chars[0]), std::string(1, chars.size() > 1 ? chars[1] : chars[0])};
}

Exporter::Exporter(const ExportServices& services, std::vector<ExportRow> rows)
    : s_(services), rows_(std::move(rows)) {}

void Exporter::Error(const std::string& text) { s_.messages.Inform(text, std::string(kAppTitle), MessageIcon::Error); }

void Exporter::IOError(const std::string& path, const FileError& error) { Error(IOErrorText(path, error)); }

ExportResult Exporter::RunExport(const ExportChoices& choices) {
    ExportResult result;
    std::string target;
    if (choices.Format == ExportFormat::Favorites) {
        target = LowerCase(choices.Folder);
        if (target.empty()) {
            Error("Please specify the name of the folder to export bookmarks to.");
            result.Focus = ExportControl::Folder;
            return result;
        }
    } else {
        target = Trim(choices.FileName).empty() ? std::string() : NormalizePath(choices.FileName, s_.settings.ProgramFolder);
        if (target.empty()) {
            Error("Please specify the name of the file to export bookmarks to.");
            result.Focus = ExportControl::FileName;
            return result;
        }
    }
    const QuotePair quotes = MakeQuotePair(choices.Quote, choices.QuoteChars);
    switch (choices.Format) {
        case ExportFormat::Text: result.Written = ExportText(target, quotes, choices.Summary, result); break;
        case ExportFormat::Delimited: result.Written = ExportDelimited(target, choices, quotes, result); break;
        case ExportFormat::Netscape: result.Written = ExportNetscape(target, result); break;
        case ExportFormat::Favorites: result.Written = ExportFavorites(target, result); break;
    }
    if (result.Written > 0) {
        s_.messages.Inform("Exported " + std::to_string(result.Written) + " bookmarks to:" + "\r" + target,
                           std::string(kAppTitle));
        result.Focus = ExportControl::Close;
    }
    return result;
}

Exporter::ExistingFile Exporter::AskExistingFile(const std::string& file) {
    if (!s_.files.Exists(file)) return ExistingFile::Overwrite;
    const MessageAnswer answer = s_.messages.Show(
        {"The file already exists:\r" + file + "\r\r" +
             "Click YES to append bookmarks to existing file; Click NO to overwrite existing file; Click CANCEL to "
             "return to dialog box.",
         std::string(kAppTitle), MessageButtons::YesNoCancel, MessageIcon::Question, 1});
    if (answer == MessageAnswer::Yes) return ExistingFile::Append;
    if (answer == MessageAnswer::No) return ExistingFile::Overwrite;
    return ExistingFile::Cancel;
}

std::string Exporter::TemporaryName(const std::string& folder) {
    std::uniform_int_distribution<int> letter('a', 'y');
    for (;;) {
        std::string name;
        for (int i = 0; i < 8; ++i) name += static_cast<char>(letter(random_));
        std::string path = folder + name + ".$$$";
        if (!s_.files.Exists(path)) return path;
    }
}

bool Exporter::WriteExportFile(const std::string& file, bool append, const std::string& lines) {
    FileError error;
    if (!append) {
        auto output = s_.files.Create(file, error);
        if (!output) {
            IOError(file, error);
            return false;
        }
        const bool written = output->Write(lines.data(), lines.size());
        if (!output->Close() || !written) {
            IOError(file, output->LastError());
            return false;
        }
        return true;
    }
    // Appending writes the old and the new lines into a new file first, so that a failure
    // leaves the existing file as it was.
    std::string existing;
    if (!ReadWholeFile(s_.files, file, existing, error)) {
        IOError(file, error);
        return false;
    }
    const std::string temporary = TemporaryName(ExtractFilePath(file));
    auto output = s_.files.Create(temporary, error);
    if (!output) {
        IOError(temporary, error);
        return false;
    }
    bool written = output->Write(existing.data(), existing.size()) && output->Write(lines.data(), lines.size());
    written = output->Close() && written;
    if (!written) {
        IOError(file, output->LastError());
        (void)s_.files.Remove(temporary);
        return false;
    }
    if (!s_.files.Remove(file) || !s_.files.Rename(temporary, file)) {
        IOError(s_.files.Exists(file) ? file : temporary, RenameFailure());
        if (s_.files.Exists(file)) (void)s_.files.Remove(temporary);
        return false;
    }
    return true;
}

int Exporter::ExportText(const std::string& file, const QuotePair& quotes, bool summary, ExportResult& result) {
    const ExistingFile existing = AskExistingFile(file);
    if (existing == ExistingFile::Cancel) {
        result.Focus = ExportControl::FileName;
        return 0;
    }
    std::string out;
    if (summary) {
        const TDateTime now = s_.clock.Now();
        AppendLine(out, "URLs exported by BrantlowURL");
        AppendLine(out, "Original filename: " + s_.settings.Options.URLFileName);
        AppendLine(out, "Count : " + std::to_string(rows_.size()));
        AppendLine(out, "Date  : " + s_.clock.ShortDate(now));
        AppendLine(out, "Time  : " + s_.clock.LongTime(now));
        AppendLine(out, "");
    }
    for (const ExportRow& row : rows_) {
        AppendLine(out, "URL=" + quotes.Around(row.URL));
        AppendLine(out, "DESC=" + quotes.Around(row.Description));
        AppendLine(out, "");
    }
    if (!WriteExportFile(file, existing == ExistingFile::Append, out)) return 0;
    return static_cast<int>(rows_.size());
}

int Exporter::ExportDelimited(const std::string& file, const ExportChoices& choices, const QuotePair& quotes,
                              ExportResult& result) {
    std::string delimiter;
    switch (choices.Delimiter) {
        case DelimiterKind::Comma: delimiter = ","; break;
        case DelimiterKind::Tab: delimiter = "\t"; break;
        case DelimiterKind::LineBreak: delimiter = kCRLF; break;
        case DelimiterKind::Other: delimiter = choices.OtherDelimiter; break;
    }
    if (delimiter.empty()) {
        Error("You chose to export URLs to a delimited file, but you did not specify the delimiter!");
        result.SelectOtherDelimiter = true;
        result.Focus = ExportControl::OtherDelimiter;
        return 0;
    }
    const ExistingFile existing = AskExistingFile(file);
    if (existing == ExistingFile::Cancel) {
        result.Focus = ExportControl::FileName;
        return 0;
    }
    std::string out;
    for (const ExportRow& row : rows_) {
        const std::string& description = row.Description.empty() ? row.URL : row.Description;
        AppendLine(out, quotes.Around(row.URL) + delimiter + quotes.Around(description));
    }
    if (!WriteExportFile(file, existing == ExistingFile::Append, out)) return 0;
    return static_cast<int>(rows_.size());
}

int Exporter::ExportFavorites(std::string folder, ExportResult& result) {
    if (!s_.files.Exists(folder)) {
        Error("Specified folder does not exist: \r" + folder + "\r" + "Please specify name of an existing folder.");
        result.Focus = ExportControl::Folder;
        return 0;
    }
    if (folder.back() != '\\' && folder.back() != '/') folder += '\\';
    int written = 0;
    for (const ExportRow& row : rows_) {
        std::string_view description = row.Description.empty() ? row.URL : row.Description;
        if (const std::size_t scheme = description.find("://"); scheme != description.npos)
            description.remove_prefix(scheme + 3);
        const std::string path =
            folder + FileNameFromText(description, std::string::npos, s_.settings.Options.FileNameChars) + ".url";
        std::string contents;
        AppendLine(contents, "[InternetShortcut]");
        AppendLine(contents, "URL=" + row.URL);
        FileError error;
        auto output = s_.files.Create(path, error);
        if (!output) {
            IOError(path, error);
            return 0;
        }
        const bool ok = output->Write(contents.data(), contents.size());
        if (!output->Close() || !ok) {
            IOError(path, output->LastError());
            return 0;
        }
        ++written;
    }
    return written;
}

}  // namespace brantlow
