#pragma once
// What the advanced options do to the data files beyond adding and removing students: the
// files the options window reads when it opens, the access log, the limits, the exercise
// editors' save rule and the administrator credentials.
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "tecladix/core/data_folder.h"
#include "tecladix/core/line_file.h"
#include "tecladix/core/portuguese_date.h"

namespace tecladix {

// A module 2 or 3 exercise holds at most this many lines.
inline constexpr std::size_t kFragmentLines = 5;
// Tempo.txt: module 1 time, module 1 errors, module 2 time, ... module 3 errors.
inline constexpr std::size_t kLimitLines = 6;

// What the options window shows when it opens. The files are read in this order and the
// first one that fails leaves itself and the rest empty.
struct OptionsFiles {
    Lines students;
    Lines module1;
    Lines module2;  // Modulo2.1.txt
    Lines module3;  // Modulo3.1.txt
    Lines log;
};
FileResult LoadOptionsFiles(const DataFolder& folder, OptionsFiles& files);

// Exercicios1.txt for module 1, Modulo2.N.txt or Modulo3.N.txt for the others.
[[nodiscard]] std::string ExerciseTextFile(int module, int number);
// The highest exercise number of module 2 or 3.
[[nodiscard]] int ExerciseCount(int module);

// The exercise a module 2 or 3 chooser's text selects: the number typed when it lies in
// the module's range, otherwise `current` again; nothing when the text is no whole number.
[[nodiscard]] std::optional<int> ChooseExercise(int module, std::string_view typed, int current);

// The editor's text as lines without the empty ones.
[[nodiscard]] Lines NonEmptyLines(const std::string& editorText);
// The lines an editor saves, or nothing when a module 2 or 3 text has too many of them.
[[nodiscard]] std::optional<Lines> ExerciseTextToSave(int module, const std::string& editorText);

// Appends one line for this opening of the options window and gives the whole log back.
FileResult AppendAccessLog(const DataFolder& folder, const std::string& administrator, const LocalDateTime& when,
                           Lines& log);

// The six limit fields become the first six lines of `limits`, which is then written to
// Tempo.txt. A short list is lengthened so every field lands on its own line.
FileResult SaveLimits(const DataFolder& folder, const std::array<std::string, kLimitLines>& fields, Lines& limits);

// The administrator password window: the message for an empty field and the field it
// concerns, or nothing when both are filled in.
struct CredentialsProblem {
    std::string message;
    bool inName;
};
[[nodiscard]] std::optional<CredentialsProblem> NewCredentialsProblem(const std::string& name,
                                                                     const std::string& password);
// Rewrites Senha.rew with the name and the password.
FileResult SaveCredentials(const DataFolder& folder, const std::string& name, const std::string& password);

}  // namespace tecladix
