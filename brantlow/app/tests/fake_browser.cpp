// Plays a running web browser for the window tests: a top-level window of the given class
// and a DDE server under the given service that answers "WWW_GetWindowInfo" for the item
// "0xFFFFFFFF" with the given reply, written in hexadecimal so that any byte can be sent.
//   fake_browser CLASS SERVICE HEXREPLY
// The window appears once the server is registered; closing it ends the program, and so
// does a minute without that.
#include <windows.h>

#include <ddeml.h>

#include <cstdlib>
#include <string>

namespace {

DWORD g_instance = 0;
HSZ g_topic = nullptr;
HSZ g_item = nullptr;
std::string g_reply;

std::string FromHex(const char* hex) {
    std::string bytes;
    for (const char* p = hex; p[0] && p[1]; p += 2) {
        const char pair[3] = {p[0], p[1], '\0'};
        bytes.push_back(static_cast<char>(std::strtoul(pair, nullptr, 16)));
    }
    return bytes;
}

HDDEDATA CALLBACK Serve(UINT type, UINT format, HCONV, HSZ topic, HSZ item, HDDEDATA, ULONG_PTR, ULONG_PTR) {
    switch (type) {
        case XTYP_CONNECT:
            return reinterpret_cast<HDDEDATA>(static_cast<UINT_PTR>(::DdeCmpStringHandles(topic, g_topic) == 0));
        case XTYP_REQUEST:
            if (format != CF_TEXT || ::DdeCmpStringHandles(item, g_item) != 0) return nullptr;
            return ::DdeCreateDataHandle(g_instance, reinterpret_cast<LPBYTE>(g_reply.data()),
                                         static_cast<DWORD>(g_reply.size() + 1), 0, item, CF_TEXT, 0);
        default:
            return nullptr;
    }
}

LRESULT CALLBACK BrowserWindow(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY || (message == WM_TIMER && wParam == 1)) {
        ::PostQuitMessage(0);
        return 0;
    }
    return ::DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) return 2;
    g_reply = FromHex(argv[3]);
    if (::DdeInitializeA(&g_instance, Serve, APPCLASS_STANDARD | CBF_SKIP_ALLNOTIFICATIONS, 0) != DMLERR_NO_ERROR)
        return 3;
    g_topic = ::DdeCreateStringHandleA(g_instance, "WWW_GetWindowInfo", CP_WINANSI);
    g_item = ::DdeCreateStringHandleA(g_instance, "0xFFFFFFFF", CP_WINANSI);
    const HSZ service = ::DdeCreateStringHandleA(g_instance, argv[2], CP_WINANSI);
    if (!::DdeNameService(g_instance, service, nullptr, DNS_REGISTER)) return 4;

    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = BrowserWindow;
    windowClass.hInstance = ::GetModuleHandleA(nullptr);
    windowClass.lpszClassName = argv[1];
    if (!::RegisterClassA(&windowClass)) return 5;
    const HWND window = ::CreateWindowA(argv[1], "Fake browser", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr,
                                        nullptr, windowClass.hInstance, nullptr);
    if (!window) return 6;
    ::SetTimer(window, 1, 60000, nullptr);
    MSG message;
    while (::GetMessageA(&message, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&message);
        ::DispatchMessageA(&message);
    }
    ::DdeNameService(g_instance, service, nullptr, DNS_UNREGISTER);
    ::DdeUninitialize(g_instance);
    return 0;
}
