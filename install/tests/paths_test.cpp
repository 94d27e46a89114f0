// Path specifiers, shell folders and meta variables, over a machine and an install object
// tree made up by the test.
#include <gtest/gtest.h>

#include <functional>
#include <map>

#include "install/framework/strings.h"
#include "install/paths/meta_variables.h"
#include "install/paths/standard_specifiers.h"
#include "install/paths/system_paths.h"

namespace install {
namespace {

class FakeMachine final : public SystemPaths {
public:
    std::map<std::string, std::string> values;  // "root|key|name" -> text
    bool windowsKnown = true;

    void Set(int root, const std::string& key, const std::string& name, const std::string& value) {
        values[std::to_string(root) + "|" + UpperCaseAnsi(key) + "|" + UpperCaseAnsi(name)] = value;
    }
    bool ReadRegistryString(int root, const std::string& key, const std::string& name, std::string& value) override {
        const auto found = values.find(std::to_string(root) + "|" + UpperCaseAnsi(key) + "|" + UpperCaseAnsi(name));
        if (found == values.end()) return false;
        value = found->second;
        return true;
    }
    bool WindowsDirectory(std::string& path) override {
        path = "C:\\WINDOWS";
        return windowsKnown;
    }
    bool SystemDirectory(std::string& path) override {
        path = "C:\\WINDOWS\\SYSTEM";
        return windowsKnown;
    }
    std::string CurrentDirectory() override { return "E:\\setup\\disk1"; }
};

struct Object final : PathRequester {
    std::string name;
    bool installObject = true, fileRelated = false, fileContainer = false, installFile = false, shortcut = false;
    Object* container = nullptr;
    Object* link = nullptr;
    std::string groupName, destDir, archivePath, destName;

    std::string ComponentName() const override { return name; }
    bool IsInstallObject() const override { return installObject; }
    bool IsFileRelated() const override { return fileRelated; }
    bool IsFileContainer() const override { return fileContainer; }
    bool IsInstallFile() const override { return installFile; }
    bool IsShortcut() const override { return shortcut; }
    PathRequester* Container() const override { return container; }
    std::string GroupName() const override { return groupName; }
    std::string FullDestDir() const override { return destDir; }
    std::string ArchivePath() const override { return archivePath; }
    PathRequester* ObjectLink() const override { return link; }
    std::string DestName() const override { return destName; }
};

struct Install final : InstallRun {
    Object object;
    std::optional<std::string> selfExtractor;
    const PathRequester& InstallObject() const override { return object; }
    std::string FullDestDir() const override { return "C:\\Program Files\\Tecladix 2.0\\"; }
    std::string SourceFolder() const override { return "A:"; }
    std::optional<std::string> SelfExtractorName() const override { return selfExtractor; }
};

// A machine, a TInstall and a small tree: the install, a file group under it, a file and a
// shortcut group with a shortcut.
class PathsTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetSystemPaths(&machine);
        install.object.name = "Install";
        install.object.fileRelated = install.object.fileContainer = true;
        group.name = "Group1";
        group.fileRelated = group.fileContainer = true;
        group.container = &install.object;
        group.groupName = "Principal";
        group.destDir = "C:\\Tecladix\\Dados\\";
        group.archivePath = "A:\\files.1";
        file.name = "TecladixExe";
        file.fileRelated = file.installFile = true;
        file.container = &group;
        file.destDir = "C:\\Tecladix";
        file.destName = "Tecladix.exe";
        shortcutGroup.name = "Shortcuts";
        shortcutGroup.container = &install.object;
        shortcutGroup.destDir = "C:\\Menu\\Tecladix\\";
        shortcut.name = "TutorLink";
        shortcut.shortcut = true;
        shortcut.container = &shortcutGroup;
        shortcut.destDir = "C:\\Menu\\Tecladix\\Tutor\\";
        SetCurrentInstall(&install);
    }
    void TearDown() override {
        SetSystemPaths(nullptr);
        SetCurrentInstall(nullptr);
    }

    static std::string MessageOf(const std::function<void()>& action) {
        try {
            action();
        } catch (const std::exception& e) {
            return e.what();
        }
        return "(no error)";
    }

    FakeMachine machine;
    Install install;
    Object group, file, shortcutGroup, shortcut;
    TComponent form;
};

