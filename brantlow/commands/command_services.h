#pragma once
// What the commands of the main window need besides the bookmark collection: the
// clipboard, the shell, the application's minimised state, the focus and scroll position of
// the list, and the capture state of the clipboard monitor. The Win32 window implements
// them; tests use stand-ins.
#include <optional>
#include <string>

namespace brantlow {

class ClipboardAccess {
public:
    virtual ~ClipboardAccess() = default;
    // The clipboard's text; nothing when it holds no text.
    [[nodiscard]] virtual std::optional<std::string> ReadText() = 0;
    // Puts plain text on the clipboard; false when the clipboard is busy.
    [[nodiscard]] virtual bool WriteText(const std::string& text) = 0;
};

// The system's ways of opening something.
class Shell {
public:
    virtual ~Shell() = default;
    // Starts a process with the command line; 0 on success, otherwise the system error number.
    [[nodiscard]] virtual unsigned long StartProcess(const std::string& commandLine) = 0;
    // The shell's "open" action, shown normally; the shell's result (32 or less is a failure).
    [[nodiscard]] virtual long OpenDocument(const std::string& target) = 0;
};

// The application as a whole: minimised to the taskbar (or the tray) or not.
class ApplicationWindow {
public:
    virtual ~ApplicationWindow() = default;
    [[nodiscard]] virtual bool IsMinimized() const = 0;
    virtual void Restore() = 0;  // restores and brings the main window to the front
    virtual void Minimize() = 0;
};

// The list view's focus and scroll position.
class RowCursor {
public:
    virtual ~RowCursor() = default;
    [[nodiscard]] virtual int FocusedRow() const = 0;  // -1 when no row has the focus
    virtual void EnsureVisible(int row) = 0;
};

// The value that the URL dialog leaves for the clipboard capture: not "&Skip prompts" as
// the dialog last showed it when it was activated or closed. Before the first URL dialog
// of the run it reads as no prompting.
struct PromptMemory {
    bool promptAgain = false;
};

}  // namespace brantlow
