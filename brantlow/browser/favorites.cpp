#include "brantlow/browser/favorites.h"

#include <filesystem>
#include <memory>

#include "brantlow/core/messages.h"
#include "brantlow/core/text.h"
#include "brantlow/exchange/line_reader.h"

namespace brantlow {
namespace {

namespace fs = std::filesystem;

bool EndsWithURLExtension(std::string_view name) {
    return name.size() >= 4 && SameTextIgnoringCase(name.substr(name.size() - 4), ".url");
}

// Keeps the list view locked and the hourglass shown for its life, whatever happens meanwhile.
class BusyRows {
public:
    BusyRows(BookmarkRows& rows, MainWindowHost& window) : rows_(rows), window_(window) {
        window_.SetBusyCursor(true);
        rows_.BeginUpdate();
    }
    BusyRows(const BusyRows&) = delete;
    BusyRows& operator=(const BusyRows&) = delete;
    ~BusyRows() {
        rows_.EndUpdate();
        window_.SetBusyCursor(false);
    }

private:
    BookmarkRows& rows_;
    MainWindowHost& window_;
};

}  // namespace

bool StdFolderLister::FolderExists(const std::string& folder) {
    std::error_code error;
    return fs::is_directory(fs::path(folder), error);
}

std::vector<std::string> StdFolderLister::ShortcutFiles(const std::string& folder) {
    std::vector<std::string> files;
    std::error_code error;
    for (fs::directory_iterator it(fs::path(folder), error), end; !error && it != end; it.increment(error)) {
        std::error_code statusError;
        if (it->is_directory(statusError)) continue;
        if (EndsWithURLExtension(it->path().filename().string())) files.push_back(it->path().string());
    }
    return files;
}

std::vector<std::string> StdFolderLister::SubFolders(const std::string& folder) {
    std::vector<std::string> folders;
    std::error_code error;
    for (fs::directory_iterator it(fs::path(folder), error), end; !error && it != end; it.increment(error)) {
        std::error_code statusError;
        if (fs::is_directory(it->symlink_status(statusError))) folders.push_back(it->path().string());
    }
    return folders;
}

std::vector<std::string> CollectShortcutFiles(FolderLister& folders, const std::string& folder,
                                              bool includeSubfolders) {
    std::vector<std::string> found;
    // Depth first without recursion: a deep tree cannot exhaust the stack.
    std::vector<std::string> pending{folder};
    while (!pending.empty()) {
        const std::string current = std::move(pending.back());
        pending.pop_back();
        for (std::string& file : folders.ShortcutFiles(current)) found.push_back(std::move(file));
        if (!includeSubfolders) break;
        std::vector<std::string> subFolders = folders.SubFolders(current);
        pending.insert(pending.end(), std::make_move_iterator(subFolders.rbegin()),
                       std::make_move_iterator(subFolders.rend()));
    }
    return found;
}

std::string ShortcutDescription(std::string_view path) {
    const std::size_t folder = path.find_last_of("\\/:");
    std::string name(folder == std::string_view::npos ? path : path.substr(folder + 1));
    const std::size_t extension = LowerCase(name).find(".url");
    if (extension != std::string::npos) name.erase(extension, 4);
    return name;
}

std::optional<std::string> ReadShortcutURL(FileSystem& files, const std::string& path) {
    FileError error;
    const std::unique_ptr<InputFile> file = files.Open(path, false, error);
    if (!file) return std::nullopt;
    LineReader lines(*file, LineEnds::Any);
    std::string line;
    while (lines.Next(line)) {
        if (line.size() >= 4 && SameTextIgnoringCase(std::string_view(line).substr(0, 4), "url="))
            return line.substr(4);
    }
    return std::nullopt;
}

bool FavoritesFolderUsable(FolderLister& folders, const std::string& folder) {
    return !folder.empty() && folders.FolderExists(folder);
}

int ImportFavorites(const FavoritesImportServices& s, const std::string& folder, bool includeSubfolders) {
    const std::string searched = LowerCase(folder);
    const std::vector<std::string> shortcuts = CollectShortcutFiles(s.folders, searched, includeSubfolders);
    const std::string caption(kAppTitle);
    if (shortcuts.empty()) {
        s.messages.Inform("Could not find any Internet Shortcuts in folder " + searched, caption);
        return 0;
    }
    int added = 0;
    {
        BusyRows busy(s.rows, s.window);
        for (const std::string& path : shortcuts) {
            // A file that cannot be read is passed over like one without an address line, and
            // so is an address line without an address: a bookmark without a URL is of no use.
            const std::optional<std::string> url = ReadShortcutURL(s.files, path);
            if (!url || url->empty()) continue;
            s.manager.AddBookmark(*url, ShortcutDescription(path), s.clock.Now());
            ++added;
        }
    }
    s.manager.BatchEpilogue(added);
    if (added == 0)
        s.messages.Inform("Did not find any Internet Shortcuts in the specified directory.", caption);
    else
        s.messages.Inform("Imported " + std::to_string(added) + " Internet Shortcuts.", caption);
    return added;
}

}  // namespace brantlow
