#pragma once
// The translator's content in this installation.
#include <string>
#include <vector>

#include "install/translator/translator.h"

namespace install {

std::vector<std::string> EnglishTable();
std::vector<std::string> PortugueseTable();
// English and Portuguese tables, Portuguese shown, "MS Sans Serif" 8 point for every language.
void ConfigureMainTranslator(TTranslator& translator);

}  // namespace install
