#include "brantlow/browser/system_folder_lister.h"

#include <windows.h>

#include <functional>

namespace brantlow {
namespace {

std::string WithSeparator(const std::string& folder) {
    return folder.empty() || folder.back() == '\\' || folder.back() == '/' ? folder : folder + "\\";
}

// Calls `take` with each entry that matches `pattern` in the folder.
void ForEachEntry(const std::string& folder, const char* pattern, const std::function<void(const WIN32_FIND_DATAA&)>& take) {
    WIN32_FIND_DATAA entry{};
    const HANDLE search = ::FindFirstFileA((WithSeparator(folder) + pattern).c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE) return;
    do take(entry);
    while (::FindNextFileA(search, &entry));
    ::FindClose(search);
}

bool IsFolder(const WIN32_FIND_DATAA& entry) { return (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0; }

}  // namespace

bool SystemFolderLister::FolderExists(const std::string& folder) {
    const DWORD attributes = ::GetFileAttributesA(folder.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

std::vector<std::string> SystemFolderLister::ShortcutFiles(const std::string& folder) {
    std::vector<std::string> files;
    ForEachEntry(folder, "*.url", [&](const WIN32_FIND_DATAA& entry) {
        if (!IsFolder(entry)) files.push_back(WithSeparator(folder) + entry.cFileName);
    });
    return files;
}

std::vector<std::string> SystemFolderLister::SubFolders(const std::string& folder) {
    std::vector<std::string> folders;
    ForEachEntry(folder, "*", [&](const WIN32_FIND_DATAA& entry) {
        const std::string name = entry.cFileName;
        const bool link = (entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
        if (IsFolder(entry) && !link && name != "." && name != "..") folders.push_back(WithSeparator(folder) + name);
    });
    return folders;
}

}  // namespace brantlow