TEST_F(PathsTest, ShellFoldersFallBackToTheirDefaults) {
    EXPECT_EQ(GetStartMenuDir(), "C:\\WINDOWS\\Startmen");
    EXPECT_EQ(GetProgramsMenuDir(), "C:\\WINDOWS\\Startmen\\Programs");
    EXPECT_EQ(GetDesktopDir(), "C:\\WINDOWS\\Desktop");
    EXPECT_EQ(GetStartupDir(), "C:\\WINDOWS\\Startup");
    EXPECT_EQ(GetProgramFilesDir(), "E:\\Program Files");
    EXPECT_EQ(GetCommonFilesDir(), "E:\\Program Files\\Common Files");

    const std::string shell = "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
    machine.Set(kHKeyLocalMachine, "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion", "ProgramFilesDir", "D:\\Apps\\");
    machine.Set(kHKeyCurrentUser, shell, "Desktop", "");
    machine.Set(kHKeyCurrentUser, shell, "Start Menu", "C:\\Users\\Ana\\Start Menu\\");
    EXPECT_EQ(GetProgramFilesDir(), "D:\\Apps");
    EXPECT_EQ(GetDesktopDir(), "") << "a value that exists but is empty";
    EXPECT_EQ(GetProgramsMenuDir(), "C:\\Users\\Ana\\Start Menu\\Programs");

    machine.windowsKnown = false;
    EXPECT_EQ(MessageOf([] { (void)GetWindowsDir(); }), "Could not retrieve the windows directory from windows");
    EXPECT_EQ(MessageOf([] { (void)GetSystemDir(); }), "Could not retrieve the system directroy from windows");
}

TEST_F(PathsTest, BuiltInSpecifiersExpandForTheObjectThatAsks) {
    EnsureStandardSpecifiers(form, true);
    machine.Set(kHKeyLocalMachine, "\\Software\\Borland\\Database Engine", "DLLPath", "C:\\BDE\\;D:\\OTHER");
    const struct {
        std::function<TCustomPathSpecifier&()> specifier;
        PathRequester* object;
        std::string expected;
    } cases[] = {
        {[] () -> TCustomPathSpecifier& { return FindSpecifier<TpsBDEDLL>(); }, &file, "C:\\BDE\\"},
        {[] () -> TCustomPathSpecifier& { return FindSpecifier<TpsCommonFiles>(); }, &file, "E:\\Program Files\\Common Files"},
        {[] () -> TCustomPathSpecifier& { return FindSpecifier<TpsContainerArchiveFile>(); }, &file, "A:\\files.1"},
        {[] () -> TCustomPathSpecifier& { return FindSpecifier<TpsContainerDestDir>(); }, &file, "C:\\Tecladix\\Dados"},
        {[] () -> TCustomPathSpecifier& { return FindSpecifier<TpsDesktopMenu>(); }, nullptr, "C:\\WINDOWS\\Desktop"},
        {[] () -> TCustomPathSpecifier& { return FindSpecifier<TpsInstallSource>(); }, &file, "A:"},
        {[] () -> TCustomPathSpecifier& { return FindSpecifier<TpsMainInstall>(); }, &file, "C:\\Program Files\\Tecladix 2.0"},
        {[] () -> TCustomPathSpecifier& { return FindSpecifier<TpsProgramFiles>(); }, &file, "E:\\Program Files"},
        {[] () -> TCustomPathSpecifier& { return FindSpecifier<TpsProgramMenu>(); }, &file, "C:\\WINDOWS\\Startmen\\Programs"},
        {[] () -> TCustomPathSpecifier& { return FindSpecifier<TpsStartMenu>(); }, &file, "C:\\WINDOWS\\Startmen"},
        {[] () -> TCustomPathSpecifier& { return FindSpecifier<TpsStartupMenu>(); }, &file, "C:\\WINDOWS\\Startup"},
        {[] () -> TCustomPathSpecifier& { return FindSpecifier<TpsSystem>(); }, &file, "C:\\WINDOWS\\SYSTEM"},
        {[] () -> TCustomPathSpecifier& { return FindSpecifier<TpsMainArchiveFile>(); }, &file, "A:\\files.1"},
        {[] () -> TCustomPathSpecifier& { return FindSpecifier<TpsWindow>(); }, &file, "C:\\WINDOWS"},
    };
    for (const auto& c : cases) {
        TCustomPathSpecifier& specifier = c.specifier();
        EXPECT_EQ(specifier.ExpandPath(c.object), c.expected) << specifier.Name();
    }

    machine.Set(kHKeyLocalMachine, "\\Software\\Borland\\Database Engine", "DLLPath", "");
    EXPECT_EQ(FindSpecifier<TpsBDEDLL>().ExpandPath(&file), "E:\\Program Files\\Borland\\Common Files\\BDE");

    install.selfExtractor = "Setup.exe";
    EXPECT_EQ(FindSpecifier<TpsMainArchiveFile>().ExpandPath(&file), "A:\\Setup.exe");
    install.selfExtractor = "  ";
    EXPECT_EQ(MessageOf([&] { (void)FindSpecifier<TpsMainArchiveFile>().ExpandPath(&file); }),
              "You forgot to pass in the name of the self-extracting executable. Usage example: \"-eSetup.exe\"");
}

