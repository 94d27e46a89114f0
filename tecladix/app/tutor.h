#pragma once
// What every window of the tutor shares: where the data files are, the floppy drive, the
// message boxes, and the main window's lists (the limits of Tempo.txt and the roster).
#include <string>

#include "common/message_box.h"
#include "tecladix/core/data_folder.h"
#include "tecladix/core/line_file.h"
#include "tecladix/core/students.h"

namespace tecladix {

struct Tutor {
    DataFolder data;
    std::string floppyFolder = "A:\\";
    common::MessageBoxHost& boxes;
    Lines limits;  // Tempo.txt as read at start-up or last saved
    Roster roster;

    // The program's error box for a file that could not be read or written; false then.
    bool Check(const FileResult& result) const;
    // A plain message with the program's title, as the tutor shows its notices.
    void Say(const std::string& text) const;
    void Error(const std::string& text) const;

    [[nodiscard]] std::string FloppyPath(int module) const { return floppyFolder + FloppyFileName(module); }
};

}  // namespace tecladix
