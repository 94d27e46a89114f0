#include "brantlow/browser/window_info.h"

#include <cstdio>

#include "brantlow/core/messages.h"

namespace brantlow {
namespace {

// How far after its opening character a closing one is looked for.
constexpr std::size_t kSearchLimit = 255;

// The text after `open` (at `start`) up to `close` within the search limit; empty when the
// closing character is not there.
std::string_view Enclosed(std::string_view text, std::size_t start, char close) {
    const std::string_view window = text.substr(start, kSearchLimit);
    const std::size_t end = window.find(close);
    return end == std::string_view::npos ? std::string_view() : window.substr(0, end);
}

}  // namespace

BrowserPage ParseWindowInfoReply(std::string_view reply) {
    BrowserPage page;
    if (const std::size_t quote = reply.find('"'); quote != std::string_view::npos)
        page.url = Enclosed(reply, quote + 1, '"');
    if (const std::size_t pair = reply.find(",\""); pair != std::string_view::npos) {
        const std::string_view title = Enclosed(reply, pair + 2, '"');
        if (const std::size_t bracket = title.find('['); bracket != std::string_view::npos)
            page.title = Enclosed(title, bracket + 1, ']');
        else
            page.title = title;
    }
    return page;
}

bool IsErrorReply(std::string_view reply) {
    return !reply.empty() && static_cast<unsigned char>(reply[0]) == 255;
}

std::string ErrorReplyText(std::string_view reply) {
    unsigned byte[4] = {};
    for (std::size_t i = 0; i < 4 && i < reply.size(); ++i) byte[i] = static_cast<unsigned char>(reply[i]);
    char text[32];
    std::snprintf(text, sizeof text, "Error %x%x%x%x", byte[0], byte[1], byte[2], byte[3]);
    return text;
}

std::optional<BrowserPage> InterpretWindowInfoReply(const std::optional<std::string>& reply,
                                                    common::MessageBoxHost& messages) {
    if (!reply) return std::nullopt;
    if (IsErrorReply(*reply)) {
        messages.Inform(ErrorReplyText(*reply), std::string(kAppTitle), common::MessageIcon::Error);
        return std::nullopt;
    }
    // The reply is text: it ends at its terminating zero.
    const std::string_view text = std::string_view(*reply).substr(0, reply->find('\0'));
    if (text.empty()) return std::nullopt;
    return ParseWindowInfoReply(text);
}

std::string ServiceNameOf(std::string_view serviceApplication) {
    const std::size_t folder = serviceApplication.find_last_of("\\/:");
    std::string_view name = folder == std::string_view::npos ? serviceApplication : serviceApplication.substr(folder + 1);
    return std::string(name.substr(0, name.find('.')));
}

}  // namespace brantlow
