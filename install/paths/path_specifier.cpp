#include "install/paths/path_specifier.h"

#include <algorithm>

namespace install {

namespace {
InstallRun* gInstall = nullptr;
}

InstallRun* CurrentInstall() { return gInstall; }
void SetCurrentInstall(InstallRun* install) { gInstall = install; }

TPathSpecifierList& PathSpecifierList() {
    static TPathSpecifierList list;
    return list;
}

TStandardPathSpecList& StandardPathSpecList() {
    static TStandardPathSpecList list;
    return list;
}

void TPathSpecifierList::Add(TCustomPathSpecifier* specifier) {
    if (!specifier) throw IEPathSpecifierList("Tried to add a nil object to the path specifier list");
    items_.push_back(specifier);
}

void TPathSpecifierList::Remove(TCustomPathSpecifier* specifier) {
    const auto found = std::find(items_.begin(), items_.end(), specifier);
    if (found != items_.end()) items_.erase(found);
}

TCustomPathSpecifier::TCustomPathSpecifier(TComponent* owner, std::string builtInName)
    : TComponent(owner), builtInName_(std::move(builtInName)) {
    PathSpecifierList().Add(this);
}

TCustomPathSpecifier::~TCustomPathSpecifier() { PathSpecifierList().Remove(this); }

void TCustomPathSpecifier::CheckObject(PathRequester*) {}

std::string TCustomPathSpecifier::GetDescription() const { return "Unspecified"; }

std::string TCustomPathSpecifier::GetDescriptionFor(PathRequester*) { return GetDescription(); }

std::string TCustomPathSpecifier::ExpandPath(PathRequester* object) {
    std::string path;
    if (OnExpandPath) OnExpandPath(object, path);
    return path;
}

TStandardPathSpecifier::TStandardPathSpecifier(TComponent* owner, std::string builtInName)
    : TCustomPathSpecifier(owner, std::move(builtInName)) {
    StandardPathSpecList().Add(this);
}

TStandardPathSpecifier::~TStandardPathSpecifier() { StandardPathSpecList().Remove(this); }

}  // namespace install
