#include "brantlow/exchange/inject.h"

#include "brantlow/core/file_names.h"
#include "brantlow/core/messages.h"
#include "brantlow/core/text.h"
#include "brantlow/exchange/line_reader.h"
#include "brantlow/exchange/page_stamper.h"
#include "brantlow/exchange/safe_names.h"
#include "brantlow/exchange/text_search.h"

namespace brantlow {
namespace {

constexpr std::size_t kTitleNameLimit = 70;
constexpr std::size_t kReadTitleLimit = 1 << 16;
constexpr std::string_view kSuggestChars = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789-_";

std::string WithSeparator(std::string folder) {
    if (!folder.empty() && folder.back() != '\\' && folder.back() != '/') folder += '\\';
    return folder;
}

// The name of the page's file from its URL, or nothing.
std::string SuggestedName(std::string_view url) {
    if (const std::size_t scheme = url.find("://"); scheme != url.npos)
        url.remove_prefix(scheme + 3);
    else if (const std::size_t colon = url.find(':'); colon != url.npos)
        url.remove_prefix(colon + 1);
    const std::size_t slash = url.find('/');
    const std::string_view host = url.substr(0, slash);
    std::string_view path = slash == url.npos ? std::string_view() : url.substr(slash);
    if (const std::size_t hash = path.find('#'); hash != path.npos)
        path = path.substr(0, hash);
    else if (const std::size_t query = path.find('?'); query != path.npos)
        path = path.substr(0, query);
    const std::size_t last = path.rfind('/');
    const std::string_view fileName = last == path.npos ? std::string_view() : path.substr(last + 1);
    const std::string_view folders = last == path.npos ? std::string_view() : path.substr(0, last);

    if (!fileName.empty()) {
        const std::size_t dot = fileName.rfind('.');
        const std::string_view extension = dot == fileName.npos ? std::string_view() : fileName.substr(dot);
        const std::string base = FileNameFromText(fileName.substr(0, dot), std::string::npos, kSuggestChars);
        return base.empty() ? std::string() : base + std::string(extension);
    }
    const std::string_view folder = folders.empty() ? host : folders.substr(folders.rfind('/') + 1);
    return FileNameFromText(folder, std::string::npos, kSuggestChars);
}

class Injector {
public:
    explicit Injector(const InjectServices& services) : s_(services), options_(services.settings.Inject) {}

    bool Run(const std::string& file, const std::string& url, const std::string& title) {
        if (Trim(file).empty()) return false;
        path_ = NormalizePath(file, s_.settings.ProgramFolder);
        if (path_.empty() || !s_.files.Exists(path_)) return false;
        extension_ = ExtractFileExt(path_);
        temporary_ = ChangeFileExt(path_, ".$$$");
        std::string foundTitle;
        if (!WriteTemporary(url, title.empty(), foundTitle)) return false;
        const std::string& pageTitle = title.empty() ? foundTitle : title;
        if (options_.AsTitle && !pageTitle.empty()) {
            const std::string name = LowerCase(FileNameFromText(pageTitle, kTitleNameLimit, s_.settings.Options.FileNameChars));
            // A title without a single usable character names nothing; the file keeps its name.
            if (!name.empty()) return MoveToTitleName(name);
        }
        return ReplaceSource();
    }

private:
    void Say(const std::string& text) { s_.messages.Inform(text, std::string(kAppTitle)); }

