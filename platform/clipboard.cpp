#include "platform/clipboard.h"

#include <cstring>

namespace platform {
namespace {

// OpenClipboard / CloseClipboard. Another program may hold the clipboard for a moment,
// so opening retries a few times.
class OpenedClipboard {
public:
    explicit OpenedClipboard(HWND owner) {
        for (int attempt = 0; attempt < 10 && !open_; ++attempt) {
            open_ = ::OpenClipboard(owner) != FALSE;
            if (!open_) ::Sleep(10);
        }
    }
    OpenedClipboard(const OpenedClipboard&) = delete;
    OpenedClipboard& operator=(const OpenedClipboard&) = delete;
    ~OpenedClipboard() {
        if (open_) ::CloseClipboard();
    }
    explicit operator bool() const { return open_; }

private:
    bool open_ = false;
};

}  // namespace

std::optional<std::string> ReadClipboardText(HWND owner) {
    if (!::IsClipboardFormatAvailable(CF_TEXT)) return {};
    OpenedClipboard clipboard(owner);
    if (!clipboard) return {};
    HANDLE data = ::GetClipboardData(CF_TEXT);
    if (!data) return {};
    const auto* text = static_cast<const char*>(::GlobalLock(data));
    if (!text) return {};
    // The block may be larger than the text; it ends at the first NUL or at the block's end.
    const std::size_t capacity = ::GlobalSize(data);
    std::string result(text, strnlen(text, capacity));
    ::GlobalUnlock(data);
    return result;
}

bool WriteClipboardText(HWND owner, const std::string& text) {
    OpenedClipboard clipboard(owner);
    if (!clipboard) return false;
    HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    if (!block) return false;
    if (void* target = ::GlobalLock(block)) {
        std::memcpy(target, text.c_str(), text.size() + 1);
        ::GlobalUnlock(block);
    }
    ::EmptyClipboard();
    if (!::SetClipboardData(CF_TEXT, block)) {
        ::GlobalFree(block);
        return false;
    }
    return true;
}

}  // namespace platform
