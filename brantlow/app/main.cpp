// brantlow.exe: one instance per user session; a later instance hands its command line to
// the running one and ends.
#include <windows.h>

#include <cstdlib>
#include <string>
#include <system_error>
#include <vector>

#include "brantlow/app/main_window.h"
#include "brantlow/startup/instance_manager.h"
#include "ui/application.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    ui::Application::SetInstance(instance);
    brantlow::InstanceManager instances;
    try {
        if (instances.Start(::GetCommandLineA()) == brantlow::InstanceManager::StartResult::HandedOver) return 0;
    } catch (const std::system_error& error) {
        ::MessageBoxA(nullptr, error.what(), "Brantlow URL", MB_OK | MB_ICONERROR);
        return 1;
    }

    char path[MAX_PATH] = {};
    const DWORD length = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    brantlow::MainWindowOptions options;
    options.programPath.assign(path, length);
    for (int i = 1; i < __argc; ++i) options.arguments.emplace_back(__argv[i]);
    options.instances = &instances;

    brantlow::TForm_Main form(std::move(options));
    if (!form.CreateMain()) return 1;
    form.Show(showCommand);
    return ui::Application::Run();
}
