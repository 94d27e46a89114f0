#pragma once
// The fifteen built-in path specifiers.
#include "install/paths/path_specifier.h"

namespace install {

#define INSTALL_STANDARD_SPECIFIER(Class)                                   \
    class Class : public TStandardPathSpecifier {                           \
    public:                                                                 \
        explicit Class(TComponent* owner);                                  \
        void CheckObject(PathRequester* object) override;                   \
        [[nodiscard]] std::string GetDescription() const override;          \
        [[nodiscard]] std::string ExpandPath(PathRequester* object) override; \
    };

INSTALL_STANDARD_SPECIFIER(TpsBDEDLL)
INSTALL_STANDARD_SPECIFIER(TpsCommonFiles)
INSTALL_STANDARD_SPECIFIER(TpsContainerArchiveFile)
INSTALL_STANDARD_SPECIFIER(TpsDesktopMenu)
INSTALL_STANDARD_SPECIFIER(TpsInstallSource)
INSTALL_STANDARD_SPECIFIER(TpsMainInstall)
INSTALL_STANDARD_SPECIFIER(TpsProgramFiles)
INSTALL_STANDARD_SPECIFIER(TpsProgramMenu)
INSTALL_STANDARD_SPECIFIER(TpsStartMenu)
INSTALL_STANDARD_SPECIFIER(TpsStartupMenu)
INSTALL_STANDARD_SPECIFIER(TpsSystem)
INSTALL_STANDARD_SPECIFIER(TpsMainArchiveFile)
INSTALL_STANDARD_SPECIFIER(TpsWindow)
INSTALL_STANDARD_SPECIFIER(TpsObjectLink)

#undef INSTALL_STANDARD_SPECIFIER

class TpsContainerDestDir : public TStandardPathSpecifier {
public:
    explicit TpsContainerDestDir(TComponent* owner);
    void CheckObject(PathRequester* object) override;
    [[nodiscard]] std::string GetDescription() const override;
    [[nodiscard]] std::string GetDescriptionFor(PathRequester* object) override;
    [[nodiscard]] std::string ExpandPath(PathRequester* object) override;
};

// Makes one specifier of each of the fourteen kinds of the table (all but TpsObjectLink),
// owned by `owner` and named by its BuiltInName; with onlyMissing, kinds that already have
// an instance are skipped.
void EnsureStandardSpecifiers(TComponent& owner, bool onlyMissing);
// The same for TpsObjectLink, which the shortcuts bring along.
void EnsureObjectLinkSpecifier(TComponent& owner);

}  // namespace install
