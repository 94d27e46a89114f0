#pragma once
// Import of URLs from files: the anchors of HTML pages (with their base address), every URL
// the recogniser finds in other text files, and the address of Internet shortcut files.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "brantlow/core/bookmark_manager.h"
#include "brantlow/core/file_system.h"
#include "brantlow/core/settings.h"
#include "brantlow/core/window_interfaces.h"
#include "common/message_box.h"

namespace brantlow {

// The predefined extension sets of the import dialog; slot 0 is the user's own.
struct ExtensionSet {
    std::string_view Name;
    std::string_view Extensions;
};
inline constexpr ExtensionSet kExtensionSets[] = {
    {"User defined...", ""},
    {"HTML files", ".htm;.html;.shtml;.asp"},
    {"HTML and Text files", ".txt;.htm;.html;.shtml;.asp"},
    {"Binary files", ".zip;.arj;.exe;.gz;.gzip"},
    {"Image files", ".bmp;.gif;.jpg;.jpeg;.ico;.tga;.wmf"},
    {"Sound files", ".wav;.snd;.mp3"},
};
// What a double click on the extensions label puts back into slot 0.
inline constexpr std::string_view kDefaultUserExtensions = ".htm;.html;.exe;.zip;.txt";

// What the import dialog hands over when it closes with "&Import now".
struct ImportChoices {
    std::vector<std::string> Files;    // in the dialog's list order
    std::vector<std::string> Schemes;  // the checked schemes, in the list's order
    TImportOptions Options;            // as the dialog stored them into ImportOptions
};

// Which imported URLs are taken.
struct ImportRules {
    std::vector<std::string> Schemes;     // lower-case prefixes
    std::vector<std::string> Extensions;  // lower-case, with their dot
    bool AllFiles = true;
    bool Domains = true;
};

// The scheme, file and folder rules alone.
[[nodiscard]] bool AcceptedByRules(std::string_view url, const ImportRules& rules);
// The rules, and no duplicate of a listed URL while NoDuplicates is on.
[[nodiscard]] bool AcceptImportedURL(std::string_view url, const ImportRules& rules, const BookmarkManager& manager);

// Finds the anchors of an HTML file fed to it line by line. An anchor that is not closed
// on its line is carried over to the next one.
class HTMLAnchorReader {
public:
    using Found = std::function<void(const std::string& url, const std::string& text)>;
    HTMLAnchorReader(bool resolveBase, Found found);
    void Line(std::string_view line);

private:
    void FindBase(std::string& line, std::size_t searchFrom);

    bool baseSearch_;
    bool resolve_;
    std::string base_;
    std::string carried_;
    std::size_t carriedSearched_ = 0;  // the carried text holds no "</a>" before this
    Found found_;
};

// The description panel of the main window, which shows the file being read.
class DescriptionPanel {
public:
    virtual ~DescriptionPanel() = default;
    [[nodiscard]] virtual std::string Text() const = 0;
    virtual void Show(const std::string& text) = 0;  // sets the text and repaints at once
};

struct ImportServices {
    Settings& settings;
    BookmarkManager& manager;
    BookmarkRows& rows;
    MainWindowHost& window;
    DescriptionPanel& panel;
    common::MessageBoxHost& messages;
    FileSystem& files;
    const DateTimeFormatter& clock;
};

// The import run after the dialog: reads every file, adds what is accepted, reports the
// count and ends with the change epilogue. Returns the number of bookmarks added.
int ImportFromFiles(const ImportChoices& choices, const ImportServices& services);

}  // namespace brantlow
