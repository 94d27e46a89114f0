#pragma once
// The student files: Usuarios.txt (names), Senhas.txt (passwords) and the three position
// files, parallel by line number. Every change reads the files, changes all of them at the
// same line and writes them back, so they keep the same number of lines.
#include <optional>
#include <string>

#include "tecladix/core/data_folder.h"
#include "tecladix/core/line_file.h"

namespace tecladix {

// The names, passwords and one module's positions, as the sign-in dialogs hold them.
struct Roster {
    Lines names;
    Lines passwords;
    Lines positions;
};

// Reads the three files in order and stops at the first that fails; what was read before
// stays in `roster`.
FileResult LoadRoster(const DataFolder& folder, int module, Roster& roster);

// The line of the student called `name`, compared exactly; with repeated names the last one.
[[nodiscard]] std::optional<std::size_t> FindStudent(const Lines& names, const std::string& name);

FileResult AddStudent(const DataFolder& folder, const std::string& name, const std::string& password);

enum class RemoveStatus { Removed, NotFound, FileError };
struct [[nodiscard]] RemoveResult {
    RemoveStatus status;
    FileResult file;
};
RemoveResult RemoveStudent(const DataFolder& folder, const std::string& name);

// Stores `position` on the student's line of the module's position file, reading the names
// and that file from disk first so no other module's positions are ever written there.
// A name that is not in Usuarios.txt stores nothing.
FileResult StorePosition(const DataFolder& folder, int module, const std::string& name, int position);

}  // namespace tecladix
