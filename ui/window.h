#pragma once
// Base of the programs' own top-level and child windows. The object is found from the
// window through GWLP_USERDATA, set at WM_NCCREATE and cleared at WM_NCDESTROY, so no
// message reaches a destroyed object.
#include <windows.h>

#include <string>

namespace ui {

struct WindowClassOptions {
    const char* className = nullptr;
    UINT style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
    HICON icon = nullptr;
    HCURSOR cursor = nullptr;  // the arrow when null
    HBRUSH background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    const char* menuName = nullptr;
};

struct WindowCreateOptions {
    std::string title;
    DWORD style = WS_OVERLAPPEDWINDOW;
    DWORD exStyle = 0;
    int x = CW_USEDEFAULT, y = CW_USEDEFAULT, width = CW_USEDEFAULT, height = CW_USEDEFAULT;
    HWND parent = nullptr;
    HMENU menu = nullptr;
};

class Window {
public:
    Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    virtual ~Window();

    // Registers the class once per process.
    static bool RegisterClass(const WindowClassOptions& options);

    bool Create(const char* className, const WindowCreateOptions& options);
    void Destroy();

    [[nodiscard]] HWND handle() const { return hwnd_; }
    [[nodiscard]] std::string Text() const;
    void SetText(const std::string& text) const;

protected:
    // The message handlers; each returns what the message's caller expects.
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    virtual void OnCreate() {}
    virtual bool OnCommand(int /*id*/, int /*code*/, HWND /*control*/) { return false; }
    virtual LRESULT OnNotify(const NMHDR& /*header*/) { return 0; }
    virtual void OnSize(int /*width*/, int /*height*/) {}
    virtual bool OnClose() { return false; }  // true: handled, the window stays
    virtual void OnDestroy() {}

    LRESULT DefaultHandling(UINT message, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    HWND hwnd_ = nullptr;
};

// The text of any window or control.
std::string WindowText(HWND window);

}  // namespace ui
