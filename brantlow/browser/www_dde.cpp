#include "brantlow/browser/www_dde.h"

#include "brantlow/browser/window_info.h"
#include "ui/handles.h"

namespace brantlow {
namespace {

// A client takes no transactions of its own.
HDDEDATA CALLBACK ClientCallback(UINT, UINT, HCONV, HSZ, HSZ, HDDEDATA, ULONG_PTR, ULONG_PTR) { return nullptr; }

class StringHandle {
public:
    StringHandle(DWORD instance, const char* text)
        : instance_(instance), handle_(::DdeCreateStringHandleA(instance, text, CP_WINANSI)) {}
    StringHandle(const StringHandle&) = delete;
    StringHandle& operator=(const StringHandle&) = delete;
    ~StringHandle() {
        if (handle_) ::DdeFreeStringHandle(instance_, handle_);
    }
    [[nodiscard]] HSZ get() const { return handle_; }

private:
    DWORD instance_;
    HSZ handle_;
};

struct ConversationTraits {
    static HCONV Invalid() { return nullptr; }
    static bool IsValid(HCONV h) { return h != nullptr; }
    static void Close(HCONV h) { ::DdeDisconnect(h); }
};
struct DataHandleTraits {
    static HDDEDATA Invalid() { return nullptr; }
    static bool IsValid(HDDEDATA h) { return h != nullptr; }
    static void Close(HDDEDATA h) { ::DdeFreeDataHandle(h); }
};
using Conversation = ui::UniqueHandle<HCONV, ConversationTraits>;
using DataHandle = ui::UniqueHandle<HDDEDATA, DataHandleTraits>;

class HourglassCursor {
public:
    HourglassCursor() : previous_(::SetCursor(::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_WAIT)))) {}
    HourglassCursor(const HourglassCursor&) = delete;
    HourglassCursor& operator=(const HourglassCursor&) = delete;
    ~HourglassCursor() { ::SetCursor(previous_); }

private:
    HCURSOR previous_;
};

}  // namespace

TWwwDde::~TWwwDde() {
    if (instance_) ::DdeUninitialize(instance_);
}

bool TWwwDde::Initialize() {
    if (instance_) return true;
    DWORD instance = 0;
    if (::DdeInitializeA(&instance, ClientCallback, APPCLASS_STANDARD | APPCMD_CLIENTONLY, 0) != DMLERR_NO_ERROR)
        return false;
    instance_ = instance;
    return true;
}

std::optional<std::string> TWwwDde::RequestWindowInfo(const std::string& service) {
    if (service.empty() || !Initialize()) return std::nullopt;
    const StringHandle serviceName(instance_, service.c_str());
    const StringHandle topic(instance_, kWindowInfoTopic);
    const StringHandle item(instance_, kWindowInfoItem);
    if (!serviceName.get() || !topic.get() || !item.get()) return std::nullopt;
    const Conversation conversation(::DdeConnect(instance_, serviceName.get(), topic.get(), nullptr));
    if (!conversation.get()) return std::nullopt;
    DWORD result = 0;
    const DataHandle data(::DdeClientTransaction(nullptr, 0, conversation.get(), item.get(), CF_TEXT, XTYP_REQUEST,
                                                 kRequestTimeout, &result));
    if (!data.get()) return std::nullopt;
    const DWORD size = ::DdeGetData(data.get(), nullptr, 0, 0);
    std::string reply(size, '\0');
    if (size > 0 && ::DdeGetData(data.get(), reinterpret_cast<LPBYTE>(reply.data()), size, 0) != size)
        return std::nullopt;
    return reply;
}

std::optional<BrowserPage> TWwwDde::GetWindowInfo() {
    std::optional<std::string> reply;
    {
        const HourglassCursor hourglass;
        reply = RequestWindowInfo(ServiceNameOf(serviceApplication_));
    }
    return InterpretWindowInfoReply(reply, messages_);
}

}  // namespace brantlow
