#include "tecladix/core/students.h"

#include <array>

namespace tecladix {
namespace {

std::array<std::string, 5> StudentFileNames() {
    return {files::kStudents, files::kPasswords, PositionFileName(1), PositionFileName(2), PositionFileName(3)};
}

FileResult LoadAll(const DataFolder& folder, std::array<Lines, 5>& lists) {
    const auto names = StudentFileNames();
    for (std::size_t i = 0; i < names.size(); ++i)
        if (auto result = LoadLines(folder.Path(names[i]), lists[i]); !result.ok()) return result;
    return FileResult::Success();
}

FileResult SaveAll(const DataFolder& folder, const std::array<Lines, 5>& lists) {
    const auto names = StudentFileNames();
    for (std::size_t i = 0; i < names.size(); ++i)
        if (auto result = SaveLines(folder.Path(names[i]), lists[i]); !result.ok()) return result;
    return FileResult::Success();
}

}  // namespace

FileResult LoadRoster(const DataFolder& folder, int module, Roster& roster) {
    if (auto r = LoadLines(folder.Path(files::kStudents), roster.names); !r.ok()) return r;
    if (auto r = LoadLines(folder.Path(files::kPasswords), roster.passwords); !r.ok()) return r;
    return LoadLines(folder.Path(PositionFileName(module)), roster.positions);
}

std::optional<std::size_t> FindStudent(const Lines& names, const std::string& name) {
    std::optional<std::size_t> found;
    for (std::size_t i = 0; i < names.size(); ++i)
        if (names[i] == name) found = i;
    return found;
}

FileResult AddStudent(const DataFolder& folder, const std::string& name, const std::string& password) {
    std::array<Lines, 5> lists;
    if (auto result = LoadAll(folder, lists); !result.ok()) return result;
    // Hand-edited files may be shorter than the names: the new line must still be the
    // student's own line in each of them.
    const std::size_t line = lists[0].size();
    lists[0].push_back(name);
    lists[1].resize(line);
    lists[1].push_back(password);
    for (std::size_t i = 2; i < lists.size(); ++i) {
        lists[i].resize(line, "1");
        lists[i].push_back("1");
    }
    return SaveAll(folder, lists);
}

RemoveResult RemoveStudent(const DataFolder& folder, const std::string& name) {
    std::array<Lines, 5> lists;
    if (auto result = LoadAll(folder, lists); !result.ok()) return {RemoveStatus::FileError, result};
    const auto line = FindStudent(lists[0], name);
    if (!line) return {RemoveStatus::NotFound, FileResult::Success()};
    for (auto& list : lists)
        if (*line < list.size()) list.erase(list.begin() + static_cast<std::ptrdiff_t>(*line));
    if (auto result = SaveAll(folder, lists); !result.ok()) return {RemoveStatus::FileError, result};
    return {RemoveStatus::Removed, FileResult::Success()};
}

FileResult StorePosition(const DataFolder& folder, int module, const std::string& name, int position) {
    Lines names;
    if (auto result = LoadLines(folder.Path(files::kStudents), names); !result.ok()) return result;
    const auto line = FindStudent(names, name);
    if (!line) return FileResult::Success();
    const std::string path = folder.Path(PositionFileName(module));
    Lines positions;
    if (auto result = LoadLines(path, positions); !result.ok()) return result;
    if (positions.size() <= *line) positions.resize(*line + 1, "1");
    positions[*line] = std::to_string(position);
    return SaveLines(path, positions);
}

}  // namespace tecladix
