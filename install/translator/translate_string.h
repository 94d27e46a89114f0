#pragma once
// The program-wide translation of a text: through the main translator from English into the
// language the installation is shown in; the text unchanged when there is no translator.
#include <string>

namespace install {

std::string TranslateString(const std::string& text);

}  // namespace install
