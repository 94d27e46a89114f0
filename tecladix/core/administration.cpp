#include "tecladix/core/administration.h"

#include <algorithm>
#include <fstream>

#include "tecladix/core/numbers.h"
#include "tecladix/core/texts.h"

namespace tecladix {

FileResult LoadOptionsFiles(const DataFolder& folder, OptionsFiles& files) {
    const std::pair<std::string, Lines*> reads[] = {
        {files::kStudents, &files.students},
        {files::kModule1Exercises, &files.module1},
        {ExerciseFileName(2, 1), &files.module2},
        {ExerciseFileName(3, 1), &files.module3},
        {files::kAccessLog, &files.log},
    };
    for (const auto& [name, lines] : reads)
        if (auto result = LoadLines(folder.Path(name), *lines); !result.ok()) {
            lines->clear();
            return result;
        }
    return FileResult::Success();
}

std::string ExerciseTextFile(int module, int number) {
    return module == 1 ? std::string(files::kModule1Exercises) : ExerciseFileName(module, number);
}

int ExerciseCount(int module) { return module == 2 ? kModule2Exercises : kModule3Exercises; }

std::optional<int> ChooseExercise(int module, std::string_view typed, int current) {
    const auto number = ParseWholeNumber(typed);
    if (!number) return std::nullopt;
    return *number >= 1 && *number <= ExerciseCount(module) ? *number : current;
}

Lines NonEmptyLines(const std::string& editorText) {
    Lines lines = SplitLines(editorText);
    std::erase_if(lines, [](const std::string& line) { return line.empty(); });
    return lines;
}

std::optional<Lines> ExerciseTextToSave(int module, const std::string& editorText) {
    Lines lines = NonEmptyLines(editorText);
    if (module != 1 && lines.size() > kFragmentLines) return std::nullopt;
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

FileResult SaveLimits(const DataFolder& folder, const std::array<std::string, kLimitLines>& fields, Lines& limits) {
    if (limits.size() < kLimitLines) limits.resize(kLimitLines);
    std::copy(fields.begin(), fields.end(), limits.begin());
    return SaveLines(folder.Path(files::kLimits), limits);
}

std::optional<CredentialsProblem> NewCredentialsProblem(const std::string& name, const std::string& password) {
    if (name.empty()) return CredentialsProblem{texts::kAdminNeedsName.str(), true};
    if (password.empty()) return CredentialsProblem{texts::kAdminNeedsPassword.str(), false};
    return std::nullopt;
}

FileResult SaveCredentials(const DataFolder& folder, const std::string& name, const std::string& password) {
    return SaveLines(folder.Path(files::kAdministrator), {name, password});
}

}  // namespace tecladix
