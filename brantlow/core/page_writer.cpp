#include "brantlow/core/page_writer.h"

#include <array>

#include "brantlow/core/messages.h"
#include "brantlow/core/text.h"

namespace brantlow {

using common::MessageAnswer;
using common::MessageButtons;
using common::MessageIcon;

namespace {

constexpr const char* kCRLF = "\r\n";
constexpr const char* kFileNameAdvice =
    "The file name may be invalid. Please specify a different file name in the Options dialog box (press F5).";

struct Layout {
    const char* listStart;
    const char* listEnd;
    const char* itemStart;
    const char* itemEnd;
};

constexpr std::array<Layout, 4> kLayouts = {{{"<OL>", "</OL>", "<LI> ", "</LI> "},
                                             {"<UL>", "</UL>", "<LI> ", "</LI> "},
                                             {"<P>", "</P>", "[&nbsp;", "&nbsp;] "},
                                             {nullptr, "</TABLE>", "<TR><TD>", "</TD></TR>"}}};

void AppendLine(std::string& out, std::string_view line) {
    out.append(line);
    out.append(kCRLF);
}

void AppendEscaped(std::string& out, std::string_view text) {
    for (char c : text) {
        switch (c) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '"': out += "&#34;"; break;
            default: out += c;
        }
    }
}

// The lines of a text file; a line ends at CR LF, CR or LF.
std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n') continue;
        lines.emplace_back(text, start, i - start);
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < text.size()) lines.emplace_back(text, start);
    return lines;
}

}  // namespace

std::string HTMLEscape(std::string_view text) {
    std::string escaped;
    escaped.reserve(text.size());
    AppendEscaped(escaped, text);
    return escaped;
}

PageWriter::PageWriter(Settings& settings, const BookmarkRows& rows, const DateTimeFormatter& clock,
                       FileSystem& files, common::MessageBoxHost& messages)
    : settings_(settings), rows_(rows), clock_(clock), files_(files), messages_(messages) {}

void PageWriter::PageFileError(int code) {
    messages_.Inform("Error " + std::to_string(code) + " while saving data file:" + "\r" +
                         settings_.Options.URLFileName + "\r" + kFileNameAdvice,
                     std::string(kAppTitle), MessageIcon::Error);
}

void PageWriter::WritePage() {
    const TBrantlowURLOptions& options = settings_.Options;
    const THTMLLayout& html = settings_.HTMLLayout;
    FileError error;
    auto file = files_.Create(options.URLFileName, error);
    if (!file) {
        PageFileError(error.code);
        return;
    }
    const Layout& layout = kLayouts[html.ListLayout < kLayouts.size() ? html.ListLayout : 0];
    const std::string listStart = layout.listStart ? layout.listStart : html.TagTable;

    std::string out;
    for (std::string_view line : {std::string_view("<HTML>"), std::string_view("<HEAD>"), std::string_view("<TITLE>"),
                                  std::string_view(options.HTMLTitle), std::string_view("</TITLE>"),
                                  std::string_view(html.TagHEAD), std::string_view("</HEAD>"),
                                  std::string_view(html.TagBODY), std::string_view(html.TagOther)})
        AppendLine(out, line);
    AppendLine(out, listStart);

    bool ok = true;
    const int rowCount = rows_.Count();
    for (int row = 0; row < rowCount && ok; ++row) {
        const TURLInfo& entry = *rows_.Entry(row);
        out += layout.itemStart;
        out += html.TagURLOn;
        out += "<A HREF=\"";
        out += entry.URL;
        out += "\">";
        if (html.ShowURL && !entry.Description.empty()) {
            AppendEscaped(out, entry.URL);
            out += "</A>";
            AppendLine(out, html.TagURLOff);
            if (html.ListLayout == 2 || html.ListLayout == 3) {
                AppendLine(out, "</TD><TD>");
            } else {
                AppendLine(out, "<BR>");
                AppendLine(out, "");
            }
            AppendEscaped(out, entry.Description);
            AppendLine(out, layout.itemEnd);
        } else {
            AppendEscaped(out, entry.Description.empty() ? entry.URL : entry.Description);
            out += "</A>";
            out += html.TagURLOff;
            AppendLine(out, layout.itemEnd);
        }
        if (out.size() >= (1u << 18)) {
            ok = file->Write(out.data(), out.size());
            out.clear();
        }
    }
    AppendLine(out, layout.listEnd);
    if (html.ShowInfo) {
        const TDateTime now = clock_.Now();
        AppendLine(out, "<HR>");
        AppendLine(out, "Total bookmarks: <B>" + std::to_string(rowCount) + "</B><BR>");
        AppendLine(out, "List created: <TT>" + clock_.ShortDate(now) + "</TT> at: <TT>" + clock_.LongTime(now) +
                            "</TT>");
        AppendLine(out, "<HR>");
    }
    AppendLine(out, "</BODY>");
    AppendLine(out, "</HTML>");
    ok = ok && file->Write(out.data(), out.size());
    ok = file->Close() && ok;
    if (!ok) PageFileError(file->LastError().code);
}