TEST_F(PathsTest, UnsuitableObjectsAreRefused) {
    EnsureStandardSpecifiers(form, true);
    EnsureObjectLinkSpecifier(form);
    Object loose;
    loose.name = "Loose";
    Object notInstallObject;
    notInstallObject.name = "Plain";
    notInstallObject.installObject = false;
    const struct {
        std::function<std::string()> expand;
        std::string message;
    } cases[] = {
        {[&] { return FindSpecifier<TpsMainInstall>().ExpandPath(&install.object); },
         "Cannot use the ddMainInstallDir path specifier for a TInstall component"},
        {[&] { return FindSpecifier<TpsContainerArchiveFile>().ExpandPath(&shortcut); },
         "Cannot use the ddContainerArchiveFile path specifier for TutorLink because the Container is not a TFileRelated descendant"},
        {[&] { return FindSpecifier<TpsContainerArchiveFile>().ExpandPath(&loose); },
         "Cannot use ddContainerArchiveFile for Loose unless you assign a Container"},
        {[&] { return FindSpecifier<TpsContainerDestDir>().ExpandPath(&loose); },
         "Cannot use ddContainerDestDir for Loose unless you assign a Container"},
        {[&] { return FindSpecifier<TpsContainerDestDir>().ExpandPath(&notInstallObject); },
         "Plain must be a TInstallObject to use the psContainerDestDir path specifier"},
        {[&] { return FindSpecifier<TpsObjectLink>().ExpandPath(&file); },
         "TecladixExe must be a TCustomInstallShellLink to use the psObjectLink path specifier"},
        {[&] { return FindSpecifier<TpsObjectLink>().ExpandPath(&shortcut); },
         "Cannot use ddObjectLink for TutorLink unless you assign a value to ObjectLink"},
    };
    for (const auto& c : cases) EXPECT_EQ(MessageOf([&] { (void)c.expand(); }), c.message);

    SetCurrentInstall(nullptr);
    for (TCustomPathSpecifier* s : {static_cast<TCustomPathSpecifier*>(&FindSpecifier<TpsInstallSource>()),
                                    static_cast<TCustomPathSpecifier*>(&FindSpecifier<TpsMainInstall>()),
                                    static_cast<TCustomPathSpecifier*>(&FindSpecifier<TpsMainArchiveFile>())})
        EXPECT_EQ(MessageOf([&] { (void)s->ExpandPath(&file); }),
                  "There is no TInstall component so the path specifier could not be expanded for TecladixExe");
}

TEST_F(PathsTest, ObjectLinkLeadsToTheLinkedFileOrGroup) {
    EnsureObjectLinkSpecifier(form);
    shortcut.link = &file;
    EXPECT_EQ(FindSpecifier<TpsObjectLink>().ExpandPath(&shortcut), "C:\\Tecladix\\Tecladix.exe");
    shortcut.link = &group;
    EXPECT_EQ(FindSpecifier<TpsObjectLink>().ExpandPath(&shortcut), "C:\\Tecladix\\Dados");
}

TEST_F(PathsTest, DescriptionsOfTheContainerSpecifier) {
    EnsureStandardSpecifiers(form, true);
    TpsContainerDestDir& specifier = FindSpecifier<TpsContainerDestDir>();
    EXPECT_EQ(specifier.GetDescriptionFor(&file), "Path of the <Principal> group");
    EXPECT_EQ(specifier.GetDescriptionFor(&shortcut), "Path of the <Shortcuts> group");
    EXPECT_EQ(specifier.GetDescriptionFor(&install.object), "Path of the group (container)");
    EXPECT_EQ(FindSpecifier<TpsWindow>().GetDescriptionFor(&file), "Path of the Windows directory");
}

