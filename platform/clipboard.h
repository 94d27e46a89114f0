#pragma once
// Text on the clipboard, in the ANSI code page.
#include <windows.h>

#include <optional>
#include <string>

namespace platform {

// The clipboard's text, or nothing when it holds no text or cannot be opened.
[[nodiscard]] std::optional<std::string> ReadClipboardText(HWND owner);
// Replaces the clipboard's content with the text; false when the clipboard is busy.
[[nodiscard]] bool WriteClipboardText(HWND owner, const std::string& text);

}  // namespace platform
