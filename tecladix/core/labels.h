#ifndef TECLADIX_CORE_LABELS_H
#define TECLADIX_CORE_LABELS_H
/* Labels that more than one window shows, written once. The resource scripts use them
   directly (this file holds nothing but string macros, so the resource compiler reads it
   too); code turns them into Windows-1252 through texts.h. UTF-8, like every source. */

/* The program's title and the publisher's block of the main window and the about box. */
#define PRODUCT_TITLE "Tecladix 2.0"
#define LABEL_SUBTITLE "Curso de Digitação"
#define LABEL_PUBLISHER_LINE "Oficina do Teclado - Telefone (11) 5555-0142"
#define LABEL_MAIL "E-Mail:"
#define LABEL_MAIL_ADDRESS "contato@oficinadoteclado.com.br"
#define LABEL_WEB "Internet:"
#define LABEL_WEB_ADDRESS "http://www.oficinadoteclado.com.br"

/* The module groups and menus of the main window, the same for each module. */
#define LABEL_START_FIRST "Iniciar 1º Exercício"
#define LABEL_CONTINUE_PREVIOUS "Continuar Anterior"
#define MENU_START_MODULE "&Iniciar módulo a partir do 1º exercício"
#define MENU_CONTINUE_MODULE "&Continuar a partir do exercício anterior"

/* The start and continue dialogs. */
#define LABEL_CHOOSE_NAME "Selecione o seu nome e digite a sua senha (F4)"
#define LABEL_SIGN_UP_NOTE "Caso o seu nome não faça parte do banco de dados do programa, clique Cadastrar e escolha uma senha para ter acesso aos exercícios."
#define LABEL_SIGN_UP "C&adastrar"

/* The approved and failed windows. */
#define LABEL_TIME "Tempo:"
#define LABEL_KEYSTROKES "Toques:"

/* The exercise windows. */
#define LABEL_EXERCISE_MINUTES "Tempo: Minutos"
#define LABEL_EXERCISE_ERRORS "Erros"
#define LABEL_REDO "&Refazer"

#define LABEL_NAME "Nome:"
#define LABEL_PASSWORD "Senha:"
#define LABEL_OK "&OK"
#define LABEL_CANCEL "&Cancelar"
#define LABEL_LEAVE "&Sair"
#define LABEL_ERRORS "Erros:"
#define LABEL_SAVE "&Gravar"

/* Captions of windows that the tests find by their title. */
#define CAPTION_START "Iniciar o Módulo"
#define CAPTION_CONTINUE "Continuar Exercícios"
#define CAPTION_NEW_STUDENT "Cadastrar Novo Usuário"
#define CAPTION_APPROVED "Você foi aprovado"
#define CAPTION_FAILED "Você foi reprovado"
#define CAPTION_END "Fim do Módulo"
#define CAPTION_ACCESS "Acesso às opções do programa"
#define CAPTION_ADMIN_PASSWORD "Alterar Senha do Usuário"

/* The options window's three exercise editors. */
#define LABEL_LIMIT "Limite"
#define LABEL_SAVE_CHANGES "&Salvar alterações"
#define LABEL_EDITOR_NOTE "Ao fazer modificações na lista de exercícios deste módulo, tenha o cuidado de não ultrapassar a linha vermelha. O programa efetua a leitura de cada linha e uma linha com extensão maior que o permitido pode comprometer o desempenho do mesmo."
#define LABEL_MODULE1_EXERCISES "Exercícios do Módulo 1"

/* The limits page: the same two fields for each module. */
#define LABEL_MINUTES_FIELD "Tempo/Minutos:"

#endif
