#include "brantlow/exchange/import.h"

#include <optional>
#include <utility>

#include "brantlow/core/file_names.h"
#include "brantlow/core/messages.h"
#include "brantlow/core/text.h"
#include "brantlow/core/url_info.h"
#include "brantlow/core/url_recognizer.h"
#include "brantlow/exchange/line_reader.h"
#include "brantlow/exchange/text_search.h"
#include "brantlow/exchange/url_parsing.h"
#include "brantlow/exchange/url_set.h"

namespace brantlow {
namespace {

constexpr std::string_view kAnchorStart = "<a href=";
constexpr std::string_view kQuotedAnchorStart = "<a href=\"";
constexpr std::string_view kAnchorEnd = "</a>";
constexpr std::string_view kBaseStart = "<base href=\"";

// Runs `action` when the scope ends, however it ends.
template <typename Action>
class ScopeExit {
public:
    explicit ScopeExit(Action action) : action_(std::move(action)) {}
    ~ScopeExit() { action_(); }
    ScopeExit(const ScopeExit&) = delete;
    ScopeExit& operator=(const ScopeExit&) = delete;

private:
    Action action_;
};

// The name of a shortcut file in its own letter case, without ".url".
std::string ShortcutDescription(const std::string& path) {
    std::string name = ExtractFileName(path);
    const std::string lower = LowerCase(name);
    if (const std::size_t at = lower.rfind(".url"); at != std::string::npos) name.erase(at, 4);
    return name;
}

class FileImporter {
public:
    FileImporter(const ImportChoices& choices, const ImportServices& services, const ImportRules& rules,
                 const RecognizerSettings& recognizer)
        : choices_(choices), s_(services), rules_(rules), recognizer_(recognizer) {}

    // False with `error` set when the file cannot be opened or read.
    [[nodiscard]] bool Import(const std::string& path, FileError& error) {
        const std::string lowerName = LowerCase(path);
        s_.panel.Show("Reading: " + lowerName);
        const bool html = ExtractFileExt(lowerName).find("htm") != std::string::npos;
        const bool shortcut = ExtractFileName(lowerName).find(".url") != std::string::npos;
        auto file = s_.files.Open(path, false, error);
        if (!file) return false;
        now_ = s_.clock.Now();
        LineReader reader(*file, LineEnds::Any);
        std::string line;
        if (html) {
            HTMLAnchorReader anchors(choices_.Options.BaseHREF,
                                     [this](const std::string& url, const std::string& text) { Offer(url, text); });
            while (reader.Next(line)) anchors.Line(line);
        } else {
            const std::string description = shortcut ? ShortcutDescription(path) : std::string();
            while (reader.Next(line)) {
                URLScanner scanner(line, recognizer_);
                for (RecognizedURL found; (found = scanner.Next(choices_.Options.Fuzzy, choices_.Options.Desc)).Found;)
                    Offer(found.URL, shortcut ? description : found.Description);
            }
        }
        if (reader.Failed()) {
            error = ReadFailure();
            return false;
        }
        return true;
    }

    [[nodiscard]] int Added() const { return added_; }

private:
    // The duplicate rule of AcceptImportedURL, over a set of the listed URLs: a large
    // import must not compare every new URL with the whole list.
    void Offer(const std::string& url, const std::string& description) {
        if (!AcceptedByRules(url, rules_)) return;
        const bool noDuplicates = s_.settings.Options.NoDuplicates;
        if (noDuplicates && KnownURLs().Contains(url)) return;
        const TURLInfo* added = s_.manager.AddBookmark(url, description, now_);
        if (noDuplicates) known_->Insert(added->URL);
        ++added_;
    }

    URLSet& KnownURLs() {
        if (!known_) {
            known_.emplace();
            const TURLInfoList& list = s_.manager.URLList();
            known_->Reserve(static_cast<std::size_t>(list.Count()));
            for (int i = 0; i < list.Count(); ++i) known_->Insert(list.Items(i)->URL);
        }
        return *known_;
    }

