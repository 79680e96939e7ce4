// Identifiers of the dialog templates used by the framework tests.
#pragma once

#define IDD_TEST_DIALOG 2001
#define IDC_TEST_EDIT 2002
#define IDC_TEST_OWNERDRAW 2003
#define IDC_TEST_STATIC 2004
#define IDC_TEST_CUSTOM 2005