    [[nodiscard]] bool WriteTemporary(const std::string& url, bool findTitle, std::string& foundTitle) {
        FileError error;
        auto input = s_.files.Open(path_, false, error);
        if (!input) {
            Say("Could not open file:\r" + path_);
            return false;
        }
        auto output = s_.files.Create(temporary_, error);
        if (!output) {
            Say("Could not create temp file:\r" + temporary_);
            return false;
        }
        StampOptions stamp;
        stamp.URL = url;
        stamp.TagOn = options_.TagOn;
        stamp.TagOff = options_.TagOff;
        stamp.Html = LowerCase(extension_).starts_with(".htm");
        stamp.BaseHREF = options_.BaseHREF;
        stamp.CleanBody = options_.CleanBody;
        stamp.FindTitle = options_.AsTitle && findTitle;
        PageStamper stamper(stamp);

        const TDateTime now = s_.clock.Now();
        std::string out = "<!-- Inserted by BrantlowURL\r\nX-URL: " + url + "\r\nX-Access-Date: " +
                          s_.clock.ShortDate(now) + "\r\nX-Access-Time: " + s_.clock.LongTime(now) + "\r\n-->\r\n";
        bool ok = true;
        LineReader lines(*input, LineEnds::LineFeeds);
        for (std::string line; ok && lines.Next(line);) {
            stamper.Line(line, out);
            if (out.size() >= (1u << 18)) {
                ok = output->Write(out.data(), out.size());
                out.clear();
            }
        }
        stamper.Finish(out);
        ok = ok && output->Write(out.data(), out.size());
        ok = output->Close() && ok;
        if (!ok || lines.Failed()) {
            // A short copy must not replace the page: the source stays as it was.
            s_.messages.Inform(IOErrorText(ok ? path_ : temporary_, ok ? ReadFailure() : output->LastError()),
                               std::string(kAppTitle), common::MessageIcon::Error);
            (void)s_.files.Remove(temporary_);
            return false;
        }
        if (stamper.TitleFound()) foundTitle = stamper.Title();
        return true;
    }

    [[nodiscard]] bool MoveToTitleName(const std::string& name) {
        const std::string folder = ExtractFilePath(path_);
        std::string target = folder + name + extension_;
        for (int suffix = 1; s_.files.Exists(target); ++suffix)
            target = folder + name + "_" + std::to_string(suffix) + extension_;
        if (!s_.files.Rename(temporary_, target)) {
            Say("Could not rename new file to\r" + target);
            return false;
        }
        if (!options_.Backup) (void)s_.files.Remove(path_);
        return true;
    }

    [[nodiscard]] bool ReplaceSource() {
        if (options_.Backup) {
            const std::string backup = ChangeFileExt(path_, ".bak");
            if (s_.files.Exists(backup)) (void)s_.files.Remove(backup);
            if (!s_.files.Rename(path_, backup)) Say("Could not back up original file to\r" + backup);
        }
        if (s_.files.Exists(path_)) (void)s_.files.Remove(path_);
        if (!s_.files.Rename(temporary_, path_)) {
            Say("Could not rename new file to\r" + path_);
            return false;
        }
        return true;
    }

    const InjectServices& s_;
    const TInsertOptions& options_;
    std::string path_;
    std::string extension_;
    std::string temporary_;
};

}  // namespace

std::optional<std::string> SuggestInjectFile(std::string_view url, const Settings& settings, FileSystem& files) {
    if (!settings.Inject.SuggestFileName || url.empty()) return std::nullopt;
    std::string name = SuggestedName(url);
    if (name.empty()) return std::nullopt;
    if (ExtractFileExt(name).empty()) name += ".html";
    const std::string folder = WithSeparator(settings.Inject.Path);
    if (files.Exists(folder + name)) return folder + name;
    if (name.ends_with(".html")) {
        name.pop_back();
        if (files.Exists(folder + name)) return folder + name;
    }
    return std::nullopt;
}

std::string ReadHTMLTitle(FileSystem& files, const std::string& path) {
    FileError error;
    auto input = files.Open(path, false, error);
    if (!input) return {};
    LineReader lines(*input, LineEnds::Any);
    std::string title;
    bool started = false;
    for (std::string line; lines.Next(line);) {
        std::size_t searchFrom = title.size();
        if (!started) {
            const std::size_t start = FindNoCase(line, "<title>");
            if (start == std::string::npos) continue;
            started = true;
            title = line.substr(start + 7);
            searchFrom = 0;
        } else {
            title += ' ';
            title += line;
        }
        if (const std::size_t end = FindNoCase(title, "</title>", searchFrom > 7 ? searchFrom - 7 : 0);
            end != std::string::npos) {
            title.resize(end);
            break;
        }
        if (title.size() > kReadTitleLimit) break;  // a title that never ends
    }
    if (title.size() > kReadTitleLimit) title.resize(kReadTitleLimit);
    return Trim(title);
}

bool InjectURL(const std::string& file, const std::string& url, const std::string& title,
               const InjectServices& services) {
    return Injector(services).Run(file, url, title);
}

}  // namespace brantlow
