#pragma once
// The configuration file: every settings record in its own INI section, in the order of
// its key-name array, and the scheme list as "Scheme1", "Scheme2" ... in "Schemes".
#include <string>

#include "brantlow/core/bookmark_manager.h"
#include "brantlow/core/settings.h"
#include "common/ini_file.h"
#include "common/message_box.h"

namespace brantlow {

// The configuration file of a program: its folder and base name with ".ini", lower-cased.
[[nodiscard]] std::string ConfigFileNameFor(const std::string& programPath);

// Reads every key with the current value as default, then applies the corrections.
void ReadConfig(const common::IniFile& ini, Settings& settings);
// Writes every key; a Schemes section that cannot be erased is reported and written over.
void WriteConfig(common::IniFile& ini, const Settings& settings, common::MessageBoxHost& messages);

class ConfigFile final : public ConfigWriter {
public:
    ConfigFile(std::string path, Settings& settings, common::MessageBoxHost& messages);

    // Reads the file into the settings (whose defaults are set); when there is no file,
    // writes the defaults, greets the user and returns true: this is a first run.
    [[nodiscard]] bool LoadConfig();
    void SaveConfig() override;
    [[nodiscard]] const std::string& Path() const { return path_; }

private:
    std::string path_;
    Settings& settings_;
    common::MessageBoxHost& messages_;
};

}  // namespace brantlow
