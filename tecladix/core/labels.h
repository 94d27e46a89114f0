#ifndef TECLADIX_CORE_LABELS_H
#define TECLADIX_CORE_LABELS_H
/* Labels that more than one window shows, written once. The resource scripts use them
   directly (this file holds nothing but string macros, so the resource compiler reads it
   too); code turns them into Windows-1252 through texts.h. UTF-8, like every source. */

#define LABEL_NAME "Nome:"
#define LABEL_PASSWORD "Senha:"
#define LABEL_OK "&OK"
#define LABEL_CANCEL "&Cancelar"
#define LABEL_LEAVE "&Sair"
#define LABEL_ERRORS "Erros:"

/* Captions by which the tests find the administration windows. */
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
