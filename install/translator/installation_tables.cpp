// The text tables this installation carries: English and Portuguese, one "GLID;Text" line
// per text, in Windows-1252. The wizard's own words are matched against the English table.
#include "install/translator/installation_tables.h"

namespace install {

namespace {

struct TableLine {
    int glid;
    const char* english;
    const char* portuguese;
};

constexpr TableLine kLines[] = {
    {4, "< Previous",
     "<Anterior"},
    {5, "Next >",
     "Pr\xF3ximo>"},
    {6, "Cancel",
     "Cancelar"},
    {26, "&Browse",
     "&(Browse)Folhear"},
    {72, "Finish",
     "Terminar"},
    {71, "Default",
     "Default"},
    {49, "Proceed",
     "Proceder"},
    {9, "Welcome",
     "Bem vindos"},
    {10, "This program will install the software on your computer.",
     "Este programa instalar\xE1 o software em seu computador."},
    {11, "It is strongly recommended that you exit all Windows programs before running this setup. If you need to close any programs, click Cancel to quit the setup and then close the programs.",
     "Recomendamos fechar todos os programas do Windows antes de executar esta instala\xE7\xE3o. Caso isto seja necess\xE1rio selecionar a op\xE7\xE3o Cancelar para fechar e sair  do programa de instala\xE7\xE3o. A seguir fechar todos os outros programas."},
    {12, "Click Next to continue with the installation.",
     "Selecionar a tecla Pr\xF3ximo para continuar com a instala\xE7\xE3o."},
    {1, "Software license agreement",
     "Contrato de Licen\xE7" "a de Software"},
    {2, "Please read the following License Agreement.",
     "Solicitamos ler o Contrato de Licen\xE7" "a em anexo."},
    {3, "By clicking on the Next button below, you agree to all terms stated in the License Agreement. You may cancel the installation by clicking on the Cancel button.",
     "Ao selecionar a tecla Pr\xF3ximo que se encontra abaixo, fica estabelecida sua concord\xE2ncia com todos os termos constantes do Contrato de Licen\xE7" "a. A instala\xE7\xE3o poder\xE1 ser cancelada selecionando a tecla Cancelar."},
    {7, "Readme information",
     "Informa\xE7\xF5" "es Importantes"},
    {8, "Please read the information below before you install this software on your computer.",
     "Solicitamos ler as informa\xE7\xF5" "es abaixo antes de instalar o  software em seu computador."},
    {17, "Typical",
     "T\xEDpica"},
    {18, "Program will be installed with the most common options.",
     "O programa ser\xE1 instalado com as op\xE7\xF5" "es mais comuns"},
    {19, "Compact",
     "Compacta"},
    {20, "Program will be installed with minimum required options.",
     "O programa ser\xE1 instalado com as op\xE7\xF5" "es m\xEDnimas necess\xE1rias"},
    {21, "Custom",
     "Personalizada"},
    {22, "You may choose the options you want to install. Recommended for advanced users.",
     "As op\xE7\xF5" "es a serem instaladas dever\xE3o ser selecionadas. Esta modalidade\xE9 recomendada para Usu\xE1rios avan\xE7" "ados."},
    {23, "Full",
     "Completa"},
    {24, "Program will be installed with all options.",
     "O programa ser\xE1 instalado com todas as op\xE7\xF5" "es"},
    {25, "Destination directory",
     "Diret\xF3rio de Destino"},
    {58, "Setup type",
     "Tipo da Configura\xE7\xE3o"},
    {59, "Click the type of Setup you prefer, then click the Next button.",
     "Selecionar o tipo de Configura\xE7\xE3o de sua escolha.  A seguir selecionar o bot\xE3o Pr\xF3ximo"},
    {40, "Select folder in start menu",
     "Selecionar a pasta no menu iniciar"},
    {41, "Setup will add program icons to the Program Folder listed below. You may type a new folder name, or select from the E&xisting Folders list.",
     "A configura\xE7\xE3o adicionar\xE1 \xED" "cones de programa a Pasta de Programas relacionada abaixo. \xC9 poss\xEDvel digitar um novo nome para a pasta, ou selecionar da rela\xE7\xE3o de Pastas Existentes."},
    {42, "&Program Folder",
     "&Pastas de Programas"},
    {43, "E&xisting Folders",
     "Pastas Existentes"},
    {27, "Select components to install",
     "Selecionar os componentes a serem instalados."},
    {28, "Select the components you want to install, clear the components you do not want to install. Double click on a group to see all of its subgroups.",
     "Selecionar os componentes que deseja instalar, eliminar os componentes que n\xE3o desejar instalar. Acionar com a tecla do mouse duplamente sobre um grupo para visualizar todos os sub grupos."},
    {29, "Description",
     "Descri\xE7\xE3o"},
    {30, "Destination directory",
     "Diret\xF3rio de Destino"},
    {31, "Space Required:",
     "Espa\xE7o Exigido"},
    {32, "Space Available:",
     "Espa\xE7o Dispon\xEDvel"},
    {33, "bytes",
     "bytes"},
    {34, "&Exclude/Include highlighted group",
     "&Excluir/Incluir grupos selecionados"},
    {13, "Copying installation files",
     "Copiar os arquivos de instala\xE7\xE3o"},
    {14, "Processing",
     "Processando"},
    {15, "File progress",
     "Andamento do Arquivo"},
    {16, "Total progress",
     "Andamento total"},
    {37, "Setup complete",
     "Instala\xE7\xE3o terminada"},
    {38, "The software has been properly installed. You may start the software by clicking on the icon.",
     "O software foi instalado com sucesso.  O programa poder\xE1 ser iniciado ao selecionar o \xED" "cone."},
    {39, "&Finish",
     "&Terminar"},
    {44, "Setup needs the next disk",
     "A instala\xE7\xE3o necessita do disquete que vem a seguir na seq\xFC\xEAncia."},
    {45, "Please insert disk number %d",
     "Favor inserir o disquete n\xFAmero  %d"},
    {46, "If the files on this disk can be found in another location, for example, in another drive, enter its full path or click the Browse button to select its path.",
     "Caso os arquivos deste disco estejam em outra localiza\xE7\xE3o, por exemplo, em outro drive, digitar o endere\xE7" "amento completo ou acionar a tecla Browse para selecionar o endere\xE7" "amento."},
    {47, "&Path:",
     "&Endere\xE7" "amento"},
    {48, "&Browse...",
     "&Browse..."},
    {51, "Reboot windows",
     "Desligar e Religar o Windows"},
    {52, "Several components could not be installed on your system because they were in use. For the installation to proceed, you will need to reboot your computer. If you decide not to reboot now, the software will probably not work until you do reboot.",
     "Alguns componentes n\xE3o puderam ser instalados em seu sistema por estarem sendo utilizados por outro aplicativo. Para proceder com a instala\xE7\xE3o, \xE9 necess\xE1rio religar o computador.  Caso o computador n\xE3o seja religado neste momento, \xE9 poss\xEDvel que o software n\xE3o possa ser operado at\xE9 que o computador seja religado."},
    {53, "Yes, I would like to reboot windows",
     "Sim, desejo desligar e religar o Windows."},
    {54, "No, I would not like to reboot windows",
     "N\xE3o desejo desligar e religar o Windows."},
    {55, "&Close",
     "Fechar"},
    {60, "This software has not been properly installed and will not work correctly if you try to use it.",
     "Este software n\xE3o foi instalado de modo adequado e n\xE3o poder\xE1 ser executado  corretamente."},
    {61, "Setup incomplete",
     "Instala\xE7\xE3o Incompleta"},
    {62, "Select a language",
     "Selecionar um idioma"},
    {63, "English",
     "Ingl\xEAs"},
    {64, "French",
     "Franc\xEAs"},
    {65, "German",
     "Alem\xE3o"},
    {66, "Italian",
     "Italiano"},
    {67, "Japanese",
     "Japon\xEAs"},
    {68, "Korean",
     "Coreano"},
    {69, "Russian",
     "Russo"},
    {70, "Spanish",
     "Espanhol"},
    {56, "Could not reboot windows. Please manually reboot windows.",
     "N\xE3o foi poss\xEDvel desligar e religar o Windows.  Esta opera\xE7\xE3o dever\xE1ser feita manualmente."},
    {57, "This will install the Borland Database Engine.",
     "Esta op\xE7\xE3o instalar\xE1 o Mecanismo do Banco de Dados Borland."},
    {75, "Reading file information...",
     "Lendo a informa\xE7\xE3o do arquivo\x85"},
    {76, "Logging onto remote server",
     "Entrando no sistema do servidor remoto"},
};

std::vector<std::string> TableOf(const char* TableLine::*text) {
    std::vector<std::string> lines;
    lines.reserve(std::size(kLines));
    for (const TableLine& line : kLines) lines.push_back(std::to_string(line.glid) + ";" + line.*text);
    return lines;
}

}  // namespace

std::vector<std::string> EnglishTable() { return TableOf(&TableLine::english); }
std::vector<std::string> PortugueseTable() { return TableOf(&TableLine::portuguese); }

void ConfigureMainTranslator(TTranslator& translator) {
    for (TLanguage* language : translator.Languages()) {
        language->Font = TFontSpec{"MS Sans Serif", -11, 8, 1};
        language->FontOverride = false;
    }
    translator.lgEnglish().Strings().Assign(EnglishTable());
    translator.lgPortugese().Strings().Assign(PortugueseTable());
    translator.SetTranslateIntoLanguage(TAmblLanguage::alPortugese);
}

}  // namespace install
