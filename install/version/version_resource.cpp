#include "install/version/version_resource.h"

#include <cstdio>
#include <stdexcept>

#include "install/framework/file_system.h"
#include "install/framework/strings.h"
#include "install/version/version_data.h"

namespace install {

namespace cmp_TVersion {

bool IsValidLanguage(TLanguage language) {
    const auto id = static_cast<std::uint16_t>(language);
    if (id >= 0x401 && id <= 0x421) return true;
    switch (language) {
        case TLanguage::lnSimplifiedChinese: case TLanguage::lnSwissGerman:
        case TLanguage::lnUKEnglish: case TLanguage::lnMexicanSpanish:
        case TLanguage::lnBelgianFrench: case TLanguage::lnSwissItalian:
        case TLanguage::lnBelgianDutch: case TLanguage::lnNorwegianNynorsk:
        case TLanguage::lnPortuguese: case TLanguage::lnSerboCroatian:
        case TLanguage::lnCanadianFrench: case TLanguage::lnSwissFrench:
            return true;
        default:
            return false;
    }
}

bool IsValidCharacterSet(TCharacterSet characterSet) {
    switch (characterSet) {
        case TCharacterSet::csASCII: case TCharacterSet::csJapan: case TCharacterSet::csKorea:
        case TCharacterSet::csTaiwan: case TCharacterSet::csUnicode: case TCharacterSet::csLatin2:
        case TCharacterSet::csCyrillic: case TCharacterSet::csMultilingual:
        case TCharacterSet::csGreek: case TCharacterSet::csTurkish: case TCharacterSet::csHebrew:
        case TCharacterSet::csArabic:
            return true;
    }
    return false;
}

}  // namespace cmp_TVersion

namespace {

std::string JoinVersion(std::uint32_t ms, std::uint32_t ls) {
    return std::to_string(ms >> 16) + "." + std::to_string(ms & 0xFFFF) + "." +
           std::to_string(ls >> 16) + "." + std::to_string(ls & 0xFFFF);
}

std::string FileOSText(std::uint32_t os) {
    switch (os) {
        case 1: return "Windows 3.0 or later";
        case 2: return "16 bit OS/2 Presentation Manager";
        case 3: return "32 bit OS/2 Presentation Manager";
        case 4: return "32 bit Windows";
        case 0x10000: return "MS-Dos";
        case 0x10001: return "Windows 3.0 or later with MS-Dos";
        case 0x10004: return "32 bit Windows with MS-Dos";
        case 0x20000: return "16 bit OS/2";
        case 0x20002: return "16 bit OS/2 with Presentation Manager";
        case 0x30000: return "32 bit OS/2";
        case 0x30003: return "32 bit OS/2 with Presentation Manager";
        case 0x40000: return "Windows NT";
        case 0x40004: return "Windows NT with 32 bit Windows";
        default: return "Unknown";
    }
}

std::string FileTypeText(std::uint32_t type) {
    switch (type) {
        case 1: return "Application";
        case 2: return "Dynamic-Link Library";
        case 3: return "Device Driver";
        case 4: return "Font";
        case 5: return "Virtual Device Driver";
        case 7: return "Static-Link Library";
        default: return "Unknown";
    }
}

std::string FileSubTypeText(std::uint32_t type, std::uint32_t subtype) {
    static const char* const kDrivers[] = {"Printer", "Keyboard", "Language", "Display", "Mouse",
                                           "Network", "System", "Installable", "Sound",
                                           "Communications"};
    static const char* const kFonts[] = {"Raster", "Vector", "TrueType"};
    if (type == 3) return subtype >= 1 && subtype <= 10 ? kDrivers[subtype - 1] : "Unknown";
    if (type == 4) return subtype >= 1 && subtype <= 3 ? kFonts[subtype - 1] : "Unknown";
    return {};
}

// Part i (from 1) of a dotted version text; empty when the text has fewer parts.
std::string VersionPart(const std::string& text, int i) {
    if (text.empty()) return {};
    return NthField(text, i, '.');
}

}  // namespace

TVersionResource::TVersionResource(TComponent* owner)
    : TComponent(owner), fileName_(RunningProgramPath()) {
    Load();
}

void TVersionResource::SetFileName(const std::string& fileName) {
    fileName_ = fileName;
    Load();
}

void TVersionResource::SetLanguage(cmp_TVersion::TLanguage language) {
    if (!cmp_TVersion::IsValidLanguage(language))
        throw std::runtime_error("Invalid language identifier");
    language_ = language;
    Load();
}

void TVersionResource::SetCharacterSet(cmp_TVersion::TCharacterSet characterSet) {
    if (!cmp_TVersion::IsValidCharacterSet(characterSet))
        throw std::runtime_error("Invalid character set");
    characterSet_ = characterSet;
    Load();
}

void TVersionResource::Load() {
    info_ = {};
    const auto data = ReadVersionData(fileName_);
    if (!data) return;
    if (const auto fixed = data->Fixed()) {
        info_.FileVersion = JoinVersion(fixed->fileVersionMS, fixed->fileVersionLS);
        info_.ProductVersion = JoinVersion(fixed->productVersionMS, fixed->productVersionLS);
        info_.FileOS = FileOSText(fixed->fileOS);
        info_.FileType = FileTypeText(fixed->fileType);
        info_.FileSubType = FileSubTypeText(fixed->fileType, fixed->fileSubtype);
    }
    char key[32];
    std::snprintf(key, sizeof key, "\\StringFileInfo\\%04X%04X\\",
                  static_cast<unsigned>(language_), static_cast<unsigned>(characterSet_));
    const std::string prefix = key;
    const struct {
        const char* name;
        std::string TVersionInfo::*field;
    } keys[] = {
        {"Comment", &TVersionInfo::Comment},
        {"CompanyName", &TVersionInfo::CompanyName},
        {"FileDescription", &TVersionInfo::FileDescription},
        {"InternalName", &TVersionInfo::InternalName},
        {"LegalCopyright", &TVersionInfo::LegalCopyright},
        {"LegalTradeMarks", &TVersionInfo::LegalTradeMarks},
        {"OriginalFileName", &TVersionInfo::OriginalFileName},
        {"PrivateBuild", &TVersionInfo::PrivateBuild},
        {"ProductName", &TVersionInfo::ProductName},
        {"ProductVersion", &TVersionInfo::ProductVersion},
        {"SpecialBuild", &TVersionInfo::SpecialBuild},
    };
    for (const auto& k : keys)
        if (auto value = data->QueryString(prefix + k.name)) info_.*k.field = std::move(*value);
}

int TVersionResource::CompareVersions(const std::string& a, const std::string& b) {
    for (int i = 1;; ++i) {
        const std::string partA = VersionPart(a, i), partB = VersionPart(b, i);
        if (partA.empty() || partB.empty()) {
            if (partA.empty() && partB.empty()) return 0;
            return partB.empty() ? 1 : 2;
        }
        int numberA = 0, numberB = 0;
        if (TryParseInt(partA, numberA) && TryParseInt(partB, numberB)) {
            if (numberA != numberB) return numberB > numberA ? 2 : 1;
        } else if (partA != partB) {
            // By character code, as unsigned bytes.
            const auto ua = reinterpret_cast<const unsigned char*>(partA.c_str());
            const auto ub = reinterpret_cast<const unsigned char*>(partB.c_str());
            const std::basic_string_view<unsigned char> va(ua, partA.size()), vb(ub, partB.size());
            return vb > va ? 2 : 1;
        }
    }
}

namespace {

TReplaceDecision ByVersionOrder(int comparison) {
    switch (comparison) {
        case 0: return TReplaceDecision::rdSame;
        case 1: return TReplaceDecision::rdReplace;
        default: return TReplaceDecision::rdKeep;
    }
}

// The date decision: both times are day counts of the files' timestamps.
TReplaceDecision ByDate(std::optional<double> sourceTime, const std::string& dest) {
    if (!sourceTime || !FileStream::OpenRead(dest)) return TReplaceDecision::rdFailed;
    const auto destTime = FileDateOf(dest);
    if (!destTime) return TReplaceDecision::rdFailed;
    if (*sourceTime > *destTime) return TReplaceDecision::rdReplace;
    if (*sourceTime == *destTime) return TReplaceDecision::rdSame;
    return TReplaceDecision::rdKeep;
}

std::string FileVersionOf(const std::string& path) {
    TVersionResource& shared = TVersionResource::Shared();
    shared.SetFileName(path);
    return shared.VersionInfo().FileVersion;
}

template <typename SourceVersion, typename SourceTime>
TReplaceDecision Decide(const std::string& dest, TOverwriteType mode, SourceVersion version,
                        SourceTime time) {
    switch (mode) {
        case TOverwriteType::owAlways:
            return TReplaceDecision::rdReplace;
        case TOverwriteType::owNever:
            return !Trim(dest).empty() && FileExists(dest) ? TReplaceDecision::rdKeep
                                                           : TReplaceDecision::rdReplace;
        case TOverwriteType::owVersion:
            return ByVersionOrder(TVersionResource::CompareVersions(version(), FileVersionOf(dest)));
        case TOverwriteType::owDate:
            return ByDate(time(), dest);
        case TOverwriteType::owVersionDate: {
            const auto byVersion =
                ByVersionOrder(TVersionResource::CompareVersions(version(), FileVersionOf(dest)));
            return byVersion == TReplaceDecision::rdSame ? ByDate(time(), dest) : byVersion;
        }
    }
    return TReplaceDecision::rdFailed;
}

}  // namespace

TReplaceDecision TVersionResource::IsFileNewerByName(const std::string& source,
                                                     const std::string& dest, TOverwriteType mode) {
    return Decide(
        dest, mode, [&] { return FileVersionOf(source); },
        [&]() -> std::optional<double> {
            if (!FileStream::OpenRead(source)) return std::nullopt;
            return FileDateOf(source);
        });
}

TReplaceDecision TVersionResource::IsFileNewerByInfo(const std::string& version,
                                                     const std::string& dest, TOverwriteType mode,
                                                     double time) {
    return Decide(
        dest, mode, [&] { return version; }, [&]() -> std::optional<double> { return time; });
}

TVersionResource& TVersionResource::Shared() {
    static TVersionResource shared;
    return shared;
}

}  // namespace install
