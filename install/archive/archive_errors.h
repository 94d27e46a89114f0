#pragma once
// Failures of the archive component. Its messages are shown as they are, untranslated.
#include <initializer_list>
#include <string>

#include "install/archive/archive_messages.h"
#include "install/framework/exceptions.h"

namespace install {

class EAmblCompress : public EAmbrelAbnormal {
public:
    explicit EAmblCompress(const std::string& format, std::initializer_list<FormatArg> args = {})
        : EAmbrelAbnormal(FormatText(format, args)) {}
};

class EacDiskFull : public EAmblCompress {
public:
    EacDiskFull() : EAmblCompress(archive_messages::kDiskFull) {}
};

class EacAborted : public EAmblCompress {
public:
    EacAborted() : EAmblCompress(archive_messages::kAborted) {}
};

// A zlib call that returned a negative code.
class EZlibError : public EAmbrelAbnormal {
public:
    EZlibError() : EAmbrelAbnormal(archive_messages::kZlibError) {}
};

}  // namespace install
