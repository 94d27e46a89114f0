// LoadConfig's reading on any file: every value parsed and corrected, then written back.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "brantlow/core/config_file.h"
#include "common/testing/scripted_message_box.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    brantlow::Settings settings;
    settings.ProgramFolder = "c:\\prog\\";
    brantlow::RestoreAllDefaults(settings);
    brantlow::ReadConfig(common::IniFile::Parse(std::string_view(reinterpret_cast<const char*>(data), size)), settings);
    if (settings.Schemes.empty() || settings.Schemes.size() > brantlow::kMaxSchemes ||
        settings.Options.DuplicateAction > 2 || settings.HTMLLayout.ListLayout > 4)
        __builtin_trap();
    common::IniFile written;
    common::testing::ScriptedMessageBox messages;
    brantlow::WriteConfig(written, settings, messages);
    (void)written.Serialize();
    return 0;
}