TEST_F(PathsTest, RegistriesHoldOneOfEachAndForgetDestroyedSpecifiers) {
    {
        TComponent owner;
        EnsureStandardSpecifiers(owner, true);
        EnsureStandardSpecifiers(owner, true);
        ASSERT_EQ(owner.Components().size(), 14u) << "only missing kinds are made";
        EXPECT_EQ(owner.Components().front()->Name(), "psBDEDLL");
        EXPECT_EQ(owner.Components().back()->Name(), "psWindow");
        EXPECT_EQ(StandardPathSpecList().Items().size(), 14u);
        EnsureStandardSpecifiers(owner, false);
        EXPECT_EQ(owner.Components().size(), 28u);
        EXPECT_EQ(&FindSpecifier<TpsWindow>(), owner.Components()[13].get()) << "the first registered wins";

        TCustomPathSpecifier custom(nullptr);
        EXPECT_EQ(custom.GetDescription(), "Unspecified");
        EXPECT_EQ(custom.ExpandPath(&file), "");
        custom.OnExpandPath = [](PathRequester* object, std::string& path) { path = object->ComponentName(); };
        EXPECT_EQ(custom.ExpandPath(&file), "TecladixExe");
        EXPECT_EQ(PathSpecifierList().Items().size(), 29u);
        EXPECT_EQ(StandardPathSpecList().Items().size(), 28u);
    }
    EXPECT_TRUE(PathSpecifierList().Items().empty());
    EXPECT_EQ(MessageOf([] { (void)FindSpecifier<TpsWindow>(); }), "Could not find the path specifier");
    EXPECT_EQ(MessageOf([] { PathSpecifierList().Add(nullptr); }), "Tried to add a nil object to the path specifier list");
    PathSpecifierList().Remove(nullptr);  // silent
}

TEST_F(PathsTest, MetaVariablesExpandToFoldersWithoutTrailingBackslash) {
    machine.Set(kHKeyLocalMachine, "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion", "ProgramFilesDir", "D:\\Apps\\");
    const struct {
        std::string text;
        std::string expected;
    } cases[] = {
        {"100%% sure", "100% sure"}, {"a%qb", "ab"},       {"end%", "end"},
        {"%P\\app", "D:\\Apps\\app"}, {"%w;%s", "C:\\WINDOWS;C:\\WINDOWS\\SYSTEM"},
        {"%b|%d|%f|%m", "C:\\WINDOWS\\Startmen\\Programs|C:\\WINDOWS\\Desktop|E:\\Program Files\\Common Files|C:\\WINDOWS\\Startmen"},
        {"%i\\x", "C:\\Program Files\\Tecladix 2.0\\x"},
        {"\"%a\" \"%C\"", "\"C:\\Menu\\Tecladix\\Tutor\" \"C:\\Menu\\Tecladix\""},
        {"%%%%p", "%%p"},
    };
    for (const auto& c : cases) EXPECT_EQ(ExpandMetaVariables(c.text, &shortcut), c.expected) << c.text;

    EXPECT_EQ(MessageOf([] { (void)ExpandMetaVariables("%a", nullptr); }),
              "Cannot expand the %a meta variable because the component is Nil");
    EXPECT_EQ(MessageOf([] { (void)ExpandMetaVariables("%c", nullptr); }),
              "Cannot expand the %c meta variable because the component is Nil");
    Object orphan;
    orphan.name = "Orphan";
    EXPECT_EQ(MessageOf([&] { (void)ExpandMetaVariables("%c", &orphan); }),
              "Cannot expand the %c meta variable because the Container property is Nil");
    SetCurrentInstall(nullptr);
    EXPECT_EQ(MessageOf([] { (void)ExpandMetaVariables("%i", nullptr); }),
              "Cannot expand the %i meta variable because there is no TInstall component");
    try {
        (void)ExpandMetaVariables("%I", nullptr);
    } catch (const EAICannotExpandInstallDirMV&) {
        SUCCEED();
    }
}

TEST(InstallStrings, BackslashesAndFields) {
    EXPECT_EQ(AddBackslash(""), "");
    EXPECT_EQ(AddBackslash("C:"), "C:\\");
    EXPECT_EQ(AddBackslash("C:\\"), "C:\\");
    EXPECT_EQ(StripBackslash("C:\\dir\\\\"), "C:\\dir\\");
    EXPECT_EQ(StripBackslash(""), "");
    const struct {
        const char* text;
        int n;
        const char* expected;
    } fields[] = {{"a;b;c", 1, "a"}, {"a;b;c", 3, "c"}, {"a;b;c", 4, ""}, {"a;;c", 2, ""},
                  {"", 1, ""},       {"abc", 1, "abc"}, {"abc", 2, ""},  {"a;b", 0, ""}};
    for (const auto& f : fields) EXPECT_EQ(NthField(f.text, f.n, ';'), f.expected) << f.text << " " << f.n;
    EXPECT_EQ(ExtractFileDrive("C:\\x\\y"), "C:");
    EXPECT_EQ(ExtractFileDrive("\\\\server\\share\\dir"), "\\\\server\\share");
    EXPECT_EQ(ExtractFileDrive("/home/x"), "");
}

}  // namespace
}  // namespace install
