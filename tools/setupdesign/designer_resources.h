// Resource identifiers of the designer.
#pragma once

#define IDI_DESIGNER 1
// The hidden host of the canvas's buttons: the launcher's form template, so
// that its font is the one the launcher's buttons start from.
#define IDD_FORM_HOST 100
