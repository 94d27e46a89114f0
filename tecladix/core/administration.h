#pragma once
// What the advanced options do to the data files beyond the student list: the exercise
// editors' save rule and the access log.
#include <string>

#include "tecladix/core/data_folder.h"
#include "tecladix/core/line_file.h"
#include "tecladix/core/portuguese_date.h"

namespace tecladix {

// A module 2 or 3 exercise holds at most this many lines.
inline constexpr std::size_t kFragmentLines = 5;

// The editor's text as lines without the empty ones.
[[nodiscard]] Lines NonEmptyLines(const std::string& editorText);

// Appends one line for this opening of the options window and gives the whole log back.
FileResult AppendAccessLog(const DataFolder& folder, const std::string& administrator, const LocalDateTime& when,
                           Lines& log);

}  // namespace tecladix