int PageWriter::ExpandPagePlaceholders(std::string& line) const {
    const TDateTime now = clock_.Now();
    if (line.find("__URLCOUNT__") != std::string::npos)
        ReplaceFirst(line, "__URLCOUNT__", std::to_string(rows_.Count()));
    if (line.find("__GENDATE__") != std::string::npos) ReplaceFirst(line, "__GENDATE__", clock_.ShortDate(now));
    if (line.find("__GENTIME__") != std::string::npos) ReplaceFirst(line, "__GENTIME__", clock_.LongTime(now));
    ReplaceFirst(line, "__TITLE__", settings_.Options.HTMLTitle);
    const std::size_t link = line.find("__LINK__");
    return link == std::string::npos ? 0 : static_cast<int>(link) + 1;
}

void PageWriter::WriteLinkLines(std::string& out, const std::string& linkLine) const {
    // The template line is cut at its placeholders once; each row then only fills the gaps.
    struct Piece {
        std::string text;
        int field;  // -1 literal, 0 URL, 1 description or URL, 2 description, 3 date
    };
    std::vector<Piece> pieces{{linkLine, -1}};
    const std::array<std::string_view, 4> placeholders = {"__URLLINK__", "__URLDESC__", "__URLDESC!__",
                                                          "__URLDATE__"};
    for (int field = 0; field < 4; ++field) {
        std::vector<Piece> split;
        for (Piece& piece : pieces) {
            if (piece.field >= 0) {
                split.push_back(std::move(piece));
                continue;
            }
            std::string_view text = piece.text;
            for (std::size_t at; (at = text.find(placeholders[static_cast<std::size_t>(field)])) != text.npos;) {
                split.push_back({std::string(text.substr(0, at)), -1});
                split.push_back({"", field});
                text.remove_prefix(at + placeholders[static_cast<std::size_t>(field)].size());
            }
            split.push_back({std::string(text), -1});
        }
        pieces = std::move(split);
    }
    for (int row = 0; row < rows_.Count(); ++row) {
        const TURLInfo& entry = *rows_.Entry(row);
        for (const Piece& piece : pieces) {
            switch (piece.field) {
                case -1: out += piece.text; break;
                case 0: out += entry.URL; break;
                case 1: out += entry.Description.empty() ? entry.URL : entry.Description; break;
                case 2: out += entry.Description; break;
                default: out += clock_.DateTime(entry.DateAdded());
            }
        }
        out += kCRLF;
    }
}