    const ImportChoices& choices_;
    const ImportServices& s_;
    const ImportRules& rules_;
    const RecognizerSettings& recognizer_;
    TDateTime now_ = 0;
    int added_ = 0;
    std::optional<URLSet> known_;
};

}  // namespace

bool AcceptedByRules(std::string_view url, const ImportRules& rules) {
    bool knownScheme = false;
    for (const std::string& scheme : rules.Schemes)
        if (FindNoCase(url.substr(0, scheme.size()), scheme) == 0) knownScheme = true;
    if (!knownScheme) return false;
    const TURLRec parts = ParseURL(url);
    bool accepted;
    if (!parts.FileName.empty()) {
        accepted = rules.AllFiles;
        if (!accepted) {
            const std::size_t dot = parts.FileName.rfind('.');
            const std::string extension = dot == std::string::npos ? std::string() : LowerCase(parts.FileName.substr(dot));
            for (const std::string& item : rules.Extensions) accepted = accepted || item == extension;
        }
    } else {
        accepted = parts.SchemeIndex >= 1 && parts.SchemeIndex <= 5 ? rules.Domains : true;
    }
    return accepted;
}

bool AcceptImportedURL(std::string_view url, const ImportRules& rules, const BookmarkManager& manager) {
    return AcceptedByRules(url, rules) && !manager.IsSkippedDuplicate(std::string(url));
}

HTMLAnchorReader::HTMLAnchorReader(bool resolveBase, Found found)
    : baseSearch_(resolveBase), resolve_(resolveBase), found_(std::move(found)) {}

void HTMLAnchorReader::FindBase(std::string& line, std::size_t searchFrom) {
    const std::size_t start = FindNoCase(line, kBaseStart, searchFrom);
    if (start == std::string::npos) return;
    baseSearch_ = false;
    line.erase(0, start + kBaseStart.size());
    const std::size_t end = line.find("\">");
    if (end == std::string::npos) {
        resolve_ = false;  // an unterminated base tag: links of this file stay as written
        return;
    }
    base_ = line.substr(0, end);
    line.erase(0, end + 2);
}

void HTMLAnchorReader::Line(std::string_view input) {
    std::string line;
    // The carried text was searched before: only its end and what follows may still hold
    // the start of a base tag or the end of the anchor.
    std::size_t baseFrom = 0;
    std::size_t endFrom = 0;
    if (!carried_.empty()) {
        line = std::move(carried_);
        carried_.clear();
        baseFrom = line.size() >= kBaseStart.size() ? line.size() - (kBaseStart.size() - 1) : 0;
        endFrom = carriedSearched_;
        line += ' ';
    }
    line += input;
    if (baseSearch_) {
        const std::size_t before = line.size();
        FindBase(line, baseFrom);
        if (line.size() != before) endFrom = 0;
    }
    std::size_t at = 0;
    while ((at = FindNoCase(line, kAnchorStart, at)) != std::string::npos) {
        const std::size_t end = FindNoCase(line, kAnchorEnd, std::max(at, endFrom));
        endFrom = 0;
        if (end == std::string::npos) {
            carried_ = at == 0 ? std::move(line) : line.substr(at);
            carriedSearched_ = carried_.size() >= kAnchorEnd.size() ? carried_.size() - (kAnchorEnd.size() - 1) : 0;
            return;
        }
        const std::string_view anchorText = std::string_view(line).substr(at, end + kAnchorEnd.size() - at);
        at = end + kAnchorEnd.size();
        // An href without its double quotes is not read; resolving its empty text would
        // otherwise name the base page itself.
        if (FindNoCase(anchorText, kQuotedAnchorStart) != 0) continue;
        const TAnchorRec anchor = ParseAnchor(anchorText);
        found_(resolve_ ? ResolveURL(base_, anchor.Href) : anchor.Href, anchor.Text);
    }
}

int ImportFromFiles(const ImportChoices& choices, const ImportServices& s) {
    Settings& settings = s.settings;
    std::vector<std::string> schemes = std::move(settings.Schemes);
    const bool clipHash = settings.Options.ClipHash;
    const bool clipCGI = settings.Options.ClipCGI;
    int added = 0;
    bool failed = false;
    std::string failedFile;
    FileError failure;
    {
        ScopeExit restoreSettings([&] {
            settings.Schemes = std::move(schemes);
            settings.Options.ClipHash = clipHash;
            settings.Options.ClipCGI = clipCGI;
        });
        settings.Schemes.clear();
        settings.Options.ClipHash = choices.Options.ClipHash;
        settings.Options.ClipCGI = choices.Options.ClipCGI;
        if (!choices.Files.empty()) {
            const std::string panelText = s.panel.Text();
            s.window.SetBusyCursor(true);
            settings.Schemes = choices.Schemes;
            ImportRules rules;
            for (const std::string& scheme : settings.Schemes) rules.Schemes.push_back(LowerCase(scheme));
            rules.Extensions = SplitList(LowerCase(choices.Options.Extensions), ';');
            rules.AllFiles = choices.Options.AllFiles;
            rules.Domains = choices.Options.Domains;
            const RecognizerSettings recognizer = RecognizerSettings::From(settings);
            s.rows.BeginUpdate();
            ScopeExit restoreWindow([&] {
                s.panel.Show(panelText);
                s.rows.EndUpdate();
                s.window.SetBusyCursor(false);
            });
            FileImporter importer(choices, s, rules, recognizer);
            for (const std::string& file : choices.Files) {
                if (!importer.Import(file, failure)) {
                    failed = true;
                    failedFile = file;
                    break;
                }
            }
            added = importer.Added();
        }
    }
    if (failed)
        s.messages.Inform(IOErrorText(failedFile, failure), std::string(kAppTitle), common::MessageIcon::Error);
    else if (added > 0)
        s.messages.Inform("Number of URLs added: " + std::to_string(added), std::string(kAppTitle));
    else
        s.messages.Inform("Did not find any URLs in the selected files.", std::string(kAppTitle));
    // What was added before a failure stays and must be saved like any other change.
    s.manager.BatchEpilogue(added);
    return added;
}

}  // namespace brantlow
