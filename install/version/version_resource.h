#pragma once
// File version information: the version resource of one executable read into fifteen
// strings, and the comparisons that decide whether an existing file is overwritten.
#include <cstdint>
#include <string>

#include "install/framework/component.h"

namespace install {

namespace cmp_TVersion {

// The language half of a string-table key, with the Windows language identifier of each.
enum class TLanguage : std::uint16_t {
    lnArabic = 0x401, lnBulgarian, lnCatalan, lnTraditionalChinese, lnCzech, lnDanish, lnGerman,
    lnGreek, lnUSEnglish, lnCastilianSpanish, lnFinnish, lnFrench, lnHebrew, lnHungarian,
    lnIcelandic, lnItalian, lnJapanese, lnKorean, lnDutch, lnNorwegianBokmal, lnPolish,
    lnBrazilianPortuguese, lnRhaetoRomanic, lnRomanian, lnRussian, lnCroatoSerbian, lnSlovak,
    lnAlbanian, lnSwedish, lnThai, lnTurkish, lnUrdu, lnBahasa,  // ... 0x421
    lnSimplifiedChinese = 0x804, lnSwissGerman = 0x807, lnUKEnglish = 0x809,
    lnMexicanSpanish = 0x80A, lnBelgianFrench = 0x80C, lnSwissItalian = 0x810,
    lnBelgianDutch = 0x813, lnNorwegianNynorsk = 0x814, lnPortuguese = 0x816,
    lnSerboCroatian = 0x81A, lnCanadianFrench = 0xC0C, lnSwissFrench = 0x100C,
};

// The code-page half of a string-table key.
enum class TCharacterSet : std::uint16_t {
    csASCII = 0, csJapan = 932, csKorea = 949, csTaiwan = 950, csUnicode = 1200,
    csLatin2 = 1250, csCyrillic = 1251, csMultilingual = 1252, csGreek = 1253,
    csTurkish = 1254, csHebrew = 1255, csArabic = 1256,
};

bool IsValidLanguage(TLanguage language);
bool IsValidCharacterSet(TCharacterSet characterSet);

}  // namespace cmp_TVersion

enum class TOverwriteType { owAlways, owNever, owVersion, owDate, owVersionDate };

enum class TReplaceDecision { rdFailed = 0, rdSame = 1, rdReplace = 2, rdKeep = 3 };

struct TVersionInfo {
    std::string Comment, CompanyName, FileDescription, FileVersion, InternalName, LegalCopyright,
        LegalTradeMarks, OriginalFileName, PrivateBuild, ProductName, ProductVersion,
        SpecialBuild, FileOS, FileType, FileSubType;
};

class TVersionResource : public TComponent {
public:
    // Reads the running program's own version resource.
    explicit TVersionResource(TComponent* owner = nullptr);

    [[nodiscard]] const std::string& FileName() const { return fileName_; }
    [[nodiscard]] cmp_TVersion::TLanguage Language() const { return language_; }
    [[nodiscard]] cmp_TVersion::TCharacterSet CharacterSet() const { return characterSet_; }
    [[nodiscard]] const TVersionInfo& VersionInfo() const { return info_; }

    // Each setter stores the value and reads the version resource again; an identifier
    // outside the tables raises.
    void SetFileName(const std::string& fileName);
    void SetLanguage(cmp_TVersion::TLanguage language);
    void SetCharacterSet(cmp_TVersion::TCharacterSet characterSet);

    // 0 when the texts are equal, 1 when A is newer, 2 when B is newer.
    static int CompareVersions(const std::string& a, const std::string& b);
    // The decision for copying Source over Dest.
    static TReplaceDecision IsFileNewerByName(const std::string& source, const std::string& dest,
                                              TOverwriteType mode);
    // The decision for writing a file of this version and time (a day count) over Dest.
    static TReplaceDecision IsFileNewerByInfo(const std::string& version, const std::string& dest,
                                              TOverwriteType mode, double time);

    // The instance shared by the comparisons and the archive writer.
    static TVersionResource& Shared();

private:
    void Load();

    std::string fileName_;
    cmp_TVersion::TLanguage language_ = cmp_TVersion::TLanguage::lnUSEnglish;
    cmp_TVersion::TCharacterSet characterSet_ = cmp_TVersion::TCharacterSet::csMultilingual;
    TVersionInfo info_;
};

// The path of the running program (of the module, inside a library).
std::string RunningProgramPath();

}  // namespace install
