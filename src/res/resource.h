// Identifiers of the resources and of the controls in the dialog templates.
#pragma once

#define IDR_MANIFEST 1

// The program's icon.
#define IDR_MAINFRAME 128

// Header picture of the database password dialog (418 x 59 pixels, 256 colours).
#define IDB_HEADER 110

// Licence agreement dialog.
#define IDD_LICENSE_AGREEMENT 115
#define IDC_AGREE_CHECK 118
#define IDC_LICENSE_HEADER 119
#define IDC_LICENSE_TEXT 120

// The form every page of buttons is built on.
#define IDD_SUBFORM 117

// Database password dialog.
#define IDD_PASSWORD 152
#define IDC_PASSWORD_PROMPT 102
#define IDC_PASSWORD_EDIT 103
#define IDC_PASSWORD_LABEL 104
#define IDC_CONFIRM_EDIT 105
#define IDC_CONFIRM_LABEL 106
#define IDC_PASSWORD_CANCEL 107
#define IDC_PASSWORD_INSTALL 108
#define IDC_HEADER_PICTURE 111
