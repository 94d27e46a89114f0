#pragma once
// Identifiers of the tutor's forms, menus and controls.

// Forms.
#define IDD_MAIN 100
#define IDD_START 101
#define IDD_CONTINUE 102
#define IDD_EXERCISE1 103
#define IDD_EXERCISE2 104
#define IDD_EXERCISE3 105
#define IDD_APPROVED 106
#define IDD_FAILED 107
#define IDD_END 108
#define IDD_ABOUT 109
#define IDD_NEW_STUDENT 110
#define IDD_ACCESS 111
#define IDD_OPTIONS 112
#define IDD_ADMIN_PASSWORD 113
#define IDD_PAGE_LIMITS 114
#define IDD_PAGE_DELETE 115
#define IDD_PAGE_EDIT1 116
#define IDD_PAGE_EDIT2 117
#define IDD_PAGE_EDIT3 118
#define IDD_PAGE_LOG 119

#define IDR_MAIN_MENU 200
#define IDR_SAVE_MENU 201
#define IDR_ACCELERATORS 202
#define IDI_TECLADIX 203

// Main window: menu items and the buttons that do the same.
#define IDM_NEW_STUDENT 300
#define IDM_ADVANCED 301
#define IDM_EXIT 302
#define IDM_START1 303
#define IDM_CONTINUE1 304
#define IDM_START2 305
#define IDM_CONTINUE2 306
#define IDM_START3 307
#define IDM_CONTINUE3 308
#define IDM_HELP 309
#define IDM_ABOUT 310
#define IDC_DEMO 311
#define IDC_TITLE 320
#define IDC_SUBTITLE 321
#define IDC_PUBLISHER 322
#define IDC_EMAIL 323
#define IDC_WEB 324
#define IDC_STATUS 325

// Sign-in dialogs.
#define IDC_NAMES 400
#define IDC_PASSWORD 401
#define IDC_SIGN_UP 402
#define IDC_FROM_DISK 403
#define IDC_FROM_FLOPPY 404

// Exercise windows: the lines Um to Dez, the model of module 1, the stopwatch, the limits.
#define IDC_UM 500
#define IDC_DEZ 509
#define IDC_MODEL 510
#define IDC_MINUTES 511
#define IDC_SECONDS 512
#define IDC_TIME_LIMIT 513
#define IDC_ERROR_LIMIT 514
#define IDC_SAVE 515
#define IDC_REDO 516
#define IDM_SAVE_DISK 517
#define IDM_SAVE_FLOPPY 518

// Result windows.
#define IDC_RESULT_MINUTES 600
#define IDC_RESULT_SECONDS 601
#define IDC_RESULT_ERRORS 602
#define IDC_RESULT_KEYS 603
#define IDC_RESULT_TEXT 604
#define IDC_END_TEXT 605

// Administration.
#define IDC_NEW_NAME 700
#define IDC_NEW_PASSWORD 701
#define IDC_SAVE_STUDENT 702
#define IDC_ADMIN_NAME 703
#define IDC_ADMIN_PASSWORD 704
#define IDC_TABS 705
#define IDC_CHANGE_ADMIN 706
#define IDC_LIMIT_FIRST 710
#define IDC_LIMIT_LAST 715
#define IDC_SAVE_LIMITS 716
#define IDC_DELETE_LIST 717
#define IDC_DELETE_NAME 718
#define IDC_DELETE 719
#define IDC_EDITOR 720
#define IDC_SAVE_TEXT 721
#define IDC_EXERCISE_CHOOSER 722
#define IDC_LIMIT_BAR 723
#define IDC_LOG 724
#define IDC_CHANGE 725
#define IDC_LIMIT_LABEL 726
#define IDC_EDITOR_NOTE 727
