#pragma once
// Control identifiers of the dialog the UI layer's own tests drive.
#define IDD_SAMPLE 100
#define IDC_NAME 101
#define IDC_GREET 102
#define IDC_GREETING 103
#define IDC_LOUD 104
#define IDC_ASK 105
