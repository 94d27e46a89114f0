// Plays the bookmark manager's start for the single-instance tests. As the first instance it
// appends every handed-over command line to "handover.txt" beside itself and runs until one
// contains "quit". Exit code: 0 handed over, 1 ran as the first instance, 2 secondary,
// 3 an error.
#include <windows.h>

#include <cstdio>
#include <string>

#include "brantlow/startup/instance_manager.h"
#include "ui/application.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    try {
        brantlow::InstanceManager instances;
        switch (instances.Start(::GetCommandLineA())) {
        case brantlow::InstanceManager::StartResult::HandedOver: return 0;
        case brantlow::InstanceManager::StartResult::Secondary: return 2;
        case brantlow::InstanceManager::StartResult::Primary: break;
        }
        char path[MAX_PATH] = {};
        std::string record(path, ::GetModuleFileNameA(nullptr, path, MAX_PATH));
        record = record.substr(0, record.find_last_of('\\') + 1) + "handover.txt";
        instances.SetHandOver([&](const std::string& text) {
            if (FILE* file = std::fopen(record.c_str(), "ab")) {
                std::fprintf(file, "%s\n", text.c_str());
                std::fclose(file);
            }
            if (text.find("quit") != std::string::npos) ::PostQuitMessage(0);
        });
        ui::Application::Run();
        return 1;
    } catch (...) {
        return 3;
    }
}
