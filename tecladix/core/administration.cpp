#include "tecladix/core/administration.h"

#include <algorithm>
#include <fstream>

namespace tecladix {

Lines NonEmptyLines(const std::string& editorText) {
    Lines lines = SplitLines(editorText);
    std::erase_if(lines, [](const std::string& line) { return line.empty(); });
    return lines;
}

FileResult AppendAccessLog(const DataFolder& folder, const std::string& administrator, const LocalDateTime& when,
                           Lines& log) {
    const std::string path = folder.Path(files::kAccessLog);
    // A missing log starts a new one; an unreadable one is never overwritten.
    if (auto result = LoadLines(path, log); !result.ok()) {
        std::ifstream exists(path, std::ios::binary);
        if (exists) return result;
        log.clear();
    }
    log.push_back(AccessLogLine(administrator, when));
    return SaveLines(path, log);
}

}  // namespace tecladix
