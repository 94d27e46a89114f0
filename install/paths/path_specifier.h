#pragma once
// Path specifiers: small components that turn a symbolic root (the program files folder,
// the destination folder of an object's container ...) into a real path of the machine for
// the object that asks. Every specifier is in the global TPathSpecifierList; the built-in
// ones are in TStandardPathSpecList too.
#include <functional>
#include <string>
#include <vector>

#include "install/framework/component.h"
#include "install/framework/exceptions.h"
#include "install/paths/path_requester.h"

namespace install {

class TCustomPathSpecifier : public TComponent {
public:
    explicit TCustomPathSpecifier(TComponent* owner, std::string builtInName = {});
    ~TCustomPathSpecifier() override;

    std::function<void(PathRequester* object, std::string& path)> OnExpandPath;
    [[nodiscard]] const std::string& BuiltInName() const { return builtInName_; }

    // Raises IEPathSpecifier when this specifier cannot serve the object.
    virtual void CheckObject(PathRequester* object);
    [[nodiscard]] virtual std::string GetDescription() const;
    [[nodiscard]] virtual std::string GetDescriptionFor(PathRequester* object);
    [[nodiscard]] virtual std::string ExpandPath(PathRequester* object);

private:
    std::string builtInName_;
};

class TStandardPathSpecifier : public TCustomPathSpecifier {
public:
    TStandardPathSpecifier(TComponent* owner, std::string builtInName);
    ~TStandardPathSpecifier() override;
};

class TPathSpecifierList {
public:
    virtual ~TPathSpecifierList() = default;
    void Add(TCustomPathSpecifier* specifier);  // null raises IEPathSpecifierList
    void Remove(TCustomPathSpecifier* specifier);  // an absent entry is ignored
    [[nodiscard]] const std::vector<TCustomPathSpecifier*>& Items() const { return items_; }

private:
    std::vector<TCustomPathSpecifier*> items_;
};

class TStandardPathSpecList : public TPathSpecifierList {
public:
    // The first registered specifier of the class or one derived from it.
    template <typename Specifier>
    Specifier& FindSpecifier() const {
        for (TCustomPathSpecifier* item : Items())
            if (auto* found = dynamic_cast<Specifier*>(item)) return *found;
        throw IEPathSpecifier("Could not find the path specifier");
    }
};

TPathSpecifierList& PathSpecifierList();
TStandardPathSpecList& StandardPathSpecList();

template <typename Specifier>
Specifier& FindSpecifier() {
    return StandardPathSpecList().FindSpecifier<Specifier>();
}

}  // namespace install
