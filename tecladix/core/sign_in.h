#pragma once
// The checks of the sign-in dialogs: students in the start and continue dialogs, the
// administrator in the access dialog. Each gives the message to show, or nothing.
#include <optional>
#include <string>

#include "tecladix/core/line_file.h"

namespace tecladix {

// The password field against the chosen student's stored password ("" when none is chosen).
[[nodiscard]] std::optional<std::string> StudentSignInProblem(const std::string& typed, const std::string& stored);

// The access dialog's two fields against the two lines of Senha.rew, password first.
[[nodiscard]] std::optional<std::string> AdministratorSignInProblem(const std::string& name,
                                                                    const std::string& password,
                                                                    const Lines& credentials);

// Lower or upper case as the entry fields force it (ASCII and the Latin-1 letters).
[[nodiscard]] std::string ToLowerAnsi(std::string text);
[[nodiscard]] std::string ToUpperAnsi(std::string text);

}  // namespace tecladix
