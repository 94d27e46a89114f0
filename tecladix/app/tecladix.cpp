// Tecladix: the typing tutor. One copy runs at a time; a second start brings the first one
// to the front and ends.
#include <windows.h>
#include <commctrl.h>

#include "tecladix/app/main_window.h"
#include "tecladix/app/resource.h"
#include "tecladix/core/texts.h"
#include "ui/application.h"
#include "ui/system_message_box.h"
#include "ui/window.h"

namespace {

constexpr const char* kApplicationClass = "TecladixApplication";
constexpr UINT kBringToFront = WM_APP + 1;

// The hidden application window: it carries the product title by which a second copy finds
// the running one, and answers that copy by showing the main window.
class ApplicationWindow final : public ui::Window {
public:
    HWND mainWindow = nullptr;

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == kBringToFront && mainWindow) {
            if (::IsIconic(mainWindow))
                ::ShowWindow(mainWindow, SW_RESTORE);
            else
                ::SetForegroundWindow(mainWindow);
            return 0;
        }
        return Window::HandleMessage(message, wParam, lParam);
    }
};

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    using namespace tecladix;
    if (HWND running = ::FindWindowA(kApplicationClass, texts::kProductTitle.c_str())) {
        ::PostMessageA(running, kBringToFront, 0, 0);
        return 0;
    }
    ui::Application::SetInstance(instance);
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_TAB_CLASSES};
    ::InitCommonControlsEx(&controls);

    ApplicationWindow application;
    ui::Window::RegisterClass({.className = kApplicationClass});
    application.Create(kApplicationClass, {.title = texts::kProductTitle, .style = WS_POPUP});

    ui::SystemMessageBox boxes;
    Tutor tutor{DataFolder(), "A:\\", boxes, {}, {}};
    // At start-up the roster holds the names and passwords.
    (void)tutor.Check(LoadLines(tutor.data.Path(files::kStudents), tutor.roster.names));
    (void)tutor.Check(LoadLines(tutor.data.Path(files::kPasswords), tutor.roster.passwords));

    MainWindow main(tutor, true);
    if (!main.Create(nullptr)) return 1;
    boxes.SetOwner(main.handle());
    application.mainWindow = main.handle();
    ::ShowWindow(main.handle(), SW_SHOWMAXIMIZED);

    HACCEL keys = ::LoadAcceleratorsA(instance, MAKEINTRESOURCEA(IDR_ACCELERATORS));
    MSG message;
    while (::GetMessageA(&message, nullptr, 0, 0) > 0) {
        // The function keys belong to the main window, not to the dialogs it opens.
        if (::GetAncestor(message.hwnd, GA_ROOT) == main.handle() &&
            ::TranslateAcceleratorA(main.handle(), keys, &message))
            continue;
        ui::Application::Dispatch(message);
    }
    return static_cast<int>(message.wParam);
}
