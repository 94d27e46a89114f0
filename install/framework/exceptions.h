#pragma once
// The installer's exception classes. Every failure of the framework is an EAmbrelAbnormal;
// the IException family translates its message (or its format, before the arguments are
// put in) into the language the installation is shown in.
#include <initializer_list>
#include <stdexcept>
#include <string>

#include "install/framework/text_format.h"

namespace install {

class EAmbrelAbnormal : public std::runtime_error {
public:
    explicit EAmbrelAbnormal(const std::string& message) : std::runtime_error(message) {}
};

// The platform's silent abort: stops the current object without a message.
class EAbort : public EAmbrelAbnormal {
public:
    EAbort() : EAmbrelAbnormal("Operation aborted") {}
};

class IException : public EAmbrelAbnormal {
public:
    // The message is translated before the arguments are formatted into it.
    explicit IException(const std::string& format, std::initializer_list<FormatArg> args = {});
};

#define INSTALL_DECLARE_EXCEPTION(Name, Base)                                              \
    class Name : public Base {                                                             \
    public:                                                                                \
        using Base::Base;                                                                  \
    };

INSTALL_DECLARE_EXCEPTION(IEInstall, IException)
INSTALL_DECLARE_EXCEPTION(IEPathSpecifier, IException)
INSTALL_DECLARE_EXCEPTION(IEPathSpecifierList, IException)
INSTALL_DECLARE_EXCEPTION(EAPIRoutines, IException)
INSTALL_DECLARE_EXCEPTION(EAICannotExpandContainerDirMV, IException)
INSTALL_DECLARE_EXCEPTION(EAICannotExpandInstallDirMV, IException)
INSTALL_DECLARE_EXCEPTION(ETranslator, IException)

#undef INSTALL_DECLARE_EXCEPTION

// Raised by every confirmed Cancel: ends the installation run.
class EAIUserAbort : public IException {
public:
    EAIUserAbort() : IException("Installation cancelled by the user") {}
};

}  // namespace install
