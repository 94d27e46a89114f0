#pragma once
// The browsers' "WWW_GetWindowInfo" conversation: what their reply means and which DDE
// service a browser program answers under.
#include <optional>
#include <string>
#include <string_view>

#include "brantlow/core/browser_page.h"
#include "common/message_box.h"

namespace brantlow {

inline constexpr const char* kNetscapeService = "netscape";
inline constexpr const char* kInternetExplorerService = "iexplore";
inline constexpr const char* kWindowInfoTopic = "WWW_GetWindowInfo";
// The browser's most recently active window.
inline constexpr const char* kWindowInfoItem = "0xFFFFFFFF";

// A reply is `"URL","title"` possibly followed by more. The URL is what follows the first
// double quote up to the next one; the title what follows the first `,"` up to the next
// double quote, narrowed to the text between "[" and "]" when it holds a "[". Each closing
// character is looked for only within the 255 characters after its opening one; a field whose
// closing character is not there is empty.
[[nodiscard]] BrowserPage ParseWindowInfoReply(std::string_view reply);

// A reply whose first byte is 255 reports an error.
[[nodiscard]] bool IsErrorReply(std::string_view reply);
// "Error %x%x%x%x" of the reply's first four bytes; bytes the reply lacks count as 0.
[[nodiscard]] std::string ErrorReplyText(std::string_view reply);

// What GetWindowInfo makes of a request's outcome: nothing for no reply, and for an error
// reply after its box; the page otherwise.
[[nodiscard]] std::optional<BrowserPage> InterpretWindowInfoReply(const std::optional<std::string>& reply,
                                                                  common::MessageBoxHost& messages);

// The service name of a browser program: its file name up to the first "." ("netscape" of
// both "netscape" and "C:\Program Files\Netscape\netscape.exe").
[[nodiscard]] std::string ServiceNameOf(std::string_view serviceApplication);

}  // namespace brantlow
