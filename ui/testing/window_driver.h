#pragma once
// Drives a real window of the test's own process the way a user would: keystrokes and
// clicks arrive as the input messages the controls handle, the messages are pumped until
// the window has reacted, and control texts are read back. Also waits for windows that a
// command opens (message boxes, dialogs) and saves screenshots.
#include <windows.h>

#include <chrono>
#include <functional>
#include <string>
#include <string_view>

namespace ui::testing {

// Handles the messages waiting now and those that arrive within `duration`.
void Pump(std::chrono::milliseconds duration = std::chrono::milliseconds(50));

// Pumps until `condition` holds or `timeout` passes; returns whether it held.
bool PumpUntil(const std::function<bool()>& condition,
               std::chrono::milliseconds timeout = std::chrono::milliseconds(5000));

// A visible top-level window of this process with that title (and class, when given).
HWND FindProcessWindow(std::string_view title, std::string_view className = {});

// Runs `script` from inside the message loop of a modal window that is about to open:
// call it before the command that opens the window; the script gets the window once it is
// visible (found by title) and runs inside the modal loop.
void WhenWindowAppears(std::string title, std::function<void(HWND)> script);

class WindowDriver {
public:
    explicit WindowDriver(HWND window) : window_(window) {}

    [[nodiscard]] HWND window() const { return window_; }
    [[nodiscard]] HWND Control(int id) const;
    [[nodiscard]] std::string Text() const;
    [[nodiscard]] std::string Text(int id) const;

    // Focuses the control and types the text, one WM_CHAR per character.
    void Type(int id, std::string_view text) const;
    // Presses one virtual key with the modifiers held (VK_CONTROL, VK_SHIFT, VK_MENU); the
    // message loop translates it into a character as it would a real key press.
    void PressKey(int id, UINT virtualKey, std::initializer_list<UINT> modifiers = {}) const;
    // A left click in the middle of the control.
    void Click(int id) const;
    // A WM_COMMAND as a menu or accelerator sends it.
    void Command(int id) const;

    // Saves what the window shows as a PNG file; false when it cannot be captured or written.
    [[nodiscard]] bool SaveScreenshot(const std::string& path) const;

private:
    HWND window_;
};

}  // namespace ui::testing
