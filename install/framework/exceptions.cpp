#include "install/framework/exceptions.h"

#include "install/translator/translate_string.h"

namespace install {

IException::IException(const std::string& format, std::initializer_list<FormatArg> args)
    : EAmbrelAbnormal(FormatText(TranslateString(format), args)) {}

}  // namespace install
