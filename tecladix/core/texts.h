#pragma once
// Every message, caption and title that the tutor's code shows, in one place. The window
// layouts keep their own labels in the resource scripts.
#include "tecladix/core/ansi_text.h"
#include "tecladix/core/labels.h"

namespace tecladix::texts {

// The program.
inline constexpr AnsiText kProductTitle = PRODUCT_TITLE;
inline constexpr AnsiText kPublisher = "Oficina do Teclado";
inline constexpr AnsiText kReady = "Pronto";
inline constexpr AnsiText kHelpFile = "Tecladix.HLP";
inline constexpr AnsiText kDemoProgram = "TecladixFilme.exe";
inline constexpr AnsiText kCloseProgram = "Fechar o programa";
inline constexpr AnsiText kCloseProgramQuestion = "Deseja fechar o programa agora?";
inline constexpr AnsiText kDemoFailed = "Não foi possível inicializar este arquivo";

// Status bar hints of the menu.
inline constexpr AnsiText kHintNewStudent = "Permite incluir um novo usuário";
inline constexpr AnsiText kHintAdvancedOptions = "Permite alterar os atributos do programa ";
inline constexpr AnsiText kHintStartModule = "Inicia o primeiro módulo a partir do 1º exercício";
inline constexpr AnsiText kHintContinueModule = "Continua o módulo a partir do último exercício concluído";
inline constexpr AnsiText kHintHelpTopics = "Exibe os tópicos de ajuda do programa";
inline constexpr AnsiText kHintAbout = "Exibe informações sobre o programa";

// Signing in to a module.
inline constexpr AnsiText kTypePassword = "Digite a senha";
inline constexpr AnsiText kPasswordMismatch = "Sua senha não confere. Digite novamente";
inline constexpr AnsiText kCaptionStudent = "Usuário: ";
inline constexpr AnsiText kCaptionExercise = " - Exercício: ";
inline constexpr AnsiText kCaptionContinuedExercise = "  - Exercício: ";
inline constexpr AnsiText kCaptionModuleDone = " - Módulo concluído";

// The exercise windows.
inline constexpr AnsiText kResultsReady =
    "O programa acaba de analizar os resultados do seu exercício. Clique \"OK\" para ver se você foi aprovado.";
inline constexpr AnsiText kNextExerciseCaption = "Próximo Exercício";
inline constexpr AnsiText kNextExerciseQuestion = "Você deseja seguir para o próximo exercício?";
inline constexpr AnsiText kCongratulations = "Parabéns, ";
inline constexpr AnsiText kModuleFinished = ". Você acaba de concluir os exercícios deste módulo.";
inline constexpr AnsiText kLastModuleThreeExercise =
    "Você concluiu todos os exercícios deste nódulo. Vá para o módulo seguinte.";

// The floppy disk.
inline constexpr AnsiText kFloppyWriteCaption = "Erro ao gravar no Disquete";
inline constexpr AnsiText kFloppyWriteFailed = "Não foi possível efetuar a gravação no disquete.";
inline constexpr AnsiText kFloppyReadCaption = "Erro ao ler Disquete";
inline constexpr AnsiText kFloppyReadFailed =
    "Não foi possível ler a partir do disquete. O que pode ter ocorrido: 1) Você deve estar tentando acessar um "
    "módulo diferente do que foi gravado. 2) O arquivo foi alterado. ";
inline constexpr AnsiText kFloppyOtherStudent = "O exercício gravado no disquete não confere com o nome do usuário";

// The new-student window.
inline constexpr AnsiText kStudentExists =
    "Este usuário já está cadastrado. Caso queira incluí-lo assim mesmo, faça alguma modificação no nome.";
inline constexpr AnsiText kStudentNeedsPassword = "Você precisa definir uma senha para o usuário";
inline constexpr AnsiText kStudentNeedsName = "Você precisa definir um usuário";

// Administration.
inline constexpr AnsiText kAdminTypePassword = "Por favor, digite a senha";
inline constexpr AnsiText kAdminNameMismatch = "O nome de usuário não confere. Tente novamente";
inline constexpr AnsiText kRestrictedCaption = "Acesso Restrito";
inline constexpr AnsiText kRestrictedQuestion =
    "Você deseja mesmo acessar esta tela? Lembre-se de que seu nome ficará gravado no relatório de acesso.";
inline constexpr AnsiText kOptionsCaption = "Opções avançadas - Usuário: ";
// The pages of the options window, in order.
inline constexpr AnsiText kPageLimits = "Tempo e Erros permitidos";
inline constexpr AnsiText kPageDelete = "Excluir Usuários";
inline constexpr AnsiText kPageModule1 = "Exercícios Módulo 1";
inline constexpr AnsiText kPageModule2 = "Exercícios Módulo 2";
inline constexpr AnsiText kPageModule3 = "Exercícios Módulo 3";
inline constexpr AnsiText kPageLog = "Relatório de Alterações";
inline constexpr AnsiText kSaveCaption = "Salvar";
inline constexpr AnsiText kSaveQuestion = "Deseja salvar as alterações?";
inline constexpr AnsiText kDeleteCaption = "Excluir";
inline constexpr AnsiText kDeleteQuestion = "Deseja mesmo excluir este usuário?";
inline constexpr AnsiText kDeletedPrefix = "A exclusão do usuário ";
inline constexpr AnsiText kDeletedSuffix =
    " foi efetuada com sucesso. Espere alguns segundos antes de excluir outro usuário";
inline constexpr AnsiText kDeleteErrorCaption = "Erro de exclusão";
inline constexpr AnsiText kDeleteError =
    "Não foi possível efetuar esta operação com sucesso. Experimente reiniciar o programa e tentar novamente. ";
inline constexpr AnsiText kTooManyLinesCaption = "Excesso de linhas";
inline constexpr AnsiText kTooManyLines =
    "Cada fragmento de texto só pode ser composto de 05 (cinco) linhas. Modificação não poderão ser gravadas.";
inline constexpr AnsiText kAdminNeedsName = "Por favor, digite o nome do usuário";
inline constexpr AnsiText kAdminNeedsPassword = "Por favor, digite a senha do usuário";

// Errors of the data files, shown in the program's error box.
inline constexpr AnsiText kCannotOpenFile = "Não foi possível abrir o arquivo ";
inline constexpr AnsiText kCannotCreateFile = "Não foi possível gravar o arquivo ";
inline constexpr AnsiText kNotANumber = " não é um número inteiro válido";

}  // namespace tecladix::texts

namespace tecladix::texts {

// Captions of the sign-in dialogs that change with the module.
inline constexpr AnsiText kStartCaptionLater = "Iniciar o Módulo ";
inline constexpr AnsiText kFromDiskPlural = "Continuar Exercícios do &HD";
inline constexpr AnsiText kFromDiskSingular = "Continuar Exercício do &HD";
inline constexpr AnsiText kFromFloppyModule1 = "Continuar Exercício do &Disquete";
inline constexpr AnsiText kFromFloppyModule2 = "Continuar Exercício do &Disquete ";
inline constexpr AnsiText kFromFloppyModule3 = "Continuar Exercícios do &Disquete";

}  // namespace tecladix::texts