void PageWriter::WriteTemplatePage() {
    THTMLLayout& html = settings_.HTMLLayout;
    if (html.TPLLinkFormat.empty()) html.TPLLinkFormat = DefaultLinkFormat();
    std::string linkFormat;

    if (html.TPLFileName.empty() || !files_.Exists(html.TPLFileName)) {
        if (html.TPLFileName.empty()) html.TPLFileName = LowerCase(settings_.ProgramFolder + "template.tpl");
        const MessageAnswer answer = messages_.Show(
            {"The template file you specified does not exist:\r" + html.TPLFileName + "\r" +
                 "Would you like to have a default template created now automatically?" + "\r\r" +
                 "If you click No, the program will revert to using a built-in HTML layout format (Ordered list). " +
                 "If you click Cancel, the file will not be saved at all.",
             std::string(kAppTitle), MessageButtons::YesNoCancel, MessageIcon::Warning, 1});
        if (answer == MessageAnswer::Yes) {
            if (!CreateDefaultTemplate(html.TPLFileName)) {
                messages_.Inform("There was an error creating template.\r\rThe program will now revert to using a "
                                 "built-in HTML layout format (Ordered list)",
                                 std::string(kAppTitle), MessageIcon::Error);
                html.ListLayout = 0;
                WritePage();
                return;
            }
        } else {
            if (answer == MessageAnswer::No) {
                html.ListLayout = 0;
                WritePage();
            }
            return;
        }
    }

    std::string templateText;
    FileError error;
    if (!ReadWholeFile(files_, html.TPLFileName, templateText, error)) {
        messages_.Inform("Error " + std::to_string(error.code) + " while reading template file:" + "\r" +
                             html.TPLFileName + "\r" + kFileNameAdvice,
                         std::string(kAppTitle), MessageIcon::Error);
        return;
    }
    auto page = files_.Create(settings_.Options.URLFileName, error);
    if (!page) {
        PageFileError(error.code);
        return;
    }
    const std::vector<std::string> lines = SplitLines(templateText);

    if (!lines.empty() && lines[0].starts_with("<!--#")) {
        linkFormat = lines[0].substr(5);
        std::size_t next = 1;
        while (linkFormat.find("#-->") == std::string::npos && next < lines.size())
            linkFormat += kCRLF + lines[next++];
        if (const std::size_t end = linkFormat.find("#-->"); end != std::string::npos) {
            linkFormat.resize(end);
            if (linkFormat.find("__URLLINK__") == std::string::npos) linkFormat.clear();
        }
    }
    if (linkFormat.empty()) linkFormat = html.TPLLinkFormat;

    std::string out;
    bool ok = true;
    for (std::string line : lines) {
        const int link = ExpandPagePlaceholders(line);
        if (link == 0) {
            AppendLine(out, line);
        } else {
            line.replace(static_cast<std::size_t>(link - 1), 8, linkFormat);
            WriteLinkLines(out, line);
        }
        if (out.size() >= (1u << 18)) {
            ok = ok && page->Write(out.data(), out.size());
            out.clear();
        }
    }
    ok = ok && page->Write(out.data(), out.size());
    ok = page->Close() && ok;
    if (!ok) PageFileError(page->LastError().code);
}

bool PageWriter::CreateDefaultTemplate(const std::string& name) {
    FileError error;
    auto file = files_.Create(name, error);
    if (!file) return false;
    std::string out;
    for (const std::string& line :
         {"<!--#" + DefaultLinkFormat() + "#-->", std::string("<HTML>"), std::string("<HEAD>"), std::string("<TITLE>"),
          std::string("__TITLE__"), std::string("</TITLE>"),
          std::string("<STYLE> body { margin-left: 2%; line-height: 130% } </STYLE>"), std::string("</HEAD>"),
          std::string("<BODY>"), std::string("<HR>"), std::string("<H3>") + "__TITLE__" + "</H3>", std::string("<HR>"),
          std::string("<OL>"), std::string("<LI> <B>") + "__LINK__" + "</B>", std::string("</OL>"),
          std::string("<HR>"), std::string("Total bookmarks: <B>") + "__URLCOUNT__" + "</B><BR>",
          std::string("List created: <B>") + "__GENDATE__" + "</B> at: <B>" + "__GENTIME__" + "</B>",
          std::string("<HR>"), std::string("</BODY>"), std::string("</HTML>")})
        AppendLine(out, line);
    const bool written = file->Write(out.data(), out.size());
    return file->Close() && written;
}

}  // namespace brantlow
