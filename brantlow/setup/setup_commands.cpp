#include "brantlow/setup/setup_commands.h"

#include "brantlow/core/file_names.h"
#include "brantlow/core/messages.h"
#include "brantlow/core/text.h"

namespace brantlow {
namespace {

const std::string kCaption(kAppTitle);

// The program's folder without its trailing separator, as a shortcut's working folder.
std::string FolderOf(const std::string& programPath) {
    std::string folder = ExtractFilePath(programPath);
    if (folder.size() > 1 && (folder.back() == '\\' || folder.back() == '/')) folder.pop_back();
    return folder;
}

// The shortcut's file in a special folder; empty when the folder is unknown, so that nothing
// is written to (or deleted from) the root of the current drive instead.
std::string ShortcutIn(const std::string& folder) {
    if (folder.empty()) return {};
    const bool separated = folder.back() == '\\' || folder.back() == '/';
    return folder + (separated ? "" : "\\") + kShortcutName;
}

}  // namespace

std::string AssociationPath(const std::string& programPath, SetupSystem& system) {
    const std::string path = programPath.find(' ') != std::string::npos ? system.ShortPath(programPath) : programPath;
    return LowerCase(path);
}

bool RunInstall(const InstallChoices& choices, const std::string& programPath, SetupSystem& system,
                common::MessageBoxHost& messages) {
    if (choices.Associate) {
        const std::string path = AssociationPath(programPath, system);
        if (const auto error = system.WriteAssociation(path + " \"%1\"", path + ",0")) {
            messages.Inform(*error, kCaption, common::MessageIcon::Error);
            return false;
        }
    }
    const std::string folder = FolderOf(programPath);
    const std::string program = ExtractFileName(programPath);
    std::string errors;
    if (choices.Programs &&
        !system.CreateShellLink({ShortcutIn(system.SpecialFolder("PROGRAMS")), folder, program, ""}))
        errors += "creating link in Programs menu\r";
    if (choices.Startup &&
        !system.CreateShellLink({ShortcutIn(system.SpecialFolder("STARTUP")), folder, program, "-min"}))
        errors += "creating link in Startup menu";
    if (!errors.empty()) {
        messages.Inform("There were errors:\r\r" + errors, kCaption, common::MessageIcon::Error);
        return true;
    }
    std::string created = "The following items were created:\r\r";
    if (choices.Associate) created += "- The '.btw' extension was associated with BrantlowURL\r";
    if (choices.Programs) created += "- Link added to the Programs under Start Menu\r";
    if (choices.Startup) created += "- BrantlowURL will be launched when Windows boots.";
    messages.Inform(created, kCaption, common::MessageIcon::Information);
    return true;
}

bool RunUninstall(const std::string& programPath, SetupSystem& system, common::MessageBoxHost& messages,
                  const std::function<void()>& completed) {
    common::MessageBoxRequest question;
    question.text = "Are you sure you want to uninstall BrantlowURL from your computer?";
    question.caption = kCaption;
    question.buttons = common::MessageButtons::YesNo;
    question.icon = common::MessageIcon::Question;
    if (messages.Show(question) != common::MessageAnswer::Yes) return false;

    for (const char* name : {"PROGRAMS", "STARTUP"})
        if (const std::string link = ShortcutIn(system.SpecialFolder(name)); !link.empty()) system.RemoveFile(link);
    system.RemoveKeyTree(RegistryRoot::Classes, kDataFileClassKey);
    system.RemoveKeyTree(RegistryRoot::CurrentUser, kProgramRegistryKey);
    if (completed) completed();
    messages.Inform("Uninstall complete. Shortcuts to BrantlowURL and all registry entries have been removed.\r\r"
                    "You can now delete all files in the " + LowerCase(FolderOf(programPath)) +
                        " directory to completely remove the program from your hard disk.",
                    kCaption, common::MessageIcon::Information);
    return true;
}

}  // namespace brantlow
