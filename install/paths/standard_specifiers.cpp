#include "install/paths/standard_specifiers.h"

#include "install/framework/strings.h"
#include "install/framework/text_format.h"
#include "install/paths/system_paths.h"

namespace install {

namespace {

std::string NameOf(const PathRequester* object) { return object ? object->ComponentName() : std::string(); }

void RequireClass(bool isOfClass, PathRequester* object, const char* className, const std::string& builtInName) {
    if (!object || !isOfClass)
        throw IEPathSpecifier("%s must be a %s to use the %s path specifier",
                              {NameOf(object), std::string(className), builtInName});
}

void RequireInstallObject(PathRequester* object, const std::string& builtInName) {
    RequireClass(object && object->IsInstallObject(), object, "TInstallObject", builtInName);
}

InstallRun& RequireInstall(PathRequester* object) {
    InstallRun* install = CurrentInstall();
    if (!install)
        throw IEPathSpecifier("There is no TInstall component so the path specifier could not be expanded for %s",
                              {NameOf(object)});
    return *install;
}

}  // namespace

// ---- rows without a rule: folders of the machine --------------------------------------------

TpsBDEDLL::TpsBDEDLL(TComponent* owner) : TStandardPathSpecifier(owner, "psBDEDLL") {}
void TpsBDEDLL::CheckObject(PathRequester*) {}
std::string TpsBDEDLL::GetDescription() const { return "Borland Database Engine DLL Path"; }
std::string TpsBDEDLL::ExpandPath(PathRequester*) {
    // The first of the ";"-separated folders; an empty value counts as missing.
    const std::string value =
        ReadRegString(kHKeyLocalMachine, "\\Software\\Borland\\Database Engine", "DLLPath", "");
    if (!value.empty()) return NthField(value, 1, ';');
    return GetProgramFilesDir() + "\\Borland\\Common Files\\BDE";
}

TpsCommonFiles::TpsCommonFiles(TComponent* owner) : TStandardPathSpecifier(owner, "psCommonFiles") {}
void TpsCommonFiles::CheckObject(PathRequester*) {}
std::string TpsCommonFiles::GetDescription() const {
    return "Path of the common files directory under the program files directory";
}
std::string TpsCommonFiles::ExpandPath(PathRequester*) { return GetCommonFilesDir(); }

TpsDesktopMenu::TpsDesktopMenu(TComponent* owner) : TStandardPathSpecifier(owner, "psDesktopMenu") {}
void TpsDesktopMenu::CheckObject(PathRequester*) {}
std::string TpsDesktopMenu::GetDescription() const { return "Path of the Desktop"; }
std::string TpsDesktopMenu::ExpandPath(PathRequester*) { return GetDesktopDir(); }

TpsProgramFiles::TpsProgramFiles(TComponent* owner) : TStandardPathSpecifier(owner, "psProgramFiles") {}
void TpsProgramFiles::CheckObject(PathRequester*) {}
std::string TpsProgramFiles::GetDescription() const { return "Path of the program files directory"; }
std::string TpsProgramFiles::ExpandPath(PathRequester*) { return GetProgramFilesDir(); }

TpsProgramMenu::TpsProgramMenu(TComponent* owner) : TStandardPathSpecifier(owner, "psProgramMenu") {}
void TpsProgramMenu::CheckObject(PathRequester*) {}
std::string TpsProgramMenu::GetDescription() const {
    return "Path of the Programs folder under the Start Menu";
}
std::string TpsProgramMenu::ExpandPath(PathRequester*) { return GetProgramsMenuDir(); }

TpsStartMenu::TpsStartMenu(TComponent* owner) : TStandardPathSpecifier(owner, "psStartMenu") {}
void TpsStartMenu::CheckObject(PathRequester*) {}
std::string TpsStartMenu::GetDescription() const { return "Path of Start Menu"; }
std::string TpsStartMenu::ExpandPath(PathRequester*) { return GetStartMenuDir(); }

TpsStartupMenu::TpsStartupMenu(TComponent* owner) : TStandardPathSpecifier(owner, "psStartupMenu") {}
void TpsStartupMenu::CheckObject(PathRequester*) {}
std::string TpsStartupMenu::GetDescription() const {
    return "Path of the Startup folder in the Programs folder under the Start Menu";
}
std::string TpsStartupMenu::ExpandPath(PathRequester*) { return GetStartupDir(); }

TpsSystem::TpsSystem(TComponent* owner) : TStandardPathSpecifier(owner, "psSystem") {}
void TpsSystem::CheckObject(PathRequester*) {}
std::string TpsSystem::GetDescription() const { return "Path of system directory"; }
std::string TpsSystem::ExpandPath(PathRequester*) { return GetSystemDir(); }

TpsWindow::TpsWindow(TComponent* owner) : TStandardPathSpecifier(owner, "psWindow") {}
void TpsWindow::CheckObject(PathRequester*) {}
std::string TpsWindow::GetDescription() const { return "Path of the Windows directory"; }
std::string TpsWindow::ExpandPath(PathRequester*) { return GetWindowsDir(); }

// ---- rows with a rule: paths of the install object tree -----------------------------------

TpsContainerArchiveFile::TpsContainerArchiveFile(TComponent* owner)
    : TStandardPathSpecifier(owner, "psContainerArchiveFile") {}
void TpsContainerArchiveFile::CheckObject(PathRequester* object) {
    RequireInstallObject(object, BuiltInName());
    if (!object->Container())
        throw IEPathSpecifier("Cannot use ddContainerArchiveFile for %s unless you assign a Container",
                              {NameOf(object)});
    if (!object->Container()->IsFileRelated())
        throw IEPathSpecifier(
            "Cannot use the ddContainerArchiveFile path specifier for %s because the Container is not a "
            "TFileRelated descendant",
            {NameOf(object)});
}
std::string TpsContainerArchiveFile::GetDescription() const { return "Path to the archive file of the container"; }
std::string TpsContainerArchiveFile::ExpandPath(PathRequester* object) {
    CheckObject(object);
    return StripBackslash(object->Container()->ArchivePath());
}

TpsContainerDestDir::TpsContainerDestDir(TComponent* owner) : TStandardPathSpecifier(owner, "psContainerDestDir") {}
void TpsContainerDestDir::CheckObject(PathRequester* object) {
    RequireInstallObject(object, BuiltInName());
    if (!object->Container())
        throw IEPathSpecifier("Cannot use ddContainerDestDir for %s unless you assign a Container", {NameOf(object)});
}
std::string TpsContainerDestDir::GetDescription() const { return "Path of the group (container)"; }
std::string TpsContainerDestDir::GetDescriptionFor(PathRequester* object) {
    try {
        CheckObject(object);
        const PathRequester& container = *object->Container();
        return FormatText("Path of the <%s> group",
                          {container.IsFileContainer() ? container.GroupName() : container.ComponentName()});
    } catch (const std::exception&) {
        return GetDescription();
    }
}
std::string TpsContainerDestDir::ExpandPath(PathRequester* object) {
    CheckObject(object);
    return StripBackslash(object->Container()->FullDestDir());
}

TpsInstallSource::TpsInstallSource(TComponent* owner) : TStandardPathSpecifier(owner, "psInstallSource") {}
void TpsInstallSource::CheckObject(PathRequester* object) { (void)RequireInstall(object); }
std::string TpsInstallSource::GetDescription() const { return "Path from which the user ran the install"; }
std::string TpsInstallSource::ExpandPath(PathRequester* object) {
    CheckObject(object);
    return StripBackslash(CurrentInstall()->SourceFolder());
}

TpsMainInstall::TpsMainInstall(TComponent* owner) : TStandardPathSpecifier(owner, "psMainInstall") {}
void TpsMainInstall::CheckObject(PathRequester* object) {
    const InstallRun& install = RequireInstall(object);
    if (object == &install.InstallObject())
        throw IEPathSpecifier("Cannot use the ddMainInstallDir path specifier for a TInstall component");
}
std::string TpsMainInstall::GetDescription() const { return "Path of the destination directory of the TInstall"; }
std::string TpsMainInstall::ExpandPath(PathRequester* object) {
    CheckObject(object);
    return StripBackslash(CurrentInstall()->FullDestDir());
}

TpsMainArchiveFile::TpsMainArchiveFile(TComponent* owner) : TStandardPathSpecifier(owner, "psMainArchiveFile") {}
void TpsMainArchiveFile::CheckObject(PathRequester* object) { (void)RequireInstall(object); }
std::string TpsMainArchiveFile::GetDescription() const {
    return "Archive containing most or all non-internet installation files";
}
std::string TpsMainArchiveFile::ExpandPath(PathRequester* object) {
    CheckObject(object);
    const InstallRun& install = *CurrentInstall();
    // A file, not a folder: the self-extracting setup file, or "files.1" beside the setup.
    if (const auto selfExtractor = install.SelfExtractorName()) {
        if (Trim(*selfExtractor).empty())
            throw IEInstall(
                "You forgot to pass in the name of the self-extracting executable. Usage example: "
                "\"-eSetup.exe\"");
        return install.SourceFolder() + "\\" + *selfExtractor;
    }
    return install.SourceFolder() + "\\files.1";
}

TpsObjectLink::TpsObjectLink(TComponent* owner) : TStandardPathSpecifier(owner, "psObjectLink") {}
void TpsObjectLink::CheckObject(PathRequester* object) {
    RequireClass(object && object->IsShortcut(), object, "TCustomInstallShellLink", BuiltInName());
    if (!object->ObjectLink())
        throw IEPathSpecifier("Cannot use ddObjectLink for %s unless you assign a value to ObjectLink",
                              {NameOf(object)});
}
std::string TpsObjectLink::GetDescription() const {
    return "Path of the file or file group in the ObjectLink property";
}
std::string TpsObjectLink::ExpandPath(PathRequester* object) {
    CheckObject(object);
    const PathRequester& linked = *object->ObjectLink();
    if (linked.IsInstallFile()) return StripBackslash(AddBackslash(linked.FullDestDir()) + linked.DestName());
    return StripBackslash(linked.FullDestDir());
}

// ---- ensuring one of each ---------------------------------------------------------------

namespace {

struct StandardKind {
    bool (*exists)(const TCustomPathSpecifier*);
    TCustomPathSpecifier& (*create)(TComponent&);
};

template <typename Specifier>
constexpr StandardKind KindOf() {
    return {[](const TCustomPathSpecifier* s) { return dynamic_cast<const Specifier*>(s) != nullptr; },
            [](TComponent& owner) -> TCustomPathSpecifier& { return owner.Create<Specifier>(); }};
}

constexpr StandardKind kStandardKinds[] = {
    KindOf<TpsBDEDLL>(),         KindOf<TpsCommonFiles>(),   KindOf<TpsContainerArchiveFile>(),
    KindOf<TpsContainerDestDir>(), KindOf<TpsDesktopMenu>(), KindOf<TpsInstallSource>(),
    KindOf<TpsMainInstall>(),    KindOf<TpsProgramFiles>(),  KindOf<TpsProgramMenu>(),
    KindOf<TpsStartMenu>(),      KindOf<TpsStartupMenu>(),   KindOf<TpsSystem>(),
    KindOf<TpsMainArchiveFile>(), KindOf<TpsWindow>(),
};

void Ensure(const StandardKind& kind, TComponent& owner, bool onlyMissing) {
    if (onlyMissing) {
        for (const TCustomPathSpecifier* s : PathSpecifierList().Items())
            if (kind.exists(s)) return;
    }
    TCustomPathSpecifier& made = kind.create(owner);
    made.SetName(made.BuiltInName());
}

}  // namespace

void EnsureStandardSpecifiers(TComponent& owner, bool onlyMissing) {
    for (const StandardKind& kind : kStandardKinds) Ensure(kind, owner, onlyMissing);
}

void EnsureObjectLinkSpecifier(TComponent& owner) { Ensure(KindOf<TpsObjectLink>(), owner, true); }

}  // namespace install
